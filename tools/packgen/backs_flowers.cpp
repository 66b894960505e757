// "Flowers": ten backs, each a flower in an oval over a field of little
// blossoms: tulip, rose, daisy, sunflower, poppy, bluebell, forget-me-not,
// water lily, pansy and tiger lily.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

// All flowers draw in a unit box centred on the origin.

QPainterPath PetalPath(double length, double width, double tip = 0.0) {
  // A petal from the origin pointing up; tip > 0 makes it pointed.
  QPainterPath path;
  path.moveTo(0, 0);
  path.cubicTo(width, -length * 0.2, width * (1 - tip), -length * (0.9 + tip * 0.1), 0, -length);
  path.cubicTo(-width * (1 - tip), -length * (0.9 + tip * 0.1), -width, -length * 0.2, 0, 0);
  return path;
}

void FillPetal(QPainter& p, QPointF at, double turnDeg, double length, double width, const QColor& base, double tip = 0.0) {
  p.save();
  p.translate(at);
  p.rotate(turnDeg);
  QLinearGradient g(0, 0, 0, -length);
  g.setColorAt(0, base.darker(125));
  g.setColorAt(0.6, base);
  g.setColorAt(1, base.lighter(118));
  p.setBrush(g);
  p.drawPath(PetalPath(length, width, tip));
  p.restore();
}

void Leaf(QPainter& p, QPointF at, double turnDeg, double length, double width) {
  const QColor green(64, 124, 52);
  p.save();
  p.setPen(QPen(green.darker(150), 0.008));
  FillPetal(p, at, turnDeg, length, width, green, 0.6);
  p.translate(at);
  p.rotate(turnDeg);
  p.drawLine(QPointF(0, 0), QPointF(0, -length * 0.85));
  p.restore();
}

void Stem(QPainter& p, const QPainterPath& path, double width = 0.025) {
  p.strokePath(path, QPen(QColor(60, 110, 48), width, Qt::SolidLine, Qt::RoundCap));
}

void Tulip(QPainter& p) {
  QPainterPath stem;
  stem.moveTo(0, 0.48);
  stem.cubicTo(0.0, 0.2, 0.02, 0.0, 0, -0.1);
  Stem(p, stem, 0.03);
  Leaf(p, {0, 0.46}, -28, 0.46, 0.09);
  Leaf(p, {0, 0.46}, 24, 0.38, 0.08);
  const QColor red(214, 36, 48);
  p.setPen(QPen(red.darker(160), 0.006));
  FillPetal(p, {0, -0.02}, -24, 0.36, 0.13, red.darker(112), 0.4);
  FillPetal(p, {0, -0.02}, 24, 0.36, 0.13, red.darker(112), 0.4);
  FillPetal(p, {0, 0.0}, 0, 0.4, 0.16, red, 0.45);
}

void Rose(QPainter& p) {
  Leaf(p, {0.1, 0.1}, 130, 0.36, 0.12);
  Leaf(p, {-0.1, 0.1}, -130, 0.36, 0.12);
  Leaf(p, {0.05, -0.05}, 60, 0.32, 0.1);
  const QColor rose(206, 40, 84);
  p.setPen(QPen(rose.darker(170), 0.007));
  for (int ring = 0; ring < 4; ++ring) {
    const double r = 0.3 - ring * 0.07;
    const int petals = 5;
    for (int i = 0; i < petals; ++i) {
      const double a = 360.0 * i / petals + ring * 36;
      QRadialGradient g(0, 0, r);
      g.setColorAt(0, rose.darker(150));
      g.setColorAt(1, rose.lighter(100 + ring * 12));
      p.save();
      p.rotate(a);
      p.setBrush(g);
      p.drawEllipse(QPointF(0, -r * 0.55), r * 0.55, r * 0.5);
      p.restore();
    }
  }
  p.setBrush(rose.darker(160));
  p.drawEllipse(QPointF(0, 0), 0.04, 0.04);
}

void RayFlower(QPainter& p, int petals, double length, double width, const QColor& petal, const QColor& centre,
               double centreR, double tip) {
  p.setPen(QPen(petal.darker(150), 0.006));
  for (int layer = 0; layer < 2; ++layer)
    for (int i = 0; i < petals; ++i)
      FillPetal(p, {0, 0}, 360.0 * (i + layer * 0.5) / petals, length * (layer ? 0.9 : 1.0), width,
                layer ? petal : petal.darker(108), tip);
  QRadialGradient g(-centreR * 0.3, -centreR * 0.3, centreR * 1.2);
  g.setColorAt(0, centre.lighter(140));
  g.setColorAt(1, centre.darker(130));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(QPointF(0, 0), centreR, centreR);
}

void Daisy(QPainter& p) { RayFlower(p, 14, 0.4, 0.055, QColor(252, 252, 248), QColor(244, 188, 30), 0.1, 0.2); }

void Sunflower(QPainter& p) {
  RayFlower(p, 16, 0.42, 0.07, QColor(250, 196, 24), QColor(110, 64, 24), 0.18, 0.5);
  p.setBrush(QColor(60, 32, 12));
  for (int i = 0; i < 60; ++i) {
    const double a = i * 2.39996, r = 0.16 * std::sqrt(i / 60.0);
    p.drawEllipse(QPointF(r * std::cos(a), r * std::sin(a)), 0.011, 0.011);
  }
}

void Poppy(QPainter& p) {
  Leaf(p, {0.0, 0.2}, 150, 0.3, 0.08);
  Leaf(p, {0.0, 0.2}, -150, 0.3, 0.08);
  const QColor red(222, 40, 30);
  p.setPen(QPen(red.darker(170), 0.006));
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.rotate(45 + i * 90);
    QRadialGradient g(0, 0, 0.36);
    g.setColorAt(0, QColor(40, 10, 10));
    g.setColorAt(0.25, red.darker(120));
    g.setColorAt(1, red.lighter(115));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, -0.2), 0.2, 0.21);
    p.restore();
  }
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(QPointF(0, 0), 0.07, 0.07);
  p.setBrush(QColor(20, 20, 20));
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12;
    p.drawEllipse(QPointF(0.1 * std::cos(a), 0.1 * std::sin(a)), 0.014, 0.014);
  }
}

void Bell(QPainter& p, QPointF at, double size, double turnDeg, const QColor& c) {
  p.save();
  p.translate(at);
  p.rotate(turnDeg);
  QPainterPath bell;
  bell.moveTo(-0.3 * size, 0);
  bell.cubicTo(-0.35 * size, 0.55 * size, -0.45 * size, 0.8 * size, -0.55 * size, size);
  bell.quadTo(-0.3 * size, 0.88 * size, -0.2 * size, 1.02 * size);
  bell.quadTo(0, 0.88 * size, 0.2 * size, 1.02 * size);
  bell.quadTo(0.3 * size, 0.88 * size, 0.55 * size, size);
  bell.cubicTo(0.45 * size, 0.8 * size, 0.35 * size, 0.55 * size, 0.3 * size, 0);
  bell.quadTo(0, -0.12 * size, -0.3 * size, 0);
  QLinearGradient g(-0.5 * size, 0, 0.5 * size, 0);
  g.setColorAt(0, c.lighter(125));
  g.setColorAt(1, c.darker(125));
  p.setBrush(g);
  p.setPen(QPen(c.darker(170), 0.006));
  p.drawPath(bell);
  p.restore();
}

void Bluebell(QPainter& p) {
  Leaf(p, {-0.05, 0.48}, -14, 0.62, 0.07);
  Leaf(p, {0.05, 0.48}, 18, 0.5, 0.06);
  QPainterPath stem;
  stem.moveTo(0, 0.48);
  stem.cubicTo(0.02, 0.0, 0.06, -0.3, 0.28, -0.42);
  Stem(p, stem);
  const QColor blue(70, 80, 200);
  const QPointF at[5] = {{0.27, -0.41}, {0.16, -0.34}, {0.08, -0.22}, {0.04, -0.08}, {0.03, 0.06}};
  for (int i = 0; i < 5; ++i) {
    const double side = (i & 1) ? 1 : -1;
    QPainterPath pedicel;
    pedicel.moveTo(at[i]);
    pedicel.quadTo(at[i] + QPointF(side * 0.06, -0.02), at[i] + QPointF(side * 0.1, 0.04));
    Stem(p, pedicel, 0.012);
    Bell(p, at[i] + QPointF(side * 0.1, 0.04), 0.12 - i * 0.004, side * -10, blue);
  }
}

void SmallBlossom(QPainter& p, QPointF at, double r, const QColor& petal, const QColor& eye) {
  p.setPen(QPen(petal.darker(150), r * 0.08));
  p.setBrush(petal);
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * kPi * i / 5 - kPi / 2;
    p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * r * 0.55, r * 0.45, r * 0.45);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(eye);
  p.drawEllipse(at, r * 0.28, r * 0.28);
}

void ForgetMeNot(QPainter& p) {
  Leaf(p, {0, 0.2}, 160, 0.3, 0.08);
  Leaf(p, {0, 0.2}, -160, 0.3, 0.08);
  const QPointF at[7] = {{0, 0}, {-0.2, -0.08}, {0.2, -0.06}, {-0.1, -0.25}, {0.12, -0.24}, {-0.14, 0.14}, {0.15, 0.14}};
  for (int i = 0; i < 7; ++i) SmallBlossom(p, at[i], i == 0 ? 0.13 : 0.11, QColor(90, 150, 230), QColor(250, 220, 60));
}

void WaterLily(QPainter& p) {
  // The pad.
  QPainterPath pad;
  pad.addEllipse(QPointF(0, 0.2), 0.46, 0.16);
  QPainterPath notch;
  notch.moveTo(0, 0.2);
  notch.lineTo(0.5, 0.26);
  notch.lineTo(0.5, 0.4);
  notch.closeSubpath();
  QLinearGradient pg(0, 0.04, 0, 0.36);
  pg.setColorAt(0, QColor(90, 160, 70));
  pg.setColorAt(1, QColor(40, 100, 40));
  p.setPen(QPen(QColor(30, 70, 30), 0.008));
  p.setBrush(pg);
  p.drawPath(Subtracted(pad, notch));
  const QColor pink(236, 120, 170);
  p.setPen(QPen(pink.darker(160), 0.006));
  for (int i = 0; i < 7; ++i) FillPetal(p, {0, 0.14}, -75 + i * 25, 0.34, 0.07, pink.darker(108), 0.6);
  for (int i = 0; i < 5; ++i) FillPetal(p, {0, 0.14}, -50 + i * 25, 0.38, 0.075, pink.lighter(110), 0.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 210, 60));
  p.drawEllipse(QPointF(0, 0.06), 0.06, 0.04);
}

void Pansy(QPainter& p) {
  const QColor violet(100, 50, 160), yellow(250, 210, 50);
  p.setPen(QPen(violet.darker(160), 0.006));
  auto petal = [&](QPointF c, double rx, double ry, const QColor& col) {
    QRadialGradient g(c, std::max(rx, ry));
    g.setColorAt(0, col.lighter(110));
    g.setColorAt(1, col.darker(115));
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
  };
  petal({-0.13, -0.2}, 0.17, 0.19, violet);
  petal({0.13, -0.2}, 0.17, 0.19, violet);
  petal({-0.2, 0.02}, 0.16, 0.15, yellow);
  petal({0.2, 0.02}, 0.16, 0.15, yellow);
  petal({0, 0.16}, 0.2, 0.18, yellow);
  // The dark face.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 20, 90));
  for (QPointF at : {QPointF(-0.14, 0.02), QPointF(0.14, 0.02), QPointF(0, 0.12)}) {
    p.drawEllipse(at, 0.08, 0.07);
  }
  p.setBrush(QColor(250, 246, 230));
  p.drawEllipse(QPointF(0, 0.02), 0.04, 0.04);
}

void TigerLily(QPainter& p) {
  const QColor orange(240, 120, 30);
  p.setPen(QPen(orange.darker(160), 0.006));
  for (int i = 0; i < 6; ++i) FillPetal(p, {0, 0}, i * 60.0 + 30, 0.44, 0.17, orange, 0.45);
  for (int i = 0; i < 6; ++i) FillPetal(p, {0, 0}, i * 60.0 + 30, 0.3, 0.07, orange.lighter(125), 0.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 30, 20));
  for (int i = 0; i < 6; ++i)
    for (int j = 1; j <= 3; ++j) {
      const double a = (i * 60.0 + 30 - 90) * kPi / 180 + (j & 1 ? 0.08 : -0.08);
      p.drawEllipse(QPointF(std::cos(a), std::sin(a)) * (0.08 + j * 0.06), 0.014, 0.014);
    }
  p.setPen(QPen(QColor(120, 140, 60), 0.012));
  for (int i = 0; i < 6; ++i) {
    const double a = (i * 60.0) * kPi / 180;
    p.drawLine(QPointF(0, 0), QPointF(std::cos(a), std::sin(a)) * 0.22);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 50, 20));
  for (int i = 0; i < 6; ++i) {
    const double a = (i * 60.0) * kPi / 180;
    p.drawEllipse(QPointF(std::cos(a), std::sin(a)) * 0.23, 0.03, 0.015);
  }
}

using TFlower = void (*)(QPainter&);
const TFlower kFlowers[10] = {Tulip, Rose, Daisy, Sunflower, Poppy, Bluebell, ForgetMeNot, WaterLily, Pansy, TigerLily};

// The field colour of each back, chosen to set its flower off.
const QColor kFlowerFields[10] = {
    QColor(46, 110, 70),  QColor(52, 96, 60),   QColor(60, 110, 170), QColor(44, 80, 150),  QColor(70, 110, 50),
    QColor(170, 140, 60), QColor(160, 90, 110), QColor(30, 100, 120), QColor(180, 150, 60), QColor(50, 90, 110),
};

void FlowerPanel(QPainter& p, const QRectF& panel, double k, int index) {
  const QColor field = kFlowerFields[(index - 1) % 10];
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, field.lighter(112));
  g.setColorAt(1, field.darker(140));
  p.fillRect(panel, g);
  // Little blossoms and leaf pairs in a staggered grid.
  const QColor light = Mix(field, QColor(255, 250, 235), 0.55);
  ForGrid(panel, 8.0 * k, 6.5 * k, true, [&](QPointF at, int i, int j) {
    if ((i + j) & 1) {
      SmallBlossom(p, at, 1.7 * k, light, field.darker(110));
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(WithAlpha(light, 0.55));
      p.drawEllipse(at + QPointF(-1.0 * k, 0), 1.2 * k, 0.5 * k);
      p.drawEllipse(at + QPointF(1.0 * k, 0), 1.2 * k, 0.5 * k);
    }
  });
  const QRectF oval = MedallionRect(panel, 0.8, 1.3);
  QRadialGradient og(oval.center() - QPointF(oval.width() * 0.2, oval.height() * 0.25), oval.height() * 0.8);
  og.setColorAt(0, QColor(255, 253, 244));
  og.setColorAt(1, QColor(238, 232, 212));
  FramedOval(p, oval, k, og, field.darker(170), QColor(214, 180, 100));
  const double size = oval.width() * 0.86;
  p.save();
  QPainterPath inside;
  inside.addEllipse(oval.adjusted(2 * k, 2 * k, -2 * k, -2 * k));
  p.setClipPath(inside);
  p.translate(oval.center());
  p.scale(size, size);
  kFlowers[(index - 1) % 10](p);
  p.restore();
}

}  // namespace

QImage FlowersBack(int w, int h, int index) {
  const QColor field = kFlowerFields[(index - 1) % 10];
  TFrame frame;
  frame.rim = field.darker(200);
  frame.line = QColor(246, 236, 206);
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { FlowerPanel(p, panel, k, index); });
}

}  // namespace packgen::backs
