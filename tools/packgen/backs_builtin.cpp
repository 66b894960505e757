// Back set 0 in the narrow large variant: the program's own seven weekday
// backs (lattice, rosettes, waves, diamonds, harlequin, circles, sunburst)
// drawn again at the narrow card width.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

struct Palette {
  QColor centre;  // panel colour in the middle
  QColor edge;    // panel colour at the rim
  QColor accent;  // pattern and frame lines
};

void fillPanel(QPainter& p, const QRectF& panel, const Palette& pal) {
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, pal.centre);
  g.setColorAt(1, pal.edge);
  p.fillRect(panel, g);
}

// Monday: crimson with a gold lattice and studs at the crossings.
void latticeDesign(QPainter& p, const QRectF& panel, double k, const Palette& pal) {
  fillPanel(p, panel, pal);
  const QPointF c = panel.center();
  const double sx = 7.0 * k, sy = 9.5 * k;  // half-diagonals of one lattice cell
  const int n = static_cast<int>(panel.height() / sy) + 4;
  QPen line(WithAlpha(pal.accent, 0.75), 0.9 * k);
  p.setPen(line);
  for (int i = -n; i <= n; ++i) {
    // Lines of both slopes through the lattice points.
    const double ox = c.x() + i * sx * 2;
    p.drawLine(QPointF(ox - n * sx, c.y() - n * sy), QPointF(ox + n * sx, c.y() + n * sy));
    p.drawLine(QPointF(ox + n * sx, c.y() - n * sy), QPointF(ox - n * sx, c.y() + n * sy));
  }
  p.setPen(Qt::NoPen);
  for (int i = -n; i <= n; ++i) {
    for (int j = -n; j <= n; ++j) {
      const QPointF cross(c.x() + i * sx, c.y() + j * sy);
      if ((i + j) % 2 != 0) {
        // Cell centres: a small dark diamond.
        p.setBrush(WithAlpha(pal.edge.darker(140), 0.9));
        QPolygonF d;
        d << cross + QPointF(0, -2.2 * k) << cross + QPointF(1.6 * k, 0) << cross + QPointF(0, 2.2 * k)
          << cross + QPointF(-1.6 * k, 0);
        p.drawPolygon(d);
        continue;
      }
      QRadialGradient stud(cross - QPointF(0.4 * k, 0.4 * k), 1.5 * k);
      stud.setColorAt(0, QColor(255, 244, 200));
      stud.setColorAt(1, pal.accent.darker(115));
      p.setBrush(stud);
      p.drawEllipse(cross, 1.3 * k, 1.3 * k);
    }
  }
}

// Tuesday: royal blue with rows of white rosettes.
void rosetteDesign(QPainter& p, const QRectF& panel, double k, const Palette& pal) {
  fillPanel(p, panel, pal);
  const QPointF c = panel.center();
  const double step = 11.0 * k;
  const int n = static_cast<int>(panel.height() / step) + 2;
  for (int row = -n; row <= n; ++row) {
    for (int col = -n; col <= n; ++col) {
      const QPointF at(c.x() + col * step + ((row & 1) ? step / 2 : 0), c.y() + row * step * 0.87);
      p.save();
      p.translate(at);
      p.setPen(Qt::NoPen);
      p.setBrush(WithAlpha(QColor(226, 236, 255), 0.9));
      for (int petal = 0; petal < 8; ++petal) {
        p.save();
        p.rotate(petal * 45.0);
        p.drawEllipse(QPointF(0, -2.5 * k), 0.95 * k, 2.1 * k);
        p.restore();
      }
      p.setBrush(pal.accent);
      p.drawEllipse(QPointF(0, 0), 1.15 * k, 1.15 * k);
      p.restore();
      // A small dot in the gaps between rosettes.
      p.setPen(Qt::NoPen);
      p.setBrush(WithAlpha(QColor(150, 185, 250), 0.8));
      p.drawEllipse(at + QPointF(step / 2, step * 0.29), 0.6 * k, 0.6 * k);
    }
  }
}

// Wednesday: green with rows of cream waves.
void waveDesign(QPainter& p, const QRectF& panel, double k, const Palette& pal) {
  fillPanel(p, panel, pal);
  const double rowStep = 5.2 * k;
  const double wave = 11.0 * k;
  const double amp = 1.6 * k;
  const double midY = panel.center().y();
  const int rows = static_cast<int>(panel.height() / rowStep / 2) + 2;
  for (int row = -rows; row <= rows; ++row) {
    const double y0 = midY + row * rowStep;
    const double phase = (row & 1) ? kPi : 0.0;
    QPainterPath path;
    for (double x = panel.left() - wave; x <= panel.right() + wave; x += 0.5 * k) {
      const double y = y0 + amp * std::sin(2 * kPi * (x - panel.center().x()) / wave + phase);
      if (x == panel.left() - wave)
        path.moveTo(x, y);
      else
        path.lineTo(x, y);
    }
    p.strokePath(path, QPen(WithAlpha(pal.accent, 0.85), 1.05 * k));
    p.strokePath(path.translated(0, rowStep / 2), QPen(WithAlpha(pal.centre.lighter(150), 0.5), 0.6 * k));
  }
}

// Thursday: charcoal with nested gold diamonds around a gold centre.
void diamondDesign(QPainter& p, const QRectF& panel, double k, const Palette& pal) {
  fillPanel(p, panel, pal);
  const QPointF c = panel.center();
  const double ratio = 1.38;
  auto rhombus = [&](double half) {
    QPolygonF d;
    d << c + QPointF(0, -half * ratio) << c + QPointF(half, 0) << c + QPointF(0, half * ratio)
      << c + QPointF(-half, 0);
    return d;
  };
  const int rings = 16;
  for (int i = rings; i >= 1; --i) {
    const double half = i * 3.4 * k;
    const bool gold = (i % 2) == 0;
    p.setPen(QPen(gold ? WithAlpha(pal.accent, 0.9) : WithAlpha(pal.accent.darker(170), 0.8),
                  gold ? 0.9 * k : 0.6 * k));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(rhombus(half));
  }
  // A gold diamond in the middle with a dark core.
  QLinearGradient g(c + QPointF(0, -7 * k), c + QPointF(0, 7 * k));
  g.setColorAt(0, QColor(255, 236, 170));
  g.setColorAt(1, pal.accent.darker(125));
  p.setPen(QPen(pal.accent.darker(160), 0.6 * k));
  p.setBrush(g);
  p.drawPolygon(rhombus(5.2 * k));
  p.setPen(Qt::NoPen);
  p.setBrush(pal.edge);
  p.drawPolygon(rhombus(1.9 * k));
}

// Friday: a two-tone chestnut harlequin with fine cream crossing lines.
void harlequinDesign(QPainter& p, const QRectF& panel, double k, const Palette& pal) {
  const QPointF c = panel.center();
  const double hx = 6.5 * k, hy = 9.0 * k;  // half-diagonals of one tile
  const int nx = static_cast<int>(panel.width() / (2 * hx)) + 2;
  const int ny = static_cast<int>(panel.height() / (2 * hy)) + 2;
  p.fillRect(panel, pal.edge);
  p.setPen(Qt::NoPen);
  for (int j = -ny * 2; j <= ny * 2; ++j) {
    for (int i = -nx * 2; i <= nx * 2; ++i) {
      if ((i + j) % 2 != 0) continue;
      const QPointF at(c.x() + i * hx, c.y() + j * hy);
      QPolygonF d;
      d << at + QPointF(0, -hy) << at + QPointF(hx, 0) << at + QPointF(0, hy) << at + QPointF(-hx, 0);
      const bool light = (i & 1) == 0;  // neighbours always differ
      QLinearGradient g(at + QPointF(0, -hy), at + QPointF(0, hy));
      g.setColorAt(0, light ? pal.centre.lighter(112) : pal.edge.lighter(120));
      g.setColorAt(1, light ? pal.centre : pal.edge);
      p.setBrush(g);
      p.drawPolygon(d);
    }
  }
  // Thin gold lines through the middle of the tiles, as in an argyle.
  QPen gold(WithAlpha(pal.accent, 0.8), 0.55 * k, Qt::DashLine);
  gold.setDashPattern({2.0, 1.6});
  p.setPen(gold);
  const int n = nx + ny + 2;
  for (int i = -n; i <= n; ++i) {
    const QPointF o(c.x() + i * 2 * hx, c.y());
    p.drawLine(o + QPointF(-n * hx, -n * hy), o + QPointF(n * hx, n * hy));
    p.drawLine(o + QPointF(n * hx, -n * hy), o + QPointF(-n * hx, n * hy));
  }
}

// Saturday: teal with a lattice of overlapping circles and an oval
// medallion in the middle.
void circlesDesign(QPainter& p, const QRectF& panel, double k, const Palette& pal) {
  fillPanel(p, panel, pal);
  const QPointF c = panel.center();
  const double step = 8.0 * k;  // circle radius and grid spacing
  const int n = static_cast<int>(panel.height() / step / 2) + 3;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(pal.accent, 0.5), 0.7 * k));
  for (int j = -n; j <= n; ++j)
    for (int i = -n; i <= n; ++i) p.drawEllipse(QPointF(c.x() + i * step, c.y() + j * step), step, step);
  // Where four circles meet, a small light dot.
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(pal.accent, 0.9));
  for (int j = -n; j <= n; ++j)
    for (int i = -n; i <= n; ++i) p.drawEllipse(QPointF(c.x() + (i + 0.5) * step, c.y() + (j + 0.5) * step), 0.9 * k, 0.9 * k);

  // The medallion.
  const QSizeF half(12.5 * k, 17.0 * k);
  QRadialGradient g(c - QPointF(3 * k, 4 * k), half.height() * 1.3);
  g.setColorAt(0, pal.centre.lighter(115));
  g.setColorAt(1, pal.edge);
  p.setBrush(g);
  p.setPen(QPen(QColor(255, 255, 255, 235), 1.1 * k));
  p.drawEllipse(c, half.width(), half.height());
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(pal.accent, 0.9), 0.6 * k));
  p.drawEllipse(c, half.width() - 2.2 * k, half.height() - 2.2 * k);
  // A four-petal flower inside.
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(QColor(255, 255, 255), 0.92));
  for (int petal = 0; petal < 4; ++petal) {
    p.save();
    p.translate(c);
    p.rotate(45 + petal * 90.0);
    p.drawEllipse(QPointF(0, -4.2 * k), 1.9 * k, 3.6 * k);
    p.restore();
  }
  p.setBrush(QColor(244, 200, 90));
  p.drawEllipse(c, 1.8 * k, 1.8 * k);
}

// Sunday: violet with a sunburst and a golden star in the middle.
void sunburstDesign(QPainter& p, const QRectF& panel, double k, const Palette& pal) {
  fillPanel(p, panel, pal);
  const QPointF c = panel.center();
  const double far = std::hypot(panel.width(), panel.height());
  const int rays = 36;
  p.setPen(Qt::NoPen);
  for (int i = 0; i < rays; i += 2) {
    const double a0 = 2 * kPi * i / rays, a1 = 2 * kPi * (i + 1) / rays;
    QPolygonF wedge;
    wedge << c << c + QPointF(far * std::cos(a0), far * std::sin(a0)) << c + QPointF(far * std::cos(a1), far * std::sin(a1));
    QRadialGradient g(c, far * 0.6);
    g.setColorAt(0, WithAlpha(pal.centre.lighter(160), 0.55));
    g.setColorAt(1, WithAlpha(pal.centre.lighter(120), 0.15));
    p.setBrush(g);
    p.drawPolygon(wedge);
  }
  // Small stars scattered in a ring.
  auto star = [&](QPointF at, double outer, double inner, int points) {
    QPolygonF s;
    for (int i = 0; i < points * 2; ++i) {
      const double a = -kPi / 2 + kPi * i / points;
      const double r = (i % 2) ? inner : outer;
      s << at + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return s;
  };
  p.setBrush(WithAlpha(pal.accent, 0.9));
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * kPi * i / 8 + kPi / 8;
    p.drawPolygon(star(c + QPointF(std::cos(a) * 19 * k, std::sin(a) * 26 * k), 2.0 * k, 0.8 * k, 5));
  }
  // The sun.
  QRadialGradient sun(c - QPointF(2 * k, 2 * k), 12 * k);
  sun.setColorAt(0, QColor(255, 246, 200));
  sun.setColorAt(0.6, pal.accent);
  sun.setColorAt(1, pal.accent.darker(135));
  p.setBrush(sun);
  p.setPen(QPen(pal.accent.darker(170), 0.6 * k));
  p.drawPolygon(star(c, 11.5 * k, 5.5 * k, 12));
  p.drawEllipse(c, 5.0 * k, 5.0 * k);
}

using Design = void (*)(QPainter&, const QRectF&, double, const Palette&);

struct BackStyle {
  Design design;
  Palette palette;
};

const BackStyle kBacks[7] = {
    {latticeDesign, {QColor(182, 22, 42), QColor(104, 6, 20), QColor(236, 196, 110)}},
    {rosetteDesign, {QColor(36, 92, 190), QColor(14, 40, 106), QColor(244, 200, 90)}},
    {waveDesign, {QColor(30, 130, 66), QColor(10, 62, 32), QColor(246, 236, 196)}},
    {diamondDesign, {QColor(54, 56, 64), QColor(18, 19, 23), QColor(226, 180, 84)}},
    {harlequinDesign, {QColor(150, 92, 48), QColor(74, 38, 16), QColor(250, 226, 170)}},
    {circlesDesign, {QColor(18, 136, 140), QColor(4, 70, 76), QColor(186, 244, 236)}},
    {sunburstDesign, {QColor(128, 52, 176), QColor(54, 14, 88), QColor(250, 200, 80)}},
};

}  // namespace

QImage BuiltinBack(int w, int h, int index) {
  const BackStyle& style = kBacks[index - 1];
  TFrame frame;
  frame.rim = WithAlpha(style.palette.edge.darker(150), 0.9);
  frame.line = WithAlpha(style.palette.accent, 0.95);
  frame.sheen = 46;
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { style.design(p, panel, k, style.palette); });
}

}  // namespace packgen::backs
