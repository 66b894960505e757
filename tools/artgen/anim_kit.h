// Small helpers for the animated pictures: easing, positions on a circle,
// stars, a gold gradient and the drawing of a frame strip.
#pragma once

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace art {

double smoothstep(double e0, double e1, double x);
// A soft peak once per turn of phase (0..1).
double pulse(double phase, double sharpness = 3);
QPointF polar(QPointF c, double radius, double degrees);
QPainterPath starPath(QPointF c, double outer, double inner, double turn);
// A horizontal gold gradient that reads as a round body.
QBrush roundGold(double left, double right);
// frames pictures of the given size side by side; draw paints frame index
// at phase index / frames.
QImage strip(int frames, QSize frame,
             const std::function<void(QPainter& p, int index, double phase)>& draw);

}  // namespace art
