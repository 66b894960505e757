// "Places": ten backs, each a little landscape in an oval: mountains, a
// sailing boat, a lighthouse, a town of domed churches, a castle, a
// windmill, pyramids, a lake at night, a stone bridge and a city at dusk.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

// Scenes draw in a box one unit wide and 1.3 high centred on the origin;
// the horizon sits a little below the middle.
constexpr double kTop = -0.65, kBottom = 0.65, kLeft = -0.5, kRight = 0.5;

void Sky(QPainter& p, const QColor& top, const QColor& bottom, double horizon) {
  QLinearGradient g(0, kTop, 0, horizon);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(QRectF(kLeft, kTop, 1, horizon - kTop), g);
}

void Ground(QPainter& p, double from, const QColor& top, const QColor& bottom) {
  QLinearGradient g(0, from, 0, kBottom);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(QRectF(kLeft, from, 1, kBottom - from), g);
}

void Sun(QPainter& p, QPointF at, double r, const QColor& c) {
  QRadialGradient glow(at, r * 3);
  glow.setColorAt(0, WithAlpha(c, 0.6));
  glow.setColorAt(1, WithAlpha(c, 0.0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(at, r * 3, r * 3);
  p.setBrush(c);
  p.drawEllipse(at, r, r);
}

// A ridge through the given points down to the bottom of the box.
QPainterPath Ridge(std::initializer_list<QPointF> pts, double bottom = kBottom) {
  QPainterPath path;
  path.moveTo(kLeft - 0.05, bottom);
  for (QPointF pt : pts) path.lineTo(pt);
  path.lineTo(kRight + 0.05, bottom);
  path.closeSubpath();
  return path;
}

QPainterPath Hill(double y, double amp, double phase, double waves) {
  QPainterPath path;
  path.moveTo(kLeft - 0.05, kBottom);
  for (int i = 0; i <= 40; ++i) {
    const double x = kLeft - 0.05 + 1.1 * i / 40;
    path.lineTo(x, y - amp * std::sin(phase + waves * (x - kLeft) * kPi));
  }
  path.lineTo(kRight + 0.05, kBottom);
  path.closeSubpath();
  return path;
}

void Pine(QPainter& p, QPointF foot, double h, const QColor& c) {
  QPolygonF t;
  const double w = h * 0.32;
  t << foot + QPointF(0, -h);
  for (int tier = 1; tier <= 3; ++tier) {
    const double y = -h + h * 0.3 * tier;
    t << foot + QPointF(w * tier / 3, y) << foot + QPointF(w * tier / 3 * 0.45, y);
  }
  QPolygonF right = t;
  QPolygonF full;
  for (const QPointF& pt : right) full << pt;
  for (int i = right.size() - 1; i >= 1; --i) full << QPointF(2 * foot.x() - right[i].x(), right[i].y());
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(full);
  p.fillRect(QRectF(foot.x() - h * 0.03, foot.y() - h * 0.12, h * 0.06, h * 0.12), c.darker(130));
}

void Waves(QPainter& p, double from, double to, const QColor& c) {
  p.setPen(QPen(c, 0.008, Qt::SolidLine, Qt::RoundCap));
  int row = 0;
  for (double y = from; y < to; y += 0.05, ++row) {
    for (double x = kLeft + (row & 1) * 0.06; x < kRight; x += 0.12) {
      QPainterPath w;
      w.moveTo(x, y);
      w.quadTo(x + 0.03, y - 0.015, x + 0.06, y);
      p.drawPath(w);
    }
  }
}

void Mountains(QPainter& p) {
  Sky(p, QColor(70, 140, 220), QColor(200, 226, 246), 0.2);
  Sun(p, {0.22, -0.4}, 0.07, QColor(255, 236, 150));
  const QPainterPath far = Ridge({{-0.5, -0.05}, {-0.32, -0.3}, {-0.12, -0.08}, {0.06, -0.42}, {0.3, -0.12}, {0.5, -0.22}});
  p.fillPath(far, QColor(110, 130, 170));
  // Snow caps.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(246, 248, 252));
  p.drawPolygon(QPolygonF({QPointF(-0.32, -0.3), QPointF(-0.26, -0.23), QPointF(-0.29, -0.24), QPointF(-0.32, -0.21),
                           QPointF(-0.35, -0.24), QPointF(-0.38, -0.22)}));
  p.drawPolygon(QPolygonF({QPointF(0.06, -0.42), QPointF(0.15, -0.307), QPointF(0.11, -0.3), QPointF(0.07, -0.26),
                           QPointF(0.03, -0.3), QPointF(-0.03, -0.25)}));
  p.fillPath(Ridge({{-0.5, 0.0}, {-0.2, -0.16}, {0.0, -0.02}, {0.24, -0.2}, {0.5, -0.04}}), QColor(80, 100, 140));
  p.fillPath(Hill(0.1, 0.05, 0.5, 1.2), QColor(90, 150, 70));
  p.fillPath(Hill(0.3, 0.04, 2.0, 1.6), QColor(60, 120, 50));
  for (double x : {-0.36, -0.28, 0.3, 0.38}) Pine(p, {x, 0.34 + std::abs(x) * 0.05}, 0.2, QColor(30, 80, 40));
}

void Boat(QPainter& p) {
  Sky(p, QColor(90, 160, 230), QColor(220, 236, 250), 0.12);
  Sun(p, {-0.22, -0.36}, 0.07, QColor(255, 240, 170));
  Ground(p, 0.12, QColor(40, 120, 180), QColor(16, 60, 110));
  Waves(p, 0.2, 0.65, QColor(200, 230, 250, 180));
  // The boat.
  QPainterPath hull;
  hull.moveTo(-0.2, 0.1);
  hull.lineTo(0.24, 0.1);
  hull.lineTo(0.16, 0.18);
  hull.lineTo(-0.14, 0.18);
  hull.closeSubpath();
  p.fillPath(hull, QColor(120, 60, 30));
  p.fillRect(QRectF(0.0, -0.36, 0.012, 0.46), QColor(80, 50, 30));
  QPainterPath sail;
  sail.moveTo(0.02, -0.34);
  sail.quadTo(0.18, -0.1, 0.2, 0.06);
  sail.lineTo(0.02, 0.06);
  sail.closeSubpath();
  p.fillPath(sail, QColor(250, 248, 240));
  QPainterPath jib;
  jib.moveTo(-0.01, -0.3);
  jib.lineTo(-0.01, 0.06);
  jib.lineTo(-0.16, 0.06);
  jib.closeSubpath();
  p.fillPath(jib, QColor(236, 90, 70));
  p.setPen(QPen(QColor(40, 50, 70), 0.01, Qt::SolidLine, Qt::RoundCap));
  for (QPointF g : {QPointF(0.25, -0.4), QPointF(0.33, -0.33)}) {
    QPainterPath gull;
    gull.moveTo(g + QPointF(-0.04, 0));
    gull.quadTo(g + QPointF(-0.02, -0.02), g);
    gull.quadTo(g + QPointF(0.02, -0.02), g + QPointF(0.04, 0));
    p.drawPath(gull);
  }
}

void Lighthouse(QPainter& p) {
  Sky(p, QColor(40, 50, 110), QColor(240, 150, 110), 0.15);
  Ground(p, 0.15, QColor(50, 70, 120), QColor(20, 30, 60));
  Waves(p, 0.22, 0.65, QColor(250, 190, 150, 140));
  // Beams of light.
  p.setPen(Qt::NoPen);
  QLinearGradient beam(0.08, -0.3, -0.5, -0.4);
  beam.setColorAt(0, QColor(255, 240, 180, 170));
  beam.setColorAt(1, QColor(255, 240, 180, 0));
  p.setBrush(beam);
  p.drawPolygon(QPolygonF({QPointF(0.08, -0.31), QPointF(-0.5, -0.46), QPointF(-0.5, -0.3)}));
  // The rocks and the tower.
  p.fillPath(Ridge({{-0.1, 0.3}, {0.0, 0.14}, {0.2, 0.1}, {0.34, 0.2}, {0.44, 0.34}}, 0.4), QColor(60, 50, 50));
  QPolygonF tower;
  tower << QPointF(0.02, 0.14) << QPointF(0.05, -0.26) << QPointF(0.13, -0.26) << QPointF(0.16, 0.14);
  p.setBrush(QColor(246, 244, 236));
  p.drawPolygon(tower);
  p.setBrush(QColor(210, 40, 40));
  for (double y : {-0.18, 0.0}) {
    const double t0 = (y + 0.26) / 0.4, t1 = (y + 0.08 + 0.26) / 0.4;
    p.drawPolygon(QPolygonF({QPointF(0.05 - 0.03 * t0, y), QPointF(0.13 + 0.03 * t0, y), QPointF(0.13 + 0.03 * t1, y + 0.08),
                             QPointF(0.05 - 0.03 * t1, y + 0.08)}));
  }
  p.setBrush(QColor(40, 40, 50));
  p.drawRect(QRectF(0.035, -0.28, 0.11, 0.02));
  p.setBrush(QColor(255, 236, 150));
  p.drawRect(QRectF(0.055, -0.35, 0.07, 0.07));
  p.setBrush(QColor(40, 40, 50));
  p.drawPolygon(QPolygonF({QPointF(0.045, -0.35), QPointF(0.09, -0.41), QPointF(0.135, -0.35)}));
}

void Onion(QPainter& p, double x, double base, double w, double h, const QColor& dome) {
  // Drum, onion dome and cross.
  p.fillRect(QRectF(x - w * 0.35, base - h * 0.5, w * 0.7, h * 0.5), QColor(246, 236, 214));
  QPainterPath onion;
  const double y = base - h * 0.5;
  onion.moveTo(x - w * 0.4, y);
  onion.cubicTo(x - w * 0.7, y - h * 0.2, x - w * 0.2, y - h * 0.3, x, y - h * 0.55);
  onion.cubicTo(x + w * 0.2, y - h * 0.3, x + w * 0.7, y - h * 0.2, x + w * 0.4, y);
  onion.closeSubpath();
  QLinearGradient g(x - w * 0.5, 0, x + w * 0.5, 0);
  g.setColorAt(0, dome.lighter(140));
  g.setColorAt(1, dome.darker(130));
  p.fillPath(onion, g);
  p.setPen(QPen(QColor(220, 180, 80), 0.008));
  const double top = y - h * 0.55;
  p.drawLine(QPointF(x, top), QPointF(x, top - h * 0.18));
  p.drawLine(QPointF(x - w * 0.12, top - h * 0.12), QPointF(x + w * 0.12, top - h * 0.12));
  p.setPen(Qt::NoPen);
}

void Town(QPainter& p) {
  Sky(p, QColor(90, 110, 190), QColor(250, 200, 150), 0.22);
  Ground(p, 0.22, QColor(230, 236, 246), QColor(190, 200, 220));  // snow
  p.setPen(Qt::NoPen);
  // The church.
  p.fillRect(QRectF(-0.2, -0.02, 0.4, 0.26), QColor(250, 244, 230));
  p.fillRect(QRectF(-0.05, 0.1, 0.1, 0.14), QColor(120, 60, 40));
  Onion(p, 0, -0.02, 0.2, 0.36, QColor(40, 90, 170));
  Onion(p, -0.14, -0.02, 0.1, 0.18, QColor(210, 170, 60));
  Onion(p, 0.14, -0.02, 0.1, 0.18, QColor(210, 170, 60));
  // Houses.
  auto house = [&](double x, double w, double h, const QColor& c) {
    p.fillRect(QRectF(x, 0.24 - h, w, h), c);
    p.setBrush(QColor(120, 50, 40));
    p.drawPolygon(QPolygonF({QPointF(x - 0.01, 0.24 - h), QPointF(x + w / 2, 0.24 - h - w * 0.5), QPointF(x + w + 0.01, 0.24 - h)}));
    p.fillRect(QRectF(x + w * 0.35, 0.24 - h * 0.65, w * 0.3, h * 0.3), QColor(255, 220, 120));
  };
  house(-0.46, 0.16, 0.14, QColor(200, 160, 110));
  house(-0.3, 0.1, 0.1, QColor(180, 120, 80));
  house(0.22, 0.12, 0.12, QColor(190, 140, 90));
  house(0.34, 0.14, 0.15, QColor(170, 110, 70));
  for (double x : {-0.4, 0.44, -0.16, 0.2}) Pine(p, {x, 0.42 + std::abs(x) * 0.08}, 0.16, QColor(40, 80, 60));
}

void Castle(QPainter& p) {
  Sky(p, QColor(100, 170, 230), QColor(226, 240, 250), 0.1);
  p.fillPath(Hill(0.06, 0.05, 1.0, 1.0), QColor(110, 170, 80));
  p.fillPath(Hill(0.36, 0.04, 0.2, 2.0), QColor(70, 140, 60));
  const QColor stone(200, 190, 170), shade(160, 150, 134);
  auto crenel = [&](double x, double y, double w) {
    for (double cx = x; cx < x + w - 0.01; cx += 0.04) p.fillRect(QRectF(cx, y - 0.025, 0.022, 0.025), stone);
  };
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(-0.22, -0.12, 0.44, 0.2), stone);
  crenel(-0.22, -0.12, 0.44);
  for (double x : {-0.3, 0.2}) {
    p.fillRect(QRectF(x, -0.26, 0.1, 0.34), stone);
    p.fillRect(QRectF(x + 0.07, -0.26, 0.03, 0.34), shade);
    p.setBrush(QColor(170, 60, 50));
    p.drawPolygon(QPolygonF({QPointF(x - 0.015, -0.26), QPointF(x + 0.05, -0.38), QPointF(x + 0.115, -0.26)}));
  }
  p.fillRect(QRectF(-0.06, -0.3, 0.12, 0.3), stone);
  crenel(-0.06, -0.3, 0.13);
  p.setBrush(QColor(80, 60, 50));
  QPainterPath gate;
  gate.moveTo(-0.04, 0.08);
  gate.lineTo(-0.04, 0.0);
  gate.quadTo(0, -0.06, 0.04, 0.0);
  gate.lineTo(0.04, 0.08);
  p.drawPath(gate);
  for (double x : {-0.26, 0.24, -0.02}) p.fillRect(QRectF(x, x == -0.02 ? -0.22 : -0.18, 0.02, 0.05), QColor(70, 60, 60));
  // Flags.
  p.setPen(QPen(QColor(60, 50, 40), 0.008));
  p.drawLine(QPointF(0, -0.33), QPointF(0, -0.46));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(210, 40, 40));
  p.drawPolygon(QPolygonF({QPointF(0, -0.46), QPointF(0.1, -0.43), QPointF(0, -0.4)}));
}

void Windmill(QPainter& p) {
  Sky(p, QColor(110, 170, 230), QColor(236, 244, 250), 0.1);
  Ground(p, 0.1, QColor(230, 190, 70), QColor(170, 120, 40));
  p.setPen(QPen(QColor(200, 150, 50), 0.01));
  for (int i = -6; i <= 6; ++i) p.drawLine(QPointF(i * 0.02, 0.12), QPointF(i * 0.14, 0.65));
  // The mill.
  p.setPen(Qt::NoPen);
  QPolygonF body;
  body << QPointF(-0.1, 0.2) << QPointF(-0.06, -0.16) << QPointF(0.06, -0.16) << QPointF(0.1, 0.2);
  p.setBrush(QColor(236, 226, 206));
  p.drawPolygon(body);
  p.setBrush(QColor(150, 60, 40));
  p.drawPolygon(QPolygonF({QPointF(-0.08, -0.15), QPointF(0, -0.25), QPointF(0.08, -0.15)}));
  p.setBrush(QColor(110, 70, 40));
  p.drawRect(QRectF(-0.025, 0.1, 0.05, 0.1));
  // Sails.
  const QPointF hub(0, -0.16);
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(hub);
    p.rotate(20 + i * 90);
    p.fillRect(QRectF(-0.008, -0.36, 0.016, 0.36), QColor(90, 60, 40));
    p.setBrush(QColor(250, 248, 240, 230));
    p.setPen(QPen(QColor(120, 90, 60), 0.005));
    p.drawRect(QRectF(0.008, -0.34, 0.06, 0.26));
    p.setPen(Qt::NoPen);
    p.restore();
  }
  p.setBrush(QColor(60, 40, 30));
  p.drawEllipse(hub, 0.02, 0.02);
}

void Pyramids(QPainter& p) {
  Sky(p, QColor(240, 170, 80), QColor(254, 230, 170), 0.16);
  Sun(p, {-0.2, -0.25}, 0.09, QColor(255, 250, 220));
  Ground(p, 0.16, QColor(230, 190, 120), QColor(190, 140, 80));
  auto pyramid = [&](double x, double base, double half, double h) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 180, 110));
    p.drawPolygon(QPolygonF({QPointF(x - half, base), QPointF(x, base - h), QPointF(x + half * 0.3, base)}));
    p.setBrush(QColor(170, 120, 60));
    p.drawPolygon(QPolygonF({QPointF(x + half * 0.3, base), QPointF(x, base - h), QPointF(x + half, base)}));
  };
  pyramid(0.22, 0.2, 0.2, 0.24);
  pyramid(-0.06, 0.24, 0.3, 0.38);
  // A palm.
  const QColor palm(50, 90, 40);
  QPainterPath trunk;
  trunk.moveTo(-0.36, 0.44);
  trunk.quadTo(-0.34, 0.2, -0.26, 0.04);
  p.strokePath(trunk, QPen(QColor(110, 80, 40), 0.03, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 6; ++i) {
    p.save();
    p.translate(-0.26, 0.04);
    p.rotate(-150 + i * 55);
    QPainterPath frond;
    frond.moveTo(0, 0);
    frond.quadTo(0.08, -0.06, 0.18, 0.02);
    frond.quadTo(0.08, -0.02, 0, 0);
    p.fillPath(frond, palm);
    p.restore();
  }
  Ground(p, 0.44, QColor(220, 176, 110), QColor(190, 140, 80));
}

void NightLake(QPainter& p) {
  Sky(p, QColor(10, 20, 60), QColor(50, 70, 130), 0.1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 230));
  const QPointF stars[9] = {{-0.35, -0.5}, {-0.2, -0.38}, {0.05, -0.52}, {0.32, -0.2}, {-0.4, -0.22},
                            {-0.1, -0.2},  {0.38, -0.48}, {0.15, -0.34}, {-0.28, -0.05}};
  for (QPointF s : stars) p.drawPolygon(Star(s, 0.018, 0.007, 4));
  // The moon.
  QPainterPath moon, bite;
  moon.addEllipse(QPointF(0.2, -0.4), 0.08, 0.08);
  bite.addEllipse(QPointF(0.24, -0.43), 0.07, 0.07);
  p.fillPath(Subtracted(moon, bite), QColor(255, 246, 200));
  p.fillPath(Hill(0.02, 0.06, 0.3, 1.3), QColor(20, 40, 50));
  for (int i = 0; i < 9; ++i) {
    const double x = -0.48 + i * 0.12;
    Pine(p, {x, 0.12}, 0.18 + 0.06 * std::sin(i * 1.7), QColor(16, 34, 40));
  }
  Ground(p, 0.12, QColor(30, 50, 100), QColor(10, 20, 50));
  // The moon's path on the water.
  p.setPen(QPen(QColor(255, 240, 190, 180), 0.012, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 7; ++i) {
    const double y = 0.18 + i * 0.06, half = 0.06 - i * 0.006;
    p.drawLine(QPointF(0.2 - half, y), QPointF(0.2 + half, y));
  }
}

void Bridge(QPainter& p) {
  Sky(p, QColor(120, 180, 230), QColor(230, 240, 246), 0.05);
  p.fillPath(Hill(0.0, 0.04, 0.7, 1.5), QColor(110, 160, 90));
  p.setPen(Qt::NoPen);
  // Town on the far bank.
  for (int i = 0; i < 6; ++i) {
    const double x = -0.42 + i * 0.15, h = 0.07 + 0.04 * ((i * 7) % 3);
    p.fillRect(QRectF(x, -0.02 - h, 0.1, h), QColor(210, 190, 160));
    p.setBrush(QColor(170, 80, 60));
    p.drawPolygon(QPolygonF({QPointF(x - 0.01, -0.02 - h), QPointF(x + 0.05, -0.06 - h), QPointF(x + 0.11, -0.02 - h)}));
  }
  p.fillRect(QRectF(-0.02, -0.3, 0.05, 0.2), QColor(200, 180, 150));
  p.setBrush(QColor(90, 110, 80));
  p.drawPolygon(QPolygonF({QPointF(-0.03, -0.3), QPointF(0.005, -0.38), QPointF(0.04, -0.3)}));
  Ground(p, 0.08, QColor(70, 130, 180), QColor(30, 70, 120));
  Waves(p, 0.34, 0.65, QColor(190, 220, 245, 150));
  // The bridge: a deck on three arches.
  QPainterPath bridge;
  bridge.addRect(QRectF(-0.55, 0.02, 1.1, 0.26));
  for (int i = -1; i <= 1; ++i) {
    QPainterPath arch;
    const double cx = i * 0.34;
    arch.moveTo(cx - 0.14, 0.3);
    arch.lineTo(cx - 0.14, 0.2);
    arch.cubicTo(cx - 0.14, 0.1, cx + 0.14, 0.1, cx + 0.14, 0.2);
    arch.lineTo(cx + 0.14, 0.3);
    arch.closeSubpath();
    bridge = Subtracted(bridge, arch);
  }
  QLinearGradient bg(0, 0.02, 0, 0.28);
  bg.setColorAt(0, QColor(200, 170, 130));
  bg.setColorAt(1, QColor(150, 120, 90));
  p.fillPath(bridge, bg);
  p.fillRect(QRectF(-0.55, 0.0, 1.1, 0.025), QColor(120, 96, 70));
}

void City(QPainter& p) {
  Sky(p, QColor(40, 30, 90), QColor(240, 120, 100), 0.24);
  Sun(p, {0.0, 0.2}, 0.12, QColor(255, 200, 120));
  p.setPen(Qt::NoPen);
  const double heights[11] = {0.3, 0.45, 0.36, 0.55, 0.4, 0.8, 0.42, 0.5, 0.34, 0.48, 0.3};
  for (int i = 0; i < 11; ++i) {
    const double x = -0.55 + i * 0.1, h = heights[i];
    const QColor c = i == 5 ? QColor(40, 36, 60) : QColor(30 + i * 3, 28, 50);
    p.fillRect(QRectF(x, 0.3 - h, 0.09, h), c);
    if (i == 5) {
      p.fillRect(QRectF(x + 0.04, 0.3 - h - 0.12, 0.01, 0.12), c);
      p.setBrush(QColor(255, 80, 60));
      p.drawEllipse(QPointF(x + 0.045, 0.3 - h - 0.12), 0.01, 0.01);
    }
    for (int row = 0; row < static_cast<int>(h / 0.05); ++row)
      for (int col = 0; col < 3; ++col)
        if (((i * 31 + row * 7 + col * 13) % 5) < 2)
          p.fillRect(QRectF(x + 0.012 + col * 0.027, 0.3 - h + 0.02 + row * 0.05, 0.014, 0.02), QColor(255, 220, 120));
  }
  Ground(p, 0.3, QColor(50, 40, 80), QColor(20, 16, 40));
  p.setPen(QPen(QColor(255, 200, 120, 150), 0.01));
  for (int i = 0; i < 6; ++i) p.drawLine(QPointF(-0.1 + i * 0.035, 0.36 + i * 0.045), QPointF(0.1 - i * 0.03, 0.36 + i * 0.045));
}

using TScene = void (*)(QPainter&);
const TScene kScenes[10] = {Mountains, Boat, Lighthouse, Town, Castle, Windmill, Pyramids, NightLake, Bridge, City};

const QColor kPlaceFields[10] = {
    QColor(40, 70, 120), QColor(24, 70, 110), QColor(60, 40, 90),  QColor(120, 40, 50), QColor(50, 90, 60),
    QColor(110, 80, 40), QColor(130, 80, 40), QColor(20, 30, 70),  QColor(70, 90, 50),  QColor(70, 30, 80),
};

void PlacePanel(QPainter& p, const QRectF& panel, double k, int index) {
  const QColor field = kPlaceFields[(index - 1) % 10];
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, field.lighter(120));
  g.setColorAt(1, field.darker(140));
  p.fillRect(panel, g);
  // A fine trellis of gold lines with stars at the crossings.
  const QColor gold(230, 196, 110);
  ForGrid(panel, 8.0 * k, 5.5 * k, true, [&](QPointF at, int, int) {
    p.setPen(QPen(WithAlpha(gold, 0.35), 0.45 * k));
    p.drawLine(at, at + QPointF(4.0 * k, 5.5 * k));
    p.drawLine(at, at + QPointF(-4.0 * k, 5.5 * k));
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(gold, 0.8));
    p.drawPolygon(Star(at, 1.5 * k, 0.5 * k, 4));
  });
  const QRectF oval = MedallionRect(panel, 0.84, 1.3);
  FramedOval(p, oval, k, QColor(250, 246, 236), field.darker(170), gold);
  const QRectF inner = oval.adjusted(2.6 * k, 2.6 * k, -2.6 * k, -2.6 * k);
  p.save();
  QPainterPath clip;
  clip.addEllipse(inner);
  p.setClipPath(clip);
  p.translate(inner.center());
  p.scale(inner.width(), inner.height() / 1.3);
  kScenes[(index - 1) % 10](p);
  p.restore();
  p.setPen(QPen(gold, 0.8 * k));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(inner);
}

}  // namespace

QImage PlacesBack(int w, int h, int index) {
  const QColor field = kPlaceFields[(index - 1) % 10];
  TFrame frame;
  frame.rim = field.darker(200);
  frame.line = QColor(230, 196, 110);
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { PlacePanel(p, panel, k, index); });
}

}  // namespace packgen::backs
