// "Carpet": a knotted rug: a border of small rosettes between guard
// stripes, a field strewn with eight-point stars, a stepped medallion in the
// middle and quarter medallions in the corners; each weekday its own dyes.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

struct TRugDyes {
  QColor field, border, medallion, accent, ivory;
};

const TRugDyes kDyes[7] = {
    {QColor(160, 28, 32), QColor(26, 34, 80), QColor(28, 44, 100), QColor(226, 170, 70), QColor(240, 226, 196)},
    {QColor(28, 44, 100), QColor(150, 30, 34), QColor(160, 36, 40), QColor(226, 176, 80), QColor(238, 228, 204)},
    {QColor(40, 90, 70), QColor(130, 36, 36), QColor(150, 40, 40), QColor(230, 186, 90), QColor(238, 228, 200)},
    {QColor(120, 56, 30), QColor(30, 50, 70), QColor(24, 60, 86), QColor(224, 184, 100), QColor(236, 222, 190)},
    {QColor(110, 30, 60), QColor(40, 70, 60), QColor(30, 80, 72), QColor(232, 184, 90), QColor(240, 228, 206)},
    {QColor(30, 80, 110), QColor(170, 90, 30), QColor(180, 96, 34), QColor(236, 214, 150), QColor(242, 232, 210)},
    {QColor(60, 30, 70), QColor(170, 120, 40), QColor(150, 40, 40), QColor(236, 200, 110), QColor(240, 228, 200)},
};

// A lozenge with stepped edges: half-width a, half-height b, steps per side.
QPolygonF SteppedLozenge(QPointF c, double a, double b, int steps) {
  QPolygonF poly;
  const double sx = a / steps, sy = b / steps;
  // Walk round the four quarters, a stair of steps each.
  for (int q = 0; q < 4; ++q) {
    for (int i = 0; i < steps; ++i) {
      double x0 = i * sx, y0 = -b + i * sy;  // top to right, in the first quarter
      QPointF p1(x0, y0), p2(x0 + sx, y0);
      for (QPointF pt : {p1, p2}) {
        QPointF r;
        switch (q) {
          case 0: r = pt; break;                                // top -> right
          case 1: r = QPointF(-pt.y() * a / b, pt.x() * b / a); break;  // right -> bottom
          case 2: r = QPointF(-pt.x(), -pt.y()); break;         // bottom -> left
          default: r = QPointF(pt.y() * a / b, -pt.x() * b / a); break;  // left -> top
        }
        poly << c + r;
      }
    }
  }
  return poly;
}

void Rosette(QPainter& p, QPointF at, double r, const QColor& petal, const QColor& eye) {
  p.setPen(Qt::NoPen);
  p.setBrush(petal);
  p.drawPolygon(Star(at, r, r * 0.55, 8));
  p.setBrush(eye);
  p.drawEllipse(at, r * 0.35, r * 0.35);
}

void Rug(QPainter& p, const QRectF& panel, double k, const TRugDyes& d) {
  // The border band between ivory guard stripes.
  p.fillRect(panel, d.border);
  const double guard = 0.9 * k, band = 5.0 * k;
  const QRectF outerGuard = panel.adjusted(1.4 * k, 1.4 * k, -1.4 * k, -1.4 * k);
  p.setPen(QPen(d.ivory, guard));
  p.setBrush(Qt::NoBrush);
  p.drawRect(outerGuard);
  const QRectF field = outerGuard.adjusted(band + guard, band + guard, -band - guard, -band - guard);
  // Rosettes and little diamonds along the band.
  const double mid = 1.4 * k + guard / 2 + band / 2 + guard / 2;
  const QRectF track = panel.adjusted(mid, mid, -mid, -mid);
  auto along = [&](QPointF a, QPointF b) {
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int n = std::max(1, static_cast<int>(std::round(len / (6.0 * k))));
    for (int i = 0; i < n; ++i) {
      const QPointF at = a + (b - a) * ((i + 0.5) / n);
      if (i % 2 == 0)
        Rosette(p, at, 2.0 * k, d.accent, d.field);
      else {
        p.setBrush(d.ivory);
        p.drawPolygon(QPolygonF({at + QPointF(0, -1.6 * k), at + QPointF(1.2 * k, 0), at + QPointF(0, 1.6 * k), at + QPointF(-1.2 * k, 0)}));
      }
    }
  };
  along(track.topLeft(), track.topRight());
  along(track.bottomLeft(), track.bottomRight());
  along(track.topLeft() + QPointF(0, 3 * k), track.bottomLeft() - QPointF(0, 3 * k));
  along(track.topRight() + QPointF(0, 3 * k), track.bottomRight() - QPointF(0, 3 * k));
  for (QPointF corner : {track.topLeft(), track.topRight(), track.bottomLeft(), track.bottomRight()})
    Rosette(p, corner, 2.2 * k, d.ivory, d.border);

  // The field.
  QRadialGradient g(field.center(), std::hypot(field.width(), field.height()) * 0.6);
  g.setColorAt(0, d.field.lighter(112));
  g.setColorAt(1, d.field.darker(115));
  p.setPen(QPen(d.ivory, guard));
  p.setBrush(g);
  p.drawRect(field);
  p.save();
  p.setClipRect(field.adjusted(guard / 2, guard / 2, -guard / 2, -guard / 2));
  // Scattered stars.
  ForGrid(field, 7.0 * k, 6.0 * k, true, [&](QPointF at, int i, int j) {
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha((i + j) & 1 ? d.accent : d.ivory, 0.75));
    p.drawPolygon(Star(at, 1.5 * k, 0.7 * k, 8));
  });
  // Quarter medallions in the corners.
  const QPointF m = field.center();
  const double a = field.width() * 0.36, b = field.height() * 0.3;
  for (QPointF corner : {field.topLeft(), field.topRight(), field.bottomLeft(), field.bottomRight()}) {
    p.setPen(QPen(d.ivory, 0.6 * k));
    p.setBrush(d.medallion);
    p.drawPolygon(SteppedLozenge(corner, a * 0.55, b * 0.5, 4));
    p.setBrush(d.accent);
    p.drawPolygon(SteppedLozenge(corner, a * 0.3, b * 0.27, 3));
  }
  // The medallion: nested stepped lozenges, hooks at its points and a star.
  const QColor rings[4] = {d.ivory, d.medallion, d.accent, d.field};
  const double shares[4] = {1.0, 0.86, 0.58, 0.36};
  for (int i = 0; i < 4; ++i) {
    p.setPen(QPen(d.ivory.darker(150), 0.4 * k));
    p.setBrush(rings[i]);
    p.drawPolygon(SteppedLozenge(m, a * shares[i], b * 1.25 * shares[i], 6 - i));
  }
  p.setPen(QPen(d.ivory, 1.0 * k, Qt::SolidLine, Qt::FlatCap));
  for (int s : {-1, 1}) {
    const QPointF tip = m + QPointF(0, s * b * 1.25);
    p.drawLine(tip, tip + QPointF(0, s * 3.0 * k));
    p.drawLine(tip + QPointF(-2 * k, s * 3.0 * k), tip + QPointF(2 * k, s * 3.0 * k));
    const QPointF side = m + QPointF(s * a, 0);
    p.drawLine(side, side + QPointF(s * 2.5 * k, 0));
  }
  Rosette(p, m, std::min(a, b) * 0.3, d.ivory, d.medallion);
  p.restore();
}

}  // namespace

QImage CarpetBack(int w, int h, int index) {
  const TRugDyes& d = kDyes[(index - 1) % 7];
  TFrame frame;
  frame.border = 4.0;
  frame.rim = d.border.darker(160);
  frame.line = QColor(0, 0, 0, 0);
  frame.sheen = 24;
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { Rug(p, panel, k, d); });
}

}  // namespace packgen::backs
