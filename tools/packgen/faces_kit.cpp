#include "faces_kit.h"

#include "resources/pack_names.h"
#include "suits.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace packgen::faces {

namespace {

// ---- suit shapes in a 100 x 100 design box ----

// French suits are the program's own shapes; hearts serve the German
// suits too.
QPainterPath FrenchDesign(Suit s) { return art::suitDesign(static_cast<art::Suit>(static_cast<int>(s))); }

QPainterPath GermanDesign(Suit s) {
  QPainterPath p;
  switch (s) {
    case Suit::Hearts:
      return FrenchDesign(Suit::Hearts);
    case Suit::Diamonds: {  // a bell with a knob on top
      p.addEllipse(QPointF(50, 58), 38, 38);
      QPainterPath knob;
      knob.addEllipse(QPointF(50, 12), 9, 9);
      knob.addRect(QRectF(45, 14, 10, 10));
      return p.united(knob);
    }
    case Suit::Clubs: {  // an acorn: nut, cup and stalk
      p.addEllipse(QPointF(50, 36), 23, 32);
      QPainterPath cup;
      cup.addRoundedRect(QRectF(22, 54, 56, 26), 13, 13);
      cup.addRect(QRectF(46, 76, 8, 22));
      return p.united(cup);
    }
    case Suit::Spades: {  // a leaf on its stalk
      p.moveTo(50, 2);
      p.cubicTo(74, 16, 98, 40, 82, 62);
      p.cubicTo(72, 76, 58, 78, 50, 84);
      p.cubicTo(42, 78, 28, 76, 18, 62);
      p.cubicTo(2, 40, 26, 16, 50, 2);
      p.closeSubpath();
      QPainterPath stalk;
      stalk.addRect(QRectF(47, 76, 6, 22));
      return p.united(stalk);
    }
  }
  return p;
}

QTransform FitTransform(const QRectF& from, const QRectF& box) {
  const double scale = std::min(box.width() / from.width(), box.height() / from.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-from.center().x(), -from.center().y());
  return t;
}

}  // namespace

QPainterPath SuitPath(Suit s, SuitForm form, const QRectF& box) {
  const QPainterPath design = form == SuitForm::German ? GermanDesign(s) : FrenchDesign(s);
  return FitTransform(design.boundingRect(), box).map(design);
}

namespace {

void PaintGerman(QPainter& p, Suit s, const QRectF& box, const QColor& colour) {
  const QPainterPath design = GermanDesign(s);
  const QTransform t = FitTransform(design.boundingRect(), box);
  const QPainterPath path = t.map(design);
  const double unit = t.m11();
  QPen edge(QColor(40, 25, 10), std::max(0.6, 3.0 * unit));
  edge.setJoinStyle(Qt::RoundJoin);
  p.save();
  switch (s) {
    case Suit::Hearts: {
      QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomLeft());
      g.setColorAt(0, colour.lighter(125));
      g.setColorAt(1, colour.darker(130));
      p.fillPath(path, g);
      break;
    }
    case Suit::Diamonds: {
      QRadialGradient g(t.map(QPointF(40, 46)), 40 * unit);
      g.setColorAt(0, QColor(255, 228, 120));
      g.setColorAt(1, QColor(214, 150, 20));
      p.fillPath(path, g);
      p.setClipPath(path);
      QPainterPath band;
      band.addRect(QRectF(10, 50, 80, 9));
      p.fillPath(t.map(band), QColor(190, 30, 30));
      QPainterPath slit;
      slit.addEllipse(QPointF(50, 80), 12, 5);
      p.fillPath(t.map(slit), QColor(60, 35, 10));
      p.setClipping(false);
      break;
    }
    case Suit::Clubs: {
      QPainterPath nut;
      nut.addEllipse(QPointF(50, 36), 23, 32);
      QRadialGradient g(t.map(QPointF(42, 26)), 30 * unit);
      g.setColorAt(0, QColor(230, 190, 90));
      g.setColorAt(1, QColor(170, 110, 30));
      p.fillPath(t.map(nut), g);
      QPainterPath cup;
      cup.addRoundedRect(QRectF(22, 54, 56, 26), 13, 13);
      cup.addRect(QRectF(46, 76, 8, 22));
      p.fillPath(t.map(cup), QColor(70, 110, 40));
      p.setPen(QPen(QColor(40, 70, 20), std::max(0.5, 2.0 * unit)));
      for (int i = 0; i < 4; ++i) p.drawLine(t.map(QPointF(30 + i * 13, 57)), t.map(QPointF(24 + i * 13, 77)));
      break;
    }
    case Suit::Spades: {
      QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomRight());
      g.setColorAt(0, QColor(110, 190, 70));
      g.setColorAt(1, QColor(30, 110, 40));
      p.fillPath(path, g);
      p.setPen(QPen(QColor(20, 80, 25), std::max(0.5, 2.5 * unit)));
      p.drawLine(t.map(QPointF(50, 14)), t.map(QPointF(50, 90)));
      break;
    }
  }
  p.strokePath(path, edge);
  p.restore();
}

}  // namespace

void PaintSuit(QPainter& p, Suit s, SuitForm form, const QRectF& box, const QColor& colour, PipFill fill) {
  if (form == SuitForm::German) {
    PaintGerman(p, s, box, colour);
    return;
  }
  const QPainterPath path = SuitPath(s, form, box);
  const QRectF b = path.boundingRect();
  p.save();
  switch (fill) {
    case PipFill::Flat:
      p.fillPath(path, colour);
      break;
    case PipFill::Glossy: {
      QLinearGradient g(b.topLeft(), b.bottomLeft());
      g.setColorAt(0, colour.lighter(135));
      g.setColorAt(1, colour.darker(125));
      p.fillPath(path, g);
      p.setClipPath(path, Qt::IntersectClip);
      QRadialGradient light(QPointF(b.left() + b.width() * 0.32, b.top() + b.height() * 0.24), b.width() * 0.5);
      light.setColorAt(0, QColor(255, 255, 255, 120));
      light.setColorAt(1, QColor(255, 255, 255, 0));
      p.fillRect(b, light);
      p.setClipping(false);
      p.strokePath(path, QPen(colour.darker(170), std::max(0.5, b.width() / 50.0)));
      break;
    }
    case PipFill::Outline: {
      p.fillPath(path, Mix(colour, Qt::white, 0.82));
      QPen pen(colour, std::max(0.8, b.width() / 12.0));
      pen.setJoinStyle(Qt::RoundJoin);
      p.strokePath(path, pen);
      break;
    }
    case PipFill::Engraved: {
      p.fillPath(path, colour);
      p.setClipPath(path, Qt::IntersectClip);
      QPen hatch(colour.lighter(160), std::max(0.4, b.width() / 40.0));
      p.setPen(hatch);
      const double step = std::max(2.0, b.width() / 7.0);
      for (double x = b.left() - b.height(); x < b.right(); x += step)
        p.drawLine(QPointF(x, b.bottom()), QPointF(x + b.height() * 0.6, b.top()));
      p.setClipping(false);
      p.strokePath(path, QPen(colour.darker(150), std::max(0.5, b.width() / 30.0)));
      break;
    }
  }
  p.restore();
}

namespace {

// Runs f(r, g, b, a) on every pixel of a straight-alpha copy of img.
template <class F>
void ForEachPixel(QImage& img, F f) {
  QImage work = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < work.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
    for (int x = 0; x < work.width(); ++x) {
      const QRgb c = line[x];
      if (qAlpha(c) == 0) continue;
      int r = qRed(c), g = qGreen(c), b = qBlue(c);
      f(x, y, r, g, b);
      line[x] = qRgba(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255), qAlpha(c));
    }
  }
  img = work.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::uint32_t Hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                    static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double Noise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  auto s = [](double t) { return t * t * (3 - 2 * t); };
  const double tx = s(x - fx), ty = s(y - fy);
  auto v = [&](int a, int b) { return Hash(a, b, seed) / 4294967296.0; };
  const double top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * tx;
  const double bottom = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

}  // namespace

void TintPaper(QImage& img, const QColor& paper, double texture, std::uint32_t seed) {
  const double pr = paper.red() / 255.0, pg = paper.green() / 255.0, pb = paper.blue() / 255.0;
  const double scale = 24.0 / img.height();  // the same blotches at every size
  ForEachPixel(img, [&](int x, int y, int& r, int& g, int& b) {
    double k = 1.0;
    if (texture > 0) {
      const double n = 0.6 * Noise(x * scale, y * scale, seed) + 0.4 * Noise(x * scale * 3.1, y * scale * 3.1, seed + 7);
      k = 1.0 - texture * n;
    }
    r = static_cast<int>(r * pr * k + 0.5);
    g = static_cast<int>(g * pg * k + 0.5);
    b = static_cast<int>(b * pb * k + 0.5);
  });
}

void Sepia(QImage& img, double amount) {
  ForEachPixel(img, [&](int, int, int& r, int& g, int& b) {
    const double l = (0.3 * r + 0.59 * g + 0.11 * b) / 255.0;
    const double sr = 255 * std::min(1.0, l * 1.02 + 0.04), sg = 255 * l * 0.88 + 8, sb = 255 * l * 0.66 + 4;
    r = static_cast<int>(r + (sr - r) * amount);
    g = static_cast<int>(g + (sg - g) * amount);
    b = static_cast<int>(b + (sb - b) * amount);
  });
}

void TurnHue(QImage& img, int degrees) {
  ForEachPixel(img, [&](int, int, int& r, int& g, int& b) {
    QColor c(r, g, b);
    int h, s, v;
    c.getHsv(&h, &s, &v);
    if (h < 0 || s < 20) return;
    c.setHsv((h + degrees + 360) % 360, s, v);
    r = c.red();
    g = c.green();
    b = c.blue();
  });
}

void RecolourBlack(QImage& img, const QColor& ink) {
  ForEachPixel(img, [&](int, int, int& r, int& g, int& b) {
    const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
    if (mx - mn > 40) return;  // coloured, not black ink
    const double a = 1.0 - (0.3 * r + 0.59 * g + 0.11 * b) / 255.0;  // how much ink
    if (a < 0.12) return;
    r = static_cast<int>(r + (ink.red() - r) * a);
    g = static_cast<int>(g + (ink.green() - g) * a);
    b = static_cast<int>(b + (ink.blue() - b) * a);
  });
}

void RecolourRed(QImage& img, const QColor& ink) {
  int th, ts, tv;
  ink.getHsv(&th, &ts, &tv);
  ForEachPixel(img, [&](int, int, int& r, int& g, int& b) {
    QColor c(r, g, b);
    int h, s, v;
    c.getHsv(&h, &s, &v);
    if (h < 0 || s < 70 || (h > 22 && h < 335)) return;
    c.setHsv(th, std::min(255, s * ts / 255 + 20), std::min(v, tv + (255 - tv) * (255 - s) / 255));
    r = c.red();
    g = c.green();
    b = c.blue();
  });
}

QImage Retarget(const QImage& src, int w) {
  const QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int sw = img.width(), h = img.height();
  if (w == sw) return img;
  std::vector<double> energy(sw, 0.0);
  const auto* bits = reinterpret_cast<const QRgb*>(img.constBits());
  const int stride = img.bytesPerLine() / 4;
  auto px = [&](int x, int y) { return bits[y * stride + x]; };
  auto diff = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) +
           2 * std::abs(qAlpha(a) - qAlpha(b));
  };
  // Edges cost, and so does ink: a column through the middle of a plain
  // pip has few edges but must stay.
  const QColor paper = PaperOf(img);
  const QRgb paperPx = qRgba(paper.red(), paper.green(), paper.blue(), 255);
  for (int x = 1; x < sw; ++x)
    for (int y = 1; y < h; ++y)
      energy[x] += diff(px(x, y), px(x - 1, y)) + diff(px(x, y), px(x, y - 1)) + diff(px(x, y), paperPx) / 2;
  const int edge = std::max(3, sw / 7);
  std::vector<int> order;
  for (int x = edge; x < sw - edge; ++x) order.push_back(x);
  // Cheapest first; among equals, the columns nearest the middle.
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if (energy[a] != energy[b]) return energy[a] < energy[b];
    return std::abs(2 * a - sw) < std::abs(2 * b - sw);
  });
  std::vector<int> copies(sw, 1);
  if (w < sw) {
    for (int i = 0; i < sw - w && i < static_cast<int>(order.size()); ++i) copies[order[i]] = 0;
  } else {
    int left = w - sw;
    // Spread the doubled columns: first no two side by side, then any.
    for (int pass = 0; left > 0 && pass < 8; ++pass) {
      for (int x : order) {
        if (left == 0) break;
        if (pass == 0 && (copies[x - 1] > 1 || copies[x + 1] > 1 || copies[x] > 1)) continue;
        if (pass > 0 && copies[x] > pass) continue;
        ++copies[x];
        --left;
      }
    }
  }
  QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  int ox = 0;
  for (int x = 0; x < sw && ox < w; ++x)
    for (int k = 0; k < copies[x] && ox < w; ++k, ++ox)
      for (int y = 0; y < h; ++y) reinterpret_cast<QRgb*>(out.scanLine(y))[ox] = px(x, y);  // NOLINT
  return out;
}

QColor PaperOf(const QImage& src) {
  const QImage img = src.convertToFormat(QImage::Format_ARGB32);
  std::vector<QRgb> samples;
  for (int i = 0; i < 9; ++i) {
    const int x = std::max(1, img.width() * 6 / 100);
    const int y = img.height() * (35 + 4 * i) / 100;
    samples.push_back(img.pixel(x, y));
    samples.push_back(img.pixel(img.width() - 1 - x, y));
  }
  std::sort(samples.begin(), samples.end(), [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });
  const QRgb m = samples[samples.size() / 2];
  return QColor(qRed(m), qGreen(m), qBlue(m));
}

QRect InvertedEllipse(bool large, bool wide) {
  if (!large) return QRect(QPoint(10, 10), QPoint(84, 59));
  return QRect(QPoint(10, 10), QPoint(188, wide ? 136 : 116));
}

bool InsideEllipse(const QRect& e, int x, int y) {
  // The program's own test, so that its loader turns every pixel back.
  return zembra::InsideFaceEllipse(e.left(), e.top(), e.right(), e.bottom(), x, y);
}

QImage InvertInside(const QImage& img, const QRect& ellipse) {
  QImage out = img.convertToFormat(QImage::Format_ARGB32);
  const QRect area = ellipse.intersected(out.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!InsideEllipse(ellipse, x, y)) continue;
      const QRgb c = line[x];
      line[x] = qRgba(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c), qAlpha(c));
    }
  }
  return out;
}

}  // namespace packgen::faces
