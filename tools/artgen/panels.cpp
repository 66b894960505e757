// Framed panels: the score board "TabloSm"/"TabloBg", the match-number frame
// "RamkaFBSm"/"RamkaFBBg" and the wait banner "AdvBar3".
#include "art.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// Polished walnut with the grain running along x (or along y), in device
// pixels; s is the picture's scale so both sizes get the same grain.
QImage walnut(int w, int h, double s, bool alongX, std::uint32_t seed) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  const QColor dark(66, 30, 10), light(140, 78, 36);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double a = (alongX ? x : y) / s, b = (alongX ? y : x) / s;
      const double warp = fbm(a / 38.0, b / 5.0, 3, seed) * 7.0;
      const double ring = 0.5 + 0.5 * std::sin((b + warp) * 1.9);
      const double streak = valueNoise(a / 14.0, b * 1.7, seed + 7);
      const double t = std::clamp(0.15 + 0.55 * ring * ring + 0.3 * streak, 0.0, 1.0);
      const double grain = (hashNoise(x, y, seed + 3) - 0.5) * 10;
      const QColor c = mix(dark, light, t);
      line[x] = qRgb(toByte(c.red() + grain), toByte(c.green() + grain * 0.7), toByte(c.blue() + grain * 0.5));
    }
  }
  return img;
}

QBrush brassBrush(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, QColor(255, 238, 170));
  g.setColorAt(0.35, QColor(214, 170, 70));
  g.setColorAt(0.65, QColor(168, 118, 34));
  g.setColorAt(1.0, QColor(230, 196, 110));
  return QBrush(g);
}

// A brass screw head with a slot.
void screw(QPainter& p, QPointF c, double r, double angle) {
  QRadialGradient head(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
  head.setColorAt(0, QColor(255, 242, 190));
  head.setColorAt(0.6, QColor(190, 146, 54));
  head.setColorAt(1, QColor(110, 74, 18));
  p.setPen(QPen(QColor(60, 36, 8, 200), r * 0.18));
  p.setBrush(head);
  p.drawEllipse(c, r, r);
  p.save();
  p.translate(c);
  p.rotate(angle);
  p.setPen(QPen(QColor(70, 44, 10), r * 0.32, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-r * 0.6, 0), QPointF(r * 0.6, 0));
  p.restore();
}

// A cream field sunk into the board, with a thin brass rim.
void field(QPainter& p, const QRectF& r, double s) {
  const QPainterPath path = roundedRect(r, 3.5 * s);
  // A light lip below and a dark one above make it look recessed.
  p.strokePath(roundedRect(r.adjusted(-0.8 * s, -0.8 * s, 0.8 * s, 0.8 * s), 4.2 * s),
               QPen(QColor(255, 255, 255, 45), 1.0 * s));
  QLinearGradient cream(r.topLeft(), r.bottomLeft());
  cream.setColorAt(0, QColor(246, 238, 214));
  cream.setColorAt(0.25, QColor(255, 251, 236));
  cream.setColorAt(1, QColor(246, 236, 206));
  p.fillPath(path, cream);
  insetShadow(p, path, QPointF(0.8 * s, 1.4 * s), static_cast<int>(std::round(2 * s)), QColor(60, 40, 10, 150));
  p.strokePath(path, QPen(brassBrush(r), 1.1 * s));
}

QImage scoreBoard(double s) {
  const int w = static_cast<int>(155 * s), h = static_cast<int>(95 * s);
  auto R = [s](double x, double y, double ww, double hh) { return QRectF(x * s, y * s, ww * s, hh * s); };
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);

  const QRectF outer = R(0.5, 0.5, 154, 94);
  const QRectF inner = R(9.5, 9.5, 136, 76);
  const QPainterPath outerPath = roundedRect(outer, 7 * s);
  const QPainterPath innerPath = roundedRect(inner, 3 * s);

  // Frame: mitred walnut, grain along each side.
  QImage frame = canvas(w, h);
  {
    QPainter fp(&frame);
    smooth(fp);
    const QImage alongX = walnut(w, h, s, true, 41);
    const QImage alongY = walnut(w, h, s, false, 43);
    const QPointF c0 = outer.topLeft(), c1 = outer.topRight(), c2 = outer.bottomRight(), c3 = outer.bottomLeft();
    const QPointF i0 = inner.topLeft(), i1 = inner.topRight(), i2 = inner.bottomRight(), i3 = inner.bottomLeft();
    auto side = [&](const QImage& wood, std::initializer_list<QPointF> pts) {
      QPainterPath path;
      path.addPolygon(QPolygonF(QList<QPointF>(pts)));
      path.closeSubpath();
      fp.setBrush(QBrush(wood));
      fp.setPen(Qt::NoPen);
      fp.drawPath(path);
    };
    side(alongX, {c0, c1, i1, i0});
    side(alongX, {c3, c2, i2, i3});
    side(alongY, {c0, i0, i3, c3});
    side(alongY, {c1, i1, i2, c2});
    // Varnish: light from above.
    QLinearGradient varnish(outer.topLeft(), outer.bottomLeft());
    varnish.setColorAt(0, QColor(255, 230, 190, 70));
    varnish.setColorAt(0.5, QColor(255, 255, 255, 0));
    varnish.setColorAt(1, QColor(0, 0, 0, 60));
    fp.fillRect(outer, varnish);
  }
  keepInside(frame, outerPath.subtracted(innerPath));
  p.drawImage(0, 0, frame);
  // Bevels on the frame: highlight outside top-left, shade at the rim.
  p.strokePath(roundedRect(outer.adjusted(0.8 * s, 0.8 * s, -0.8 * s, -0.8 * s), 6.3 * s),
               QPen(QColor(255, 226, 180, 70), 1.0 * s));
  p.strokePath(outerPath, QPen(QColor(36, 16, 4), 1.0 * s));

  // Board: deep green leather.
  QRadialGradient leather(inner.center(), inner.width() * 0.7);
  leather.setColorAt(0, QColor(22, 78, 44));
  leather.setColorAt(1, QColor(10, 44, 24));
  p.fillPath(innerPath, leather);
  {
    QImage grain = canvas(w, h);
    for (int y = 0; y < h; ++y) {
      auto* line = reinterpret_cast<QRgb*>(grain.scanLine(y));
      for (int x = 0; x < w; ++x) {
        const double n = fbm(x / s / 3.0, y / s / 3.0, 2, 77) - 0.5;
        const int a = toByte(std::abs(n) * 42);
        line[x] = n > 0 ? qRgba(a, a, a, a) : qRgba(0, 0, 0, a);
      }
    }
    keepInside(grain, innerPath);
    p.drawImage(0, 0, grain);
  }
  insetShadow(p, innerPath, QPointF(1.2 * s, 1.8 * s), static_cast<int>(std::round(3 * s)), QColor(0, 0, 0, 170));
  // Brass trim round the board.
  p.strokePath(innerPath, QPen(brassBrush(inner), 1.4 * s));

  for (QPointF c : {QPointF(4.8, 4.8), QPointF(150.2, 4.8), QPointF(4.8, 90.2), QPointF(150.2, 90.2)})
    screw(p, c * s, 2.4 * s, 35 + c.x() * 0.7 + c.y());

  // The three fields; the mark area at (23,49) 20x30 stays bare.
  field(p, R(15, 15, 125, 31), s);
  field(p, R(55, 50, 45, 31), s);
  field(p, R(105, 50, 35, 31), s);
  return img;
}

QBrush goldBrush(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, QColor(255, 240, 176));
  g.setColorAt(0.3, QColor(226, 182, 76));
  g.setColorAt(0.55, QColor(170, 118, 30));
  g.setColorAt(0.8, QColor(222, 178, 82));
  g.setColorAt(1.0, QColor(150, 100, 24));
  return QBrush(g);
}

// A rectangle whose corners are cut in by quarter circles of radius c, as on
// a certificate frame.
QPainterPath notchedRect(const QRectF& r, double c) {
  const double L = r.left(), T = r.top(), R = r.right(), B = r.bottom();
  QPainterPath path;
  path.moveTo(L + c, T);
  path.lineTo(R - c, T);
  path.arcTo(QRectF(R - c, T - c, 2 * c, 2 * c), 180, 90);
  path.lineTo(R, B - c);
  path.arcTo(QRectF(R - c, B - c, 2 * c, 2 * c), 90, 90);
  path.lineTo(L + c, B);
  path.arcTo(QRectF(L - c, B - c, 2 * c, 2 * c), 0, 90);
  path.lineTo(L, T + c);
  path.arcTo(QRectF(L - c, T - c, 2 * c, 2 * c), 270, 90);
  path.closeSubpath();
  return path;
}

QImage matchFrame(double s) {
  const int w = static_cast<int>(155 * s), h = static_cast<int>(60 * s);
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);
  p.scale(s, s);
  const QRectF outer(1.5, 1.5, 151, 55.5);
  const QPainterPath outerPath = roundedRect(outer, 9);
  softShadow(p, outerPath, QPointF(0.8 * s, 1.4 * s), static_cast<int>(2 * s), QColor(0, 0, 0, 130));
  p.fillPath(outerPath, goldBrush(outer));
  p.strokePath(outerPath, QPen(QColor(100, 62, 10), 1.0));
  // Beading on the frame: a row of tiny dots.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 244, 200, 170));
  for (double x = outer.left() + 12; x <= outer.right() - 12; x += 5) {
    p.drawEllipse(QPointF(x, outer.top() + 2.6), 0.75, 0.75);
    p.drawEllipse(QPointF(x, outer.bottom() - 2.6), 0.75, 0.75);
  }

  const QRectF inside = outer.adjusted(5.5, 5.5, -5.5, -5.5);
  const QPainterPath insidePath = roundedRect(inside, 5);
  QLinearGradient ivory(inside.topLeft(), inside.bottomLeft());
  ivory.setColorAt(0, QColor(255, 253, 244));
  ivory.setColorAt(1, QColor(246, 236, 208));
  p.fillPath(insidePath, ivory);
  insetShadow(p, insidePath, QPointF(0.8 * s, 1.2 * s), static_cast<int>(2 * s), QColor(90, 60, 10, 140));
  p.strokePath(insidePath, QPen(QColor(120, 80, 16), 0.9));

  // Fine inner line with cut-in corners, a dot in each corner and a small
  // diamond in the middle of the long sides.
  const QRectF line = inside.adjusted(3.2, 3.2, -3.2, -3.2);
  const double notch = 6;
  p.strokePath(notchedRect(line, notch), QPen(QColor(184, 140, 50), 0.9));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(184, 140, 50));
  for (QPointF c : {line.topLeft() + QPointF(1, 1), line.topRight() + QPointF(-1, 1),
                    line.bottomLeft() + QPointF(1, -1), line.bottomRight() + QPointF(-1, -1)})
    p.drawEllipse(c, 1.3, 1.3);
  for (double y : {line.top(), line.bottom()}) {
    const QPointF c(line.center().x(), y);
    QPolygonF d;
    d << c + QPointF(-6, 0) << c + QPointF(0, -2.2) << c + QPointF(6, 0) << c + QPointF(0, 2.2);
    p.drawPolygon(d);
  }
  return img;
}

QImage waitBanner() {
  QImage img = canvas(350, 80);
  QPainter p(&img);
  smooth(p);
  const QRectF plate(4, 3, 342, 71);
  const QPainterPath platePath = roundedRect(plate, 22);
  softShadow(p, platePath, QPointF(2, 3), 4, QColor(0, 0, 0, 140));
  // Gold rim.
  p.fillPath(platePath, goldBrush(plate));
  p.strokePath(platePath, QPen(QColor(96, 60, 8), 1.0));
  // Deep blue glass inside.
  const QRectF inside = plate.adjusted(5, 5, -5, -5);
  const QPainterPath insidePath = roundedRect(inside, 17);
  QLinearGradient blue(inside.topLeft(), inside.bottomLeft());
  blue.setColorAt(0, QColor(44, 84, 170));
  blue.setColorAt(0.5, QColor(20, 46, 120));
  blue.setColorAt(1, QColor(12, 28, 80));
  p.fillPath(insidePath, blue);
  insetShadow(p, insidePath, QPointF(1, 2), 3, QColor(0, 0, 20, 170));
  p.strokePath(insidePath, QPen(QColor(90, 58, 10), 1.0));
  // Gloss on the upper half.
  const QRectF glossRect(inside.left() + 10, inside.top() + 2, inside.width() - 20, inside.height() * 0.42);
  QLinearGradient gloss(glossRect.topLeft(), glossRect.bottomLeft());
  gloss.setColorAt(0, QColor(255, 255, 255, 80));
  gloss.setColorAt(1, QColor(255, 255, 255, 6));
  p.fillPath(roundedRect(glossRect, glossRect.height() / 2), gloss);
  // A fine gold line inside and a small diamond at each end.
  p.strokePath(roundedRect(inside.adjusted(4, 4, -4, -4), 13), QPen(QColor(226, 186, 96, 150), 0.8));
  p.setPen(QPen(QColor(110, 70, 10), 0.7));
  p.setBrush(goldBrush(QRectF(0, 30, 10, 20)));
  for (double x : {inside.left() + 18.0, inside.right() - 18.0}) {
    QPolygonF d;
    const QPointF c(x, inside.center().y());
    d << c + QPointF(0, -8) << c + QPointF(5, 0) << c + QPointF(0, 8) << c + QPointF(-5, 0);
    p.drawPolygon(d);
  }
  return img;
}

}  // namespace

void addPanels(ArtBook& book) {
  book.add("TabloSm", scoreBoard(1));
  book.add("TabloBg", scoreBoard(2));
  book.add("RamkaFBSm", matchFrame(1));
  book.add("RamkaFBBg", matchFrame(2));
  book.add("AdvBar3", waitBanner());
}

}  // namespace art
