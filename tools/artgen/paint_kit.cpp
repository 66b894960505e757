#include "paint_kit.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

QImage canvas(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::TextAntialiasing);
}

QColor mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](double x, double y) { return x + (y - x) * t; };
  return QColor::fromRgbF(static_cast<float>(lerp(a.redF(), b.redF())), static_cast<float>(lerp(a.greenF(), b.greenF())),
                          static_cast<float>(lerp(a.blueF(), b.blueF())), static_cast<float>(lerp(a.alphaF(), b.alphaF())));
}

QColor withAlpha(const QColor& c, double alpha) {
  QColor r = c;
  r.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
  return r;
}

QPainterPath roundedRect(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

namespace {

// One box-blur pass along rows (horizontal) or columns.
void boxPass(QImage& img, int r, bool horizontal) {
  const int w = img.width(), h = img.height();
  const int lines = horizontal ? h : w;
  const int len = horizontal ? w : h;
  const int window = 2 * r + 1;
  std::vector<QRgb> src(len);
  auto* bits = reinterpret_cast<QRgb*>(img.bits());
  const int stride = img.bytesPerLine() / 4;
  for (int line = 0; line < lines; ++line) {
    auto at = [&](int i) -> QRgb& { return horizontal ? bits[line * stride + i] : bits[i * stride + line]; };
    for (int i = 0; i < len; ++i) src[i] = at(i);
    int sa = 0, sr = 0, sg = 0, sb = 0;
    auto addPx = [&](int i, int sign) {
      if (i < 0 || i >= len) return;
      const QRgb c = src[i];
      sa += sign * qAlpha(c);
      sr += sign * qRed(c);
      sg += sign * qGreen(c);
      sb += sign * qBlue(c);
    };
    for (int i = -r; i <= r; ++i) addPx(i, 1);
    for (int i = 0; i < len; ++i) {
      at(i) = qRgba(sr / window, sg / window, sb / window, sa / window);
      addPx(i - r, -1);
      addPx(i + r + 1, 1);
    }
  }
}

}  // namespace

QImage blurred(const QImage& src, int radius) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (radius <= 0) return img;
  // Three passes of a third of the radius each approximate a gaussian.
  const int r = std::max(1, (radius + 1) / 2);
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(img, r, true);
    boxPass(img, r, false);
  }
  return img;
}

void softShadow(QPainter& p, const QPainterPath& path, QPointF offset, int blurRadius, const QColor& colour) {
  const QPaintDevice* device = p.device();
  QImage layer = canvas(device->width(), device->height());
  {
    QPainter lp(&layer);
    smooth(lp);
    lp.setTransform(p.transform());
    lp.fillPath(path, colour);
  }
  softShadowOf(p, layer, offset, blurRadius, Qt::transparent);
}

void softShadowOf(QPainter& p, const QImage& image, QPointF offset, int blurRadius, const QColor& colour) {
  QImage layer = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (colour.alpha() > 0) {
    // Recolour: keep the alpha, replace the colour.
    QPainter lp(&layer);
    lp.setCompositionMode(QPainter::CompositionMode_SourceIn);
    lp.fillRect(layer.rect(), colour);
  }
  layer = blurred(layer, blurRadius);
  p.save();
  p.resetTransform();
  p.drawImage(offset, layer);
  p.restore();
}

void keepInside(QImage& layer, const QPainterPath& path, const QTransform& transform) {
  QImage mask = canvas(layer.width(), layer.height());
  {
    QPainter mp(&mask);
    smooth(mp);
    mp.setTransform(transform);
    mp.fillPath(path, Qt::black);
  }
  // Drawing the whole mask reaches every pixel, so the outside is cleared too.
  QPainter lp(&layer);
  lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  lp.drawImage(0, 0, mask);
}

void insetShadow(QPainter& p, const QPainterPath& path, QPointF offset, int blurRadius, const QColor& colour) {
  const QPaintDevice* device = p.device();
  QImage layer = canvas(device->width(), device->height());
  {
    // Everything but the shape, moved and blurred, then kept only inside it.
    QPainter lp(&layer);
    smooth(lp);
    QPainterPath outside;
    outside.addRect(QRectF(-4 * blurRadius - 8, -4 * blurRadius - 8, device->width() + 8 * blurRadius + 16,
                           device->height() + 8 * blurRadius + 16));
    lp.setTransform(p.transform());
    lp.fillPath(outside.subtracted(path), colour);
  }
  layer = blurred(layer, blurRadius);
  QImage moved = canvas(layer.width(), layer.height());
  {
    QPainter mp(&moved);
    mp.drawImage(offset, layer);
  }
  keepInside(moved, path, p.transform());
  p.save();
  p.resetTransform();
  p.drawImage(0, 0, moved);
  p.restore();
}

namespace {

std::uint32_t hash2(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double smoothstep(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double hashNoise(int x, int y, std::uint32_t seed) { return hash2(x, y, seed) / 4294967296.0; }

double valueNoise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const double tx = smoothstep(x - fx), ty = smoothstep(y - fy);
  const double a = hashNoise(ix, iy, seed), b = hashNoise(ix + 1, iy, seed);
  const double c = hashNoise(ix, iy + 1, seed), d = hashNoise(ix + 1, iy + 1, seed);
  const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

double fbm(double x, double y, int octaves, std::uint32_t seed) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * valueNoise(x, y, seed + 101u * static_cast<std::uint32_t>(o));
    norm += amp;
    amp *= 0.5;
    x *= 2.03;
    y *= 2.03;
  }
  return sum / norm;
}

QImage rotatedQuarter(const QImage& src) { return src.transformed(QTransform().rotate(90)); }

}  // namespace art
