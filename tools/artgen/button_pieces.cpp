// The pieces of the program's own button: left end "_L", right end "_R" and
// middle "_2", in three heights (29, 44, 59 rows) and two styles. All are
// red; the button recolours red to its other colours when it draws them.
//
// Old style ("R"): the middle column is exactly the button's gradient rows,
// so the pieces join seamlessly with the rows the button draws itself at the
// standard heights; the ends wrap that profile around rounded corners.
// New style ("Q"): flatter and brighter, elliptical ends, a thin gold edge.
#include "art.h"
#include "paint_kit.h"

#include "resources/owner_button.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace art {

namespace {

constexpr int kMiddleWidth = 16;

struct Family {
  int rows;      // piece height
  int endWidth;  // width of an end piece
  int height;    // the button height the family is drawn for
};

const Family kFamilies[] = {{29, 8, 30}, {44, 13, 45}, {59, 17, 60}};

enum class Kind { Left, Right, Middle };

// A piece from a function of the left end: x, y in pixels from the piece's
// top left as if it were the left end; the right end is the mirror image and
// the middle lies beyond the end's width.
QImage drawPiece(const Family& f, Kind kind, const std::function<QRgb(double x, double y)>& leftEnd) {
  const int w = kind == Kind::Middle ? kMiddleWidth : f.endWidth;
  QImage img(w, f.rows, QImage::Format_ARGB32);
  for (int y = 0; y < f.rows; ++y) {
    for (int x = 0; x < w; ++x) {
      double lx = x + 0.5;
      if (kind == Kind::Right) lx = w - lx;
      if (kind == Kind::Middle) lx = f.endWidth + 0.5;
      img.setPixel(x, y, leftEnd(lx, y + 0.5));
    }
  }
  return img;
}

// --- Old style ---------------------------------------------------------------

// Distance of a point inside the bar from its outline: a rectangle as tall as
// the piece with circular corners of the end's width.
double insideDistance(const Family& f, double x, double y) {
  const double r = f.endWidth, h = f.rows;
  if (x >= r) return std::min(y, h - y);
  if (y < r) return r - std::hypot(x - r, y - r);
  if (y > h - r) return r - std::hypot(x - r, y - (h - r));
  return std::min({x, y, h - y});
}

QRgb oldStylePixel(const Family& f, double x, double y) {
  const std::span<const zembra::TRgb> rows = zembra::GradientTable(f.height);
  const double d = insideDistance(f, x, y);
  const double alpha = std::clamp(d + 0.5, 0.0, 1.0);
  if (alpha <= 0) return qRgba(0, 0, 0, 0);
  // The upper half takes the row as far from the top as the point is from the
  // outline, the lower half likewise from the bottom: border, shadow line and
  // highlight follow the rounded ends.
  const int row = static_cast<int>(y);
  const int k = std::max(0, static_cast<int>(std::floor(d)));
  const int last = f.rows - 1;
  const int use = 2 * row < f.rows ? std::min(row, k) : std::max(row, last - k);
  const zembra::TRgb c = rows[use];
  return qRgba(c.R, c.G, c.B, toByte(alpha * 255));
}

// --- New style ---------------------------------------------------------------

constexpr double kEdge = 1.25;  // width of the gold edge
constexpr int kSamples = 4;      // per pixel and direction

// 0 outside, 1 on the gold edge, 2 inside; the end is half an ellipse as wide
// as the end piece and as tall as the bar.
int newStyleZone(const Family& f, double x, double y) {
  const double a = f.endWidth, b = f.rows / 2.0;
  auto inEllipse = [&](double inset) {
    if (x >= a) return y >= inset && y <= f.rows - inset;
    const double u = (x - a) / (a - inset), v = (y - b) / (b - inset);
    return u * u + v * v <= 1.0;
  };
  if (!inEllipse(0)) return 0;
  return inEllipse(kEdge) ? 2 : 1;
}

// Flat body with a soft gloss above the middle and a little light along the
// bottom. Every body colour stays close to pure red, the edge stays far
// from it: the card colour recolours only the body.
QColor newStyleBody(const Family& f, double y) {
  const double t = y / f.rows;
  if (t < 0.5) return mix(QColor(255, 118, 118), QColor(246, 62, 62), t / 0.5);
  if (t < 0.86) return mix(QColor(232, 26, 26), QColor(210, 8, 8), (t - 0.5) / 0.36);
  return mix(QColor(210, 8, 8), QColor(236, 44, 44), (t - 0.86) / 0.14);
}

QColor newStyleEdge(const Family& f, double y) {
  return mix(QColor(240, 205, 90), QColor(196, 168, 48), y / f.rows);
}

QRgb newStylePixel(const Family& f, double x, double y) {
  double r = 0, g = 0, b = 0, a = 0;
  for (int i = 0; i < kSamples; ++i) {
    for (int j = 0; j < kSamples; ++j) {
      const double sx = x - 0.5 + (i + 0.5) / kSamples, sy = y - 0.5 + (j + 0.5) / kSamples;
      const int zone = newStyleZone(f, sx, sy);
      if (zone == 0) continue;
      const QColor c = zone == 1 ? newStyleEdge(f, sy) : newStyleBody(f, sy);
      r += c.red(), g += c.green(), b += c.blue(), a += 1;
    }
  }
  if (a == 0) return qRgba(0, 0, 0, 0);
  return qRgba(toByte(r / a), toByte(g / a), toByte(b / a), toByte(255 * a / (kSamples * kSamples)));
}

}  // namespace

void addButtonPieces(ArtBook& book) {
  const std::pair<Kind, const char*> kinds[] = {{Kind::Left, "_L"}, {Kind::Right, "_R"}, {Kind::Middle, "_2"}};
  for (const Family& f : kFamilies) {
    const QString family = QString::number(f.rows);
    for (const auto& [kind, suffix] : kinds) {
      book.add("R" + family + suffix, drawPiece(f, kind, [&f](double x, double y) { return oldStylePixel(f, x, y); }));
      book.add("Q" + family + suffix, drawPiece(f, kind, [&f](double x, double y) { return newStylePixel(f, x, y); }));
    }
  }
}

}  // namespace art
