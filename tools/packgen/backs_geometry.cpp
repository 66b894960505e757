// "Cross": a mosaic of interlocking cross tiles round a medallion with a
// heraldic cross, a different cross each weekday. "Diamond": faceted
// lozenge studs round a cut stone, a different stone each weekday.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

// ---- Cross ----

struct TCrossColours {
  QColor tile, dark, gold;
};

const TCrossColours kCross[7] = {
    {QColor(176, 34, 40), QColor(96, 12, 20), QColor(236, 196, 110)},
    {QColor(38, 86, 170), QColor(14, 36, 92), QColor(236, 206, 130)},
    {QColor(34, 122, 74), QColor(10, 58, 34), QColor(232, 204, 120)},
    {QColor(70, 74, 86), QColor(26, 28, 34), QColor(222, 184, 96)},
    {QColor(150, 96, 40), QColor(82, 44, 14), QColor(250, 228, 170)},
    {QColor(96, 52, 150), QColor(46, 18, 84), QColor(240, 206, 120)},
    {QColor(20, 126, 136), QColor(4, 60, 68), QColor(240, 220, 150)},
};

// A plus of five squares of side u centred at c.
QPolygonF PlusTile(QPointF c, double u) {
  const double a = u / 2, b = u * 1.5;
  QPolygonF s;
  s << QPointF(-a, -b) << QPointF(a, -b) << QPointF(a, -a) << QPointF(b, -a) << QPointF(b, a) << QPointF(a, a)
    << QPointF(a, b) << QPointF(-a, b) << QPointF(-a, a) << QPointF(-b, a) << QPointF(-b, -a) << QPointF(-a, -a);
  s.translate(c);
  return s;
}

// The medallion's cross, kind 0..6, one unit in radius about the origin.
QPainterPath HeraldicCross(int kind) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  auto arms = [&](const QPainterPath& arm) {
    for (int i = 0; i < 4; ++i) path.addPath(QTransform().rotate(90.0 * i).map(arm));
  };
  QPainterPath arm;
  switch (kind) {
    case 0:  // Greek cross
      arm.addRect(QRectF(-0.2, -0.95, 0.4, 0.95));
      break;
    case 1:  // Maltese cross
      arm.moveTo(0, -0.05);
      arm.lineTo(-0.4, -0.98);
      arm.lineTo(0, -0.72);
      arm.lineTo(0.4, -0.98);
      arm.closeSubpath();
      break;
    case 2:  // cross patée
      arm.moveTo(-0.14, 0);
      arm.quadTo(-0.14, -0.6, -0.44, -0.96);
      arm.lineTo(0.44, -0.96);
      arm.quadTo(0.14, -0.6, 0.14, 0);
      arm.closeSubpath();
      break;
    case 3:  // cross botonnée: trefoil ends
      arm.addRect(QRectF(-0.13, -0.7, 0.26, 0.7));
      arm.addEllipse(QPointF(0, -0.8), 0.17, 0.17);
      arm.addEllipse(QPointF(-0.17, -0.64), 0.15, 0.15);
      arm.addEllipse(QPointF(0.17, -0.64), 0.15, 0.15);
      break;
    case 4:  // cross crosslet
      arm.addRect(QRectF(-0.12, -0.95, 0.24, 0.95));
      arm.addRect(QRectF(-0.36, -0.7, 0.72, 0.22));
      break;
    case 5:  // Celtic cross: flared arms and a ring
      arm.moveTo(-0.16, 0);
      arm.lineTo(-0.24, -0.95);
      arm.lineTo(0.24, -0.95);
      arm.lineTo(0.16, 0);
      arm.closeSubpath();
      break;
    default:  // cross moline: arms split and curled at the ends
      arm.moveTo(-0.13, 0);
      arm.lineTo(-0.13, -0.62);
      arm.cubicTo(-0.3, -0.62, -0.5, -0.72, -0.46, -0.98);
      arm.cubicTo(-0.3, -0.86, -0.14, -0.86, 0, -0.74);
      arm.cubicTo(0.14, -0.86, 0.3, -0.86, 0.46, -0.98);
      arm.cubicTo(0.5, -0.72, 0.3, -0.62, 0.13, -0.62);
      arm.lineTo(0.13, 0);
      arm.closeSubpath();
      break;
  }
  arms(arm);
  if (kind == 5) {
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 0.6, 0.6);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 0.46, 0.46);
    path.addPath(Subtracted(ring, hole));
  }
  return Simplified(path);
}

void CrossMosaic(QPainter& p, const QRectF& panel, double k, const TCrossColours& c, int kind) {
  p.fillRect(panel, c.dark);
  const double u = 3.4 * k;
  const QPointF m = panel.center();
  const int n = static_cast<int>(panel.height() / u / 2) + 3;
  const QColor shades[4] = {c.tile, c.tile.darker(118), c.tile.lighter(112), Mix(c.tile, c.dark, 0.35)};
  for (int j = -n; j <= n; ++j)
    for (int i = -n; i <= n; ++i) {
      // Plus tiles sit on the lattice (2,-1), (1,2) in cells.
      const QPointF at = m + QPointF((2 * i + j) * u, (-i + 2 * j) * u);
      if (!panel.adjusted(-2 * u, -2 * u, 2 * u, 2 * u).contains(at)) continue;
      const QColor shade = shades[(i & 1) + 2 * (j & 1)];
      QLinearGradient g(at + QPointF(0, -1.5 * u), at + QPointF(0, 1.5 * u));
      g.setColorAt(0, shade.lighter(112));
      g.setColorAt(1, shade.darker(108));
      p.setPen(QPen(c.dark, 0.6 * k));
      p.setBrush(g);
      p.drawPolygon(PlusTile(at, u));
      p.setPen(QPen(WithAlpha(c.gold, 0.85), 0.5 * k));
      p.setBrush(Qt::NoBrush);
      p.drawPolygon(PlusTile(at, u * 0.42));
    }

  // The medallion with its cross.
  const double r = std::min(panel.width() * 0.36, panel.height() * 0.3);
  QRadialGradient g(m - QPointF(r * 0.3, r * 0.3), r * 1.4);
  g.setColorAt(0, QColor(255, 250, 236));
  g.setColorAt(1, QColor(232, 220, 192));
  p.setPen(QPen(c.dark, 2.4 * k));
  p.setBrush(g);
  p.drawEllipse(m, r, r);
  p.setPen(QPen(c.gold, 1.2 * k));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(m, r - 1.6 * k, r - 1.6 * k);
  p.save();
  p.translate(m);
  p.scale(r * 0.8, r * 0.8);
  const QPainterPath cross = HeraldicCross(kind);
  p.fillPath(cross.translated(0.04, 0.05), QColor(0, 0, 0, 50));
  QLinearGradient cg(-1, -1, 1, 1);
  cg.setColorAt(0, c.tile.lighter(125));
  cg.setColorAt(1, c.tile.darker(125));
  p.fillPath(cross, cg);
  p.strokePath(cross, QPen(c.gold.darker(115), 0.9 * k / (r * 0.8)));
  p.restore();
}

// ---- Diamond ----

struct TGemColours {
  QColor gem, metal;
};

const TGemColours kGems[7] = {
    {QColor(196, 24, 52), QColor(232, 196, 110)},    // ruby
    {QColor(28, 70, 190), QColor(214, 218, 226)},    // sapphire
    {QColor(20, 150, 84), QColor(232, 196, 110)},    // emerald
    {QColor(226, 150, 30), QColor(236, 210, 140)},   // topaz
    {QColor(140, 60, 190), QColor(226, 226, 232)},   // amethyst
    {QColor(40, 170, 196), QColor(226, 226, 232)},   // aquamarine
    {QColor(60, 62, 74), QColor(232, 196, 110)},     // onyx
};

// A lozenge of half-diagonals (hx, hy) at c split into four facets lit
// from the top left.
void FacetedLozenge(QPainter& p, QPointF c, double hx, double hy, const QColor& base) {
  const QPointF top = c + QPointF(0, -hy), right = c + QPointF(hx, 0), bottom = c + QPointF(0, hy),
                left = c + QPointF(-hx, 0);
  const QPointF apex = c;
  const QColor tones[4] = {base.lighter(160), base.lighter(112), base.darker(150), base.darker(112)};
  const QPointF rim[5] = {left, top, right, bottom, left};
  for (int f = 0; f < 4; ++f) {
    QPolygonF tri;
    tri << apex << rim[f] << rim[f + 1];
    p.setBrush(tones[f]);
    p.drawPolygon(tri);
  }
}

void GemField(QPainter& p, const QRectF& panel, double k, const TGemColours& c) {
  const QColor ground = c.gem.darker(260);
  p.fillRect(panel, ground);
  const double hx = 4.8 * k, hy = 6.6 * k;
  p.setPen(QPen(ground, 0.45 * k));
  ForGrid(panel, 2 * hx, hy, true, [&](QPointF at, int, int) { FacetedLozenge(p, at, hx * 0.88, hy * 0.88, c.gem); });
  // Little metal beads between the studs.
  p.setPen(Qt::NoPen);
  p.setBrush(c.metal);
  ForGrid(panel, 2 * hx, hy, true, [&](QPointF at, int, int) { p.drawEllipse(at + QPointF(hx, 0), 0.7 * k, 0.7 * k); });

  // The stone: a large cut lozenge in a beaded setting.
  const QPointF m = panel.center();
  const double sx = std::min(panel.width() * 0.3, panel.height() * 0.22);
  const double sy = sx * 1.4;
  QPolygonF setting;
  const double pad = 3.2 * k;
  setting << m + QPointF(0, -sy - pad * 1.4) << m + QPointF(sx + pad, 0) << m + QPointF(0, sy + pad * 1.4)
          << m + QPointF(-sx - pad, 0);
  QLinearGradient mg(m + QPointF(-sx, -sy), m + QPointF(sx, sy));
  mg.setColorAt(0, c.metal.lighter(118));
  mg.setColorAt(0.5, c.metal);
  mg.setColorAt(1, c.metal.darker(150));
  p.setPen(QPen(c.metal.darker(180), 0.6 * k));
  p.setBrush(mg);
  p.drawPolygon(setting);
  // Beads along the setting.
  p.setPen(Qt::NoPen);
  for (int e = 0; e < 4; ++e) {
    const QPointF a = setting[e], b = setting[(e + 1) % 4];
    for (int i = 1; i < 6; ++i) {
      const QPointF at = a + (b - a) * (i / 6.0);
      p.setBrush(c.metal.lighter(125));
      p.drawEllipse(at, 0.75 * k, 0.75 * k);
    }
  }
  // Crown facets round a table.
  const QPointF outer[4] = {m + QPointF(0, -sy), m + QPointF(sx, 0), m + QPointF(0, sy), m + QPointF(-sx, 0)};
  const double t = 0.45;
  QPointF table[4];
  for (int i = 0; i < 4; ++i) table[i] = m + (outer[i] - m) * t;
  const QColor tones[4] = {c.gem.lighter(150), c.gem.darker(130), c.gem.darker(170), c.gem.lighter(115)};
  p.setPen(QPen(c.gem.darker(200), 0.35 * k));
  for (int i = 0; i < 4; ++i) {
    const QPointF mid = (outer[i] + outer[(i + 1) % 4]) / 2;
    QPolygonF f1, f2;
    f1 << outer[i] << mid << table[i];
    f2 << mid << outer[(i + 1) % 4] << table[(i + 1) % 4] << table[i];
    p.setBrush(tones[i]);
    p.drawPolygon(f1);
    p.setBrush(tones[i].darker(112));
    p.drawPolygon(f2);
  }
  QRadialGradient tg(m - QPointF(sx * 0.15, sy * 0.15), sx * 0.6);
  tg.setColorAt(0, c.gem.lighter(190));
  tg.setColorAt(1, c.gem.lighter(110));
  p.setBrush(tg);
  p.drawPolygon(QPolygonF({table[0], table[1], table[2], table[3]}));
  // A sparkle.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawPolygon(Star(m + QPointF(-sx * 0.28, -sy * 0.3), 2.6 * k, 0.5 * k, 4));
}

}  // namespace

QImage CrossBack(int w, int h, int index) {
  const TCrossColours& c = kCross[(index - 1) % 7];
  TFrame frame;
  frame.rim = c.dark.darker(140);
  frame.line = c.gold;
  return PaintBack(w, h, frame,
                   [&](QPainter& p, const QRectF& panel, double k) { CrossMosaic(p, panel, k, c, (index - 1) % 7); });
}

QImage DiamondBack(int w, int h, int index) {
  const TGemColours& c = kGems[(index - 1) % 7];
  TFrame frame;
  frame.rim = c.gem.darker(300);
  frame.line = c.metal;
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { GemField(p, panel, k, c); });
}

}  // namespace packgen::backs
