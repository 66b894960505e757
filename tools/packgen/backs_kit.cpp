#include "backs_kit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace packgen::backs {

QPolygonF Star(QPointF at, double outer, double inner, int points, double turnDeg) {
  QPolygonF s;
  const double turn = turnDeg * kPi / 180;
  for (int i = 0; i < points * 2; ++i) {
    const double a = -kPi / 2 + kPi * i / points + turn;
    const double r = (i % 2) ? inner : outer;
    s << at + QPointF(r * std::cos(a), r * std::sin(a));
  }
  return s;
}

QPolygonF RegularPolygon(QPointF at, double radius, int corners, double turnDeg) {
  QPolygonF s;
  const double turn = turnDeg * kPi / 180;
  for (int i = 0; i < corners; ++i) {
    const double a = -kPi / 2 + 2 * kPi * i / corners + turn;
    s << at + QPointF(radius * std::cos(a), radius * std::sin(a));
  }
  return s;
}

QImage PaintBack(int w, int h, const TFrame& frame, const TPanelPainter& paint) {
  const QRectF card(0, 0, w, h);
  const double k = h / 94.0;
  const double radius = 0.117 * 69 * k;  // as round as the card faces
  const double border = frame.border * k;
  const QRectF panel = card.adjusted(border, border, -border, -border);
  const double panelRadius = std::max(radius - border * 0.75, 2.0 * k);

  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);

  // The card with a thin grey edge.
  const QPainterPath outline = RoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius);
  p.fillPath(outline, frame.paper);
  p.strokePath(outline, QPen(QColor(150, 150, 146), 1.0));

  // The pattern on its own layer, trimmed to the panel.
  QImage layer = Canvas(w, h);
  {
    QPainter lp(&layer);
    Smooth(lp);
    lp.setClipRect(panel.adjusted(-1, -1, 1, 1));
    paint(lp, panel, k);
    lp.setClipping(false);
    // A faint sheen from the top left.
    QLinearGradient sheen(panel.topLeft(), panel.center());
    sheen.setColorAt(0, QColor(255, 255, 255, frame.sheen));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    lp.fillRect(panel, sheen);
  }
  const QPainterPath panelPath = RoundedRect(panel, panelRadius);
  KeepInside(layer, panelPath);
  p.drawImage(0, 0, layer);

  // Frame lines: a dark rim on the panel and a fine inner line.
  p.strokePath(panelPath, QPen(frame.rim, 0.8 * k));
  const double inset = frame.lineInset * k;
  p.strokePath(RoundedRect(panel.adjusted(inset, inset, -inset, -inset), std::max(panelRadius - inset, 1.5 * k)),
               QPen(frame.line, 0.75 * k));
  if (frame.doubleLine) {
    const double in2 = inset + 1.4 * k;
    p.strokePath(RoundedRect(panel.adjusted(in2, in2, -in2, -in2), std::max(panelRadius - in2, 1.2 * k)),
                 QPen(frame.line, 0.45 * k));
  }
  return img;
}

QImage Crosswise(const QImage& src) { return src.transformed(QTransform().rotate(90)); }

QPainterPath MirroredX(const QPainterPath& half, double axis) {
  QTransform t;
  t.translate(axis, 0);
  t.scale(-1, 1);
  t.translate(-axis, 0);
  QPainterPath both = half;
  both.addPath(t.map(half));
  return both;
}

QRectF MedallionRect(const QRectF& panel, double widthShare, double aspect) {
  double w = panel.width() * widthShare;
  double h = w * aspect;
  if (h > panel.height() * 0.8) {
    h = panel.height() * 0.8;
    w = h / aspect;
  }
  return QRectF(panel.center().x() - w / 2, panel.center().y() - h / 2, w, h);
}

void FramedOval(QPainter& p, const QRectF& oval, double k, const QBrush& fill, const QColor& ring, const QColor& line) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawEllipse(oval.translated(0.6 * k, 0.9 * k).adjusted(-1.2 * k, -1.2 * k, 1.2 * k, 1.2 * k));
  p.setPen(QPen(ring, 2.4 * k));
  p.setBrush(fill);
  p.drawEllipse(oval);
  p.setPen(QPen(line, 0.9 * k));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(oval.adjusted(1.9 * k, 1.9 * k, -1.9 * k, -1.9 * k));
  p.restore();
}

QPainterPath Stroked(const QPainterPath& path, double width) {
  QPainterPathStroker s;
  s.setWidth(width);
  s.setCapStyle(Qt::RoundCap);
  s.setJoinStyle(Qt::RoundJoin);
  return s.createStroke(path);
}

namespace {
const QTransform kUp = QTransform::fromScale(100, 100);
const QTransform kDown = QTransform::fromScale(0.01, 0.01);
}  // namespace

QPainterPath Simplified(const QPainterPath& path) { return kDown.map(kUp.map(path).simplified()); }

QPainterPath United(const QPainterPath& a, const QPainterPath& b) {
  if (a.isEmpty()) return b;
  return kDown.map(kUp.map(a).united(kUp.map(b)));
}

QPainterPath Subtracted(const QPainterPath& a, const QPainterPath& b) { return kDown.map(kUp.map(a).subtracted(kUp.map(b))); }

void ForGrid(const QRectF& panel, double sx, double sy, bool staggered, const std::function<void(QPointF, int, int)>& fn) {
  const QPointF c = panel.center();
  const int nx = static_cast<int>(panel.width() / sx / 2) + 2;
  const int ny = static_cast<int>(panel.height() / sy / 2) + 2;
  for (int j = -ny; j <= ny; ++j)
    for (int i = -nx; i <= nx; ++i) {
      const double shift = (staggered && (j & 1)) ? sx / 2 : 0.0;
      fn(QPointF(c.x() + i * sx + shift, c.y() + j * sy), i, j);
    }
}

}  // namespace packgen::backs
