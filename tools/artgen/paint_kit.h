// Small painting helpers shared by the picture producers: canvases, colour
// mixing, soft shadows and blurs, and repeatable noise for textures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>

namespace art {

// A transparent premultiplied ARGB canvas.
QImage canvas(int w, int h);

// Antialiasing, smooth pixmap transforms and text antialiasing.
void smooth(QPainter& p);

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, double alpha);

QPainterPath roundedRect(const QRectF& r, double radius);

// Three box-blur passes (close to a gaussian) over all channels; pixels
// beyond the edges count as transparent.
QImage blurred(const QImage& src, int radius);

// Paints a blurred copy of path (in p's current coordinates) filled with
// colour, moved by offset device pixels: a soft drop shadow or glow.
void softShadow(QPainter& p, const QPainterPath& path, QPointF offset, int blurRadius, const QColor& colour);

// Same for a whole image drawn at the painter's origin in device pixels.
void softShadowOf(QPainter& p, const QImage& image, QPointF offset, int blurRadius, const QColor& colour);

// Erases everything of layer outside path (given in coordinates mapped by
// transform), with an antialiased edge.
void keepInside(QImage& layer, const QPainterPath& path, const QTransform& transform = QTransform());

// Darkens the inside edge of path (in p's coordinates) as if it were sunk
// into the surface: the light comes from the top left.
void insetShadow(QPainter& p, const QPainterPath& path, QPointF offset, int blurRadius, const QColor& colour);

// Repeatable noise: white noise in [0,1) per integer point, smooth value
// noise in [0,1) and a sum of octaves of it, all fixed by seed.
double hashNoise(int x, int y, std::uint32_t seed);
double valueNoise(double x, double y, std::uint32_t seed);
double fbm(double x, double y, int octaves, std::uint32_t seed);

// Clamps a double to a byte.
inline int toByte(double v) { return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(v + 0.5); }

// Rotates an image by exactly 90 degrees clockwise (no resampling).
QImage rotatedQuarter(const QImage& src);

}  // namespace art
