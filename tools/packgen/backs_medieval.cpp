// "Medieval-1": a fleur-de-lis diaper in a gold trellis, one field colour a
// weekday. "Medieval-2": leaded glass, diamond panes around a rose window,
// the glass of each weekday in its own colours.
#include "backs_parts.h"

#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

struct TDiaperColours {
  QColor field, fieldEdge, gold, lily;
};

const TDiaperColours kDiaper[7] = {
    {QColor(160, 24, 36), QColor(86, 8, 18), QColor(232, 190, 98), QColor(246, 214, 130)},    // crimson
    {QColor(30, 62, 150), QColor(12, 26, 78), QColor(226, 188, 96), QColor(244, 216, 138)},    // azure
    {QColor(28, 110, 60), QColor(8, 52, 28), QColor(230, 196, 104), QColor(246, 222, 146)},    // vert
    {QColor(52, 44, 40), QColor(20, 16, 14), QColor(214, 170, 80), QColor(236, 198, 112)},     // sable
    {QColor(104, 40, 132), QColor(50, 14, 70), QColor(232, 194, 108), QColor(246, 220, 150)},  // purpure
    {QColor(22, 112, 120), QColor(6, 54, 60), QColor(228, 204, 128), QColor(244, 230, 170)},   // teal
    {QColor(128, 28, 72), QColor(62, 8, 34), QColor(236, 192, 104), QColor(250, 222, 150)},    // murrey
};

// A fleur-de-lis one unit high centred on the origin.
QPainterPath FleurDeLis() {
  QPainterPath half;
  // The middle petal (its right half), pointed on top.
  half.moveTo(0, -0.5);
  half.cubicTo(0.1, -0.4, 0.17, -0.22, 0.07, 0.06);
  half.lineTo(0, 0.06);
  half.closeSubpath();
  // The side petal curling out and down.
  half.moveTo(0.06, 0.06);
  half.cubicTo(0.1, -0.1, 0.3, -0.2, 0.38, -0.26);
  half.cubicTo(0.47, -0.3, 0.5, -0.16, 0.42, -0.08);
  half.cubicTo(0.36, -0.12, 0.28, -0.06, 0.26, 0.06);
  half.closeSubpath();
  // The band.
  half.addRect(QRectF(0, 0.06, 0.24, 0.09));
  // The foot: a short middle spike and a side curl.
  half.moveTo(0, 0.15);
  half.lineTo(0.07, 0.15);
  half.lineTo(0, 0.46);
  half.closeSubpath();
  half.moveTo(0.06, 0.15);
  half.cubicTo(0.14, 0.2, 0.26, 0.24, 0.27, 0.34);
  half.cubicTo(0.2, 0.33, 0.12, 0.28, 0.06, 0.22);
  half.closeSubpath();
  QPainterPath whole = MirroredX(half, 0);
  whole.setFillRule(Qt::WindingFill);
  return Simplified(whole);
}

void FleurDiaper(QPainter& p, const QRectF& panel, double k, const TDiaperColours& c) {
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, c.field);
  g.setColorAt(1, c.fieldEdge);
  p.fillRect(panel, g);

  const double hx = 6.6 * k, hy = 8.6 * k;  // half-diagonals of a trellis cell
  const QPainterPath fleur = FleurDeLis();
  // The trellis: pairs of fine gold lines along both diagonals.
  const int n = static_cast<int>(panel.height() / hy) + 6;
  const QPointF c0 = panel.center();
  for (int pass = 0; pass < 2; ++pass) {
    p.setPen(pass == 0 ? QPen(WithAlpha(c.fieldEdge.darker(150), 0.8), 1.5 * k) : QPen(WithAlpha(c.gold, 0.9), 0.55 * k));
    for (int i = -n; i <= n; ++i) {
      const QPointF o(c0.x() + i * 2 * hx, c0.y() + hy);
      p.drawLine(o + QPointF(-n * hx, -n * hy), o + QPointF(n * hx, n * hy));
      p.drawLine(o + QPointF(n * hx, -n * hy), o + QPointF(-n * hx, n * hy));
    }
  }
  // Fleurs in the cells, studs on the crossings.
  ForGrid(panel, 2 * hx, hy, true, [&](QPointF at, int, int) {
    p.save();
    p.translate(at);
    p.scale(10.0 * k, 10.0 * k);
    p.fillPath(fleur.translated(0.04, 0.05), WithAlpha(c.fieldEdge.darker(170), 0.6));
    p.fillPath(fleur, c.lily);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(c.gold);
    p.drawEllipse(at + QPointF(hx, 0), 1.05 * k, 1.05 * k);
  });
}

// Leaded glass colours: the main glass, a second tint, and the jewels.
struct TGlassColours {
  QColor a, b, jewel1, jewel2, jewel3;
};

const TGlassColours kGlass[7] = {
    {QColor(190, 36, 40), QColor(150, 22, 34), QColor(40, 80, 190), QColor(240, 190, 60), QColor(40, 140, 70)},
    {QColor(40, 86, 190), QColor(26, 58, 150), QColor(200, 40, 40), QColor(240, 196, 70), QColor(120, 190, 230)},
    {QColor(40, 140, 76), QColor(24, 104, 56), QColor(220, 170, 40), QColor(190, 40, 50), QColor(150, 210, 120)},
    {QColor(216, 160, 40), QColor(186, 126, 26), QColor(150, 30, 40), QColor(40, 70, 170), QColor(250, 226, 140)},
    {QColor(120, 56, 170), QColor(88, 36, 134), QColor(230, 180, 60), QColor(40, 150, 160), QColor(200, 120, 220)},
    {QColor(30, 150, 160), QColor(20, 112, 126), QColor(220, 90, 40), QColor(240, 210, 90), QColor(160, 220, 220)},
    {QColor(200, 80, 30), QColor(166, 54, 24), QColor(40, 100, 180), QColor(250, 210, 80), QColor(120, 30, 60)},
};

// Deterministic 0..1 from a cell.
double CellNoise(int i, int j, int salt) {
  unsigned h = static_cast<unsigned>(i) * 73856093u ^ static_cast<unsigned>(j) * 19349663u ^ static_cast<unsigned>(salt) * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h & 0xffff) / 65535.0;
}

void LeadedGlass(QPainter& p, const QRectF& panel, double k, const TGlassColours& c, int salt) {
  const QColor lead(44, 42, 46);
  p.fillRect(panel, lead);
  // Diamond panes.
  const double hx = 5.2 * k, hy = 7.2 * k;
  const QPen leadPen(lead, 0.9 * k);
  ForGrid(panel, 2 * hx, hy, true, [&](QPointF at, int i, int j) {
    QPolygonF d;
    d << at + QPointF(0, -hy) << at + QPointF(hx, 0) << at + QPointF(0, hy) << at + QPointF(-hx, 0);
    const double t = CellNoise(i, j, salt);
    const QColor base = Mix(c.a, c.b, t);
    QRadialGradient g(at - QPointF(hx * 0.3, hy * 0.3), hy * 1.1);
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(1, base);
    p.setPen(leadPen);
    p.setBrush(g);
    p.drawPolygon(d);
  });
  // The rose window.
  const QPointF m = panel.center();
  const double r = std::min(panel.width(), panel.height()) * 0.42;
  p.setPen(QPen(lead, 1.2 * k));
  p.setBrush(Mix(c.a, QColor(20, 20, 30), 0.5));
  p.drawEllipse(m, r, r);
  // Twelve outer lobes.
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12;
    const QPointF at = m + QPointF(std::cos(a), std::sin(a)) * r * 0.8;
    QRadialGradient g(at, r * 0.2);
    g.setColorAt(0, ((i & 1) ? c.jewel1 : c.jewel2).lighter(140));
    g.setColorAt(1, (i & 1) ? c.jewel1 : c.jewel2);
    p.setBrush(g);
    p.setPen(QPen(lead, 0.8 * k));
    p.drawEllipse(at, r * 0.18, r * 0.18);
  }
  // Petals from the middle.
  for (int i = 0; i < 12; ++i) {
    p.save();
    p.translate(m);
    p.rotate(i * 30.0 + 15.0);
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(r * 0.2, -r * 0.2, r * 0.12, -r * 0.55, 0, -r * 0.62);
    petal.cubicTo(-r * 0.12, -r * 0.55, -r * 0.2, -r * 0.2, 0, 0);
    QLinearGradient g(0, 0, 0, -r * 0.62);
    g.setColorAt(0, c.jewel3.lighter(130));
    g.setColorAt(1, c.jewel3);
    p.setBrush(g);
    p.setPen(QPen(lead, 0.8 * k));
    p.drawPath(petal);
    p.restore();
  }
  // The boss.
  QRadialGradient boss(m - QPointF(r * 0.05, r * 0.05), r * 0.2);
  boss.setColorAt(0, c.jewel2.lighter(150));
  boss.setColorAt(1, c.jewel2.darker(120));
  p.setBrush(boss);
  p.setPen(QPen(lead, 1.0 * k));
  p.drawEllipse(m, r * 0.17, r * 0.17);
  // The stone ring around the window.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(214, 204, 180), 1.6 * k));
  p.drawEllipse(m, r + 0.8 * k, r + 0.8 * k);
  p.setPen(QPen(lead, 0.6 * k));
  p.drawEllipse(m, r + 1.9 * k, r + 1.9 * k);
}

}  // namespace

QImage MedievalOneBack(int w, int h, int index) {
  const TDiaperColours& c = kDiaper[(index - 1) % 7];
  TFrame frame;
  frame.paper = QColor(250, 246, 234);
  frame.rim = c.fieldEdge.darker(150);
  frame.line = c.gold;
  frame.doubleLine = true;
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { FleurDiaper(p, panel, k, c); });
}

QImage MedievalTwoBack(int w, int h, int index) {
  const TGlassColours& c = kGlass[(index - 1) % 7];
  TFrame frame;
  frame.paper = QColor(246, 242, 230);
  frame.rim = QColor(44, 42, 46);
  frame.line = QColor(214, 204, 180);
  frame.lineInset = 1.6;
  frame.sheen = 60;
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { LeadedGlass(p, panel, k, c, index); });
}

}  // namespace packgen::backs
