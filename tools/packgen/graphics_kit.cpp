#include "graphics_kit.h"

#include <gif_lib.h>

#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include "paint_kit.h"

namespace packgen::gfx {

QLinearGradient goldGradient(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, kGoldLight);
  g.setColorAt(0.30, QColor(250, 212, 106));
  g.setColorAt(0.52, QColor(196, 138, 36));
  g.setColorAt(0.70, QColor(226, 176, 70));
  g.setColorAt(1.0, QColor(140, 88, 18));
  return g;
}

void lacquer(QImage& img, std::uint32_t seed, const QColor& tint) {
  const int w = img.width(), h = img.height();
  const double cx = w / 2.0, cy = h * 0.18;
  const double reach = std::hypot(w * 0.7, h * 0.9);
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const double ey = std::min(y, h - 1 - y) / 40.0;
    for (int x = 0; x < w; ++x) {
      // Long soft streaks of the lacquer brush and a fine grain.
      const double streak = art::fbm(x / 180.0, y / 26.0, 3, seed);
      const double grain = art::hashNoise(x, y, seed + 7);
      const double light = 1.0 - std::min(1.0, std::hypot(x - cx, (y - cy) * 1.3) / reach);
      const double edge = std::min(1.0, std::min(std::min(x, w - 1 - x) / 40.0, ey));
      const double v = (0.55 + 0.55 * streak + 0.9 * light * light) * (0.7 + 0.3 * edge) + (grain - 0.5) * 0.08;
      line[x] = qRgb(art::toByte(tint.red() * v), art::toByte(tint.green() * v), art::toByte(tint.blue() * v));
    }
  }
}

namespace {

// A curl: an arc of a spiral around centre, from radius r0 winding inwards
// by turns (negative turns wind the other way), starting at angle a0.
QPainterPath spiral(QPointF centre, double r0, double a0, double turns) {
  QPainterPath path;
  const int steps = 40;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double a = a0 + t * turns * 2 * M_PI;
    const double r = r0 * (1.0 - 0.72 * t);
    const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  return path;
}

// A pointed leaf from base along angle, of length len.
QPainterPath leaf(QPointF base, double angle, double len) {
  QPainterPath path;
  path.moveTo(0, 0);
  path.cubicTo(len * 0.3, -len * 0.32, len * 0.75, -len * 0.22, len, 0);
  path.cubicTo(len * 0.75, len * 0.22, len * 0.3, len * 0.32, 0, 0);
  QTransform t;
  t.translate(base.x(), base.y());
  t.rotateRadians(angle);
  return t.map(path);
}

void strokeGold(QPainter& p, const QPainterPath& path, double width, const QRectF& area) {
  QPen shadow(QColor(0, 0, 0, 170), width + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.save();
  p.translate(0.8, 1.2);
  p.strokePath(path, shadow);
  p.restore();
  p.strokePath(path, QPen(QBrush(goldGradient(area)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void fillGold(QPainter& p, const QPainterPath& path, const QRectF& area) {
  p.save();
  p.translate(0.8, 1.2);
  p.fillPath(path, QColor(0, 0, 0, 170));
  p.restore();
  p.fillPath(path, goldGradient(area));
  p.strokePath(path, QPen(kGoldDeep, 0.6));
}

}  // namespace

void filigreeCorner(QPainter& p, QPointF corner, double s, int dx, int dy) {
  QTransform t;
  t.translate(corner.x(), corner.y());
  t.scale(dx, dy);
  QPainterPath lines, solid;
  // Two arms along the frame ending in curls towards the middle.
  QPainterPath arm;
  arm.moveTo(s * 0.10, s * 0.10);
  arm.cubicTo(s * 0.35, s * 0.02, s * 0.62, s * 0.06, s * 0.78, s * 0.20);
  arm.connectPath(spiral(QPointF(s * 0.78, s * 0.31), s * 0.11, -M_PI / 2, 0.85));
  lines.addPath(arm);
  lines.addPath(QTransform(0, 1, 1, 0, 0, 0).map(arm));
  // An inner scroll pair along the diagonal.
  QPainterPath inner;
  inner.moveTo(s * 0.16, s * 0.16);
  inner.cubicTo(s * 0.30, s * 0.20, s * 0.40, s * 0.28, s * 0.42, s * 0.40);
  inner.connectPath(spiral(QPointF(s * 0.34, s * 0.42), s * 0.08, 0, 0.8));
  lines.addPath(inner);
  lines.addPath(QTransform(0, 1, 1, 0, 0, 0).map(inner));
  // Leaves and a jewel in the corner.
  solid.addPath(leaf(QPointF(s * 0.14, s * 0.14), M_PI / 4, s * 0.36));
  solid.addPath(leaf(QPointF(s * 0.40, s * 0.09), -0.25, s * 0.16));
  solid.addPath(leaf(QPointF(s * 0.09, s * 0.40), M_PI / 2 + 0.25, s * 0.16));
  solid.addEllipse(QPointF(s * 0.07, s * 0.07), s * 0.05, s * 0.05);
  solid.addEllipse(QPointF(s * 0.58, s * 0.58), s * 0.03, s * 0.03);

  const QPainterPath l = t.map(lines), f = t.map(solid);
  const QRectF area = l.boundingRect().united(f.boundingRect());
  strokeGold(p, l, std::max(1.1, s * 0.028), area);
  fillGold(p, f, area);
}

void goldFrame(QPainter& p, const QRectF& r, bool topCorners) {
  p.save();
  const QRectF outer = r.adjusted(5, 5, -5, -5), inner = r.adjusted(10, 10, -10, -10);
  QPen dark(QColor(0, 0, 0, 180), 3.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(dark);
  p.drawRect(outer.translated(0.6, 0.9));
  p.setPen(QPen(QBrush(goldGradient(r)), 2.0));
  p.drawRect(outer);
  p.setPen(QPen(QColor(226, 178, 74, 200), 0.9));
  p.drawRect(inner);
  // Corner squares where the lines meet, then filigree inside.
  const double s = std::clamp(std::min(r.width(), r.height()) * 0.16, 30.0, 70.0);
  const QPointF corners[4] = {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()};
  const int sx[4] = {1, -1, 1, -1}, sy[4] = {1, 1, -1, -1};
  for (int i = topCorners ? 0 : 2; i < 4; ++i) {
    QPainterPath box;
    const QPointF c = corners[i] + QPointF(-sx[i] * 2.5, -sy[i] * 2.5);
    box.addRect(QRectF(c - QPointF(4, 4), QSizeF(8, 8)));
    fillGold(p, box, box.boundingRect());
    filigreeCorner(p, corners[i] + QPointF(sx[i] * 3, sy[i] * 3), s, sx[i], sy[i]);
  }
  p.restore();
}

void headingBand(QPainter& p, const QRectF& band, std::uint32_t seed, double gap, double maxReach) {
  // The baize: a fine felt noise under a soft light in the middle.
  const QRect b = band.toAlignedRect();
  QImage felt(b.size(), QImage::Format_RGB32);
  for (int y = 0; y < felt.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(felt.scanLine(y));
    for (int x = 0; x < felt.width(); ++x) {
      const double n = art::fbm(x / 3.0, y / 3.0, 2, seed) * 0.5 + art::hashNoise(x, y, seed + 3) * 0.5;
      const double lx = (x - felt.width() / 2.0) / (felt.width() * 0.55);
      const double ly = (y - felt.height() * 0.45) / (felt.height() * 0.9);
      const double light = std::max(0.0, 1.0 - lx * lx - ly * ly);
      const double v = 0.55 + 0.5 * light + (n - 0.5) * 0.22;
      line[x] = qRgb(art::toByte(14 * v), art::toByte(82 * v), art::toByte(46 * v));
    }
  }
  p.drawImage(b.topLeft(), felt);
  QPainterPath area;
  area.addRect(band);
  art::insetShadow(p, area, QPointF(0, 3), 6, QColor(0, 0, 0, 200));

  // Gold rules top and bottom: a bold one and a fine one.
  const QRectF g = band.adjusted(0, -4, 0, 4);
  auto rule = [&](double y, double width) {
    QPainterPath line;
    line.moveTo(band.left(), y);
    line.lineTo(band.right(), y);
    strokeGold(p, line, width, g);
  };
  rule(band.top() + 1.5, 2.4);
  rule(band.top() + 5.5, 0.8);
  rule(band.bottom() - 1.5, 2.4);
  rule(band.bottom() - 5.5, 0.8);

  // Scroll ornaments: a jewel and a pair of curls each side of the heading
  // (none when they may not reach out at all).
  const double h = band.height();
  for (int side = 0; side < 2 && maxReach > 0; ++side) {
    const int dir = side == 0 ? -1 : 1;
    const double x0 = band.center().x() + dir * gap;
    const double reach = std::min({h * 1.4, maxReach, (side == 0 ? x0 - band.left() : band.right() - x0) - 8});
    const double cy = band.center().y();
    QTransform t;
    t.translate(x0, cy);
    t.scale(dir, 1);
    QPainterPath curls;
    QPainterPath top;
    top.moveTo(0, 0);
    top.cubicTo(h * 0.12, -h * 0.02, h * 0.30, -h * 0.08, h * 0.40, -h * 0.16);
    top.connectPath(spiral(QPointF(h * 0.32, -h * 0.20), h * 0.09, 0.4, 0.8));
    curls.addPath(top);
    curls.addPath(QTransform(1, 0, 0, -1, 0, 0).map(top));
    QPainterPath tail;
    tail.moveTo(h * 0.40, 0);
    tail.lineTo(std::max(h * 0.5, reach), 0);
    curls.addPath(tail);
    QPainterPath gem;
    gem.moveTo(-h * 0.08, 0);
    gem.lineTo(0, -h * 0.07);
    gem.lineTo(h * 0.08, 0);
    gem.lineTo(0, h * 0.07);
    gem.closeSubpath();
    gem.addEllipse(QPointF(h * 0.48, 0), h * 0.035, h * 0.035);
    const QPainterPath c = t.map(curls), s = t.map(gem);
    const QRectF area2 = c.boundingRect().united(s.boundingRect());
    strokeGold(p, c, 1.3, area2);
    fillGold(p, s, area2);
  }
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF b = path.boundingRect();
  const double scale = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(scale, scale);
  fit.translate(-b.center().x(), -b.center().y());
  return fit.map(path);
}

void goldLettering(QPainter& p, const QPainterPath& text, double rim) {
  art::softShadow(p, text, QPointF(rim * 0.8, rim * 1.4), std::max(2, static_cast<int>(rim * 1.5)),
                  QColor(0, 0, 0, 220));
  QPen outline(QColor(48, 24, 2), rim * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.strokePath(text, outline);
  // A little depth: the letters stepped down in bronze.
  for (int i = 3; i >= 1; --i) {
    p.save();
    p.translate(i * rim * 0.18, i * rim * 0.3);
    p.fillPath(text, QColor(96, 56, 10));
    p.restore();
  }
  p.fillPath(text, goldGradient(text.boundingRect()));
  p.strokePath(text, QPen(QColor(255, 248, 220, 150), std::max(0.6, rim * 0.25)));
}

void engravedLettering(QPainter& p, const QPainterPath& text, const QColor& ink) {
  p.save();
  p.translate(0, 1.2);
  p.fillPath(text, QColor(255, 255, 255, 190));
  p.restore();
  p.save();
  p.translate(0, -0.8);
  p.fillPath(text, QColor(0, 0, 0, 120));
  p.restore();
  QLinearGradient g(text.boundingRect().topLeft(), text.boundingRect().bottomLeft());
  g.setColorAt(0, art::mix(ink, Qt::black, 0.35));
  g.setColorAt(1, ink);
  p.fillPath(text, g);
}

QFont headingFont(const QString& language) {
  QFont font(language == QLatin1String("Chi") ? QStringLiteral("WenQuanYi Zen Hei")
                                               : QStringLiteral("Liberation Serif"));
  font.setPixelSize(100);
  font.setBold(true);
  font.setLetterSpacing(QFont::PercentageSpacing, language == QLatin1String("Chi") ? 120 : 104);
  return font;
}

QImage strip(const std::vector<QImage>& frames) {
  const int w = frames.front().width(), h = frames.front().height();
  QImage out = art::canvas(w * static_cast<int>(frames.size()), h);
  QPainter p(&out);
  for (size_t i = 0; i < frames.size(); ++i) p.drawImage(static_cast<int>(i) * w, 0, frames[i]);
  return out;
}

namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int appendBytes(GifFileType* gif, const GifByteType* data, int len) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), len);
  return len;
}

}  // namespace

QByteArray encodeGif(const std::vector<QImage>& frames, int delayCs, const QColor& matte) {
  QByteArray out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, appendBytes, &error);
  if (!gif) return {};
  const int w = frames.front().width(), h = frames.front().height();
  EGifSetGifVersion(gif, true);
  bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, nullptr) != GIF_ERROR;
  // Loop for ever.
  const GifByteType loop[3] = {1, 0, 0};
  ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
       EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") != GIF_ERROR &&
       EGifPutExtensionBlock(gif, 3, loop) != GIF_ERROR && EGifPutExtensionTrailer(gif) != GIF_ERROR;

  const size_t n = static_cast<size_t>(w) * h;
  for (const QImage& src : frames) {
    if (!ok) break;
    const QImage frame = src.convertToFormat(QImage::Format_ARGB32);
    std::vector<GifByteType> r(n), g(n), b(n), indices(n);
    std::vector<bool> clear(n);
    for (int y = 0; y < h; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = 0; x < w; ++x) {
        const size_t i = static_cast<size_t>(y) * w + x;
        const double a = qAlpha(line[x]) / 255.0;
        clear[i] = a < 0.5;
        // An ordered dither of the quantizer's 5-bit steps keeps soft
        // gradients from banding.
        const double d = (kBayer[y % 4][x % 4] + 0.5) / 16.0 * 8.0 - 4.0;
        r[i] = static_cast<GifByteType>(art::toByte(qRed(line[x]) * a + matte.red() * (1 - a) + d));
        g[i] = static_cast<GifByteType>(art::toByte(qGreen(line[x]) * a + matte.green() * (1 - a) + d));
        b[i] = static_cast<GifByteType>(art::toByte(qBlue(line[x]) * a + matte.blue() * (1 - a) + d));
      }
    }
    int colours = 256;
    std::vector<GifColorType> palette(256, GifColorType{0, 0, 0});
    if (GifQuantizeBuffer(w, h, &colours, r.data(), g.data(), b.data(), indices.data(), palette.data()) ==
        GIF_ERROR) {
      ok = false;
      break;
    }
    // The least used colour gives its index to "transparent"; its pixels
    // take the nearest other colour.
    std::vector<size_t> uses(256, 0);
    for (size_t i = 0; i < n; ++i)
      if (!clear[i]) ++uses[indices[i]];
    const int transparent = static_cast<int>(std::min_element(uses.begin(), uses.end()) - uses.begin());
    int nearest = transparent == 0 ? 1 : 0;
    auto distance = [&](int a) {
      const int dr = palette[a].Red - palette[transparent].Red, dg = palette[a].Green - palette[transparent].Green,
                db = palette[a].Blue - palette[transparent].Blue;
      return dr * dr + dg * dg + db * db;
    };
    for (int c = 0; c < 256; ++c)
      if (c != transparent && distance(c) < distance(nearest)) nearest = c;
    for (size_t i = 0; i < n; ++i)
      if (clear[i])
        indices[i] = static_cast<GifByteType>(transparent);
      else if (indices[i] == transparent)
        indices[i] = static_cast<GifByteType>(nearest);
    palette[transparent] = GifColorType{static_cast<GifByteType>(matte.red()),
                                        static_cast<GifByteType>(matte.green()),
                                        static_cast<GifByteType>(matte.blue())};
    ColorMapObject* map = GifMakeMapObject(256, palette.data());
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_BACKGROUND;
    gcb.DelayTime = delayCs;
    gcb.TransparentColor = transparent;
    GifByteType ext[4];
    const size_t len = EGifGCBToExtension(&gcb, ext);
    ok = map && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext) != GIF_ERROR &&
         EGifPutImageDesc(gif, 0, 0, w, h, false, map) != GIF_ERROR;
    for (int y = 0; ok && y < h; ++y)
      ok = EGifPutLine(gif, indices.data() + static_cast<size_t>(y) * w, w) != GIF_ERROR;
    if (map) GifFreeMapObject(map);
  }
  if (EGifCloseFile(gif, &error) == GIF_ERROR) ok = false;
  return ok ? out : QByteArray();
}

}  // namespace packgen::gfx
