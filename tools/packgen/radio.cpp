// "OrvRadio02.dll": the radio's pictures. A walnut table radio of the old
// kind with a gold grille and a round dial, standing on a wall shelf on the
// main window; the same radio, lit or dark, in the radio window; lamps,
// the frame of the logo and volume windows, the volume bars and the
// stations' logos (radio_logos.cpp). Drawn in the sizes of
// media/radio_pictures.h.
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "graphics_kit.h"
#include "media/radio_pictures.h"
#include "packgen.h"
#include "paint_kit.h"
#include "radio_parts.h"

namespace packgen {

namespace {

namespace rp = zembra::radio_pictures;

// The radio is designed on 150 x 98 units (its size on the shelf).
constexpr double kRadioW = 150, kRadioH = 98;
const QPointF kDialCentre(118, 37);
constexpr double kDialRadius = 16;

enum class TLamp { Socket, Off, Silent, Playing };

QPainterPath Cabinet() {
  QPainterPath path;
  path.moveTo(8, 92);
  path.lineTo(6, 44);
  path.cubicTo(6, 14, 40, 4, 75, 4);
  path.cubicTo(110, 4, 144, 14, 144, 44);
  path.lineTo(142, 92);
  path.quadTo(142, 95, 138, 95);
  path.lineTo(12, 95);
  path.quadTo(8, 95, 8, 92);
  path.closeSubpath();
  return path;
}

QPainterPath Grille() {
  QPainterPath path;
  path.moveTo(18, 84);
  path.lineTo(18, 44);
  path.cubicTo(18, 24, 36, 16, 55, 16);
  path.cubicTo(74, 16, 92, 24, 92, 44);
  path.lineTo(92, 84);
  path.closeSubpath();
  return path;
}

// Walnut: a warm gradient with the grain's darker streaks.
void Walnut(QPainter& p, const QPainterPath& shape, double lightness) {
  const QRectF r = shape.boundingRect();
  QLinearGradient wood(r.topLeft(), r.bottomRight());
  wood.setColorAt(0, QColor(150, 86, 40).lighter(static_cast<int>(100 * lightness)));
  wood.setColorAt(0.5, QColor(112, 58, 24).lighter(static_cast<int>(100 * lightness)));
  wood.setColorAt(1, QColor(70, 34, 12).lighter(static_cast<int>(100 * lightness)));
  p.fillPath(shape, wood);
  p.save();
  p.setClipPath(shape);
  for (int i = 0; i < 26; ++i) {
    QPainterPath grain;
    const double x0 = r.left() + i * r.width() / 25.0 + 3 * art::valueNoise(i, 0.5, 77);
    grain.moveTo(x0, r.top());
    for (double y = r.top(); y <= r.bottom(); y += 4)
      grain.lineTo(x0 + 2.4 * std::sin(y / 9.0 + i) + 3 * (art::valueNoise(i * 0.7, y / 20.0, 31) - 0.5), y);
    p.strokePath(grain, QPen(QColor(50, 22, 6, 40 + (i % 3) * 18), 0.7 + (i % 2) * 0.5));
  }
  p.restore();
}

void Lamp(QPainter& p, QPointF c, double r, TLamp lamp) {
  QColor light, deep;
  switch (lamp) {
    case TLamp::Socket: light = QColor(90, 70, 50); deep = QColor(30, 20, 12); break;
    case TLamp::Off: light = QColor(200, 200, 196); deep = QColor(96, 96, 96); break;
    case TLamp::Silent: light = QColor(255, 150, 130); deep = QColor(170, 10, 0); break;
    case TLamp::Playing: light = QColor(190, 255, 170); deep = QColor(10, 150, 40); break;
  }
  if (lamp == TLamp::Silent || lamp == TLamp::Playing) {
    QRadialGradient glow(c, r * 1.6);
    glow.setColorAt(0, art::withAlpha(light, 0.8));
    glow.setColorAt(1, art::withAlpha(light, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 1.6, r * 1.6);
  }
  // A brass bezel, the glass, a highlight.
  p.setPen(QPen(QColor(120, 80, 20), r * 0.22));
  p.setBrush(gfx::goldGradient(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)));
  p.drawEllipse(c, r * 0.95, r * 0.95);
  QRadialGradient glass(c - QPointF(r * 0.25, r * 0.25), r * 0.8);
  glass.setColorAt(0, light);
  glass.setColorAt(1, deep);
  p.setPen(Qt::NoPen);
  p.setBrush(glass);
  p.drawEllipse(c, r * 0.68, r * 0.68);
  p.setBrush(QColor(255, 255, 255, lamp == TLamp::Socket ? 50 : 150));
  p.drawEllipse(c - QPointF(r * 0.25, r * 0.28), r * 0.2, r * 0.14);
}

// The radio in design units: lit dial or dark, and its lamp.
void PaintRadio(QPainter& p, bool lit, TLamp lamp) {
  art::smooth(p);
  const QPainterPath cabinet = Cabinet();
  art::softShadow(p, cabinet, QPointF(1.5, 2), 3, QColor(0, 0, 0, 120));
  Walnut(p, cabinet, 1.0);
  // A lighter inner moulding along the cabinet's edge.
  p.strokePath(cabinet, QPen(QColor(40, 18, 4), 1.6));
  QTransform inset;
  inset.translate(75, 50);
  inset.scale(0.94, 0.93);
  inset.translate(-75, -50);
  p.strokePath(inset.map(cabinet), QPen(QColor(210, 150, 90, 120), 1.0));
  // The plinth.
  const QRectF plinth(10, 86, 130, 9);
  QLinearGradient base(plinth.topLeft(), plinth.bottomLeft());
  base.setColorAt(0, QColor(86, 44, 16));
  base.setColorAt(1, QColor(40, 18, 6));
  p.fillRect(plinth, base);
  p.fillRect(QRectF(10, 86, 130, 1), QColor(200, 140, 80, 110));

  // The grille: gold cloth behind three carved bars.
  const QPainterPath grille = Grille();
  QLinearGradient cloth(0, 16, 0, 84);
  cloth.setColorAt(0, lit ? QColor(214, 170, 84) : QColor(176, 134, 62));
  cloth.setColorAt(1, lit ? QColor(150, 102, 36) : QColor(116, 80, 28));
  p.fillPath(grille, cloth);
  p.save();
  p.setClipPath(grille);
  for (double y = 16; y < 86; y += 1.6) p.fillRect(QRectF(18, y, 74, 0.5), QColor(90, 56, 16, 70));
  for (double x = 18; x < 93; x += 1.6) p.fillRect(QRectF(x, 16, 0.5, 70), QColor(255, 230, 160, 40));
  for (double x : {33.0, 55.0, 77.0}) {
    const QRectF bar(x - 3, 10, 6, 80);
    Walnut(p, art::roundedRect(bar, 2), 1.15);
    p.fillRect(QRectF(x - 3, 10, 1, 80), QColor(230, 170, 110, 90));
  }
  p.restore();
  art::insetShadow(p, grille, QPointF(1.2, 1.5), 2, QColor(0, 0, 0, 160));
  p.strokePath(grille, QPen(gfx::goldGradient(grille.boundingRect()), 1.4));

  // The dial: a glass disc with its scale, lit warm when playing.
  QRadialGradient glass(kDialCentre - QPointF(4, 5), kDialRadius * 1.3);
  glass.setColorAt(0, lit ? QColor(255, 246, 200) : QColor(214, 204, 176));
  glass.setColorAt(0.7, lit ? QColor(255, 214, 120) : QColor(170, 156, 124));
  glass.setColorAt(1, lit ? QColor(214, 150, 50) : QColor(120, 108, 86));
  p.setPen(QPen(QColor(120, 80, 20), 2.4));
  p.setBrush(glass);
  p.drawEllipse(kDialCentre, kDialRadius, kDialRadius);
  p.setPen(QPen(gfx::goldGradient(QRectF(100, 19, 36, 36)), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(kDialCentre, kDialRadius + 1.4, kDialRadius + 1.4);
  for (int i = 0; i <= 20; ++i) {
    const double a = M_PI * (1.15 + 0.7 * i / 20.0);
    const double inner = kDialRadius * (i % 5 ? 0.78 : 0.66);
    const QPointF from = kDialCentre + QPointF(std::cos(a) * inner, std::sin(a) * inner);
    const QPointF to = kDialCentre + QPointF(std::cos(a) * kDialRadius * 0.9, std::sin(a) * kDialRadius * 0.9);
    p.setPen(QPen(QColor(60, 36, 10), i % 5 ? 0.5 : 0.9));
    p.drawLine(from, to);
  }
  const double needle = M_PI * (1.15 + 0.7 * 0.62);
  p.setPen(QPen(QColor(170, 20, 10), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(kDialCentre + QPointF(0, 6),
             kDialCentre + QPointF(std::cos(needle) * kDialRadius * 0.86, std::sin(needle) * kDialRadius * 0.86));
  p.setBrush(QColor(60, 36, 10));
  p.setPen(Qt::NoPen);
  p.drawEllipse(kDialCentre + QPointF(0, 6), 1.6, 1.6);
  // A gleam on the glass.
  QPainterPath gleam;
  gleam.moveTo(kDialCentre + QPointF(-12, -4));
  gleam.quadTo(kDialCentre + QPointF(-9, -13), kDialCentre + QPointF(0, -14));
  p.strokePath(gleam, QPen(QColor(255, 255, 255, 120), 1.4, Qt::SolidLine, Qt::RoundCap));

  // The lamp and two knobs below the dial.
  const QPointF lampCentre(rp::kLampOnRadio.X + rp::kLampOnRadio.W / 2.0,
                           rp::kLampOnRadio.Y + rp::kLampOnRadio.H / 2.0);
  Lamp(p, lampCentre, rp::kLampOnRadio.W / 2.0, lamp);
  for (double x : {106.0, 131.0}) {
    const QPointF c(x, 80);
    QRadialGradient knob(c - QPointF(1.5, 2), 7);
    knob.setColorAt(0, QColor(120, 76, 40));
    knob.setColorAt(1, QColor(30, 14, 4));
    p.setPen(QPen(QColor(20, 8, 0), 0.8));
    p.setBrush(knob);
    p.drawEllipse(c, 5.2, 5.2);
    p.setPen(QPen(gfx::goldGradient(QRectF(c.x() - 6, c.y() - 6, 12, 12)), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 3.9, 3.9);
    p.setPen(QPen(QColor(240, 210, 140), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -3.6));
  }
  // The maker's little brass plate.
  const QRectF plate(40, 88, 30, 5.4);
  p.fillRect(plate, gfx::goldGradient(plate));
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setBold(true);
  p.fillPath(gfx::fittedText(QStringLiteral("ZEMBRA"), f, plate.adjusted(2, 0.8, -2, -0.8)), QColor(60, 30, 6));
}

QImage Radio(int w, int h, bool lit, TLamp lamp) {
  QImage img = art::canvas(w, h);
  QPainter p(&img);
  p.scale(w / kRadioW, h / kRadioH);
  PaintRadio(p, lit, lamp);
  return img;
}

QImage LampPicture(TLamp lamp) {
  QImage img = art::canvas(rp::kLampOnRadio.W, rp::kLampOnRadio.H);
  QPainter p(&img);
  art::smooth(p);
  Lamp(p, QPointF(img.width() / 2.0, img.height() / 2.0), img.width() / 2.0, lamp);
  return img;
}

// A walnut wall shelf on two gold brackets; a soft shadow where the radio
// stands.
QImage Shelf() {
  QImage img = art::canvas(rp::kShelfBox.W, rp::kShelfBox.H);
  QPainter p(&img);
  art::smooth(p);
  const double top = rp::kRadioOnShelf.Y + rp::kRadioOnShelf.H - 6;  // the radio stands on it
  for (double x : {44.0, 176.0}) {
    QPainterPath bracket;
    bracket.moveTo(x - 4, top + 12);
    bracket.lineTo(x + 4, top + 12);
    bracket.cubicTo(x + 4, top + 18, x + 1, top + 21, x - 2, top + 22);
    bracket.lineTo(x - 4, top + 22);
    bracket.closeSubpath();
    art::softShadow(p, bracket, QPointF(1, 1.5), 2, QColor(0, 0, 0, 140));
    p.fillPath(bracket, gfx::goldGradient(bracket.boundingRect()));
    p.strokePath(bracket, QPen(QColor(110, 70, 14), 0.8));
  }
  const QPainterPath surface = art::roundedRect(QRectF(6, top, 208, 7), 2);
  const QPainterPath front = art::roundedRect(QRectF(4, top + 5, 212, 8), 2);
  art::softShadow(p, front, QPointF(0, 3), 3, QColor(0, 0, 0, 150));
  Walnut(p, surface, 1.35);
  Walnut(p, front, 0.95);
  p.fillRect(QRectF(6, top + 5, 208, 1), QColor(240, 190, 130, 150));
  p.strokePath(front, QPen(QColor(40, 18, 4), 0.8));
  // Under the radio.
  QRadialGradient shade(QPointF(110, top + 3), 80);
  shade.setColorAt(0, QColor(0, 0, 0, 110));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  p.save();
  p.setClipPath(surface);
  p.scale(1, 0.12);
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawEllipse(QPointF(110, (top + 3) / 0.12), 80, 80);
  p.restore();
  return img;
}

// Dark glass behind a bevelled gold edge: a window of the frame.
void FrameWindow(QPainter& p, const QRectF& r) {
  const QPainterPath window = art::roundedRect(r, 3);
  QLinearGradient glass(r.topLeft(), r.bottomLeft());
  glass.setColorAt(0, QColor(16, 22, 18));
  glass.setColorAt(1, QColor(6, 10, 8));
  p.fillPath(window, glass);
  art::insetShadow(p, window, QPointF(1.2, 1.6), 2, QColor(0, 0, 0, 200));
  p.strokePath(art::roundedRect(r.adjusted(-1.5, -1.5, 1.5, 1.5), 4), QPen(gfx::goldGradient(r), 2));
}

QImage Frame() {
  QImage img = art::canvas(rp::kFrameBox.W, rp::kFrameBox.H);
  QPainter p(&img);
  art::smooth(p);
  const QRectF all(1, 1, img.width() - 2, img.height() - 2);
  const QPainterPath plate = art::roundedRect(all, 8);
  QImage lacquered(img.size(), QImage::Format_RGB32);
  gfx::lacquer(lacquered, 0x5ad10, QColor(40, 26, 16));
  p.save();
  p.setClipPath(plate);
  p.drawImage(0, 0, lacquered);
  p.restore();
  p.strokePath(plate, QPen(gfx::goldGradient(all), 2.4));
  p.strokePath(art::roundedRect(all.adjusted(3, 3, -3, -3), 6), QPen(QColor(232, 184, 72, 120), 0.8));
  const rp::TBox l = rp::kLogoInFrame, v = rp::kVolumeInFrame;
  FrameWindow(p, QRectF(l.X, l.Y, l.W, l.H));
  FrameWindow(p, QRectF(v.X, v.Y, v.W, v.H));
  return img;
}

// Ten bars rising from left to right, lit up to the volume's step: green,
// then yellow, then red.
QImage VolumeBars(int step) {
  QImage img = art::canvas(rp::kVolumeInFrame.W, rp::kVolumeInFrame.H);
  QPainter p(&img);
  art::smooth(p);
  QLinearGradient back(0, 0, 0, img.height());
  back.setColorAt(0, QColor(18, 26, 20));
  back.setColorAt(1, QColor(4, 8, 6));
  p.fillPath(art::roundedRect(QRectF(0, 0, img.width(), img.height()), 3), back);
  const double gap = 3, w = (img.width() - 8 - 9 * gap) / 10.0;
  for (int i = 1; i <= 10; ++i) {
    const double h = 5 + (img.height() - 9) * i / 10.0;
    const QRectF bar(4 + (i - 1) * (w + gap), img.height() - 3 - h, w, h);
    const QPainterPath shape = art::roundedRect(bar, 1.2);
    if (i > step) {
      p.fillPath(shape, QColor(40, 52, 44));
      p.strokePath(shape, QPen(QColor(70, 90, 76), 0.6));
      continue;
    }
    const QColor c = i <= 5 ? art::mix(QColor(40, 200, 70), QColor(170, 230, 40), (i - 1) / 4.0)
                            : art::mix(QColor(250, 210, 40), QColor(240, 50, 30), (i - 6) / 4.0);
    QPainterPath glow;
    glow.addRect(bar);
    art::softShadow(p, glow, QPointF(0, 0), 2, art::withAlpha(c, 0.7));
    QLinearGradient fill(bar.topLeft(), bar.topRight());
    fill.setColorAt(0, c.lighter(135));
    fill.setColorAt(1, c.darker(115));
    p.fillPath(shape, fill);
  }
  return img;
}

}  // namespace

void AddRadioPictures(TPackWriter& pack) {
  pack.AddPng(rp::kShelf, Shelf());
  pack.AddPng(rp::kRadioSet, Radio(rp::kRadioOnShelf.W, rp::kRadioOnShelf.H, false, TLamp::Socket));
  pack.AddPng(rp::kLampOff, LampPicture(TLamp::Off));
  pack.AddPng(rp::kLampSilent, LampPicture(TLamp::Silent));
  pack.AddPng(rp::kLampPlaying, LampPicture(TLamp::Playing));
  pack.AddPng("RRADIO_MAING", Radio(rp::kWindowRadio.W, rp::kWindowRadio.H, true, TLamp::Playing));
  pack.AddPng("RRADIO_MAINR", Radio(rp::kWindowRadio.W, rp::kWindowRadio.H, false, TLamp::Silent));
  pack.AddPng(rp::kFrame, Frame());
  for (int step = 0; step <= 10; ++step)
    pack.AddPng(QStringLiteral("RRADIO_VOLUME%1").arg(step, 2, 10, QLatin1Char('0')), VolumeBars(step));
  AddRadioLogos(pack);
}

}  // namespace packgen
