// The animals of the year, "R_VOSKRIS" (Rat) .. "R_VOSPIG0" (Pig): red
// paper-cut figures on a cream medallion in a gold ring, on a lacquer-red
// card with the animal's character in gold above.
#include <QLinearGradient>
#include <QRadialGradient>

#include "calendar_kit.h"

namespace packgen::cal {
namespace {

// A figure in a box of -0.5 .. 0.5 facing left: the paper and the cuts.
struct TFigure {
  QPainterPath Paper, Cuts;
};

QPainterPath Line(std::initializer_list<QPointF> points, double width) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first) path.moveTo(pt);
    else path.lineTo(pt);
    first = false;
  }
  return Stroke(path, width);
}

QPainterPath Curve(QPointF a, QPointF c1, QPointF c2, QPointF b, double width) {
  QPainterPath path(a);
  path.cubicTo(c1, c2, b);
  return Stroke(path, width);
}

// A body stroke that thins from start to end, drawn as overlapping discs.
QPainterPath Tapered(const QPainterPath& spine, double from, double to) {
  QPainterPath body;
  body.setFillRule(Qt::WindingFill);
  for (int i = 0; i <= 60; ++i) {
    const double t = i / 60.0;
    const double r = (from + (to - from) * t) / 2;
    body.addEllipse(spine.pointAtPercent(t), r, r);
  }
  return body;
}

TFigure Rat() {
  TFigure f;
  f.Paper = Unite({Ellipse({0.06, 0.1}, 0.28, 0.17), Ellipse({-0.24, 0.03}, 0.15, 0.11, -12),
                   Poly({{-0.3, -0.04}, {-0.47, 0.07}, {-0.3, 0.11}}), Ellipse({-0.17, -0.12}, 0.08, 0.08),
                   Ellipse({-0.12, 0.27}, 0.07, 0.03), Ellipse({0.2, 0.27}, 0.08, 0.03),
                   Curve({0.3, 0.16}, {0.5, 0.28}, {0.52, -0.08}, {0.34, -0.2}, 0.028)});
  f.Cuts = Unite({Ellipse({-0.17, -0.12}, 0.045, 0.045), Ellipse({-0.3, 0.01}, 0.022, 0.022),
                  Curve({-0.02, 0.16}, {0.06, 0.04}, {0.16, 0.02}, {0.24, 0.08}, 0.02)});
  return f;
}

TFigure Ox() {
  TFigure f;
  f.Paper = Unite({Ellipse({0.06, 0.04}, 0.31, 0.18), Ellipse({-0.12, -0.08}, 0.16, 0.12),
                   Ellipse({-0.33, 0.0}, 0.11, 0.13), Ellipse({-0.37, 0.1}, 0.09, 0.07),
                   Curve({-0.38, -0.08}, {-0.46, -0.12}, {-0.5, -0.2}, {-0.44, -0.3}, 0.045),
                   Curve({-0.28, -0.1}, {-0.2, -0.14}, {-0.16, -0.22}, {-0.2, -0.32}, 0.045),
                   Line({{-0.16, 0.16}, {-0.18, 0.42}}, 0.08), Line({{-0.04, 0.18}, {-0.04, 0.42}}, 0.08),
                   Line({{0.2, 0.16}, {0.2, 0.42}}, 0.08), Line({{0.3, 0.14}, {0.32, 0.42}}, 0.08),
                   Curve({0.36, -0.04}, {0.44, 0.04}, {0.42, 0.16}, {0.44, 0.26}, 0.03),
                   Ellipse({0.44, 0.28}, 0.03, 0.05)});
  f.Cuts = Unite({Ellipse({-0.33, -0.04}, 0.022, 0.022), Ellipse({-0.4, 0.12}, 0.016, 0.012),
                  Curve({-0.04, -0.02}, {0.06, 0.08}, {0.18, 0.08}, {0.28, 0.0}, 0.022),
                  Curve({0.0, 0.1}, {0.08, 0.16}, {0.16, 0.16}, {0.24, 0.12}, 0.018)});
  return f;
}

TFigure Tiger() {
  TFigure f;
  f.Paper = Unite({Ellipse({0.04, 0.04}, 0.3, 0.14), Ellipse({-0.31, -0.08}, 0.14, 0.13),
                   Ellipse({-0.41, -0.02}, 0.07, 0.06), Ellipse({-0.38, -0.2}, 0.045, 0.05),
                   Ellipse({-0.22, -0.2}, 0.045, 0.05), Line({{-0.18, 0.1}, {-0.24, 0.38}}, 0.085),
                   Line({{-0.06, 0.12}, {-0.04, 0.38}}, 0.085), Line({{0.18, 0.1}, {0.2, 0.38}}, 0.085),
                   Line({{0.28, 0.08}, {0.34, 0.38}}, 0.085),
                   Curve({0.32, 0.0}, {0.46, -0.02}, {0.5, -0.2}, {0.4, -0.3}, 0.045)});
  QPainterPath stripes;
  for (double x : {-0.1, 0.0, 0.1, 0.2})
    stripes.addPath(Curve({x, -0.08}, {x + 0.04, -0.02}, {x - 0.02, 0.04}, {x + 0.02, 0.1}, 0.028));
  f.Cuts = Unite({stripes, Ellipse({-0.34, -0.12}, 0.024, 0.018), Ellipse({-0.22, -0.12}, 0.024, 0.018),
                  Line({{-0.33, -0.19}, {-0.25, -0.19}}, 0.016), Line({{-0.29, -0.2}, {-0.29, -0.15}}, 0.016),
                  Ellipse({-0.44, -0.03}, 0.018, 0.014)});
  return f;
}

TFigure Rabbit() {
  TFigure f;
  f.Paper = Unite({Ellipse({0.08, 0.15}, 0.25, 0.2), Ellipse({-0.18, -0.04}, 0.14, 0.12, -20),
                   Ellipse({-0.12, -0.3}, 0.055, 0.19, 12), Ellipse({-0.23, -0.29}, 0.055, 0.19, -14),
                   Ellipse({0.35, 0.1}, 0.07, 0.07), Ellipse({-0.1, 0.37}, 0.13, 0.045),
                   Ellipse({0.22, 0.37}, 0.16, 0.05)});
  f.Cuts = Unite({Ellipse({-0.2, -0.07}, 0.026, 0.026), Ellipse({-0.12, -0.3}, 0.02, 0.12, 12),
                  Curve({0.1, 0.36}, {0.02, 0.22}, {0.16, 0.06}, {0.28, 0.16}, 0.02)});
  return f;
}

TFigure Dragon() {
  TFigure f;
  QPainterPath spine(QPointF(-0.24, -0.14));
  spine.cubicTo(0.14, -0.36, 0.36, -0.08, 0.1, 0.06);
  spine.cubicTo(-0.14, 0.2, 0.0, 0.44, 0.44, 0.3);
  QPainterPath spikes;
  for (int i = 1; i < 14; ++i) {
    const double t = i / 14.0;
    const QPointF at = spine.pointAtPercent(t);
    const double a = -spine.angleAtPercent(t) * kPi / 180;
    const QPointF along(std::cos(a), std::sin(a)), normal(std::sin(a), -std::cos(a));
    const double h = 0.065 * (1 - 0.6 * t) + 0.02;
    spikes.addPath(Poly({at - along * 0.03, at + normal * (h + 0.04) + along * 0.02, at + along * 0.035}));
  }
  f.Paper = Unite({Tapered(spine, 0.17, 0.06), spikes, Ellipse({-0.3, -0.16}, 0.12, 0.08, -10),
                   Poly({{-0.36, -0.2}, {-0.5, -0.16}, {-0.46, -0.1}, {-0.34, -0.1}}),
                   Curve({-0.26, -0.22}, {-0.24, -0.3}, {-0.18, -0.36}, {-0.1, -0.38}, 0.03),
                   Curve({-0.32, -0.22}, {-0.32, -0.32}, {-0.28, -0.38}, {-0.22, -0.42}, 0.026),
                   Curve({-0.46, -0.12}, {-0.5, -0.02}, {-0.42, 0.04}, {-0.48, 0.12}, 0.018),
                   Line({{0.02, -0.14}, {-0.06, -0.02}, {-0.12, 0.0}}, 0.05),
                   Line({{0.02, 0.2}, {-0.06, 0.3}, {-0.14, 0.3}}, 0.05),
                   Line({{0.3, 0.3}, {0.28, 0.44}, {0.2, 0.46}}, 0.045)});
  QPainterPath belly;
  for (int i = 2; i < 12; ++i) {
    const double t = i / 14.0;
    const QPointF at = spine.pointAtPercent(t);
    belly.addPath(Ellipse(at, 0.022, 0.022));
  }
  f.Cuts = Unite({belly, Ellipse({-0.31, -0.18}, 0.024, 0.02), Line({{-0.46, -0.14}, {-0.36, -0.13}}, 0.014)});
  return f;
}

TFigure Snake() {
  TFigure f;
  QPainterPath spine(QPointF(0.42, 0.36));
  spine.cubicTo(-0.46, 0.44, -0.42, 0.04, 0.0, 0.06);
  spine.cubicTo(0.4, 0.08, 0.42, -0.3, 0.02, -0.28);
  spine.lineTo(-0.16, -0.28);
  f.Paper = Unite({Tapered(spine, 0.05, 0.15), Ellipse({-0.22, -0.28}, 0.13, 0.09),
                   Line({{-0.33, -0.27}, {-0.43, -0.26}}, 0.014), Line({{-0.43, -0.26}, {-0.48, -0.3}}, 0.012),
                   Line({{-0.43, -0.26}, {-0.48, -0.22}}, 0.012)});
  QPainterPath marks;
  for (int i = 3; i < 15; ++i) {
    const double t = i / 17.0;
    marks.addPath(Poly({spine.pointAtPercent(t) + QPointF(0, -0.028), spine.pointAtPercent(t) + QPointF(0.025, 0),
                        spine.pointAtPercent(t) + QPointF(0, 0.028), spine.pointAtPercent(t) + QPointF(-0.025, 0)}));
  }
  f.Cuts = Unite({marks, Ellipse({-0.25, -0.3}, 0.022, 0.022)});
  return f;
}

TFigure Horse() {
  TFigure f;
  QPainterPath tail(QPointF(0.28, -0.06));
  tail.cubicTo(0.42, -0.08, 0.44, 0.1, 0.47, 0.3);
  QPainterPath mane(QPointF(-0.2, -0.36));
  mane.cubicTo(-0.12, -0.3, -0.06, -0.2, 0.02, -0.08);
  f.Paper = Unite({Ellipse({0.06, 0.0}, 0.24, 0.12), Ellipse({-0.13, -0.01}, 0.12, 0.12),
                   Poly({{-0.23, -0.03}, {-0.3, -0.24}, {-0.18, -0.34}, {-0.05, -0.08}}),
                   Ellipse({-0.33, -0.24}, 0.14, 0.065, -38), Poly({{-0.24, -0.32}, {-0.21, -0.43}, {-0.17, -0.33}}),
                   Line({{-0.16, 0.07}, {-0.27, 0.19}, {-0.23, 0.3}}, 0.065), Line({{-0.08, 0.09}, {-0.1, 0.42}}, 0.065),
                   Line({{0.21, 0.05}, {0.27, 0.22}, {0.23, 0.42}}, 0.07), Line({{0.12, 0.08}, {0.1, 0.42}}, 0.07),
                   Ellipse({-0.1, 0.43}, 0.045, 0.02), Ellipse({0.1, 0.43}, 0.045, 0.02), Ellipse({0.23, 0.43}, 0.045, 0.02),
                   Tapered(tail, 0.09, 0.035), Tapered(mane, 0.09, 0.05)});
  f.Cuts = Unite({Ellipse({-0.29, -0.28}, 0.02, 0.016),
                  Curve({-0.17, -0.32}, {-0.11, -0.26}, {-0.07, -0.18}, {-0.02, -0.1}, 0.014),
                  Curve({0.36, -0.02}, {0.4, 0.06}, {0.42, 0.14}, {0.44, 0.24}, 0.014),
                  Curve({-0.02, 0.0}, {0.08, -0.06}, {0.18, -0.04}, {0.24, 0.04}, 0.02)});
  return f;
}

TFigure Goat() {
  TFigure f;
  f.Paper = Unite({Ellipse({0.06, 0.06}, 0.25, 0.15), Poly({{-0.14, 0.0}, {-0.28, -0.16}, {-0.18, -0.22}, {-0.04, -0.04}}),
                   Ellipse({-0.3, -0.16}, 0.11, 0.075, 35), Poly({{-0.36, -0.08}, {-0.34, 0.06}, {-0.3, -0.06}}),
                   Curve({-0.26, -0.24}, {-0.16, -0.42}, {0.04, -0.4}, {0.02, -0.22}, 0.05),
                   Ellipse({-0.18, -0.2}, 0.06, 0.025, 20), Line({{-0.12, 0.16}, {-0.14, 0.42}}, 0.055),
                   Line({{-0.02, 0.18}, {-0.02, 0.42}}, 0.055), Line({{0.18, 0.16}, {0.2, 0.42}}, 0.055),
                   Line({{0.26, 0.14}, {0.3, 0.42}}, 0.055), Poly({{0.28, -0.04}, {0.38, -0.16}, {0.34, 0.0}})});
  f.Cuts = Unite({Ellipse({-0.31, -0.18}, 0.02, 0.016), Curve({-0.2, -0.28}, {-0.12, -0.36}, {-0.04, -0.34}, {-0.02, -0.26}, 0.014),
                  Curve({0.0, 0.04}, {0.08, 0.12}, {0.18, 0.12}, {0.26, 0.04}, 0.02)});
  return f;
}

TFigure Monkey() {
  TFigure f;
  f.Paper = Unite({Ellipse({0.04, 0.12}, 0.17, 0.22), Ellipse({-0.02, -0.22}, 0.15, 0.14),
                   Ellipse({-0.18, -0.22}, 0.06, 0.06), Ellipse({0.14, -0.22}, 0.06, 0.06),
                   Curve({0.16, 0.28}, {0.44, 0.36}, {0.5, 0.0}, {0.34, -0.06}, 0.045),
                   Line({{-0.08, 0.02}, {-0.22, 0.12}, {-0.2, 0.24}}, 0.06), Ellipse({-0.08, 0.36}, 0.12, 0.05),
                   Ellipse({0.16, 0.36}, 0.1, 0.05), Ellipse({-0.22, 0.27}, 0.07, 0.07)});
  // The face, cut out, with the eyes and the mouth left in paper.
  const QPainterPath face = Unite({Ellipse({-0.02, -0.17}, 0.1, 0.08), Ellipse({-0.06, -0.24}, 0.055, 0.055),
                                   Ellipse({0.03, -0.24}, 0.055, 0.055)});
  f.Cuts = Unite({face.subtracted(Unite({Ellipse({-0.06, -0.23}, 0.018, 0.022), Ellipse({0.03, -0.23}, 0.018, 0.022),
                                         Curve({-0.06, -0.14}, {-0.03, -0.12}, {0.0, -0.12}, {0.03, -0.14}, 0.014)})),
                  Ellipse({-0.22, 0.27}, 0.04, 0.04), Ellipse({-0.17, -0.22}, 0.025, 0.03)});
  return f;
}

TFigure Rooster() {
  TFigure f;
  QPainterPath tail;
  tail.addPath(Curve({0.12, -0.02}, {0.24, -0.36}, {0.44, -0.36}, {0.46, -0.14}, 0.06));
  tail.addPath(Curve({0.14, 0.02}, {0.3, -0.22}, {0.48, -0.12}, {0.46, 0.06}, 0.055));
  tail.addPath(Curve({0.14, 0.06}, {0.3, -0.06}, {0.44, 0.06}, {0.38, 0.2}, 0.05));
  f.Paper = Unite({Ellipse({0.0, 0.08}, 0.2, 0.16), Ellipse({-0.16, -0.1}, 0.09, 0.14, 15),
                   Ellipse({-0.2, -0.2}, 0.085, 0.08), Ellipse({-0.26, -0.3}, 0.035, 0.035),
                   Ellipse({-0.2, -0.32}, 0.04, 0.04), Ellipse({-0.14, -0.3}, 0.035, 0.035),
                   Poly({{-0.27, -0.22}, {-0.37, -0.18}, {-0.27, -0.15}}), Ellipse({-0.25, -0.1}, 0.028, 0.05),
                   tail, Line({{-0.04, 0.2}, {-0.06, 0.4}, {-0.14, 0.42}}, 0.03),
                   Line({{0.06, 0.2}, {0.08, 0.4}, {0.0, 0.42}}, 0.03)});
  f.Cuts = Unite({Ellipse({-0.22, -0.22}, 0.02, 0.02), Curve({-0.1, 0.04}, {0.0, 0.16}, {0.1, 0.14}, {0.16, 0.04}, 0.02),
                  Curve({-0.06, 0.0}, {0.02, 0.1}, {0.1, 0.08}, {0.14, -0.01}, 0.016)});
  return f;
}

TFigure Dog() {
  TFigure f;
  f.Paper = Unite({Ellipse({0.06, 0.04}, 0.25, 0.13), Ellipse({-0.26, -0.1}, 0.12, 0.11), Ellipse({-0.38, -0.06}, 0.09, 0.055),
                   Ellipse({-0.2, -0.1}, 0.05, 0.11, -20), Line({{-0.12, 0.1}, {-0.14, 0.4}}, 0.07),
                   Line({{0.0, 0.12}, {0.0, 0.4}}, 0.07), Line({{0.18, 0.1}, {0.2, 0.4}}, 0.07),
                   Line({{0.27, 0.08}, {0.3, 0.4}}, 0.07), Curve({0.28, -0.02}, {0.38, -0.08}, {0.4, -0.2}, {0.36, -0.3}, 0.05),
                   Ellipse({-0.46, -0.07}, 0.025, 0.022)});
  f.Cuts = Unite({Ellipse({-0.29, -0.14}, 0.02, 0.018), Curve({-0.22, -0.18}, {-0.18, -0.1}, {-0.18, -0.02}, {-0.2, 0.04}, 0.014),
                  Curve({-0.04, 0.0}, {0.06, -0.06}, {0.18, -0.06}, {0.26, 0.02}, 0.02)});
  return f;
}

TFigure Pig() {
  TFigure f;
  QPainterPath curl(QPointF(0.34, 0.0));
  curl.cubicTo(0.46, -0.04, 0.46, -0.16, 0.4, -0.16);
  curl.cubicTo(0.34, -0.16, 0.36, -0.06, 0.44, -0.08);
  f.Paper = Unite({Ellipse({0.06, 0.06}, 0.3, 0.19), Ellipse({-0.26, 0.0}, 0.14, 0.13),
                   Ellipse({-0.41, 0.03}, 0.055, 0.07), Poly({{-0.28, -0.1}, {-0.2, -0.26}, {-0.14, -0.08}}),
                   Line({{-0.14, 0.2}, {-0.14, 0.38}}, 0.08), Line({{-0.02, 0.22}, {-0.02, 0.38}}, 0.08),
                   Line({{0.18, 0.22}, {0.18, 0.38}}, 0.08), Line({{0.28, 0.2}, {0.3, 0.38}}, 0.08),
                   Stroke(curl, 0.028)});
  f.Cuts = Unite({Ellipse({-0.28, -0.04}, 0.022, 0.022), Ellipse({-0.42, 0.0}, 0.014, 0.02),
                  Ellipse({-0.41, 0.07}, 0.014, 0.02), Curve({0.0, 0.12}, {0.08, 0.2}, {0.2, 0.2}, {0.28, 0.1}, 0.02),
                  Poly({{-0.24, -0.1}, {-0.2, -0.2}, {-0.17, -0.1}})});
  return f;
}

QImage Animal(const TFigure& figure, const QString& character) {
  return Vignette(
      [](QPainter& p) {
        Radial(p, QPointF(27, 30), 50, QColor(204, 32, 30), QColor(112, 8, 12));
        // A faint lattice of gold.
        p.setPen(QPen(QColor(255, 200, 90, 34), 0.5));
        for (double d = -70; d < 70; d += 6) {
          p.drawLine(QPointF(d, 0), QPointF(d + 70, 70));
          p.drawLine(QPointF(d + 70, 0), QPointF(d, 70));
        }
      },
      [&](QPainter& p) {
        // The character in gold at the top.
        QFont font(QStringLiteral("WenQuanYi Zen Hei"));
        font.setPixelSize(11);
        QPainterPath text;
        text.addText(0, 0, font, character);
        const QRectF tb = text.boundingRect();
        text.translate(27 - tb.center().x(), 10.5 - tb.center().y());
        Shadow(p, text, QPointF(0.4, 0.5), 0.5, 150);
        p.fillPath(text, Gold(4, 19));
        // The medallion.
        const QPointF c(27, 42);
        const QPainterPath ring = Ellipse(c, 24, 24);
        Shadow(p, ring, QPointF(0.6, 0.9), 1.2, 130);
        p.fillPath(ring, Gold(18, 66));
        QRadialGradient paper(c + QPointF(-4, -6), 24);
        paper.setColorAt(0, QColor(255, 250, 236));
        paper.setColorAt(1, QColor(240, 224, 196));
        p.fillPath(Ellipse(c, 21.8, 21.8), paper);
        p.strokePath(Ellipse(c, 20.6, 20.6), QPen(QColor(196, 40, 36, 110), 0.4, Qt::DotLine));
        // The figure: paper with its cuts showing the cream behind.
        const QTransform place = QTransform().translate(c.x(), c.y() + 0.5).scale(38, 38);
        const QPainterPath cutout = place.map(figure.Paper).subtracted(place.map(figure.Cuts));
        Shadow(p, cutout, QPointF(0.3, 0.5), 0.6, 90);
        QLinearGradient red(0, 24, 0, 62);
        red.setColorAt(0, QColor(222, 44, 36));
        red.setColorAt(1, QColor(160, 16, 20));
        p.fillPath(cutout, red);
      });
}

}  // namespace

void AddAnimals(TPackWriter& pack) {
  const struct {
    const char* Name;
    TFigure (*Figure)();
    const char* Character;
  } animals[] = {{"R_VOSKRIS", &Rat, "鼠"},     {"R_VOSBULL", &Ox, "牛"},      {"R_VOSTIGR", &Tiger, "虎"},
                 {"R_VOSRABB", &Rabbit, "兔"},  {"R_VOSDRAG", &Dragon, "龙"},  {"R_VOSSNAK", &Snake, "蛇"},
                 {"R_VOSHORS", &Horse, "马"},   {"R_VOSKOZA", &Goat, "羊"},    {"R_VOSMONK", &Monkey, "猴"},
                 {"R_VOSPETU", &Rooster, "鸡"}, {"R_VOSDOG0", &Dog, "狗"},     {"R_VOSPIG0", &Pig, "猪"}};
  for (const auto& a : animals) pack.AddPng(a.Name, Animal(a.Figure(), QString::fromUtf8(a.Character)));
}

}  // namespace packgen::cal
