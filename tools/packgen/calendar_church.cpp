// Pictures of remembrance and of the church year: the order of the war,
// the ribbon of Saint George, the dove of peace over poppies, the Orthodox
// church with its cross, the star over Bethlehem, the Gothic window with
// the Latin cross and the Easter eggs in a basket.
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "calendar_kit.h"
#include "paint_kit.h"

namespace packgen::cal {
namespace {

const QColor kGoldLight(255, 240, 170);

QImage Order() {
  return Vignette(
      [](QPainter& p) {
        Radial(p, QPointF(27, 34), 44, QColor(170, 20, 26), QColor(70, 4, 10));
      },
      [](QPainter& p) {
        const QPointF c(27, 36);
        // Laurel branches below.
        for (int side : {-1, 1}) {
          QPainterPath branch(c + QPointF(side * 4, 22));
          branch.quadTo(c + QPointF(side * 22, 18), c + QPointF(side * 23, 2));
          p.strokePath(branch, QPen(QColor(200, 150, 40), 0.8));
          for (int i = 1; i < 8; ++i) {
            const double t = i / 8.0;
            const QPointF at = branch.pointAtPercent(t);
            const double a = branch.angleAtPercent(t);
            p.fillPath(Ellipse(at + QPointF(side * 1.6, 0.4), 2.2, 0.9, -a + side * 40), QColor(220, 170, 50));
            p.fillPath(Ellipse(at + QPointF(-side * 0.8, 1.6), 2.2, 0.9, -a - side * 40), QColor(190, 140, 40));
          }
        }
        // A sunburst of rays, long and short in turn.
        QPainterPath rays;
        for (int i = 0; i < 40; ++i) {
          const double a = i * 2 * kPi / 40 - kPi / 2;
          const double r = i % 2 ? 17 : 21;
          const QPointF dir(std::cos(a), std::sin(a)), side(-std::sin(a), std::cos(a));
          rays.addPath(Poly({c + side * 1.4, c + dir * r, c - side * 1.4}));
        }
        rays = Unite({rays, Ellipse(c, 6, 6)});
        Shadow(p, rays, QPointF(0.6, 1.0), 1.2, 150);
        p.fillPath(rays, Gold(14, 58));
        const QPainterPath star = Star(c, 15, 6.2);
        Shadow(p, star, QPointF(0.4, 0.7), 0.8, 120);
        QLinearGradient ruby(0, 20, 0, 50);
        ruby.setColorAt(0, QColor(250, 70, 70));
        ruby.setColorAt(1, QColor(150, 10, 20));
        p.fillPath(star, ruby);
        p.strokePath(star, QPen(kGoldLight, 0.6));
        // The star's facets: a light ridge from the middle to each point.
        p.setPen(QPen(QColor(255, 200, 200, 110), 0.4));
        for (int i = 0; i < 5; ++i) {
          const double a = (-90 + i * 72) * kPi / 180;
          p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * 13);
        }
        p.setPen(Qt::NoPen);
        const QPainterPath disc = Ellipse(c, 5.2, 5.2);
        p.fillPath(disc, Gold(31, 41));
        p.fillPath(Star(c, 3, 1.25), QColor(200, 20, 30));
      });
}

// A ribbon of Saint George along path: three black and two orange stripes.
void GeorgeRibbon(QPainter& p, const QPainterPath& path, double width) {
  const QPainterPath outer = Stroke(path, width, Qt::FlatCap);
  Shadow(p, outer, QPointF(0.6, 1.0), 1.0, 120);
  p.fillPath(outer, QColor(20, 16, 16));
  p.fillPath(Stroke(path, width * 0.6, Qt::FlatCap), QColor(240, 126, 20));
  p.fillPath(Stroke(path, width * 0.2, Qt::FlatCap), QColor(20, 16, 16));
}

QImage George() {
  return Vignette(
      [](QPainter& p) {
        Radial(p, QPointF(27, 30), 46, QColor(255, 248, 226), QColor(222, 200, 150));
        p.fillPath(Star({27, 32}, 22, 9), QColor(210, 170, 90, 40));
      },
      [](QPainter& p) {
        // A loop: the left tail rises across to the right, over the top and
        // down across to the right tail.
        QPainterPath back(QPointF(38, 14));
        back.cubicTo(36, 4, 18, 4, 16, 14);
        back.cubicTo(14.5, 22, 24, 30, 30, 40);
        QPainterPath front(QPointF(12, 64));
        front.cubicTo(18, 48, 40, 30, 38, 14);
        QPainterPath tail(QPointF(30, 40));
        tail.cubicTo(34, 47, 38, 56, 42, 64);
        GeorgeRibbon(p, back, 8.5);
        GeorgeRibbon(p, tail, 8.5);
        GeorgeRibbon(p, front, 8.5);
        // The cut ends.
        for (const QPointF end : {QPointF(12, 64), QPointF(42, 64)}) {
          const QPainterPath notch = Poly({end + QPointF(-5, 2.5), end + QPointF(0, -1.2), end + QPointF(5, 2.5)});
          QRadialGradient g(QPointF(27, 30), 46);
          g.setColorAt(0, QColor(255, 248, 226));
          g.setColorAt(1, QColor(222, 200, 150));
          p.fillPath(notch, g);
        }
        // A carnation on the knot.
        const QPointF at(27, 29);
        for (int i = 0; i < 9; ++i) {
          const double a = i * 2 * kPi / 9;
          const QPainterPath petal = Ellipse(at + QPointF(std::cos(a), std::sin(a)) * 2.4, 2.6, 2.0, a * 180 / kPi);
          Lit(p, petal, QColor(214, 24, 40));
        }
        Lit(p, Ellipse(at, 2.2, 2.2), QColor(236, 50, 60));
      });
}

QPainterPath Dove() {
  QPainterPath body(QPointF(-12, 2));
  body.cubicTo(-9, -3, -3, -2, 2, 0);
  body.cubicTo(6, 1, 10, 0, 14, -2);
  body.lineTo(17, -5);
  body.lineTo(16, 0);
  body.lineTo(19, 1);
  body.cubicTo(13, 4, 6, 6, -2, 5);
  body.cubicTo(-7, 5, -11, 5, -12, 2);
  body.closeSubpath();
  QPainterPath head = Ellipse({-11, 0}, 3.2, 2.8);
  QPainterPath upper(QPointF(-3, 0));
  upper.cubicTo(-4, -10, 2, -18, 12, -21);
  upper.cubicTo(9, -14, 10, -8, 6, 0);
  upper.closeSubpath();
  QPainterPath lower(QPointF(-2, 1));
  lower.cubicTo(-8, -6, -10, -14, -6, -20);
  lower.cubicTo(-3, -12, 0, -6, 3, 1);
  lower.closeSubpath();
  return Unite({body, head, upper, lower});
}

QImage Peace() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(120, 176, 236), QColor(236, 244, 250));
        QLinearGradient field(0, 52, 0, 70);
        field.setColorAt(0, QColor(150, 196, 90));
        field.setColorAt(1, QColor(90, 150, 60));
        p.fillRect(QRectF(0, 54, kPictureW, 16), field);
      },
      [](QPainter& p) {
        // Poppies in the field.
        const QPointF poppies[] = {{8, 58}, {18, 62}, {30, 57}, {41, 61}, {49, 56}, {24, 66}, {12, 67}};
        for (const QPointF at : poppies) {
          QPainterPath stem(at);
          stem.lineTo(at + QPointF(0.5, 8));
          p.strokePath(stem, QPen(QColor(60, 120, 50), 0.6));
        }
        for (const QPointF at : poppies) {
          for (int i = 0; i < 4; ++i) {
            const double a = (i * 90 + 45) * kPi / 180;
            Lit(p, Ellipse(at + QPointF(std::cos(a), std::sin(a)) * 1.4, 1.9, 1.9), QColor(220, 30, 30));
          }
          p.fillPath(Ellipse(at, 0.9, 0.9), QColor(30, 20, 20));
        }
        p.save();
        p.translate(28, 32);
        p.rotate(-10);
        const QPainterPath dove = Dove();
        Shadow(p, dove, QPointF(1.0, 1.6), 1.4, 90);
        QLinearGradient white(0, -20, 0, 6);
        white.setColorAt(0, QColor(255, 255, 255));
        white.setColorAt(1, QColor(214, 222, 236));
        p.fillPath(dove, white);
        p.strokePath(dove, QPen(QColor(140, 150, 170), 0.35));
        for (int i = 0; i < 3; ++i) {
          QPainterPath quill(QPointF(2 + i * 2.4, -3));
          quill.lineTo(5 + i * 2.4, -14 + i * 2);
          p.strokePath(quill, QPen(QColor(170, 180, 200), 0.3));
        }
        p.fillPath(Ellipse({-12, -0.6}, 0.6, 0.6), QColor(30, 30, 40));
        p.fillPath(Poly({{-14, 0.3}, {-16.8, 1.2}, {-14, 1.6}}), QColor(240, 170, 60));
        // The olive twig in its beak.
        QPainterPath twig(QPointF(-15.5, 1.2));
        twig.quadTo(-19, 5, -22, 6);
        p.strokePath(twig, QPen(QColor(100, 120, 40), 0.6));
        for (int i = 0; i < 4; ++i) {
          const QPointF at = twig.pointAtPercent(0.25 + i * 0.22);
          p.fillPath(Ellipse(at + QPointF(0, i % 2 ? 1.2 : -1.2), 1.7, 0.7, i % 2 ? 30 : -30), QColor(90, 150, 60));
        }
        p.restore();
      });
}

// An onion dome with base at (cx, base), width w and height h.
QPainterPath Onion(double cx, double base, double w, double h) {
  QPainterPath d(QPointF(cx - w * 0.42, base));
  d.cubicTo(cx - w * 0.62, base - h * 0.35, cx - w * 0.56, base - h * 0.62, cx - w * 0.1, base - h * 0.86);
  d.quadTo(cx, base - h * 0.92, cx, base - h);
  d.quadTo(cx, base - h * 0.92, cx + w * 0.1, base - h * 0.86);
  d.cubicTo(cx + w * 0.56, base - h * 0.62, cx + w * 0.62, base - h * 0.35, cx + w * 0.42, base);
  d.closeSubpath();
  return d;
}

// The eight-pointed cross of the Russian church, its foot rest raised on
// the left as one looks at it.
QPainterPath OrthodoxCross(QPointF top, double s) {
  QPainterPath bars;
  bars.moveTo(top);
  bars.lineTo(top + QPointF(0, 10 * s));
  bars.moveTo(top + QPointF(-1.6 * s, 1.6 * s));
  bars.lineTo(top + QPointF(1.6 * s, 1.6 * s));
  bars.moveTo(top + QPointF(-3 * s, 3.6 * s));
  bars.lineTo(top + QPointF(3 * s, 3.6 * s));
  bars.moveTo(top + QPointF(-2 * s, 6.4 * s));
  bars.lineTo(top + QPointF(2 * s, 8.0 * s));
  return Stroke(bars, 0.9 * s, Qt::FlatCap);
}

QImage Church() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(90, 140, 220), QColor(255, 226, 170));
        Radial(p, QPointF(27, 14), 30, QColor(255, 250, 210, 200), QColor(255, 250, 210, 0));
        QLinearGradient hill(0, 58, 0, 70);
        hill.setColorAt(0, QColor(120, 180, 80));
        hill.setColorAt(1, QColor(70, 130, 50));
        p.fillPath(Ellipse({27, 72}, 44, 14), hill);
      },
      [](QPainter& p) {
        QLinearGradient wall(0, 0, kPictureW, 0);
        wall.setColorAt(0, QColor(255, 255, 252));
        wall.setColorAt(1, QColor(210, 206, 196));
        const QPainterPath walls = Unite({Box(QRectF(12, 44, 30, 19)), Box(QRectF(20, 32, 14, 13))});
        Shadow(p, walls, QPointF(0.8, 1.0), 1.0, 90);
        p.fillPath(walls, wall);
        p.fillRect(QRectF(12, 43, 30, 1.4), QColor(120, 150, 200));
        // Arched windows and the door.
        for (const QRectF w : {QRectF(15.5, 48, 3, 6), QRectF(35.5, 48, 3, 6), QRectF(23.5, 35, 2.6, 5.5),
                               QRectF(28, 35, 2.6, 5.5)}) {
          const QPainterPath arch = art::roundedRect(w, 1.3);
          p.fillPath(arch, QColor(60, 70, 110));
        }
        p.fillPath(art::roundedRect(QRectF(24.5, 53, 5, 10), 2.3), QColor(110, 70, 40));
        // Domes: two small ones on the sides, the great one in the middle.
        for (double x : {16.0, 38.0}) {
          p.fillRect(QRectF(x - 2.5, 38, 5, 6), QColor(240, 238, 230));
          const QPainterPath d = Onion(x, 38.5, 7, 9);
          Lit(p, d, QColor(40, 80, 190), true);
          for (int i = 0; i < 8; ++i)
            p.fillPath(Star(QPointF(x - 1.5 + (i % 3) * 1.5, 31 + (i / 3) * 2.2), 0.5, 0.2), QColor(255, 230, 120));
          p.fillPath(OrthodoxCross({x, 24.6}, 0.55), Gold(24, 30));
        }
        p.fillRect(QRectF(22.5, 24.5, 9, 8), QColor(248, 246, 240));
        const QPainterPath dome = Onion(27, 25, 13, 15);
        Shadow(p, dome, QPointF(0.6, 0.8), 0.9, 90);
        p.fillPath(dome, Gold(10, 25));
        p.fillPath(Ellipse({24.5, 18}, 1.4, 3, 20), QColor(255, 255, 240, 130));
        p.fillPath(OrthodoxCross({27, 1.8}, 0.85), Gold(1, 11));
      });
}

QImage Bethlehem() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(10, 16, 54), QColor(46, 60, 130));
        Dots(p, QRectF(0, 0, kPictureW, 50), 36, 0.45, QColor(255, 255, 255, 210), 61);
      },
      [](QPainter& p) {
        // The star with its long rays.
        const QPointF s(32, 15);
        QRadialGradient halo(s, 16);
        halo.setColorAt(0, QColor(255, 246, 200, 220));
        halo.setColorAt(1, QColor(255, 246, 200, 0));
        p.fillRect(QRectF(s.x() - 16, s.y() - 16, 32, 32), halo);
        QPainterPath rays;
        for (const auto& [dx, dy, len] : {std::tuple{0.0, 1.0, 26.0}, std::tuple{0.0, -1.0, 9.0},
                                          std::tuple{1.0, 0.0, 10.0}, std::tuple{-1.0, 0.0, 10.0}}) {
          const QPointF dir(dx, dy), side(-dy, dx);
          rays.addPath(Poly({s + side * 1.4, s + dir * len, s - side * 1.4}));
        }
        p.fillPath(rays, QColor(255, 250, 220));
        p.fillPath(Star(s, 4, 1.6, 4, 45), QColor(255, 250, 230, 200));
        // Hills, the stable and the snow.
        QPainterPath hills(QPointF(0, 54));
        hills.cubicTo(12, 46, 22, 52, 30, 50);
        hills.cubicTo(40, 47, 48, 50, 54, 48);
        hills.lineTo(54, 70);
        hills.lineTo(0, 70);
        hills.closeSubpath();
        p.fillPath(hills, QColor(20, 24, 50));
        const QPainterPath stable = Poly({{20, 57}, {20, 48}, {29, 41}, {38, 48}, {38, 57}});
        p.fillPath(stable, QColor(24, 20, 30));
        p.fillPath(Poly({{18, 49}, {29, 40}, {40, 49}, {38.5, 50}, {29, 42.3}, {19.5, 50}}), QColor(120, 90, 60));
        QRadialGradient light(QPointF(29, 53), 6);
        light.setColorAt(0, QColor(255, 220, 130));
        light.setColorAt(1, QColor(230, 150, 50));
        p.fillPath(art::roundedRect(QRectF(25.5, 49, 7, 8), 1.2), light);
        QLinearGradient snow(0, 56, 0, 70);
        snow.setColorAt(0, QColor(240, 246, 255));
        snow.setColorAt(1, QColor(180, 196, 230));
        QPainterPath drift(QPointF(0, 60));
        drift.cubicTo(14, 55, 30, 60, 54, 56);
        drift.lineTo(54, 70);
        drift.lineTo(0, 70);
        drift.closeSubpath();
        p.fillPath(drift, snow);
        // A fir on each side.
        for (const auto& [x, h] : {std::pair{9.0, 14.0}, std::pair{46.0, 12.0}}) {
          const QPainterPath fir = Unite({Poly({{x, 58 - h}, {x - h * 0.32, 58 - h * 0.45}, {x + h * 0.32, 58 - h * 0.45}}),
                                          Poly({{x, 58 - h * 0.7}, {x - h * 0.42, 58}, {x + h * 0.42, 58}})});
          p.fillPath(fir, QColor(20, 70, 50));
          p.strokePath(Poly({{x, 58 - h}, {x - h * 0.32, 58 - h * 0.45}, {x + h * 0.32, 58 - h * 0.45}}),
                       QPen(QColor(255, 255, 255, 120), 0.4));
        }
      });
}

QImage GothicWindow() {
  return Vignette(
      [](QPainter& p) {
        QLinearGradient stone(0, 0, kPictureW, kPictureH);
        stone.setColorAt(0, QColor(214, 200, 176));
        stone.setColorAt(1, QColor(150, 130, 106));
        p.fillRect(QRectF(0, 0, kPictureW, kPictureH), stone);
        for (double y = 6; y < 70; y += 7)
          for (double x = (static_cast<int>(y) / 7 % 2) * 6 - 6; x < 54; x += 12)
            p.strokePath(art::roundedRect(QRectF(x, y, 12, 7), 0.8), QPen(QColor(120, 100, 80, 70), 0.4));
      },
      [](QPainter& p) {
        QPainterPath arch(QPointF(11, 64));
        arch.lineTo(11, 30);
        arch.quadTo(11, 12, 27, 6);
        arch.quadTo(43, 12, 43, 30);
        arch.lineTo(43, 64);
        arch.closeSubpath();
        Shadow(p, arch, QPointF(-0.5, -0.5), 1.0, 90);
        p.fillPath(arch, QColor(90, 70, 50));
        const QPainterPath glass = QTransform().translate(27, 36).scale(0.84, 0.9).translate(-27, -36).map(arch);
        // Stained glass in leaded panes.
        p.save();
        p.setClipPath(glass);
        const QColor panes[] = {QColor(40, 90, 200), QColor(220, 50, 50), QColor(250, 200, 60), QColor(60, 160, 90),
                                QColor(150, 70, 190)};
        int n = 0;
        for (double y = 0; y < 70; y += 6)
          for (double x = 0; x < 54; x += 6) {
            const QColor c = panes[(n++ * 7 + static_cast<int>(y)) % 5];
            QRadialGradient lit(QPointF(27, 26), 30);
            lit.setColorAt(0, c.lighter(150));
            lit.setColorAt(1, c.darker(120));
            p.fillRect(QRectF(x, y, 6, 6), lit);
          }
        p.setPen(QPen(QColor(40, 34, 30), 0.7));
        for (double y = 0; y < 70; y += 6) p.drawLine(QPointF(0, y), QPointF(54, y));
        for (double x = 0; x < 54; x += 6) p.drawLine(QPointF(x, 0), QPointF(x, 70));
        QRadialGradient glow(QPointF(27, 30), 22);
        glow.setColorAt(0, QColor(255, 250, 220, 160));
        glow.setColorAt(1, QColor(255, 250, 220, 0));
        p.fillRect(QRectF(0, 0, 54, 70), glow);
        p.restore();
        p.strokePath(glass, QPen(QColor(60, 46, 34), 1.0));
        // The Latin cross in the light.
        QPainterPath cross;
        cross.addRect(QRectF(25.4, 16, 3.2, 36));
        cross.addRect(QRectF(18.5, 24, 17, 3.2));
        Shadow(p, cross, QPointF(0.5, 0.8), 0.8, 120);
        p.fillPath(cross, Gold(16, 52));
        p.fillRect(QRectF(9, 63, 36, 3), QColor(120, 100, 80));
      });
}

QPainterPath Egg(QPointF c, double w, double h, double turn) {
  QPainterPath e(QPointF(0, -h));
  e.cubicTo(w * 0.62, -h, w, -h * 0.1, w, h * 0.25);
  e.cubicTo(w, h * 0.8, w * 0.5, h, 0, h);
  e.cubicTo(-w * 0.5, h, -w, h * 0.8, -w, h * 0.25);
  e.cubicTo(-w, -h * 0.1, -w * 0.62, -h, 0, -h);
  e.closeSubpath();
  return QTransform().translate(c.x(), c.y()).rotate(turn).map(e);
}

QImage Easter() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(200, 236, 190), QColor(250, 252, 236));
        // Willow twigs with catkins.
        for (const auto& [from, to] : {std::pair{QPointF(2, 40), QPointF(20, 4)}, std::pair{QPointF(52, 36), QPointF(38, 2)}}) {
          QPainterPath twig(from);
          twig.quadTo((from + to) / 2 + QPointF(4, 0), to);
          p.strokePath(twig, QPen(QColor(120, 70, 50), 0.7));
          for (int i = 1; i < 7; ++i) {
            const QPointF at = twig.pointAtPercent(i / 7.0);
            Lit(p, Ellipse(at + QPointF(i % 2 ? 1.4 : -1.4, 0), 1.1, 1.7, i % 2 ? 25 : -25), QColor(236, 236, 228));
          }
        }
      },
      [](QPainter& p) {
        // The eggs, the back ones first, then the basket's front.
        const struct {
          QPointF At;
          double Turn;
          QColor Colour, Pattern;
        } eggs[] = {{{17, 40}, -18, QColor(220, 40, 50), QColor(255, 230, 120)},
                    {{37, 40}, 16, QColor(60, 110, 220), QColor(255, 255, 255)},
                    {{27, 36}, 2, QColor(250, 190, 40), QColor(210, 60, 40)},
                    {{22, 45}, -6, QColor(90, 170, 70), QColor(255, 240, 180)},
                    {{32, 46}, 10, QColor(170, 70, 190), QColor(255, 210, 240)}};
        QPainterPath handle(QPointF(8.5, 47));
        handle.cubicTo(8, 20, 46, 20, 45.5, 47);
        p.strokePath(handle, QPen(QColor(170, 110, 56), 1.6));
        const QPainterPath basketBack = Ellipse({27, 47}, 20, 5);
        p.fillPath(basketBack, QColor(120, 74, 36));
        for (const auto& e : eggs) {
          const QPainterPath egg = Egg(e.At, 5.2, 7, e.Turn);
          Shadow(p, egg, QPointF(0.4, 0.8), 0.7, 110);
          Lit(p, egg, e.Colour, true);
          p.save();
          p.setClipPath(egg);
          p.translate(e.At);
          p.rotate(e.Turn);
          p.setPen(QPen(e.Pattern, 0.8));
          p.drawLine(QPointF(-6, -1.5), QPointF(6, -1.5));
          p.drawLine(QPointF(-6, 2.5), QPointF(6, 2.5));
          p.setPen(Qt::NoPen);
          p.setBrush(e.Pattern);
          for (double x = -4; x <= 4; x += 2.6) p.drawEllipse(QPointF(x, 0.5), 0.55, 0.55);
          p.restore();
        }
        // The basket: a woven bowl with a handle behind.
        QPainterPath bowl(QPointF(7, 47));
        bowl.cubicTo(8, 58, 14, 64, 27, 64);
        bowl.cubicTo(40, 64, 46, 58, 47, 47);
        bowl.cubicTo(40, 51, 14, 51, 7, 47);
        bowl.closeSubpath();
        Shadow(p, bowl, QPointF(0.6, 1.2), 1.2, 120);
        QLinearGradient wicker(0, 47, 0, 64);
        wicker.setColorAt(0, QColor(214, 156, 86));
        wicker.setColorAt(1, QColor(140, 86, 40));
        p.fillPath(bowl, wicker);
        p.save();
        p.setClipPath(bowl);
        p.setPen(QPen(QColor(110, 66, 30, 170), 0.5));
        for (double y = 50; y < 65; y += 2.6) p.drawLine(QPointF(5, y), QPointF(49, y + 1));
        for (double x = 8; x < 48; x += 3.2) p.drawLine(QPointF(x, 46), QPointF(x + 1.5, 66));
        p.restore();
        p.strokePath(Ellipse({27, 47.6}, 20, 3.6), QPen(QColor(230, 180, 110), 1.2));
      });
}

}  // namespace

void AddChurchAndWar(TPackWriter& pack) {
  pack.AddPng("R_RUSORDN", Order());
  pack.AddPng("R_RUSGEOR", George());
  pack.AddPng("R_WAR0000", Peace());
  pack.AddPng("R_PRAKRES", Church());
  pack.AddPng("R_ROGDEST", Bethlehem());
  pack.AddPng("R_KATKRES", GothicWindow());
  pack.AddPng("R_EASTER0", Easter());
}

}  // namespace packgen::cal
