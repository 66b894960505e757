// The digital clock: the plate "GClockBG" (120 x 50) and seven-segment
// digits "GBClock0".."GBClock9" (22 x 36) with the colon "GBClockP"
// (10 x 36). Four digits and the colon take 98 x 36, centred on the plate's
// dark window. Digits are lit green with a glow; unlit segments show faintly.
#include "art.h"
#include "paint_kit.h"

#include <QLinearGradient>

namespace art {

namespace {

const QColor kLit(110, 255, 130);

// Segments a..g of a seven-segment digit in a 22 x 36 box, slightly slanted.
QPainterPath segment(int index) {
  const double t = 3.6;           // thickness
  const double l = 4.2, r = 17.8;  // left and right edges
  const double top = 2.5, mid = 18, bottom = 33.5;
  auto horizontal = [&](double y) {
    QPolygonF poly;
    poly << QPointF(l + 1.2, y) << QPointF(l + 1.2 + t / 2, y - t / 2) << QPointF(r - 1.2 - t / 2, y - t / 2)
         << QPointF(r - 1.2, y) << QPointF(r - 1.2 - t / 2, y + t / 2) << QPointF(l + 1.2 + t / 2, y + t / 2);
    return poly;
  };
  auto vertical = [&](double x, double y0, double y1) {
    QPolygonF poly;
    poly << QPointF(x, y0 + 1.2) << QPointF(x + t / 2, y0 + 1.2 + t / 2) << QPointF(x + t / 2, y1 - 1.2 - t / 2)
         << QPointF(x, y1 - 1.2) << QPointF(x - t / 2, y1 - 1.2 - t / 2) << QPointF(x - t / 2, y0 + 1.2 + t / 2);
    return poly;
  };
  QPolygonF poly;
  switch (index) {
    case 0: poly = horizontal(top + t / 2); break;            // a: top
    case 1: poly = vertical(r, top + t / 2, mid); break;      // b: upper right
    case 2: poly = vertical(r, mid, bottom - t / 2); break;   // c: lower right
    case 3: poly = horizontal(bottom - t / 2); break;         // d: bottom
    case 4: poly = vertical(l, mid, bottom - t / 2); break;   // e: lower left
    case 5: poly = vertical(l, top + t / 2, mid); break;      // f: upper left
    default: poly = horizontal(mid); break;                   // g: middle
  }
  // Slant to the right, pivoting on the middle line.
  const QTransform slant(1, 0, -0.07, 1, 0.07 * mid, 0);
  QPainterPath path;
  path.addPolygon(slant.map(poly));
  path.closeSubpath();
  return path;
}

// Which segments (a..g) each digit lights.
const char* kSegments[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};

QImage digit(int d) {
  QImage img = canvas(22, 36);
  QPainter p(&img);
  smooth(p);
  QPainterPath lit, unlit;
  for (int i = 0; i < 7; ++i) {
    const bool on = QByteArray(kSegments[d]).contains(static_cast<char>('a' + i));
    (on ? lit : unlit).addPath(segment(i));
  }
  p.fillPath(unlit, withAlpha(kLit, 0.10));
  softShadow(p, lit, QPointF(0, 0), 2, withAlpha(kLit, 0.75));
  QLinearGradient g(0, 0, 0, 36);
  g.setColorAt(0, kLit.lighter(115));
  g.setColorAt(1, kLit.darker(108));
  p.fillPath(lit, g);
  return img;
}

QImage colon() {
  QImage img = canvas(10, 36);
  QPainter p(&img);
  smooth(p);
  QPainterPath dots;
  dots.addRoundedRect(QRectF(3.3, 10.5, 3.6, 3.6), 1, 1);
  dots.addRoundedRect(QRectF(3.0, 22.0, 3.6, 3.6), 1, 1);
  softShadow(p, dots, QPointF(0, 0), 2, withAlpha(kLit, 0.75));
  p.fillPath(dots, kLit);
  return img;
}

QImage plate() {
  QImage img = canvas(120, 50);
  QPainter p(&img);
  smooth(p);
  const QRectF outer(0.5, 0.5, 119, 49);
  const QPainterPath outerPath = roundedRect(outer, 8);
  // Brushed steel bezel.
  QLinearGradient steel(outer.topLeft(), outer.bottomLeft());
  steel.setColorAt(0.0, QColor(236, 238, 242));
  steel.setColorAt(0.45, QColor(150, 156, 166));
  steel.setColorAt(0.55, QColor(120, 126, 136));
  steel.setColorAt(1.0, QColor(200, 204, 212));
  p.fillPath(outerPath, steel);
  p.strokePath(outerPath, QPen(QColor(50, 54, 60), 1.0));
  // Dark glass window.
  const QRectF window(5, 5, 110, 40);
  const QPainterPath windowPath = roundedRect(window, 5);
  QLinearGradient glass(window.topLeft(), window.bottomLeft());
  glass.setColorAt(0, QColor(14, 34, 22));
  glass.setColorAt(1, QColor(4, 14, 8));
  p.fillPath(windowPath, glass);
  insetShadow(p, windowPath, QPointF(1, 1.5), 2, QColor(0, 0, 0, 200));
  p.strokePath(windowPath, QPen(QColor(40, 44, 50), 1.0));
  // A reflection across the top of the glass.
  QPainterPath shine;
  shine.moveTo(window.left() + 3, window.top() + 2);
  shine.lineTo(window.right() - 3, window.top() + 2);
  shine.lineTo(window.right() - 3, window.top() + 9);
  shine.quadTo(window.center().x(), window.top() + 15, window.left() + 3, window.top() + 12);
  shine.closeSubpath();
  QLinearGradient sh(window.topLeft(), window.topLeft() + QPointF(0, 14));
  sh.setColorAt(0, QColor(255, 255, 255, 40));
  sh.setColorAt(1, QColor(255, 255, 255, 4));
  p.fillPath(shine, sh);
  return img;
}

}  // namespace

void addClock(ArtBook& book) {
  book.add("GClockBG", plate());
  for (int d = 0; d <= 9; ++d) book.add("GBClock" + QString::number(d), digit(d));
  book.add("GBClockP", colon());
}

}  // namespace art
