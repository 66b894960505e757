// The stations' logos, 130 x 70 each: the club's three stations in the
// game's colours (baize and gold, velvet, a night sky) and badges for the
// kinds of station the list holds (news, classical, culture, pop, jazz)
// and for a station not yet known. Our own designs; no station's mark.
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <functional>

#include "graphics_kit.h"
#include "media/radio_pictures.h"
#include "paint_kit.h"
#include "radio_parts.h"

namespace packgen {

namespace {

namespace rp = zembra::radio_pictures;

constexpr int kW = rp::kLogoInFrame.W, kH = rp::kLogoInFrame.H;

QFont Face(const char* family, bool bold = true) {
  QFont f(QString::fromLatin1(family));
  f.setBold(bold);
  return f;
}

void Fill(QPainter& p, const QColor& top, const QColor& bottom) {
  QLinearGradient g(0, 0, 0, kH);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(QRectF(0, 0, kW, kH), g);
}

void Text(QPainter& p, const QString& text, const QFont& font, const QRectF& box, const QColor& colour,
          bool shadow = true) {
  const QPainterPath path = gfx::fittedText(text, font, box);
  if (shadow) art::softShadow(p, path, QPointF(1, 1.2), 2, QColor(0, 0, 0, 170));
  p.fillPath(path, colour);
}

void GoldText(QPainter& p, const QString& text, const QFont& font, const QRectF& box, double rim = 1.2) {
  gfx::goldLettering(p, gfx::fittedText(text, font, box), rim);
}

// Sound waves to the right of a point, n arcs.
void Waves(QPainter& p, QPointF at, int n, const QColor& colour, double spacing = 6) {
  for (int i = 1; i <= n; ++i) {
    const double r = i * spacing;
    p.setPen(QPen(art::withAlpha(colour, 1.0 - 0.2 * i), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
  }
}

QPainterPath Suit(QChar suit, QPointF c, double size) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(static_cast<int>(size));
  QPainterPath path;
  path.addText(0, 0, f, QString(suit));
  const QRectF b = path.boundingRect();
  return QTransform::fromTranslate(c.x() - b.center().x(), c.y() - b.center().y()).map(path);
}

using TPaint = std::function<void(QPainter&)>;

QImage Logo(const TPaint& paint) {
  QImage img = art::canvas(kW, kH);
  QPainter p(&img);
  art::smooth(p);
  p.setClipPath(art::roundedRect(QRectF(0, 0, kW, kH), 4));
  paint(p);
  p.setClipping(false);
  p.strokePath(art::roundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), 4), QPen(QColor(0, 0, 0, 120), 1));
  return img;
}

void ClubFm(QPainter& p) {
  // Baize with a gold rule, the four suits and the club's name.
  Fill(p, QColor(34, 120, 60), QColor(10, 56, 26));
  for (int y = 0; y < kH; y += 2) p.fillRect(QRectF(0, y, kW, 1), QColor(0, 0, 0, 18));
  GoldText(p, QStringLiteral("ZEMBRA"), Face("DejaVu Serif"), QRectF(12, 6, 106, 28), 1.4);
  p.fillRect(QRectF(14, 38, 102, 1.4), gfx::goldGradient(QRectF(14, 37, 102, 3)));
  Text(p, QStringLiteral("CLUB FM"), Face("DejaVu Sans"), QRectF(40, 43, 50, 16), QColor(255, 240, 190));
  const QChar suits[] = {QChar(0x2660), QChar(0x2665), QChar(0x2666), QChar(0x2663)};
  const double xs[] = {14, 27, 103, 116};
  for (int i = 0; i < 4; ++i)
    p.fillPath(Suit(suits[i], QPointF(xs[i], 51), 14), i == 1 || i == 2 ? QColor(230, 40, 40) : QColor(10, 10, 10));
}

void Lounge(QPainter& p) {
  // Deep red velvet, a gold spotlight, a dancing note.
  Fill(p, QColor(120, 14, 40), QColor(50, 4, 18));
  QRadialGradient spot(QPointF(kW / 2.0, 0), 80);
  spot.setColorAt(0, QColor(255, 200, 120, 110));
  spot.setColorAt(1, QColor(255, 200, 120, 0));
  p.fillRect(QRectF(0, 0, kW, kH), spot);
  for (int x = 6; x < kW; x += 10) p.fillRect(QRectF(x, 0, 3, kH), QColor(0, 0, 0, 22));
  Text(p, QStringLiteral("Zembra"), Face("DejaVu Serif", false), QRectF(30, 5, 70, 18), QColor(255, 226, 160));
  GoldText(p, QStringLiteral("LOUNGE"), Face("DejaVu Serif"), QRectF(10, 25, 110, 30), 1.3);
  p.fillPath(Suit(QChar(0x266B), QPointF(116, 14), 16), QColor(255, 220, 140));
  p.fillPath(Suit(QChar(0x2665), QPointF(14, 60), 10), QColor(255, 150, 150));
  p.fillPath(Suit(QChar(0x2665), QPointF(116, 60), 10), QColor(255, 150, 150));
}

void NightTable(QPainter& p) {
  // A night sky with stars, a crescent moon and a card table's edge.
  Fill(p, QColor(12, 20, 60), QColor(30, 50, 110));
  for (int i = 0; i < 40; ++i) {
    const double x = art::hashNoise(i, 1, 99) * kW, y = art::hashNoise(i, 2, 99) * kH * 0.7;
    const double r = 0.4 + art::hashNoise(i, 3, 99) * 0.9;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230, 120 + static_cast<int>(art::hashNoise(i, 4, 99) * 135)));
    p.drawEllipse(QPointF(x, y), r, r);
  }
  QPainterPath moon;
  moon.addEllipse(QPointF(110, 16), 10, 10);
  QPainterPath bite;
  bite.addEllipse(QPointF(115, 12), 9, 9);
  moon = moon.subtracted(bite);
  art::softShadow(p, moon, QPointF(0, 0), 4, QColor(255, 240, 180, 200));
  p.fillPath(moon, QColor(255, 244, 200));
  QLinearGradient table(0, 52, 0, kH);
  table.setColorAt(0, QColor(30, 110, 60));
  table.setColorAt(1, QColor(8, 50, 24));
  p.fillRect(QRectF(0, 54, kW, kH - 54), table);
  p.fillRect(QRectF(0, 53, kW, 2), gfx::goldGradient(QRectF(0, 52, kW, 4)));
  Text(p, QStringLiteral("ZEMBRA"), Face("DejaVu Serif"), QRectF(10, 6, 80, 18), QColor(200, 215, 255));
  GoldText(p, QStringLiteral("NIGHT TABLE"), Face("DejaVu Serif"), QRectF(8, 27, 114, 22), 1.1);
}

void Unknown(QPainter& p) {
  // A grey badge with a question mark on a small radio mast.
  Fill(p, QColor(110, 114, 120), QColor(56, 60, 66));
  p.setPen(QPen(QColor(220, 224, 230), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(30, 58), QPointF(38, 22));
  p.drawLine(QPointF(46, 58), QPointF(38, 22));
  p.drawLine(QPointF(33, 45), QPointF(43, 45));
  p.setBrush(QColor(255, 200, 60));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(38, 20), 3, 3);
  Waves(p, QPointF(38, 20), 3, QColor(255, 220, 120), 6);
  Text(p, QStringLiteral("?"), Face("DejaVu Sans"), QRectF(70, 8, 40, 44), QColor(250, 250, 250));
  Text(p, QStringLiteral("RADIO"), Face("DejaVu Sans"), QRectF(62, 52, 56, 12), QColor(230, 232, 236), false);
}

void News(QPainter& p) {
  // White and red, a microphone and the word.
  Fill(p, QColor(250, 250, 250), QColor(214, 218, 224));
  p.fillRect(QRectF(0, 48, kW, 22), QColor(196, 20, 30));
  const QRectF head(16, 10, 16, 24);
  QLinearGradient metal(head.topLeft(), head.topRight());
  metal.setColorAt(0, QColor(90, 96, 104));
  metal.setColorAt(0.5, QColor(220, 224, 230));
  metal.setColorAt(1, QColor(70, 74, 80));
  p.fillPath(art::roundedRect(head, 8), metal);
  for (double y = 14; y < 32; y += 3) p.fillRect(QRectF(18, y, 12, 0.8), QColor(40, 44, 50, 140));
  p.setPen(QPen(QColor(60, 64, 70), 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(11, 16, 26, 24), 180 * 16, 180 * 16);
  p.drawLine(QPointF(24, 40), QPointF(24, 46));
  Waves(p, QPointF(36, 22), 3, QColor(196, 20, 30), 5);
  Text(p, QStringLiteral("NEWS"), Face("DejaVu Sans"), QRectF(58, 8, 64, 34), QColor(30, 34, 40), false);
  Text(p, QStringLiteral("INFO  \u2022  TALK"), Face("DejaVu Sans"), QRectF(20, 52, 90, 14), QColor(255, 255, 255),
       false);
}

void Classical(QPainter& p) {
  // Ivory with a staff of five lines, notes and a gold word.
  Fill(p, QColor(252, 246, 226), QColor(226, 212, 172));
  for (int i = 0; i < 5; ++i) p.fillRect(QRectF(8, 12 + i * 5, 114, 0.8), QColor(90, 70, 40));
  const QChar notes[] = {QChar(0x2669), QChar(0x266A), QChar(0x266B), QChar(0x266C)};
  for (int i = 0; i < 4; ++i)
    p.fillPath(Suit(notes[i], QPointF(26 + i * 26, 20 - (i % 2) * 4), 18), QColor(50, 34, 14));
  GoldText(p, QStringLiteral("CLASSIC"), Face("DejaVu Serif"), QRectF(10, 40, 110, 24), 1.1);
}

void Culture(QPainter& p) {
  // Blue with an open book and a laurel of dots.
  Fill(p, QColor(36, 80, 150), QColor(14, 36, 80));
  QPainterPath left, right;
  left.moveTo(65, 18);
  left.cubicTo(55, 13, 40, 13, 32, 16);
  left.lineTo(32, 38);
  left.cubicTo(40, 35, 55, 35, 65, 40);
  left.closeSubpath();
  right = QTransform(-1, 0, 0, 1, 130, 0).map(left);
  for (const QPainterPath& page : {left, right}) {
    p.fillPath(page, QColor(250, 246, 232));
    p.strokePath(page, QPen(QColor(180, 160, 110), 0.8));
  }
  for (int i = 0; i < 4; ++i) {
    p.fillRect(QRectF(37, 20 + i * 4.5, 23, 0.8), QColor(120, 110, 90));
    p.fillRect(QRectF(70, 20 + i * 4.5, 23, 0.8), QColor(120, 110, 90));
  }
  Text(p, QStringLiteral("CULTURE"), Face("DejaVu Serif"), QRectF(14, 44, 102, 20), QColor(255, 236, 170));
}

void Pop(QPainter& p) {
  // A sunburst of orange and pink with stars.
  Fill(p, QColor(255, 120, 40), QColor(220, 30, 120));
  p.save();
  p.translate(kW / 2.0, kH / 2.0);
  for (int i = 0; i < 16; ++i) {
    QPainterPath ray;
    ray.moveTo(0, 0);
    ray.lineTo(100, -10);
    ray.lineTo(100, 10);
    ray.closeSubpath();
    p.rotate(360.0 / 16);
    if (i % 2) p.fillPath(ray, QColor(255, 255, 255, 40));
  }
  p.restore();
  for (const QPointF c : {QPointF(16, 14), QPointF(114, 56), QPointF(112, 12)})
    p.fillPath(Suit(QChar(0x2605), c, 14), QColor(255, 250, 180));
  Text(p, QStringLiteral("POP"), Face("DejaVu Sans"), QRectF(30, 10, 70, 36), QColor(255, 255, 255));
  Text(p, QStringLiteral("HITS"), Face("DejaVu Sans"), QRectF(44, 48, 42, 14), QColor(255, 240, 120));
}

void Jazz(QPainter& p) {
  // Night blue with a brass glow and a note.
  Fill(p, QColor(24, 22, 40), QColor(6, 6, 14));
  QRadialGradient glow(QPointF(30, 40), 40);
  glow.setColorAt(0, QColor(255, 170, 60, 140));
  glow.setColorAt(1, QColor(255, 170, 60, 0));
  p.fillRect(QRectF(0, 0, kW, kH), glow);
  p.fillPath(Suit(QChar(0x266B), QPointF(30, 36), 36), QColor(255, 200, 90));
  GoldText(p, QStringLiteral("JAZZ"), Face("DejaVu Serif"), QRectF(56, 10, 66, 32), 1.2);
  Text(p, QStringLiteral("& MORE"), Face("DejaVu Sans"), QRectF(62, 46, 54, 14), QColor(230, 220, 200));
}

}  // namespace

void AddRadioLogos(TPackWriter& pack) {
  const std::pair<const char*, void (*)(QPainter&)> logos[] = {
      {"RRADIO_LOGO_ZEMBRA1", ClubFm}, {"RRADIO_LOGO_ZEMBRA2", Lounge},    {"RRADIO_LOGO_ZEMBRA3", NightTable},
      {"RRADIO_LOGO_RADIOUN", Unknown}, {"RRADIO_LOGO_NEWS", News},         {"RRADIO_LOGO_CLASSIC", Classical},
      {"RRADIO_LOGO_CULTURE", Culture}, {"RRADIO_LOGO_POP", Pop},           {"RRADIO_LOGO_JAZZ", Jazz},
  };
  static_assert(std::size(logos) == rp::kLogos.size());
  for (const auto& [name, paint] : logos) pack.AddPng(QString::fromLatin1(name), Logo(paint));
  for (const char* name : rp::kLogos)
    if (!pack.Has(QStringLiteral("RCDATA"), QString::fromLatin1(name))) throw PackError(std::string("no logo ") + name);
}

}  // namespace packgen
