#include "anim_kit.h"

#include "paint_kit.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

namespace {
constexpr double kPi = std::numbers::pi;
}  // namespace

double smoothstep(double e0, double e1, double x) {
  const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

double pulse(double phase, double sharpness) {
  const double c = std::cos(2 * kPi * phase);
  return c > 0 ? std::pow(c, sharpness) : 0.0;
}

QPointF polar(QPointF c, double radius, double degrees) {
  const double a = degrees * kPi / 180;
  return c + QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

QPainterPath starPath(QPointF c, double outer, double inner, double turn) {
  QPainterPath path;
  for (int k = 0; k < 10; ++k) {
    const QPointF pt = polar(c, k % 2 ? inner : outer, -90 + turn + k * 36);
    if (k == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

QBrush roundGold(double left, double right) {
  QLinearGradient g(left, 0, right, 0);
  g.setColorAt(0.0, QColor(132, 84, 12));
  g.setColorAt(0.18, QColor(222, 170, 60));
  g.setColorAt(0.34, QColor(255, 246, 196));
  g.setColorAt(0.5, QColor(240, 194, 80));
  g.setColorAt(0.78, QColor(170, 112, 24));
  g.setColorAt(0.9, QColor(218, 168, 70));
  g.setColorAt(1.0, QColor(118, 74, 10));
  return QBrush(g);
}

QImage strip(int frames, QSize frame, const std::function<void(QPainter& p, int index, double phase)>& draw) {
  QImage out = canvas(frames * frame.width(), frame.height());
  QPainter sp(&out);
  for (int i = 0; i < frames; ++i) {
    QImage one = canvas(frame.width(), frame.height());
    {
      QPainter p(&one);
      smooth(p);
      draw(p, i, static_cast<double>(i) / frames);
    }
    sp.drawImage(i * frame.width(), 0, one);
  }
  return out;
}

}  // namespace art
