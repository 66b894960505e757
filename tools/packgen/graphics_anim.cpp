// Animation strips of the picture design: "GTouch" (30 frames of 100 x 100,
// a golden burst round a click), "GIcon48Opt" (60 frames of 48 x 48, a
// turning gold gear) and "GIcon48COunt" (60 frames, a spinning gold coin).
#include "graphics_kit.h"
#include "graphics_parts.h"
#include "paint_kit.h"

#include <QRadialGradient>

#include <cmath>

namespace packgen {

namespace {

using namespace gfx;

double easeOut(double t) { return 1 - (1 - t) * (1 - t) * (1 - t); }

// A four-pointed glint of radius r.
QPainterPath glint(QPointF c, double r) {
  QPainterPath path;
  const double k = r * 0.22;
  path.moveTo(c.x(), c.y() - r);
  path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
  path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
  path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
  path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
  return path;
}

QImage touchFrame(int i) {
  const double t = i / 29.0, e = easeOut(t), fade = std::pow(1 - t, 1.3);
  QImage img = art::canvas(100, 100);
  QPainter p(&img);
  art::smooth(p);
  const QPointF c(50, 50);
  // The flash at the start.
  if (t < 0.3) {
    const double a = 1 - t / 0.3;
    QRadialGradient flash(c, 10 + 30 * t);
    flash.setColorAt(0, QColor(255, 252, 230, static_cast<int>(230 * a)));
    flash.setColorAt(0.4, QColor(255, 214, 110, static_cast<int>(150 * a)));
    flash.setColorAt(1, QColor(255, 190, 60, 0));
    p.fillRect(img.rect(), flash);
  }
  // The ring with a soft glow.
  const double r = 6 + 38 * e;
  QPainterPath ring;
  ring.addEllipse(c, r, r);
  const double width = 1.2 + 4.5 * (1 - t);
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  const QPainterPath band = stroker.createStroke(ring);
  art::softShadow(p, band, QPointF(0, 0), 3, QColor(255, 190, 60, static_cast<int>(200 * fade)));
  QRadialGradient gold(c, r + width);
  gold.setColorAt(0, QColor(255, 250, 220));
  gold.setColorAt((r - width / 2) / (r + width), QColor(255, 226, 130));
  gold.setColorAt(1, QColor(200, 130, 30));
  p.setOpacity(fade);
  p.fillPath(band, gold);
  // A fainter second ring behind.
  const double r2 = 4 + 26 * easeOut(std::max(0.0, t - 0.12) / 0.88);
  p.setOpacity(fade * 0.55);
  p.strokePath([&] { QPainterPath q; q.addEllipse(c, r2, r2); return q; }(),
               QPen(QColor(255, 236, 170), 1.0 + 1.5 * (1 - t)));
  // Sparks flying out and their glints.
  for (int k = 0; k < 14; ++k) {
    const double a = k * 2 * M_PI / 14 + art::hashNoise(k, 1, 77) * 0.35;
    const double speed = 0.75 + 0.45 * art::hashNoise(k, 2, 77);
    const double d = 8 + 40 * speed * e;
    const double len = 3 + 9 * (1 - t);
    const QPointF dir(std::cos(a), std::sin(a));
    const double life = std::clamp(1.15 - t * (0.9 + 0.5 * art::hashNoise(k, 3, 77)), 0.0, 1.0) * std::sqrt(1 - t);
    p.setOpacity(life);
    QLinearGradient streak(c + dir * (d - len), c + dir * d);
    streak.setColorAt(0, QColor(255, 200, 80, 0));
    streak.setColorAt(1, QColor(255, 246, 200));
    p.setPen(QPen(QBrush(streak), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + dir * (d - len), c + dir * d);
    if (k % 2 == 0) p.fillPath(glint(c + dir * d, 2.5 + 3.5 * (1 - t)), QColor(255, 250, 225));
  }
  return img;
}

// A gold gear of ten teeth turned by angle (degrees), lit from above.
QImage gearFrame(int i) {
  QImage img = art::canvas(48, 48);
  QPainter p(&img);
  art::smooth(p);
  const QPointF c(24, 24);
  const int teeth = 10;
  QPainterPath gear;
  for (int k = 0; k < teeth * 4; ++k) {
    const double a = (k - 0.5) * M_PI / (teeth * 2);
    const double r = (k % 4 == 0 || k % 4 == 1) ? 20.5 : 16.2;
    const double a1 = a, a2 = a + M_PI / (teeth * 2);
    const QPointF p1 = c + QPointF(std::cos(a1), std::sin(a1)) * r;
    const QPointF p2 = c + QPointF(std::cos(a2), std::sin(a2)) * r;
    if (k == 0) gear.moveTo(p1); else gear.lineTo(p1);
    gear.lineTo(p2);
  }
  gear.closeSubpath();
  // Spokes: the gear is cut through between hub and rim.
  QPainterPath holes;
  for (int k = 0; k < 5; ++k) {
    const double a = k * 2 * M_PI / 5 + M_PI / 10;
    holes.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * 10.8, 3.0, 3.0);
  }
  holes.addEllipse(c, 4.0, 4.0);
  QTransform turn;
  turn.translate(c.x(), c.y());
  turn.rotate(72.0 * i / 60.0);  // one tooth pair and one spoke a loop
  turn.translate(-c.x(), -c.y());
  const QPainterPath body = turn.map(gear.subtracted(holes));
  art::softShadow(p, body, QPointF(1, 2), 2, QColor(0, 0, 0, 200));
  p.fillPath(body, goldGradient(QRectF(0, 3, 48, 42)));
  p.strokePath(body, QPen(QColor(90, 52, 8), 1.0));
  // An inner bevel ring and a hub with a green baize jewel.
  p.strokePath([&] { QPainterPath q; q.addEllipse(c, 14.4, 14.4); return q; }(), QPen(QColor(120, 74, 14, 200), 0.9));
  QRadialGradient jewel(c + QPointF(-1.2, -1.5), 4.0);
  jewel.setColorAt(0, QColor(150, 230, 170));
  jewel.setColorAt(0.5, QColor(20, 120, 60));
  jewel.setColorAt(1, QColor(6, 50, 24));
  p.setBrush(jewel);
  p.setPen(QPen(QColor(255, 236, 170), 0.8));
  p.drawEllipse(c, 3.6, 3.6);
  // A glint that sweeps over the gear once round the loop.
  const double s = std::sin(i * 2 * M_PI / 60.0);
  if (s > 0.6) {
    p.setOpacity((s - 0.6) / 0.4);
    p.fillPath(glint(QPointF(13, 10), 5.5), QColor(255, 252, 230));
  }
  return img;
}

// A gold coin with a crowned spade, spinning round its upright axis.
QImage coinFrame(int i) {
  QImage img = art::canvas(48, 48);
  QPainter p(&img);
  art::smooth(p);
  const double a = i * 2 * M_PI / 60.0;
  const double sx = std::cos(a);
  const double w = std::max(0.08, std::fabs(sx));
  const double R = 19.5, thick = 3.2;
  const QPointF c(24, 24);
  // The rim seen edge-on, on the side turning away.
  const double edge = thick * std::sin(a);
  QPainterPath rim;
  rim.addEllipse(c + QPointF(edge, 0), R * w, R);
  QPainterPath face;
  face.addEllipse(c, R * w, R);
  art::softShadow(p, rim.united(face), QPointF(1, 2), 2, QColor(0, 0, 0, 190));
  QLinearGradient side(c - QPointF(R, 0), c + QPointF(R, 0));
  side.setColorAt(0, QColor(120, 72, 10));
  side.setColorAt(1, QColor(190, 130, 30));
  p.fillPath(rim, side);
  // The face: shaded by how squarely it faces the light.
  const double light = 0.65 + 0.35 * w;
  QLinearGradient g = goldGradient(QRectF(0, c.y() - R, 48, 2 * R));
  p.fillPath(face, g);
  p.fillPath(face, QColor(60, 30, 0, static_cast<int>(120 * (1 - light))));
  p.save();
  p.translate(c);
  p.scale(w * (sx < 0 ? -1 : 1), 1);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(140, 90, 20), 1.2));
  p.drawEllipse(QPointF(0, 0), R - 3, R - 3);
  // A spade under a little crown, raised from the face.
  QPainterPath spade;
  spade.moveTo(0, -9);
  spade.cubicTo(4, -4, 9, -1, 8, 4);
  spade.cubicTo(7, 8, 2, 8, 0.8, 5);
  spade.lineTo(2.5, 11);
  spade.lineTo(-2.5, 11);
  spade.lineTo(-0.8, 5);
  spade.cubicTo(-2, 8, -7, 8, -8, 4);
  spade.cubicTo(-9, -1, -4, -4, 0, -9);
  spade.translate(0, 2);
  QPainterPath crown;
  crown.moveTo(-6, -9);
  crown.lineTo(-6, -14);
  crown.lineTo(-3, -11);
  crown.lineTo(0, -15);
  crown.lineTo(3, -11);
  crown.lineTo(6, -14);
  crown.lineTo(6, -9);
  crown.closeSubpath();
  const QPainterPath emblem = spade.united(crown);
  p.save();
  p.translate(0.6, 0.9);
  p.fillPath(emblem, QColor(255, 246, 210, 200));
  p.restore();
  p.fillPath(emblem, QColor(110, 64, 8));
  p.restore();
  p.strokePath(face, QPen(QColor(90, 52, 8), 0.9));
  // A glint as the face turns square to the viewer.
  if (w > 0.93) {
    p.setOpacity((w - 0.93) / 0.07);
    p.fillPath(glint(QPointF(16, 13), 6), QColor(255, 252, 232));
  }
  return img;
}

}  // namespace

void AddAnimationStrips(TPackWriter& pack) {
  std::vector<QImage> touch, gear, coin;
  for (int i = 0; i < 30; ++i) touch.push_back(touchFrame(i));
  for (int i = 0; i < 60; ++i) {
    gear.push_back(gearFrame(i));
    coin.push_back(coinFrame(i));
  }
  pack.AddPng("GTouch", strip(touch));
  pack.AddPng("GIcon48Opt", strip(gear));
  pack.AddPng("GIcon48COunt", strip(coin));
}

}  // namespace packgen
