// "Animals": ten backs, each an animal in an oval over a field of paw
// prints: cat, rabbit, fish, swallow, owl, deer, elephant, swan, snail and
// butterfly.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

// An animal in a unit box centred on the origin: the silhouette and the
// light details (eyes, ear lines) drawn over it.
struct TFigure {
  QPainterPath body, light;
};

QPainterPath Ellipse(QPointF c, double rx, double ry, double turnDeg = 0) {
  QPainterPath e;
  e.addEllipse(QPointF(0, 0), rx, ry);
  return QTransform().translate(c.x(), c.y()).rotate(turnDeg).map(e);
}

QPainterPath Poly(std::initializer_list<QPointF> pts) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(pts)));
  path.closeSubpath();
  return path;
}

void Add(QPainterPath& to, const QPainterPath& part) { to = United(to, part); }

TFigure Cat() {
  TFigure f;
  Add(f.body, Ellipse({0, 0.2}, 0.23, 0.27));
  Add(f.body, Ellipse({0, -0.2}, 0.16, 0.14));
  Add(f.body, Poly({{-0.155, -0.22}, {-0.13, -0.43}, {-0.02, -0.32}}));
  Add(f.body, Poly({{0.155, -0.22}, {0.13, -0.43}, {0.02, -0.32}}));
  QPainterPath tail;
  tail.moveTo(0.15, 0.44);
  tail.cubicTo(0.4, 0.46, 0.46, 0.26, 0.38, 0.08);
  tail.cubicTo(0.34, 0.0, 0.4, -0.06, 0.44, -0.04);
  Add(f.body, Stroked(tail, 0.075));
  Add(f.light, Ellipse({-0.065, -0.21}, 0.03, 0.022));
  Add(f.light, Ellipse({0.065, -0.21}, 0.03, 0.022));
  QPainterPath legs;
  legs.moveTo(-0.06, 0.3);
  legs.lineTo(-0.06, 0.46);
  legs.moveTo(0.06, 0.3);
  legs.lineTo(0.06, 0.46);
  Add(f.light, Stroked(legs, 0.018));
  return f;
}

TFigure Rabbit() {
  TFigure f;
  Add(f.body, Ellipse({0.08, 0.2}, 0.27, 0.22));
  Add(f.body, Ellipse({-0.18, -0.04}, 0.15, 0.12, -20));
  Add(f.body, Ellipse({-0.12, -0.3}, 0.055, 0.19, 12));
  Add(f.body, Ellipse({-0.22, -0.3}, 0.055, 0.19, -14));
  Add(f.body, Ellipse({0.36, 0.12}, 0.07, 0.07));
  Add(f.body, Ellipse({-0.1, 0.4}, 0.13, 0.045));
  Add(f.body, Ellipse({0.22, 0.4}, 0.16, 0.05));
  Add(f.light, Ellipse({-0.2, -0.07}, 0.028, 0.028));
  QPainterPath haunch;
  haunch.moveTo(0.1, 0.38);
  haunch.cubicTo(0.02, 0.22, 0.16, 0.08, 0.28, 0.16);
  Add(f.light, Stroked(haunch, 0.02));
  return f;
}

TFigure Fish() {
  TFigure f;
  QPainterPath body;
  body.moveTo(-0.46, 0.02);
  body.cubicTo(-0.3, -0.26, 0.1, -0.28, 0.3, 0.0);
  body.cubicTo(0.1, 0.26, -0.3, 0.26, -0.46, 0.02);
  Add(f.body, body);
  Add(f.body, Poly({{0.24, 0.0}, {0.48, -0.2}, {0.42, 0.0}, {0.48, 0.2}}));
  Add(f.body, Poly({{-0.12, -0.17}, {0.02, -0.32}, {0.12, -0.18}}));
  Add(f.body, Poly({{-0.05, 0.17}, {0.06, 0.28}, {0.1, 0.15}}));
  Add(f.light, Ellipse({-0.32, -0.03}, 0.035, 0.035));
  QPainterPath gill;
  gill.moveTo(-0.22, -0.12);
  gill.quadTo(-0.16, 0.0, -0.22, 0.12);
  Add(f.light, Stroked(gill, 0.02));
  for (int i = 0; i < 3; ++i) {
    QPainterPath scale;
    const double x = -0.08 + i * 0.1;
    scale.moveTo(x, -0.07);
    scale.quadTo(x + 0.05, 0, x, 0.07);
    Add(f.light, Stroked(scale, 0.014));
  }
  return f;
}

TFigure Swallow() {
  TFigure f;
  Add(f.body, Ellipse({0, -0.04}, 0.075, 0.22));
  Add(f.body, Ellipse({0, -0.25}, 0.07, 0.07));
  QPainterPath wing;
  wing.moveTo(-0.04, -0.14);
  wing.cubicTo(-0.22, -0.26, -0.4, -0.18, -0.5, 0.06);
  wing.cubicTo(-0.36, -0.04, -0.2, -0.02, -0.04, 0.04);
  wing.closeSubpath();
  Add(f.body, wing);
  Add(f.body, QTransform().scale(-1, 1).map(wing));
  Add(f.body, Poly({{-0.05, 0.12}, {-0.15, 0.46}, {0, 0.24}, {0.15, 0.46}, {0.05, 0.12}}));
  Add(f.body, Poly({{-0.025, -0.31}, {0, -0.37}, {0.025, -0.31}}));
  Add(f.light, Ellipse({0, -0.16}, 0.04, 0.05));
  return f;
}

TFigure Owl() {
  TFigure f;
  Add(f.body, Ellipse({0, 0.06}, 0.28, 0.36));
  Add(f.body, Poly({{-0.26, -0.12}, {-0.26, -0.4}, {-0.1, -0.24}}));
  Add(f.body, Poly({{0.26, -0.12}, {0.26, -0.4}, {0.1, -0.24}}));
  QPainterPath branch;
  branch.moveTo(-0.46, 0.44);
  branch.lineTo(0.46, 0.4);
  Add(f.body, Stroked(branch, 0.06));
  for (double x : {-0.08, 0.08}) Add(f.body, Poly({{x - 0.05, 0.38}, {x, 0.44}, {x + 0.05, 0.38}}));
  Add(f.light, Ellipse({-0.11, -0.12}, 0.1, 0.1));
  Add(f.light, Ellipse({0.11, -0.12}, 0.1, 0.1));
  Add(f.light, Poly({{-0.035, -0.04}, {0.035, -0.04}, {0, 0.05}}));
  for (int i = 0; i < 3; ++i)
    for (int j = -1; j <= 1; ++j) {
      QPainterPath v;
      const QPointF at(j * 0.1 + (i & 1) * 0.05 - 0.025, 0.1 + i * 0.08);
      v.moveTo(at + QPointF(-0.035, 0));
      v.quadTo(at + QPointF(0, 0.04), at + QPointF(0.035, 0));
      Add(f.light, Stroked(v, 0.016));
    }
  return f;
}

TFigure Deer() {
  TFigure f;
  Add(f.body, Ellipse({0.08, 0.08}, 0.27, 0.13));
  for (double x : {-0.1, -0.04, 0.2, 0.27}) {
    QPainterPath leg;
    leg.moveTo(x, 0.12);
    leg.lineTo(x + (x < 0 ? -0.03 : 0.02), 0.47);
    Add(f.body, Stroked(leg, 0.045));
  }
  Add(f.body, Poly({{-0.16, 0.04}, {-0.3, -0.2}, {-0.2, -0.24}, {-0.04, -0.04}}));
  Add(f.body, Ellipse({-0.31, -0.22}, 0.11, 0.055, 25));
  Add(f.body, Ellipse({-0.22, -0.29}, 0.05, 0.02, -30));
  Add(f.body, Ellipse({0.35, 0.0}, 0.04, 0.02, -30));
  QPainterPath antler;
  antler.moveTo(-0.27, -0.27);
  antler.cubicTo(-0.24, -0.38, -0.16, -0.44, -0.1, -0.46);
  antler.moveTo(-0.22, -0.37);
  antler.lineTo(-0.3, -0.45);
  antler.moveTo(-0.16, -0.42);
  antler.lineTo(-0.18, -0.5);
  antler.moveTo(-0.29, -0.28);
  antler.cubicTo(-0.34, -0.36, -0.38, -0.42, -0.44, -0.44);
  antler.moveTo(-0.35, -0.37);
  antler.lineTo(-0.35, -0.46);
  Add(f.body, Stroked(antler, 0.03));
  Add(f.light, Ellipse({-0.31, -0.24}, 0.017, 0.017));
  return f;
}

TFigure Elephant() {
  TFigure f;
  Add(f.body, Ellipse({0.1, 0.0}, 0.3, 0.22));
  Add(f.body, Ellipse({-0.22, -0.1}, 0.16, 0.17));
  for (double x : {-0.08, 0.04, 0.2, 0.3}) Add(f.body, Poly({{x - 0.055, 0.1}, {x - 0.05, 0.4}, {x + 0.05, 0.4}, {x + 0.055, 0.1}}));
  QPainterPath trunk;
  trunk.moveTo(-0.32, -0.06);
  trunk.cubicTo(-0.42, 0.06, -0.42, 0.28, -0.36, 0.34);
  trunk.cubicTo(-0.34, 0.36, -0.3, 0.34, -0.3, 0.3);
  Add(f.body, Stroked(trunk, 0.08));
  QPainterPath tail;
  tail.moveTo(0.38, -0.04);
  tail.quadTo(0.46, 0.06, 0.44, 0.16);
  Add(f.body, Stroked(tail, 0.025));
  QPainterPath ear;
  ear.moveTo(-0.14, -0.2);
  ear.cubicTo(0.0, -0.22, 0.02, 0.04, -0.12, 0.08);
  Add(f.light, Stroked(ear, 0.022));
  Add(f.light, Ellipse({-0.27, -0.14}, 0.022, 0.022));
  QPainterPath tusk;
  tusk.moveTo(-0.3, 0.02);
  tusk.quadTo(-0.3, 0.1, -0.22, 0.1);
  Add(f.light, Stroked(tusk, 0.03));
  return f;
}

TFigure Swan() {
  TFigure f;
  QPainterPath body;
  body.moveTo(-0.3, 0.14);
  body.cubicTo(-0.26, 0.34, 0.28, 0.34, 0.44, 0.04);
  body.lineTo(0.46, -0.1);
  body.cubicTo(0.3, 0.0, 0.12, -0.04, -0.02, 0.02);
  body.cubicTo(-0.16, 0.06, -0.26, 0.06, -0.3, 0.14);
  body.closeSubpath();
  Add(f.body, body);
  QPainterPath neck;
  neck.moveTo(-0.2, 0.12);
  neck.cubicTo(-0.02, -0.08, -0.02, -0.3, -0.16, -0.36);
  Add(f.body, Stroked(neck, 0.075));
  Add(f.body, Ellipse({-0.19, -0.36}, 0.07, 0.05, 10));
  Add(f.body, Poly({{-0.24, -0.39}, {-0.36, -0.3}, {-0.22, -0.33}}));
  QPainterPath water;
  for (int row = 0; row < 2; ++row) {
    const double y = 0.38 + row * 0.08;
    water.moveTo(-0.4 + row * 0.08, y);
    for (int i = 0; i < 4; ++i)
      water.quadTo(-0.35 + row * 0.08 + i * 0.2, y - 0.04, -0.3 + row * 0.08 + i * 0.2, y);
  }
  Add(f.body, Stroked(water, 0.025));
  QPainterPath wing;
  wing.moveTo(-0.05, 0.12);
  wing.cubicTo(0.1, 0.06, 0.26, 0.06, 0.38, -0.02);
  Add(f.light, Stroked(wing, 0.02));
  Add(f.light, Ellipse({-0.18, -0.37}, 0.016, 0.016));
  return f;
}

TFigure Snail() {
  TFigure f;
  QPainterPath foot;
  foot.moveTo(-0.46, 0.34);
  foot.cubicTo(-0.44, 0.2, -0.36, 0.06, -0.3, 0.0);
  foot.cubicTo(-0.24, -0.04, -0.18, 0.04, -0.18, 0.14);
  foot.lineTo(0.36, 0.24);
  foot.quadTo(0.46, 0.3, 0.44, 0.34);
  foot.closeSubpath();
  Add(f.body, foot);
  Add(f.body, Ellipse({0.08, -0.02}, 0.27, 0.27));
  QPainterPath horns;
  horns.moveTo(-0.3, 0.0);
  horns.lineTo(-0.36, -0.2);
  horns.moveTo(-0.26, 0.0);
  horns.lineTo(-0.22, -0.2);
  Add(f.body, Stroked(horns, 0.025));
  Add(f.body, Ellipse({-0.36, -0.21}, 0.03, 0.03));
  Add(f.body, Ellipse({-0.22, -0.21}, 0.03, 0.03));
  QPainterPath spiral;
  const QPointF c(0.1, -0.02);
  for (int i = 0; i <= 60; ++i) {
    const double a = i * 0.21;
    const double r = 0.02 + 0.2 * i / 60.0;
    const QPointF at = c + QPointF(std::cos(a) * r, std::sin(a) * r);
    if (i == 0)
      spiral.moveTo(at);
    else
      spiral.lineTo(at);
  }
  Add(f.light, Stroked(spiral, 0.025));
  return f;
}

TFigure Butterfly() {
  TFigure f;
  Add(f.body, Ellipse({-0.2, -0.16}, 0.2, 0.16, 30));
  Add(f.body, Ellipse({0.2, -0.16}, 0.2, 0.16, -30));
  Add(f.body, Ellipse({-0.15, 0.16}, 0.14, 0.12, -30));
  Add(f.body, Ellipse({0.15, 0.16}, 0.14, 0.12, 30));
  Add(f.body, Ellipse({0, 0.02}, 0.035, 0.26));
  QPainterPath feelers;
  feelers.moveTo(-0.01, -0.22);
  feelers.quadTo(-0.04, -0.36, -0.14, -0.42);
  feelers.moveTo(0.01, -0.22);
  feelers.quadTo(0.04, -0.36, 0.14, -0.42);
  Add(f.body, Stroked(feelers, 0.02));
  Add(f.body, Ellipse({-0.14, -0.42}, 0.025, 0.025));
  Add(f.body, Ellipse({0.14, -0.42}, 0.025, 0.025));
  for (int side : {-1, 1}) {
    Add(f.light, Ellipse({side * 0.25, -0.2}, 0.06, 0.05));
    Add(f.light, Ellipse({side * 0.13, -0.1}, 0.03, 0.03));
    Add(f.light, Ellipse({side * 0.17, 0.18}, 0.04, 0.04));
  }
  return f;
}

TFigure Animal(int index) {
  switch (index) {
    case 1: return Cat();
    case 2: return Rabbit();
    case 3: return Fish();
    case 4: return Swallow();
    case 5: return Owl();
    case 6: return Deer();
    case 7: return Elephant();
    case 8: return Swan();
    case 9: return Snail();
    default: return Butterfly();
  }
}

// Field colour, its darker rim, and the figure's colour.
struct TAnimalColours {
  QColor field, ink;
};

const TAnimalColours kAnimalColours[10] = {
    {QColor(176, 70, 40), QColor(60, 30, 20)},    {QColor(70, 120, 60), QColor(40, 50, 30)},
    {QColor(30, 100, 160), QColor(16, 40, 80)},   {QColor(50, 70, 130), QColor(20, 28, 60)},
    {QColor(120, 84, 50), QColor(58, 38, 22)},    {QColor(140, 100, 40), QColor(70, 44, 16)},
    {QColor(110, 110, 118), QColor(44, 44, 52)},  {QColor(30, 110, 130), QColor(14, 50, 64)},
    {QColor(110, 130, 40), QColor(50, 60, 18)},   {QColor(130, 50, 120), QColor(60, 20, 60)},
};

QPainterPath PawPrint() {
  QPainterPath paw;
  paw.addEllipse(QPointF(0, 0.12), 0.22, 0.18);
  paw.addEllipse(QPointF(-0.25, -0.1), 0.08, 0.1);
  paw.addEllipse(QPointF(-0.09, -0.22), 0.08, 0.1);
  paw.addEllipse(QPointF(0.09, -0.22), 0.08, 0.1);
  paw.addEllipse(QPointF(0.25, -0.1), 0.08, 0.1);
  return paw;
}

void AnimalPanel(QPainter& p, const QRectF& panel, double k, const TAnimalColours& c, int index) {
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, c.field.lighter(115));
  g.setColorAt(1, c.field.darker(135));
  p.fillRect(panel, g);
  const QPainterPath paw = PawPrint();
  ForGrid(panel, 9.0 * k, 7.0 * k, true, [&](QPointF at, int i, int j) {
    p.save();
    p.translate(at);
    p.rotate(((i + j) & 1) ? 20 : -20);
    p.scale(5.6 * k, 5.6 * k);
    p.fillPath(paw, WithAlpha(c.field.lighter(150), 0.55));
    p.restore();
  });
  const QRectF oval = MedallionRect(panel, 0.78, 1.3);
  QRadialGradient og(oval.center() - QPointF(oval.width() * 0.2, oval.height() * 0.25), oval.height() * 0.8);
  og.setColorAt(0, QColor(255, 252, 238));
  og.setColorAt(1, QColor(236, 226, 200));
  FramedOval(p, oval, k, og, c.ink, c.field);
  const TFigure f = Animal(index);
  const double size = oval.width() * 0.82;
  p.save();
  p.translate(oval.center());
  p.scale(size, size);
  p.fillPath(f.body, c.ink);
  p.fillPath(f.light, QColor(246, 238, 216));
  p.restore();
}

}  // namespace

QImage AnimalsBack(int w, int h, int index) {
  const TAnimalColours& c = kAnimalColours[(index - 1) % 10];
  TFrame frame;
  frame.rim = c.field.darker(200);
  frame.line = QColor(246, 236, 206);
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { AnimalPanel(p, panel, k, c, index); });
}

}  // namespace packgen::backs
