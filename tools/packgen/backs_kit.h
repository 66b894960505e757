// Shared painting helpers of the card backs: the white card with its framed
// panel, colours, stars and mirrored ornaments. Every back is drawn by one
// routine for a given card size; the crosswise twins are turned copies.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <functional>

#include "paint_kit.h"

namespace packgen::backs {

inline constexpr double kPi = 3.14159265358979323846;

// The picture generator's painting kit: a transparent canvas, the painter
// setting, colours, rounded rectangles, and erasing outside a path.
inline QImage Canvas(int w, int h) { return art::canvas(w, h); }
inline void Smooth(QPainter& p) { art::smooth(p); }
inline QColor Mix(const QColor& a, const QColor& b, double t) { return art::mix(a, b, t); }
inline QColor WithAlpha(const QColor& c, double alpha) { return art::withAlpha(c, alpha); }
inline QPainterPath RoundedRect(const QRectF& r, double radius) { return art::roundedRect(r, radius); }
inline void KeepInside(QImage& layer, const QPainterPath& path) { art::keepInside(layer, path); }

// A star with points rays around at, the first ray pointing up.
QPolygonF Star(QPointF at, double outer, double inner, int points, double turnDeg = 0);
// A regular polygon, first corner up.
QPolygonF RegularPolygon(QPointF at, double radius, int corners, double turnDeg = 0);

// How a back frames its panel: the card paper, the border width (in units
// k, where k is one pixel of the 69 x 94 card), the rim drawn around the
// panel and the fine line just inside it.
struct TFrame {
  QColor paper = QColor(252, 251, 246);
  double border = 4.5;
  QColor rim;
  QColor line;
  double lineInset = 2.4;
  bool doubleLine = false;  // a second fine line further in
  int sheen = 40;           // white at the top left of the panel, 0..255
};

// Paints the panel: the rectangle to fill (paint generously past it, it is
// trimmed to the rounded panel afterwards) and the unit k.
using TPanelPainter = std::function<void(QPainter& p, const QRectF& panel, double k)>;

// One back at w x h: the rounded card (transparent outside its corners),
// the border, the panel painted by paint and the frame lines. The unit k is
// h / 94 so narrow and wide cards of one height share their pattern scale.
QImage PaintBack(int w, int h, const TFrame& frame, const TPanelPainter& paint);

// Turns a picture a quarter clockwise (exact, no resampling).
QImage Crosswise(const QImage& src);

// Mirrors path about the vertical line x = axis and adds it to itself.
QPainterPath MirroredX(const QPainterPath& half, double axis);

// An oval medallion in the middle of the panel, sized to fit narrow
// panels: its rectangle.
QRectF MedallionRect(const QRectF& panel, double widthShare = 0.62, double aspect = 1.3);

// A framed oval: the fill, a broad ring and a fine line inside it.
void FramedOval(QPainter& p, const QRectF& oval, double k, const QBrush& fill, const QColor& ring, const QColor& line);

// The area a pen of width covers along path, round capped, as a shape.
QPainterPath Stroked(const QPainterPath& path, double width);

// Boolean operations on unit-sized shapes: Qt flattens curves on the way,
// so these work at a hundred times the size to keep the curves smooth.
QPainterPath Simplified(const QPainterPath& path);
QPainterPath United(const QPainterPath& a, const QPainterPath& b);
QPainterPath Subtracted(const QPainterPath& a, const QPainterPath& b);

// Draws fn once per cell of a grid of step (sx, sy) centred on the panel's
// middle, every other row shifted by half a step when staggered.
void ForGrid(const QRectF& panel, double sx, double sy, bool staggered, const std::function<void(QPointF, int, int)>& fn);

}  // namespace packgen::backs
