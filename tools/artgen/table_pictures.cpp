// Pictures lying on the table: the green baize "FonG", the plates under the
// stock "GKolodaSmall" / "GKolodaLarge", and the trick-winner marks
// "Hand_Up" / "Hand_Down".
#include "art.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// Green baize: a soft spotlight towards the middle, a vignette into the
// corners, mottling and fibres of the cloth and a fine twill weave.
QImage baize(int w, int h) {
  const double scale = w / 760.0;
  QImage img(w, h, QImage::Format_RGB32);
  const double base[3] = {10, 128, 30};
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const double v = y / scale;
    const double dy = (y + 0.5) / h * 2 - 1;
    for (int x = 0; x < w; ++x) {
      const double u = x / scale;
      const double dx = (x + 0.5) / w * 2 - 1;
      // Elliptic distance from the middle: 0 in the centre, ~1.4 in a corner.
      const double d = std::sqrt(dx * dx * 0.85 + dy * dy);
      const double t = std::clamp((d - 0.25) / 1.15, 0.0, 1.0);
      const double light = 1.07 - 0.45 * t * t * (3 - 2 * t);
      const double mottle = (fbm(u / 70.0, v / 70.0, 3, 11) - 0.5) * 0.10;
      const double fibre = (valueNoise(u / 2.5, v / 11.0, 23) - 0.5) * 0.06 +
                           (valueNoise(u / 11.0, v / 2.2, 29) - 0.5) * 0.05;
      const double twill = ((x + y) % 4 == 0 ? -0.018 : 0.0) + ((x - y + 4096) % 4 == 0 ? 0.010 : 0.0);
      const double f = light * (1 + mottle + fibre + twill);
      line[x] = qRgb(toByte(base[0] * f), toByte(base[1] * f), toByte(base[2] * f));
    }
  }
  return img;
}

// The felt plate under the stock pile: a soft shadow, a darker felt bed and a
// stitched line, mostly transparent so the table shows through.
QImage stockBase(double s) {
  QImage img = canvas(static_cast<int>(100 * s), static_cast<int>(170 * s));
  QPainter p(&img);
  smooth(p);
  p.scale(s, s);
  const QRectF plate(6, 6, 88, 158);
  softShadow(p, roundedRect(plate, 10), QPointF(1.5 * s, 2.5 * s), static_cast<int>(4 * s), QColor(0, 0, 0, 105));
  QLinearGradient bed(plate.topLeft(), plate.bottomRight());
  bed.setColorAt(0, QColor(0, 60, 10, 90));
  bed.setColorAt(1, QColor(0, 30, 4, 120));
  p.fillPath(roundedRect(plate, 10), bed);
  insetShadow(p, roundedRect(plate, 10), QPointF(1 * s, 1.5 * s), static_cast<int>(3 * s), QColor(0, 0, 0, 110));
  QPen stitch(QColor(210, 240, 200, 80), 1.0, Qt::DashLine);
  stitch.setDashPattern({3, 2.5});
  p.setPen(stitch);
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(plate.adjusted(4.5, 4.5, -4.5, -4.5), 7, 7);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
  p.drawRoundedRect(plate.adjusted(-0.5, -0.5, 0.5, 0.5), 10.5, 10.5);
  return img;
}

// The empty stock: a dark green plate in a gold frame with an empty middle
// where the program draws the trump suit.
QImage stockPlate(double s) {
  QImage img = canvas(static_cast<int>(100 * s), static_cast<int>(170 * s));
  QPainter p(&img);
  smooth(p);
  p.scale(s, s);
  const QRectF plate(4, 4, 92, 162);
  const QPainterPath platePath = roundedRect(plate, 10);
  softShadow(p, platePath, QPointF(1.5 * s, 2.5 * s), static_cast<int>(4 * s), QColor(0, 0, 0, 120));
  QRadialGradient felt(plate.center(), 95);
  felt.setColorAt(0, QColor(20, 104, 40, 235));
  felt.setColorAt(1, QColor(6, 52, 18, 235));
  p.fillPath(platePath, felt);
  insetShadow(p, platePath, QPointF(1 * s, 1.5 * s), static_cast<int>(3 * s), QColor(0, 0, 0, 120));

  QLinearGradient gold(plate.topLeft(), plate.bottomRight());
  gold.setColorAt(0, QColor(250, 226, 150));
  gold.setColorAt(0.5, QColor(200, 154, 58));
  gold.setColorAt(1, QColor(140, 96, 26));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(gold), 2.0));
  p.drawPath(roundedRect(plate.adjusted(1, 1, -1, -1), 9));
  const QRectF inner = plate.adjusted(7, 7, -7, -7);
  p.setPen(QPen(QBrush(gold), 0.9));
  p.drawRoundedRect(inner, 5, 5);

  // Small gold diamonds in the corners of the inner line and mid-sides.
  p.setPen(Qt::NoPen);
  p.setBrush(QBrush(gold));
  auto diamond = [&](QPointF c, double r) {
    QPolygonF d;
    d << c + QPointF(0, -r) << c + QPointF(r * 0.7, 0) << c + QPointF(0, r) << c + QPointF(-r * 0.7, 0);
    p.drawPolygon(d);
  };
  for (QPointF c : {inner.topLeft() + QPointF(6, 6), inner.topRight() + QPointF(-6, 6),
                    inner.bottomLeft() + QPointF(6, -6), inner.bottomRight() + QPointF(-6, -6)})
    diamond(c, 3.2);
  diamond(QPointF(inner.center().x(), inner.top()), 2.6);
  diamond(QPointF(inner.center().x(), inner.bottom()), 2.6);

  // A faint recessed ring around the empty middle.
  const QPointF mid = plate.center();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 70), 1.6));
  p.drawEllipse(mid, 38, 38);
  p.setPen(QPen(QColor(190, 240, 190, 55), 1.0));
  p.drawEllipse(mid + QPointF(0.6, 0.9), 38.6, 38.6);
  return img;
}

// A gold arrow pointing up (or down), with a dark outline and a soft shadow,
// drawn in a 20 x 30 box scaled by s.
QImage arrowMark(double s, bool up) {
  QImage img = canvas(static_cast<int>(20 * s), static_cast<int>(30 * s));
  QPainter p(&img);
  smooth(p);
  p.scale(s, s);
  QPainterPath arrow;
  arrow.moveTo(10, 1.6);
  arrow.lineTo(18.4, 12.4);
  arrow.quadTo(18.8, 13.4, 17.6, 13.4);
  arrow.lineTo(13.6, 13.4);
  arrow.lineTo(13.6, 26.2);
  arrow.quadTo(13.6, 27.6, 12.2, 27.6);
  arrow.lineTo(7.8, 27.6);
  arrow.quadTo(6.4, 27.6, 6.4, 26.2);
  arrow.lineTo(6.4, 13.4);
  arrow.lineTo(2.4, 13.4);
  arrow.quadTo(1.2, 13.4, 1.6, 12.4);
  arrow.closeSubpath();
  if (!up) arrow = QTransform(1, 0, 0, -1, 0, 30).map(arrow);

  softShadow(p, arrow, QPointF(0.8 * s, 1.2 * s), static_cast<int>(1.5 * s), QColor(0, 0, 0, 150));
  // Rounded like a bar of gold: lighter in the middle, darker at the sides.
  QLinearGradient body(0, 0, 20, 0);
  body.setColorAt(0.0, QColor(196, 128, 18));
  body.setColorAt(0.42, QColor(255, 236, 140));
  body.setColorAt(0.58, QColor(252, 214, 80));
  body.setColorAt(1.0, QColor(178, 110, 10));
  p.fillPath(arrow, body);
  QPen outline(QColor(92, 50, 0), 1.1);
  outline.setJoinStyle(Qt::RoundJoin);
  p.strokePath(arrow, outline);
  return img;
}

}  // namespace

void addTablePictures(ArtBook& book) {
  book.add("FonG", baize(760, 500));
  book.add("FonGB", baize(1520, 1000));
  book.add("GKolodaSmall", stockBase(1));
  book.add("GKolodaSmallB", stockBase(2));
  book.add("GKolodaLarge", stockPlate(1));
  book.add("GKolodaLargeB", stockPlate(2));
  book.add("Hand_Up", arrowMark(1, true));
  book.add("Hand_Down", arrowMark(1, false));
  book.add("Hand_UpB", arrowMark(2, true));
  book.add("Hand_DownB", arrowMark(2, false));
}

}  // namespace art
