#include "resources/flag_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace zembra {
namespace {

// A colour, in a stripe list perhaps with its weight ("w*2").
bool IsColourToken(std::string_view t) {
  t = t.substr(0, t.find('*'));
  return t == "w" || t == "k" || (!t.empty() && t[0] == '#');
}

bool IsNumberToken(std::string_view t) {
  return !t.empty() && (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '-' || t[0] == '.');
}

struct TFrame {
  QRectF R;
  double X(double fx) const { return R.x() + fx * R.width(); }
  double Y(double fy) const { return R.y() + fy * R.height(); }
  QPointF At(double fx, double fy) const { return {X(fx), Y(fy)}; }
  double L(double v) const { return v * R.height(); }
};

// Whole pixels from a to b, at least one pixel when the span is not empty,
// so thin stripes and bars stay visible and edges stay crisp.
std::pair<int, int> Snap(double a, double b) {
  int lo = static_cast<int>(std::lround(a)), hi = static_cast<int>(std::lround(b));
  if (hi <= lo && b > a) hi = lo + 1;
  return {lo, hi};
}

QRect SnapRect(const QRectF& f) {
  const auto [l, r] = Snap(f.left(), f.right());
  const auto [t, b] = Snap(f.top(), f.bottom());
  return QRect(l, t, r - l, b - t);
}

// Stripe edges on whole pixels, every stripe at least one pixel when there
// is room for that.
std::vector<int> StripeEdges(const std::vector<double>& weights, int from, int to) {
  const int n = static_cast<int>(weights.size()), pixels = to - from;
  double total = 0;
  for (double w : weights) total += w;
  std::vector<int> edges(n + 1);
  double sum = 0;
  for (int i = 0; i <= n; ++i) {
    edges[i] = static_cast<int>(std::lround(sum / total * pixels));
    if (i < n) sum += weights[i];
  }
  if (n <= pixels) {
    for (int i = 1; i < n; ++i) edges[i] = std::clamp(edges[i], i, pixels - (n - i));
    for (int i = 1; i < n; ++i) edges[i] = std::max(edges[i], edges[i - 1] + 1);
  }
  for (int& e : edges) e += from;
  return edges;
}

QPolygonF StarPolygon(QPointF c, double radius, double inner, int points) {
  QPolygonF poly;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = -M_PI / 2 + i * M_PI / points;
    const double r = i % 2 ? radius * inner : radius;
    poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
  }
  return poly;
}

// The maple leaf, half-height 1, point up.
constexpr double kLeaf[][2] = {
    {0, -1},      {0.15, -0.7},  {0.3, -0.78},  {0.25, -0.32}, {0.55, -0.6},  {0.6, -0.44},  {0.9, -0.5},
    {0.8, -0.2},  {0.95, -0.1},  {0.55, 0.25},  {0.6, 0.42},   {0.07, 0.36},  {0.07, 0.85},  {-0.07, 0.85},
    {-0.07, 0.36}, {-0.6, 0.42}, {-0.55, 0.25}, {-0.95, -0.1}, {-0.8, -0.2},  {-0.9, -0.5},  {-0.6, -0.44},
    {-0.55, -0.6}, {-0.25, -0.32}, {-0.3, -0.78}, {-0.15, -0.7}};

class TDesignReader {
 public:
  TDesignReader(QPainter& p, const QRect& r, std::string_view design) : P(p) {
    Frames.push_back({QRectF(r)});
    size_t i = 0;
    while (i < design.size()) {
      while (i < design.size() && std::isspace(static_cast<unsigned char>(design[i]))) ++i;
      const size_t start = i;
      while (i < design.size() && !std::isspace(static_cast<unsigned char>(design[i]))) ++i;
      if (i > start) Tokens.push_back(design.substr(start, i - start));
    }
  }

  TFlagPaint Run() {
    TFlagPaint result;
    while (At < Tokens.size() && Good) Step(result);
    if (Good && Frames.size() > 1) Fail("a box without its end");
    while (Frames.size() > 1) {
      P.restore();
      Frames.pop_back();
    }
    result.Ok = Good;
    result.Error = Error;
    return result;
  }

 private:
  QPainter& P;
  std::vector<std::string_view> Tokens;
  size_t At = 0;
  std::vector<TFrame> Frames;
  bool Good = true;
  std::string Error;

  const TFrame& F() const { return Frames.back(); }

  void Fail(const std::string& what) {
    if (!Good) return;
    Good = false;
    Error = what + " at step " + std::to_string(At);
  }

  double Num() {
    if (At >= Tokens.size() || !IsNumberToken(Tokens[At])) {
      Fail("a number expected");
      return 0;
    }
    const std::string_view t = Tokens[At++];
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size()) Fail("a bad number '" + std::string(t) + "'");
    return v;
  }

  QColor ColourOf(std::string_view t) {
    if (t == "w") return Qt::white;
    if (t == "k") return Qt::black;
    const QColor c(QString::fromLatin1(t.data(), static_cast<int>(t.size())));
    if (t.size() != 7 || !c.isValid()) Fail("a bad colour '" + std::string(t) + "'");
    return c;
  }

  QColor Colour() {
    if (At >= Tokens.size() || !IsColourToken(Tokens[At])) {
      Fail("a colour expected");
      return Qt::magenta;
    }
    return ColourOf(Tokens[At++]);
  }

  // Colours of a stripe list, each with its weight.
  std::vector<std::pair<QColor, double>> ColourList() {
    std::vector<std::pair<QColor, double>> list;
    while (At < Tokens.size() && IsColourToken(Tokens[At])) {
      std::string_view t = Tokens[At++];
      double weight = 1;
      if (const size_t star = t.find('*'); star != std::string_view::npos) {
        const auto w = t.substr(star + 1);
        const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), weight);
        if (ec != std::errc() || end != w.data() + w.size() || weight <= 0) Fail("a bad weight");
        t = t.substr(0, star);
      }
      list.emplace_back(ColourOf(t), weight);
    }
    if (list.empty()) Fail("stripes without colours");
    return list;
  }

  void Smooth(bool on) { P.setRenderHint(QPainter::Antialiasing, on); }

  void FillPath(const QPainterPath& path, const QColor& c) {
    Smooth(true);
    P.fillPath(path, c);
  }

  void FillPolygon(const QPolygonF& poly, const QColor& c) {
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    FillPath(path, c);
  }

  void Stroke(const QPolygonF& points, double width, const QColor& c, bool closed) {
    Smooth(true);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    closed ? P.drawPolygon(points) : P.drawPolyline(points);
    P.setPen(Qt::NoPen);
  }

  // A line through two points, drawn past both ends so that it reaches the
  // frame's corners without a gap (the frame clips it).
  void Band(QPointF a, QPointF b, double width, const QColor& c, double overshoot) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF e = d / len * overshoot;
    Stroke(QPolygonF{a - e, b + e}, width, c, false);
  }

  void FillSnapped(const QRectF& r, const QColor& c) {
    Smooth(false);
    P.fillRect(SnapRect(r), c);
  }

  void Stripes(bool horizontal) {
    const auto list = ColourList();
    if (!Good) return;
    std::vector<double> weights;
    for (const auto& [c, w] : list) weights.push_back(w);
    const QRect box = SnapRect(F().R);
    const auto edges = horizontal ? StripeEdges(weights, box.top(), box.top() + box.height())
                                  : StripeEdges(weights, box.left(), box.left() + box.width());
    Smooth(false);
    for (size_t i = 0; i < list.size(); ++i) {
      const int a = edges[i], b = edges[i + 1];
      if (b <= a) continue;
      P.fillRect(horizontal ? QRect(box.left(), a, box.width(), b - a) : QRect(a, box.top(), b - a, box.height()),
                 list[i].first);
    }
  }

  void Cross(double x, double y, double t, const QColor& c) {
    const double w = F().L(t);
    const double cx = F().X(x), cy = F().Y(y);
    const QRect box = SnapRect(F().R);
    const auto [l, r] = Snap(cx - w / 2, cx + w / 2);
    const auto [top, bottom] = Snap(cy - w / 2, cy + w / 2);
    Smooth(false);
    P.fillRect(QRect(l, box.top(), r - l, box.height()), c);
    P.fillRect(QRect(box.left(), top, box.width(), bottom - top), c);
  }

  void Saltire(double t, const QColor& c) {
    const QRectF& r = F().R;
    Band(r.topLeft(), r.bottomRight(), F().L(t), c, F().L(t));
    Band(r.bottomLeft(), r.topRight(), F().L(t), c, F().L(t));
  }

  void Union() {
    const double h = F().R.height();
    FillSnapped(F().R, QColor(0x01, 0x21, 0x69));
    Saltire(0.2, Qt::white);
    Saltire(0.07, QColor(0xC8, 0x10, 0x2E));
    Cross(0.5, 0.5, 1.0 / 3, Qt::white);
    Cross(0.5, 0.5, std::max(1.0 / 5, 1.0 / h), QColor(0xC8, 0x10, 0x2E));
  }

  void PushBox(double x, double y, double w, double h) {
    const TFrame& f = F();
    const QRectF part(f.X(x), f.Y(y), w * f.R.width(), h * f.R.height());
    P.save();
    P.setClipRect(SnapRect(part), Qt::IntersectClip);
    Frames.push_back({part});
  }

  void Step(TFlagPaint& result) {
    const std::string_view cmd = Tokens[At++];
    const TFrame& f = F();
    P.setPen(Qt::NoPen);
    if (cmd == "fill") {
      const QColor c = Colour();
      if (Good) FillSnapped(f.R, c);
    } else if (cmd == "h" || cmd == "v") {
      Stripes(cmd == "h");
    } else if (cmd == "rect") {
      const double x = Num(), y = Num(), w = Num(), h = Num();
      const QColor c = Colour();
      if (Good) FillSnapped(QRectF(f.X(x), f.Y(y), w * f.R.width(), h * f.R.height()), c);
    } else if (cmd == "cross") {
      const double x = Num(), y = Num(), t = Num();
      const QColor c = Colour();
      if (Good) Cross(x, y, t, c);
    } else if (cmd == "checker") {
      const double x = Num(), y = Num(), w = Num(), h = Num();
      const int rows = static_cast<int>(Num()), cols = static_cast<int>(Num());
      const QColor a = Colour(), b = Colour();
      if (Good && (rows < 1 || cols < 1)) Fail("an empty checker");
      if (!Good) return;
      for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
          FillSnapped(QRectF(f.X(x + w * j / cols), f.Y(y + h * i / rows), w * f.R.width() / cols,
                             h * f.R.height() / rows),
                      (i + j) % 2 ? b : a);
    } else if (cmd == "disc" || cmd == "ring") {
      const double x = Num(), y = Num(), r = Num();
      const double t = cmd == "ring" ? Num() : 0;
      const QColor c = Colour();
      if (!Good) return;
      QPainterPath path;
      path.addEllipse(f.At(x, y), f.L(r), f.L(r));
      if (cmd == "ring") {
        QPainterPath hole;
        hole.addEllipse(f.At(x, y), f.L(r - t), f.L(r - t));
        path = path.subtracted(hole);
      }
      FillPath(path, c);
    } else if (cmd == "ell") {
      const double x = Num(), y = Num(), rx = Num(), ry = Num();
      const QColor c = Colour();
      if (!Good) return;
      QPainterPath path;
      path.addEllipse(f.At(x, y), f.L(rx), f.L(ry));
      FillPath(path, c);
    } else if (cmd == "pie") {
      const double x = Num(), y = Num(), r = Num(), from = Num(), span = Num();
      const QColor c = Colour();
      if (!Good) return;
      QPainterPath path;
      const QPointF centre = f.At(x, y);
      path.moveTo(centre);
      path.arcTo(QRectF(centre.x() - f.L(r), centre.y() - f.L(r), 2 * f.L(r), 2 * f.L(r)), from, span);
      path.closeSubpath();
      FillPath(path, c);
    } else if (cmd == "crescent") {
      const double x = Num(), y = Num(), r = Num(), dx = Num(), dy = Num(), ratio = Num();
      const QColor c = Colour();
      if (!Good) return;
      QPainterPath disc, cut;
      disc.addEllipse(f.At(x, y), f.L(r), f.L(r));
      cut.addEllipse(f.At(x, y) + QPointF(f.L(dx), f.L(dy)), f.L(r * ratio), f.L(r * ratio));
      FillPath(disc.subtracted(cut), c);
    } else if (cmd == "star" || cmd == "spikes") {
      const int n = cmd == "spikes" ? static_cast<int>(Num()) : 5;
      const double x = Num(), y = Num(), r = Num();
      const double inner = cmd == "spikes" ? Num() : 0.382;
      const QColor c = Colour();
      if (Good && n < 3) Fail("a star of fewer than three points");
      if (Good) FillPolygon(StarPolygon(f.At(x, y), f.L(r), inner, n), c);
    } else if (cmd == "starline") {
      const double x = Num(), y = Num(), r = Num(), t = Num();
      const QColor c = Colour();
      if (!Good) return;
      const QPolygonF outer = StarPolygon(f.At(x, y), f.L(r), 1, 5);
      Stroke(QPolygonF{outer[0], outer[4], outer[8], outer[2], outer[6]}, f.L(t), c, true);
    } else if (cmd == "hexagram") {
      const double x = Num(), y = Num(), r = Num(), t = Num();
      const QColor c = Colour();
      if (!Good) return;
      const QPolygonF points = StarPolygon(f.At(x, y), f.L(r), 1, 6);
      Stroke(QPolygonF{points[0], points[4], points[8]}, f.L(t), c, true);
      Stroke(QPolygonF{points[2], points[6], points[10]}, f.L(t), c, true);
    } else if (cmd == "arcstars" || cmd == "arcdots") {
      const double x = Num(), y = Num(), radius = Num();
      const int n = static_cast<int>(Num());
      const double r = Num(), from = Num(), to = Num();
      const QColor c = Colour();
      if (Good && n < 1) Fail("an empty arc");
      if (!Good) return;
      const bool whole = std::abs(to - from) >= 360;
      const double step = whole ? (to - from) / n : (n > 1 ? (to - from) / (n - 1) : 0);
      for (int i = 0; i < n; ++i) {
        const double a = qDegreesToRadians(from + i * step);
        const QPointF at = f.At(x, y) + QPointF(f.L(radius) * std::cos(a), -f.L(radius) * std::sin(a));
        if (cmd == "arcstars") {
          FillPolygon(StarPolygon(at, f.L(r), 0.382, 5), c);
        } else {
          QPainterPath path;
          path.addEllipse(at, f.L(r), f.L(r));
          FillPath(path, c);
        }
      }
    } else if (cmd == "dots") {
      const double x = Num(), y = Num(), w = Num(), h = Num();
      const int rows = static_cast<int>(Num()), cols = static_cast<int>(Num());
      const double r = Num();
      const QColor c = Colour();
      if (Good && (rows < 1 || cols < 1)) Fail("an empty grid");
      if (!Good) return;
      QPainterPath path;
      for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
          path.addEllipse(f.At(x + w * (j + 0.5) / cols, y + h * (i + 0.5) / rows), f.L(r), f.L(r));
      FillPath(path, c);
    } else if (cmd == "poly") {
      const QColor c = Colour();
      QPolygonF poly;
      while (Good && At < Tokens.size() && IsNumberToken(Tokens[At])) {
        const double x = Num(), y = Num();
        poly << f.At(x, y);
      }
      if (Good && poly.size() < 3) Fail("a polygon of fewer than three corners");
      if (Good) FillPolygon(poly, c);
    } else if (cmd == "line") {
      const double x1 = Num(), y1 = Num(), x2 = Num(), y2 = Num(), t = Num();
      const QColor c = Colour();
      if (Good) Stroke(QPolygonF{f.At(x1, y1), f.At(x2, y2)}, f.L(t), c, false);
    } else if (cmd == "saltire" || cmd == "diag" || cmd == "adiag") {
      const double t = Num();
      const QColor c = Colour();
      if (!Good) return;
      if (cmd == "saltire") Saltire(t, c);
      if (cmd == "diag") Band(f.R.bottomLeft(), f.R.topRight(), f.L(t), c, f.L(t));
      if (cmd == "adiag") Band(f.R.topLeft(), f.R.bottomRight(), f.L(t), c, f.L(t));
    } else if (cmd == "serrate") {
      const double x0 = Num(), x1 = Num();
      const int n = static_cast<int>(Num());
      const QColor c = Colour();
      if (Good && n < 1) Fail("a band without teeth");
      if (!Good) return;
      QPolygonF poly{f.At(-0.01, -0.01), f.At(x0, -0.01)};
      for (int k = 0; k < n; ++k) poly << f.At(x1, (k + 0.5) / n) << f.At(x0, double(k + 1) / n);
      poly << f.At(x0, 1.01) << f.At(-0.01, 1.01);
      FillPolygon(poly, c);
    } else if (cmd == "leaf") {
      const double x = Num(), y = Num(), s = Num();
      const QColor c = Colour();
      if (!Good) return;
      QPolygonF poly;
      for (const auto& pt : kLeaf) poly << f.At(x, y) + QPointF(pt[0] * f.L(s), pt[1] * f.L(s));
      FillPolygon(poly, c);
    } else if (cmd == "union") {
      Union();
    } else if (cmd == "ensign") {
      const QColor c = Colour();
      if (!Good) return;
      FillSnapped(f.R, c);
      PushBox(0, 0, 0.5, 0.5);
      Union();
      P.restore();
      Frames.pop_back();
    } else if (cmd == "box") {
      const double x = Num(), y = Num(), w = Num(), h = Num();
      if (Good) PushBox(x, y, w, h);
    } else if (cmd == "end") {
      if (Frames.size() < 2) return Fail("an end without its box");
      P.restore();
      Frames.pop_back();
    } else if (cmd == "noframe") {
      result.Framed = false;
    } else {
      --At;
      Fail("an unknown step '" + std::string(cmd) + "'");
    }
  }
};

}  // namespace

TFlagPaint PaintFlagDesign(QPainter& p, const QRect& r, std::string_view design) {
  p.save();
  p.setClipRect(r, Qt::IntersectClip);
  TFlagPaint result = TDesignReader(p, r, design).Run();
  p.restore();
  return result;
}

}  // namespace zembra
