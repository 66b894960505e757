// "Russian": folk ornament, one craft a weekday: khokhloma in gold and red
// on black, gzhel's cobalt rose, red cross-stitch on linen, a zhostovo
// bouquet, khokhloma on red, gzhel tiles and a gorodets painting.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

const QColor kGold(236, 186, 60), kCobalt(24, 52, 160), kVermilion(206, 30, 24);

// A brush stroke from a to b bending towards bend, widest (width) in the
// middle and pointed at both ends.
QPainterPath Brush(QPointF a, QPointF bend, QPointF b, double width) {
  const QPointF d = b - a;
  const double len = std::hypot(d.x(), d.y());
  const QPointF n(-d.y() / len * width, d.x() / len * width);
  QPainterPath s;
  s.moveTo(a);
  s.quadTo(bend + n, b);
  s.quadTo(bend - n, a);
  return s;
}

// Mirror images of one quarter of an ornament about the middle: painter
// transforms for the four quarters.
template <typename F>
void Quarters(QPainter& p, QPointF m, double unit, F quarter) {
  for (int sx : {1, -1})
    for (int sy : {1, -1}) {
      p.save();
      p.translate(m);
      p.scale(sx * unit, sy * unit);
      quarter();
      p.restore();
    }
}

void Berries(QPainter& p, QPointF at, double r, int count, const QColor& c) {
  for (int i = 0; i < count; ++i) {
    const double a = 2 * kPi * i / count;
    const QPointF b = count == 1 ? at : at + QPointF(std::cos(a), std::sin(a)) * r * 1.1;
    QRadialGradient g(b - QPointF(r * 0.35, r * 0.35), r * 1.2);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c.darker(130));
    p.setBrush(g);
    p.setPen(QPen(c.darker(220), r * 0.12));
    p.drawEllipse(b, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(b - QPointF(r * 0.35, r * 0.35), r * 0.22, r * 0.22);
  }
}

// Khokhloma: curling gold stems, leaves and red berries on black (or gold
// and black on red).
void Khokhloma(QPainter& p, const QRectF& panel, const QColor& ground, const QColor& leaf, const QColor& berry) {
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, ground.lighter(130));
  g.setColorAt(1, ground);
  p.fillRect(panel, g);
  const QPointF m = panel.center();
  const double unit = std::min(panel.width(), panel.height() / 1.42);  // one unit across
  const double tall = panel.height() / unit / 2;  // half height in units
  Quarters(p, m, unit, [&] {
    p.setPen(Qt::NoPen);
    // The main stem from the middle to a curl near the corner.
    QPainterPath stem;
    stem.moveTo(0.04, 0.1);
    stem.cubicTo(0.3, 0.1, 0.1, tall * 0.7, 0.32, tall * 0.78);
    stem.cubicTo(0.44, tall * 0.82, 0.44, tall * 0.62, 0.34, tall * 0.64);
    p.strokePath(stem, QPen(leaf, 0.018, Qt::SolidLine, Qt::RoundCap));
    // Leaves along it.
    p.setBrush(leaf);
    const QPointF leaves[5][3] = {{{0.12, 0.11}, {0.18, 0.0}, {0.3, -0.02}},
                                  {{0.2, 0.22}, {0.32, 0.18}, {0.42, 0.24}},
                                  {{0.19, 0.36}, {0.06, 0.36}, {0.0, 0.46}},
                                  {{0.22, tall * 0.62}, {0.12, tall * 0.64}, {0.08, tall * 0.8}},
                                  {{0.3, tall * 0.5}, {0.42, tall * 0.44}, {0.46, tall * 0.36}}};
    for (const auto& l : leaves) p.drawPath(Brush(l[0], l[1], l[2], 0.035));
    // Grass: thin curled strokes.
    for (int i = 0; i < 6; ++i) {
      const double a = 0.2 + i * 0.22;
      const QPointF from(0.36 + 0.05 * std::cos(a * 3), tall * 0.3 + i * 0.03);
      p.drawPath(Brush(from, from + QPointF(0.05, -0.04), from + QPointF(0.1, 0.02 * (i % 3)), 0.01));
    }
    p.drawPath(Brush({0.05, tall * 0.9}, {0.12, tall * 0.82}, {0.2, tall * 0.92}, 0.018));
    p.drawPath(Brush({0.44, 0.06}, {0.4, 0.14}, {0.46, 0.2}, 0.015));
    // Berry clusters.
    Berries(p, {0.3, 0.36}, 0.035, 5, berry);
    Berries(p, {0.38, tall * 0.72}, 0.03, 3, berry);
    Berries(p, {0.08, tall * 0.58}, 0.028, 1, berry);
  });
  // The middle: a big berry ring in gold leaves.
  p.save();
  p.translate(m);
  p.scale(unit, unit);
  p.setPen(Qt::NoPen);
  p.setBrush(leaf);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * kPi * i / 8 + kPi / 8;
    const QPointF dir(std::cos(a), std::sin(a));
    p.drawPath(Brush(dir * 0.06, dir * 0.14 + QPointF(-dir.y(), dir.x()) * 0.03, dir * 0.22, 0.04));
  }
  Berries(p, {0, 0}, 0.045, 6, berry);
  Berries(p, {0, 0}, 0.045, 1, berry);
  p.restore();
}

// A gzhel rose: petals brushed from deep cobalt to white.
void GzhelRose(QPainter& p, QPointF at, double r) {
  p.setPen(Qt::NoPen);
  for (int ring = 0; ring < 3; ++ring) {
    const int petals = 7 - ring;
    const double rr = r * (1.0 - ring * 0.28);
    for (int i = 0; i < petals; ++i) {
      p.save();
      p.translate(at);
      p.rotate(360.0 * i / petals + ring * 25);
      QPainterPath petal;
      petal.moveTo(-rr * 0.45, -rr * 0.2);
      petal.cubicTo(-rr * 0.6, -rr * 1.05, rr * 0.6, -rr * 1.05, rr * 0.45, -rr * 0.2);
      petal.quadTo(0, -rr * 0.45, -rr * 0.45, -rr * 0.2);
      QLinearGradient g(0, -rr, 0, -rr * 0.2);
      g.setColorAt(0, kCobalt);
      g.setColorAt(0.55, kCobalt.lighter(150));
      g.setColorAt(1, QColor(240, 244, 252));
      p.setBrush(g);
      p.drawPath(petal);
      p.restore();
    }
  }
  p.setBrush(kCobalt.darker(120));
  p.drawEllipse(at, r * 0.16, r * 0.16);
}

void GzhelLeaf(QPainter& p, QPointF a, QPointF bend, QPointF b, double width) {
  QLinearGradient g(a, b);
  g.setColorAt(0, kCobalt.darker(110));
  g.setColorAt(1, kCobalt.lighter(170));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(Brush(a, bend, b, width));
}

void Gzhel(QPainter& p, const QRectF& panel, double k) {
  p.fillRect(panel, QColor(246, 248, 252));
  const QPointF m = panel.center();
  const double unit = std::min(panel.width(), panel.height() / 1.42);
  const double tall = panel.height() / unit / 2;
  // A border of blue scallops and dots inside the panel.
  p.setPen(QPen(kCobalt, 1.1 * k));
  p.setBrush(Qt::NoBrush);
  const QRectF band = panel.adjusted(4.2 * k, 4.2 * k, -4.2 * k, -4.2 * k);
  p.drawRoundedRect(band, 3 * k, 3 * k);
  p.setPen(Qt::NoPen);
  p.setBrush(kCobalt);
  for (double x = band.left() + 2.5 * k; x < band.right() - 1.5 * k; x += 4.0 * k) {
    p.drawEllipse(QPointF(x, band.top() + 1.8 * k), 0.8 * k, 0.8 * k);
    p.drawEllipse(QPointF(x, band.bottom() - 1.8 * k), 0.8 * k, 0.8 * k);
  }
  for (double y = band.top() + 5.5 * k; y < band.bottom() - 4.5 * k; y += 4.0 * k) {
    p.drawEllipse(QPointF(band.left() + 1.8 * k, y), 0.8 * k, 0.8 * k);
    p.drawEllipse(QPointF(band.right() - 1.8 * k, y), 0.8 * k, 0.8 * k);
  }
  // Leaves and buds in the four quarters, the rose in the middle.
  Quarters(p, m, unit, [&] {
    GzhelLeaf(p, {0.1, 0.16}, {0.2, 0.26}, {0.18, tall * 0.62}, 0.05);
    GzhelLeaf(p, {0.14, 0.12}, {0.3, 0.14}, {0.36, 0.3}, 0.045);
    GzhelLeaf(p, {0.16, 0.05}, {0.28, 0.0}, {0.36, 0.06}, 0.035);
    GzhelRose(p, {0.3, tall * 0.66}, 0.075);
    p.setBrush(kCobalt);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(0.06 + i * 0.05, tall * 0.76 + i * 0.02), 0.013, 0.013);
  });
  p.save();
  p.translate(m);
  p.scale(unit, unit);
  GzhelRose(p, {0, 0}, 0.22);
  p.restore();
}

void CrossStitch(QPainter& p, const QRectF& panel, double k) {
  const QColor linen(238, 228, 204);
  p.fillRect(panel, linen);
  const double cell = 2.0 * k;
  // The weave of the cloth.
  p.setPen(QPen(QColor(216, 204, 176), 0.3 * k));
  for (double x = panel.center().x(); x < panel.right(); x += cell) {
    p.drawLine(QPointF(x, panel.top()), QPointF(x, panel.bottom()));
    p.drawLine(QPointF(2 * panel.center().x() - x, panel.top()), QPointF(2 * panel.center().x() - x, panel.bottom()));
  }
  for (double y = panel.center().y(); y < panel.bottom(); y += cell) {
    p.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
    p.drawLine(QPointF(panel.left(), 2 * panel.center().y() - y), QPointF(panel.right(), 2 * panel.center().y() - y));
  }
  const QColor red(190, 20, 30), black(40, 30, 30);
  const int nx = static_cast<int>(panel.width() / cell / 2) + 1, ny = static_cast<int>(panel.height() / cell / 2) + 1;
  const int edgeX = nx - 3, edgeY = ny - 3;
  auto stitch = [&](int i, int j) -> int {
    const int ai = std::abs(i), aj = std::abs(j);
    // Border bands: a line and a row of little diamonds.
    if (ai == edgeX || aj == edgeY) return 1;
    if (ai > edgeX || aj > edgeY) return 0;
    if ((ai == edgeX - 2 && aj < edgeY - 1) || (aj == edgeY - 2 && ai < edgeX - 1)) {
      const int along = ai == edgeX - 2 ? aj : ai;
      return along % 4 == 0 ? 2 : 0;
    }
    // The big star in the middle.
    const int d = ai + aj;
    if (d <= 12) {
      if (d == 12 || d == 8 || (ai == aj && d <= 10) || d <= 1) return 1;
      if (d == 4 && (ai == 0 || aj == 0)) return 2;
      if (d == 5) return 2;
      return 0;
    }
    // Little rhombs with hooks in a diamond lattice.
    const int ti = ((i % 10) + 10) % 10 - 5, tj = ((j % 10) + 10) % 10 - 5;
    if (ai >= edgeX - 3 || aj >= edgeY - 3) return 0;
    const int dd = std::abs(ti) + std::abs(tj);
    if (dd == 3) return 1;
    if (dd == 0) return 2;
    return 0;
  };
  for (int j = -ny; j <= ny; ++j)
    for (int i = -nx; i <= nx; ++i) {
      const int s = stitch(i, j);
      if (!s) continue;
      const QPointF at(panel.center().x() + i * cell, panel.center().y() + j * cell);
      const double h = cell * 0.42;
      p.setPen(QPen(s == 1 ? red : black, 0.75 * k, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(at + QPointF(-h, -h), at + QPointF(h, h));
      p.drawLine(at + QPointF(h, -h), at + QPointF(-h, h));
    }
}

// A flower of the zhostovo or gorodets kind: a round bloom with petals,
// a darker heart and white highlight strokes.
void PaintedBloom(QPainter& p, QPointF at, double r, const QColor& c) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * kPi * i / 8;
    QRadialGradient g(at + QPointF(std::cos(a), std::sin(a)) * r * 0.6, r * 0.5);
    g.setColorAt(0, c.lighter(125));
    g.setColorAt(1, c.darker(110));
    p.setBrush(g);
    p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * r * 0.6, r * 0.42, r * 0.42);
  }
  p.setBrush(c.darker(150));
  p.drawEllipse(at, r * 0.55, r * 0.55);
  p.setBrush(c);
  p.drawEllipse(at + QPointF(0, r * 0.1), r * 0.4, r * 0.32);
  // The white strokes (ozhivka).
  p.setPen(QPen(QColor(255, 255, 255, 220), r * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(at.x() - r * 0.45, at.y() - r * 0.45, r * 0.9, r * 0.9), 30 * 16, 120 * 16);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * kPi * i / 8 - kPi / 2;
    p.drawPoint(at + QPointF(std::cos(a), std::sin(a)) * r * 0.82);
  }
  p.setPen(Qt::NoPen);
}

void PaintedLeaf(QPainter& p, QPointF a, QPointF bend, QPointF b, double width, const QColor& c) {
  QLinearGradient g(a, b);
  g.setColorAt(0, c.darker(130));
  g.setColorAt(1, c.lighter(130));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(Brush(a, bend, b, width));
  p.setPen(QPen(QColor(255, 255, 255, 150), width * 0.15, Qt::SolidLine, Qt::RoundCap));
  QPainterPath vein;
  vein.moveTo(a);
  vein.quadTo(bend, b);
  p.drawPath(vein);
  p.setPen(Qt::NoPen);
}

void Zhostovo(QPainter& p, const QRectF& panel, double k) {
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, QColor(44, 40, 40));
  g.setColorAt(1, QColor(10, 10, 12));
  p.fillRect(panel, g);
  const QPointF m = panel.center();
  const double unit = std::min(panel.width(), panel.height() / 1.42);
  // A gold border of little scrolls.
  p.setPen(QPen(kGold, 0.6 * k));
  p.setBrush(Qt::NoBrush);
  const QRectF band = panel.adjusted(3.6 * k, 3.6 * k, -3.6 * k, -3.6 * k);
  p.drawRoundedRect(band, 3 * k, 3 * k);
  for (double x = band.left() + 3 * k; x < band.right() - 2 * k; x += 3.2 * k)
    for (double y : {band.top(), band.bottom()}) p.drawArc(QRectF(x - 1.2 * k, y - 1.2 * k, 2.4 * k, 2.4 * k), 0, 180 * 16 * (y == band.top() ? -1 : 1));
  for (double y = band.top() + 3 * k; y < band.bottom() - 2 * k; y += 3.2 * k)
    for (double x : {band.left(), band.right()}) p.drawArc(QRectF(x - 1.2 * k, y - 1.2 * k, 2.4 * k, 2.4 * k), 90 * 16, 180 * 16 * (x == band.left() ? -1 : 1));
  // The bouquet.
  p.save();
  p.translate(m);
  p.scale(unit, unit);
  const QColor green(70, 130, 60);
  for (int side : {1, -1}) {
    PaintedLeaf(p, {0, 0}, {side * 0.2, -0.2}, {side * 0.38, -0.3}, 0.05, green);
    PaintedLeaf(p, {0, 0}, {side * 0.25, 0.15}, {side * 0.4, 0.3}, 0.05, green);
    PaintedLeaf(p, {0, 0.05}, {side * 0.05, 0.3}, {side * 0.16, 0.46}, 0.04, QColor(160, 150, 60));
    PaintedLeaf(p, {0, -0.05}, {side * 0.05, -0.3}, {side * 0.14, -0.46}, 0.04, QColor(160, 150, 60));
  }
  PaintedBloom(p, {-0.2, -0.16}, 0.1, QColor(240, 140, 40));
  PaintedBloom(p, {0.2, 0.16}, 0.1, QColor(240, 140, 40));
  PaintedBloom(p, {0.2, -0.18}, 0.08, QColor(90, 130, 220));
  PaintedBloom(p, {-0.2, 0.18}, 0.08, QColor(90, 130, 220));
  PaintedBloom(p, {0.0, 0.0}, 0.16, QColor(210, 30, 40));
  PaintedBloom(p, {0.0, -0.3}, 0.07, QColor(245, 240, 230));
  PaintedBloom(p, {0.0, 0.3}, 0.07, QColor(245, 240, 230));
  p.restore();
}

void Gorodets(QPainter& p, const QRectF& panel, double k) {
  // Light wood with a faint grain.
  QLinearGradient g(panel.topLeft(), panel.bottomRight());
  g.setColorAt(0, QColor(244, 200, 110));
  g.setColorAt(1, QColor(222, 160, 70));
  p.fillRect(panel, g);
  p.setPen(QPen(QColor(200, 140, 60, 110), 0.5 * k));
  for (int i = 0; i < 14; ++i) {
    QPainterPath grain;
    const double x = panel.left() + panel.width() * (i + 0.5) / 14;
    grain.moveTo(x, panel.top());
    grain.cubicTo(x + 3 * k * std::sin(i), panel.center().y() - 10 * k, x - 3 * k * std::cos(i), panel.center().y() + 10 * k, x, panel.bottom());
    p.drawPath(grain);
  }
  const QPointF m = panel.center();
  const double unit = std::min(panel.width(), panel.height() / 1.42);
  const double tall = panel.height() / unit / 2;
  const QColor leaf(40, 110, 80);
  Quarters(p, m, unit, [&] {
    PaintedLeaf(p, {0.12, 0.12}, {0.3, 0.2}, {0.3, tall * 0.56}, 0.05, leaf);
    PaintedLeaf(p, {0.16, 0.04}, {0.3, -0.02}, {0.42, 0.1}, 0.04, QColor(40, 80, 150));
    PaintedBloom(p, {0.26, tall * 0.66}, 0.1, QColor(40, 70, 160));
    PaintedBloom(p, {0.07, tall * 0.76}, 0.05, kVermilion);
  });
  p.save();
  p.translate(m);
  p.scale(unit, unit);
  PaintedBloom(p, {0, 0}, 0.24, kVermilion);
  p.restore();
}

void GzhelTiles(QPainter& p, const QRectF& panel, double k) {
  p.fillRect(panel, QColor(246, 248, 252));
  const double s = 9.0 * k;
  ForGrid(panel, s, s, false, [&](QPointF at, int, int) {
    p.setPen(QPen(kCobalt, 0.7 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(at.x() - s / 2, at.y() - s / 2, s, s));
    // A four-petal brush flower on each tile, corner quarter-dots.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
      const double a = kPi / 2 * i;
      const QPointF dir(std::cos(a), std::sin(a));
      QLinearGradient g(at, at + dir * s * 0.38);
      g.setColorAt(0, kCobalt);
      g.setColorAt(1, kCobalt.lighter(190));
      p.setBrush(g);
      p.drawPath(Brush(at, at + dir * s * 0.2 + QPointF(-dir.y(), dir.x()) * s * 0.04, at + dir * s * 0.38, s * 0.09));
    }
    p.setBrush(kCobalt);
    p.drawEllipse(QPointF(at.x() - s / 2, at.y() - s / 2), s * 0.12, s * 0.12);
  });
  // The rose in a white oval.
  const QRectF oval = MedallionRect(panel, 0.72, 1.3);
  FramedOval(p, oval, k, QColor(250, 252, 255), kCobalt, kCobalt.lighter(150));
  const double r = oval.width() * 0.36;
  p.save();
  p.translate(oval.center());
  p.scale(r, r);
  for (int side : {1, -1}) {
    GzhelLeaf(p, {side * 0.6, 0.5}, {side * 0.9, 0.9}, {side * 0.5, 1.35}, 0.16);
    GzhelLeaf(p, {side * 0.6, -0.5}, {side * 0.9, -0.9}, {side * 0.5, -1.35}, 0.16);
  }
  GzhelRose(p, {0, 0}, 0.95);
  p.restore();
}

}  // namespace

QImage RussianBack(int w, int h, int index) {
  TFrame frame;
  frame.doubleLine = false;
  TPanelPainter paint;
  switch ((index - 1) % 7) {
    case 0:
      frame.rim = QColor(10, 10, 10);
      frame.line = kGold;
      paint = [](QPainter& p, const QRectF& panel, double) { Khokhloma(p, panel, QColor(16, 14, 12), kGold, kVermilion); };
      break;
    case 1:
      frame.rim = kCobalt;
      frame.line = kCobalt.lighter(140);
      frame.sheen = 0;
      paint = Gzhel;
      break;
    case 2:
      frame.rim = QColor(150, 20, 30);
      frame.line = QColor(190, 20, 30, 0);
      frame.sheen = 0;
      paint = CrossStitch;
      break;
    case 3:
      frame.rim = QColor(10, 10, 12);
      frame.line = QColor(0, 0, 0, 0);
      paint = Zhostovo;
      break;
    case 4:
      frame.rim = QColor(110, 10, 10);
      frame.line = kGold;
      paint = [](QPainter& p, const QRectF& panel, double) {
        Khokhloma(p, panel, QColor(170, 24, 20), kGold, QColor(30, 20, 20));
      };
      break;
    case 5:
      frame.rim = kCobalt;
      frame.line = QColor(0, 0, 0, 0);
      frame.sheen = 0;
      paint = GzhelTiles;
      break;
    default:
      frame.rim = QColor(120, 60, 20);
      frame.line = kVermilion;
      paint = Gorodets;
      break;
  }
  return PaintBack(w, h, frame, paint);
}

}  // namespace packgen::backs
