// "BGLilu" (1520 x 1000): the main menu's purple picture design. Purple silk
// under a soft light, a faint damask that fades out towards the quiet
// middle where the menu buttons sit, and a gold border with filigree.
#include "graphics_kit.h"
#include "graphics_parts.h"
#include "paint_kit.h"

#include <algorithm>
#include <cmath>

namespace packgen {

namespace {

using namespace gfx;

constexpr int kW = 1520, kH = 1000;

// One damask motif centred on the origin, about 110 x 100: a lily of
// leaves and curls, mirrored about the vertical axis.
QPainterPath damaskMotif() {
  QPainterPath half;
  // The tall middle leaf.
  half.moveTo(0, -50);
  half.cubicTo(8, -34, 14, -16, 0, 6);
  half.lineTo(0, -50);
  // A side leaf sweeping out and down.
  half.moveTo(0, -6);
  half.cubicTo(18, -26, 40, -26, 48, -8);
  half.cubicTo(34, -16, 18, -10, 0, 4);
  // A curl under it.
  half.moveTo(2, 8);
  half.cubicTo(22, 2, 40, 10, 38, 26);
  half.cubicTo(36, 36, 24, 36, 22, 28);
  half.cubicTo(21, 22, 28, 19, 31, 24);
  half.cubicTo(28, 14, 16, 12, 2, 16);
  // The stem and a foot.
  half.moveTo(0, 14);
  half.cubicTo(5, 26, 6, 38, 16, 48);
  half.cubicTo(6, 46, 2, 40, 0, 34);
  half.addEllipse(QPointF(0, -58), 4, 4);
  QPainterPath motif = half;
  motif.addPath(QTransform::fromScale(-1, 1).map(half));
  motif.setFillRule(Qt::WindingFill);
  return motif;
}

// Purple silk: the base colour, a cross-woven sheen and a soft light.
QImage silk() {
  QImage img(kW, kH, QImage::Format_RGB32);
  const QColor base(120, 0, 200);
  for (int y = 0; y < kH; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kW; ++x) {
      const double dx = (x - kW * 0.5) / (kW * 0.5), dy = (y - kH * 0.46) / (kH * 0.5);
      const double d = std::sqrt(dx * dx + dy * dy);
      const double light = std::exp(-d * d * 1.6);       // the soft light in the middle
      const double shade = std::clamp(1.18 - 0.42 * d * d, 0.55, 1.2);
      const double sheen = art::fbm(x / 220.0 + y / 600.0, y / 140.0, 3, 0x5111c) - 0.5;
      const double weave = ((x + y) % 3 == 0 ? 0.015 : 0.0) - ((x - y + 3000) % 4 == 0 ? 0.015 : 0.0);
      const double v = shade + 0.22 * sheen + weave;
      const double lift = 0.34 * light;                   // towards a lilac white
      line[x] = qRgb(art::toByte(base.red() * v + (255 - base.red()) * lift * 0.55),
                     art::toByte(base.green() * v + 150 * lift * 0.55),
                     art::toByte(base.blue() * v + (255 - base.blue()) * lift * 0.8));
    }
  }
  return img;
}

// The damask, faded to nothing in the middle.
void damask(QPainter& p) {
  QImage layer = art::canvas(kW, kH);
  {
    QPainter d(&layer);
    art::smooth(d);
    const QPainterPath motif = damaskMotif();
    const double tw = 152, th = 125;
    for (int row = -1; row <= kH / th + 1; ++row)
      for (int col = -1; col <= kW / tw + 1; ++col) {
        const double x = col * tw + (row % 2 ? tw / 2 : 0) + tw / 2, y = row * th + th / 2;
        d.save();
        d.translate(x, y);
        d.scale(0.85, 0.85);
        d.fillPath(motif, QColor(200, 140, 255, 70));
        d.strokePath(motif, QPen(QColor(40, 0, 80, 80), 1.2));
        d.restore();
      }
  }
  // Fade: transparent in the middle, full at the edges.
  for (int y = 0; y < kH; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
    for (int x = 0; x < kW; ++x) {
      const double dx = (x - kW * 0.5) / (kW * 0.42), dy = (y - kH * 0.48) / (kH * 0.5);
      const double k = std::clamp((std::sqrt(dx * dx + dy * dy) - 0.55) / 0.6, 0.0, 1.0);
      const QRgb c = line[x];
      line[x] = qRgba(art::toByte(qRed(c) * k), art::toByte(qGreen(c) * k), art::toByte(qBlue(c) * k),
                      art::toByte(qAlpha(c) * k));
    }
  }
  p.drawImage(0, 0, layer);
}

}  // namespace

void AddMenuBackground(TPackWriter& pack) {
  QImage img = silk();
  QPainter p(&img);
  art::smooth(p);
  damask(p);
  // A dark velvet rim inside the gold border.
  QPainterPath rim;
  rim.addRect(QRectF(0, 0, kW, kH));
  art::insetShadow(p, rim, QPointF(0, 0), 28, QColor(20, 0, 40, 200));
  // The gold border: a broad rule, a fine one and large corner filigree.
  const QRectF outer(16, 16, kW - 32, kH - 32), inner(26, 26, kW - 52, kH - 52);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 0, 40, 200), 7));
  p.drawRect(outer.translated(1.5, 2));
  p.setPen(QPen(QBrush(goldGradient(QRectF(0, 0, kW, 40))), 4.5));
  p.drawRect(outer);
  p.setPen(QPen(QColor(236, 192, 92, 220), 1.6));
  p.drawRect(inner);
  filigreeCorner(p, inner.topLeft() + QPointF(6, 6), 170, 1, 1);
  filigreeCorner(p, inner.topRight() + QPointF(-6, 6), 170, -1, 1);
  filigreeCorner(p, inner.bottomLeft() + QPointF(6, -6), 170, 1, -1);
  filigreeCorner(p, inner.bottomRight() + QPointF(-6, -6), 170, -1, -1);
  p.end();
  pack.AddJpeg("BGLilu", img, 90);
}

}  // namespace packgen
