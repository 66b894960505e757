// Pictures of the holidays of the world through the year: the new year's
// tree, hearts with an arrow, the women's day eight with mimosa, the
// shamrock, the jester, balloons of May, a teddy bear for the children and
// a guitar for the music.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

#include "calendar_kit.h"
#include "paint_kit.h"

namespace packgen::cal {
namespace {

QImage NewYear() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(14, 26, 72), QColor(60, 92, 168));
        Dots(p, QRectF(0, 0, kPictureW, kPictureH), 40, 0.55, QColor(255, 255, 255, 220), 7);
      },
      [](QPainter& p) {
        QRadialGradient snow(QPointF(27, 70), 40);
        snow.setColorAt(0, QColor(255, 255, 255));
        snow.setColorAt(1, QColor(190, 210, 240));
        p.fillPath(Ellipse({27, 72}, 42, 13), snow);
        // Presents under the tree.
        p.fillRect(QRectF(7, 57, 9, 8), QColor(204, 30, 40));
        p.fillRect(QRectF(10.7, 57, 1.6, 8), QColor(250, 210, 80));
        p.fillRect(QRectF(39, 59, 9, 6.5), QColor(40, 90, 200));
        p.fillRect(QRectF(39, 61.3, 9, 1.4), QColor(255, 255, 255));
        p.fillRect(QRectF(24.5, 54, 5, 7), QColor(110, 66, 30));
        // Three tiers of the fir, the lowest first.
        const struct {
          double Apex, Base, Half;
        } tiers[] = {{29, 57, 20}, {19, 43, 15.5}, {10, 29, 10.5}};
        for (const auto& t : tiers) {
          QPainterPath tier(QPointF(27, t.Apex));
          tier.lineTo(27 - t.Half, t.Base);
          tier.quadTo(27 - t.Half * 0.5, t.Base + 2.2, 27, t.Base + 1.2);
          tier.quadTo(27 + t.Half * 0.5, t.Base + 2.2, 27 + t.Half, t.Base);
          tier.closeSubpath();
          Shadow(p, tier, QPointF(0.4, 1.2), 1.0, 120);
          QLinearGradient g(27 - t.Half, 0, 27 + t.Half, 0);
          g.setColorAt(0, QColor(56, 158, 76));
          g.setColorAt(0.6, QColor(28, 118, 52));
          g.setColorAt(1, QColor(14, 74, 36));
          p.fillPath(tier, g);
        }
        // A garland of lights.
        for (const auto& [a, b, sag] : {std::tuple{QPointF(19, 26), QPointF(36, 23), 3.0},
                                        std::tuple{QPointF(15, 40), QPointF(40, 36), 4.0},
                                        std::tuple{QPointF(10, 53), QPointF(45, 51), 4.0}}) {
          QPainterPath wire(a);
          wire.quadTo((a + b) / 2 + QPointF(0, sag), b);
          p.strokePath(wire, QPen(QColor(250, 220, 120, 200), 0.5));
          for (int i = 1; i < 7; ++i) {
            const QPointF at = wire.pointAtPercent(i / 7.0);
            Glow(p, at, 1.6, QColor(255, 236, 140, 200));
          }
        }
        const struct {
          QPointF At;
          QColor Colour;
        } baubles[] = {{{23, 21}, QColor(220, 40, 50)},  {{31, 30}, QColor(60, 110, 230)}, {{19, 33}, QColor(240, 190, 40)},
                       {{35, 44}, QColor(220, 40, 50)},  {{24, 41}, QColor(200, 200, 215)}, {{14, 51}, QColor(60, 110, 230)},
                       {{29, 52}, QColor(240, 190, 40)}, {{40, 54}, QColor(160, 60, 200)}};
        for (const auto& b : baubles) {
          const QPainterPath ball = Ellipse(b.At, 2.2, 2.2);
          Shadow(p, ball, QPointF(0.3, 0.5), 0.4, 110);
          Lit(p, ball, b.Colour, true);
        }
        Glow(p, {27, 9}, 8, QColor(255, 230, 120, 150));
        const QPainterPath star = Star({27, 9.5}, 4.6, 1.9);
        p.fillPath(star, Gold(5, 16));
        p.strokePath(star, QPen(QColor(150, 90, 10), 0.3));
      });
}

QImage Love() {
  return Vignette(
      [](QPainter& p) {
        Radial(p, QPointF(27, 30), 45, QColor(255, 226, 234), QColor(236, 120, 156));
        for (int i = 0; i < 7; ++i) {
          const QPointF at(6 + (i * 37) % 46, 8 + (i * 23) % 56);
          p.fillPath(Heart(at, 4 + i % 3), QColor(255, 255, 255, 70));
        }
      },
      [](QPainter& p) {
        // The arrow's feathered half behind the hearts, its point in front.
        QPainterPath shaft(QPointF(8, 55));
        shaft.lineTo(47, 16);
        p.strokePath(shaft, QPen(QColor(200, 150, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
          const QPointF at(9.5 + i * 2.2, 53.5 - i * 2.2);
          p.fillPath(Poly({at, at + QPointF(-4.2, -1.0), at + QPointF(-2.2, -2.2)}), QColor(255, 255, 255));
          p.fillPath(Poly({at, at + QPointF(1.0, 4.2), at + QPointF(2.2, 2.2)}), QColor(250, 240, 240));
        }
        const QPainterPath back = QTransform().translate(35, 28).rotate(16).translate(-35, -28).map(Heart({35, 28}, 19));
        Shadow(p, back, QPointF(0.6, 1.0), 1.2, 100);
        Lit(p, back, QColor(246, 110, 150), true);
        const QPainterPath front = QTransform().translate(22, 37).rotate(-12).translate(-22, -37).map(Heart({22, 37}, 27));
        Shadow(p, front, QPointF(0.7, 1.2), 1.4, 120);
        Lit(p, front, QColor(214, 22, 50), true);
        QPainterPath tip(QPointF(33, 30));
        tip.lineTo(47, 16);
        p.strokePath(tip, QPen(QColor(200, 150, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.fillPath(Poly({{49.5, 13.5}, {43.2, 16.0}, {47.0, 19.8}}), QColor(190, 190, 200));
        Sparkle(p, {12, 14}, 2.5, QColor(255, 255, 255, 230));
        Sparkle(p, {44, 50}, 2.0, QColor(255, 255, 255, 200));
      });
}

// A sprig of mimosa: a bending twig with feathery leaves and puffs.
void Mimosa(QPainter& p, QPointF from, QPointF to, unsigned seed) {
  QPainterPath twig(from);
  twig.quadTo((from + to) / 2 + QPointF(0, -4), to);
  p.strokePath(twig, QPen(QColor(90, 120, 60), 0.7));
  for (int i = 1; i < 9; ++i) {
    const QPointF at = twig.pointAtPercent(i / 9.0);
    QPainterPath leaf(at);
    leaf.lineTo(at + QPointF(-3 + (i % 2) * 6, 3.5));
    p.strokePath(leaf, QPen(QColor(110, 150, 80), 0.9));
  }
  QRandomGenerator rng(seed);
  for (int i = 0; i < 26; ++i) {
    const QPointF at = twig.pointAtPercent(0.15 + 0.85 * rng.generateDouble()) +
                       QPointF(rng.generateDouble() * 6 - 3, rng.generateDouble() * 5 - 4);
    const QPainterPath puff = Ellipse(at, 1.25, 1.25);
    Lit(p, puff, QColor(250, 212, 30));
  }
}

QImage WomensDay() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(255, 236, 246), QColor(232, 172, 212));
      },
      [](QPainter& p) {
        const QPainterPath eight =
            Unite({Stroke(Ellipse({27, 20}, 8.5, 8), 5.2), Stroke(Ellipse({27, 39}, 11, 10.5), 5.6)});
        Shadow(p, eight, QPointF(0.8, 1.2), 1.4, 110);
        QLinearGradient red(0, 8, 0, 52);
        red.setColorAt(0, QColor(246, 80, 140));
        red.setColorAt(1, QColor(170, 16, 70));
        p.fillPath(eight, red);
        p.strokePath(Ellipse({27, 20}, 8.5, 8), QPen(QColor(255, 255, 255, 90), 0.9));
        p.strokePath(Ellipse({27, 39}, 11, 10.5), QPen(QColor(255, 255, 255, 90), 0.9));
        Mimosa(p, {4, 64}, {30, 52}, 3);
        Mimosa(p, {50, 66}, {26, 56}, 5);
        // A tulip between the sprigs.
        QPainterPath stem(QPointF(27, 68));
        stem.quadTo(25, 62, 27, 55);
        p.strokePath(stem, QPen(QColor(60, 130, 60), 1.1));
        p.fillPath(Ellipse({23.5, 63}, 1.6, 4.5, -30), QColor(80, 150, 70));
        QPainterPath cup(QPointF(23.5, 51));
        cup.lineTo(25, 55.5);
        cup.quadTo(27, 57.5, 29, 55.5);
        cup.lineTo(30.5, 51);
        cup.lineTo(28.4, 53);
        cup.lineTo(27, 50.5);
        cup.lineTo(25.6, 53);
        cup.closeSubpath();
        Lit(p, cup, QColor(230, 40, 70));
        Sparkle(p, {44, 12}, 2.6, QColor(255, 255, 255, 230));
        Sparkle(p, {10, 26}, 1.8, QColor(255, 255, 255, 200));
      });
}

QPainterPath Shamrock(QPointF c, double size) {
  QPainterPath leaves;
  // Three heart-shaped leaves, their points meeting in the middle.
  for (double angle : {-90.0, 30.0, 150.0}) {
    const double a = angle * kPi / 180;
    const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * size * 0.3;
    leaves = Unite({leaves, QTransform().translate(at.x(), at.y()).rotate(angle + 90).translate(-at.x(), -at.y())
                                .map(Heart(at, size * 0.62))});
  }
  return leaves;
}

QImage Patrick() {
  return Vignette(
      [](QPainter& p) {
        Radial(p, QPointF(27, 30), 46, QColor(170, 226, 130), QColor(36, 120, 60));
        for (const QPointF at : {QPointF(8, 10), QPointF(46, 58), QPointF(44, 9), QPointF(9, 60)})
          p.fillPath(Shamrock(at, 7), QColor(255, 255, 255, 50));
      },
      [](QPainter& p) {
        QPainterPath stem(QPointF(27, 31));
        stem.cubicTo(27, 44, 31, 52, 24, 62);
        const QPainterPath stalk = Stroke(stem, 2.4);
        const QPainterPath leaves = Shamrock({27, 27}, 27);
        Shadow(p, Unite({stalk, leaves}), QPointF(0.8, 1.2), 1.4, 110);
        p.fillPath(stalk, QColor(40, 130, 50));
        Lit(p, leaves, QColor(50, 170, 60));
        for (double angle : {-90.0, 30.0, 150.0}) {
          const double a = angle * kPi / 180;
          QPainterPath vein(QPointF(27, 27));
          vein.lineTo(QPointF(27, 27) + QPointF(std::cos(a), std::sin(a)) * 12);
          p.strokePath(vein, QPen(QColor(200, 250, 170, 150), 0.7));
        }
        // Two gold coins.
        for (const QPointF at : {QPointF(12, 62), QPointF(41, 63)}) {
          const QPainterPath coin = Ellipse(at, 4, 2.6);
          Shadow(p, coin, QPointF(0.3, 0.5), 0.5, 100);
          Lit(p, coin, QColor(232, 180, 40), true);
          p.strokePath(Ellipse(at, 2.6, 1.6), QPen(QColor(160, 110, 20), 0.4));
        }
      });
}

QImage Jester() {
  return Vignette(
      [](QPainter& p) {
        Radial(p, QPointF(27, 40), 44, QColor(255, 240, 150), QColor(250, 160, 40));
        QRandomGenerator rng(11);
        const QColor confetti[] = {QColor(230, 50, 60), QColor(60, 120, 230), QColor(60, 180, 90), QColor(180, 70, 200)};
        for (int i = 0; i < 24; ++i) {
          const QPointF at(rng.generateDouble() * kPictureW, rng.generateDouble() * kPictureH);
          p.save();
          p.translate(at);
          p.rotate(rng.generateDouble() * 180);
          p.fillRect(QRectF(-1, -0.5, 2, 1), confetti[i % 4]);
          p.restore();
        }
      },
      [](QPainter& p) {
        // The face under the cap.
        const QPainterPath face = Ellipse({27, 53}, 12, 12);
        Shadow(p, face, QPointF(0.5, 1), 1, 90);
        Lit(p, face, QColor(252, 214, 180));
        p.fillPath(Ellipse({19.5, 56}, 2.6, 1.8), QColor(240, 120, 120, 140));
        p.fillPath(Ellipse({34.5, 56}, 2.6, 1.8), QColor(240, 120, 120, 140));
        for (double x : {22.5, 31.5}) {
          QPainterPath eye(QPointF(x - 2, 51));
          eye.quadTo(x, 48.6, x + 2, 51);
          p.strokePath(eye, QPen(QColor(60, 30, 20), 0.9, Qt::SolidLine, Qt::RoundCap));
        }
        QPainterPath smile(QPointF(21, 56.5));
        smile.quadTo(27, 63, 33, 56.5);
        smile.quadTo(27, 60.5, 21, 56.5);
        p.fillPath(smile, QColor(170, 40, 40));
        p.fillPath(Ellipse({27, 54.5}, 1.6, 1.4), QColor(230, 70, 60));
        // Three floppy points with bells.
        const struct {
          QPointF Tip;
          QPointF Bend;
          QColor Colour;
        } points[] = {{{6, 38}, {8, 22}, QColor(60, 100, 220)},
                      {{48, 38}, {46, 22}, QColor(150, 60, 200)},
                      {{27, 6}, {24, 18}, QColor(224, 40, 50)}};
        for (const auto& pt : points) {
          QPainterPath horn(QPointF(pt.Tip.x() < 27 ? 15 : pt.Tip.x() > 27 ? 23 : 18, 42));
          horn.quadTo(pt.Bend, pt.Tip);
          horn.quadTo(pt.Bend + QPointF(pt.Tip.x() < 27 ? 8 : pt.Tip.x() > 27 ? -8 : 10, 6),
                      QPointF(pt.Tip.x() < 27 ? 31 : pt.Tip.x() > 27 ? 39 : 36, 42));
          horn.closeSubpath();
          Shadow(p, horn, QPointF(0.5, 0.9), 1, 100);
          Lit(p, horn, pt.Colour);
        }
        const QPainterPath band = art::roundedRect(QRectF(13, 40, 28, 5.5), 2.5);
        Shadow(p, band, QPointF(0.4, 0.7), 0.7, 100);
        Lit(p, band, QColor(236, 190, 50));
        for (int i = 0; i < 5; ++i) {
          const QPointF at(16.5 + i * 5.2, 42.75);
          p.fillPath(Poly({at + QPointF(0, -1.8), at + QPointF(1.4, 0), at + QPointF(0, 1.8), at + QPointF(-1.4, 0)}),
                     i % 2 ? QColor(220, 40, 60) : QColor(60, 100, 220));
        }
        for (const QPointF at : {QPointF(6, 39.5), QPointF(48, 39.5), QPointF(27, 6)}) {
          const QPainterPath bell = Ellipse(at, 2.4, 2.4);
          Shadow(p, bell, QPointF(0.3, 0.5), 0.4, 110);
          Lit(p, bell, QColor(240, 196, 40), true);
          p.fillRect(QRectF(at.x() - 1.0, at.y() + 0.7, 2.0, 0.45), QColor(120, 80, 10));
        }
      });
}

QImage MayDay() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(84, 160, 236), QColor(210, 236, 252));
        Glow(p, {9, 10}, 14, QColor(255, 240, 160, 200));
        p.fillPath(Ellipse({9, 10}, 5, 5), QColor(255, 220, 80));
        QRadialGradient hill(QPointF(27, 84), 48);
        hill.setColorAt(0, QColor(120, 200, 80));
        hill.setColorAt(1, QColor(60, 150, 60));
        p.fillPath(Ellipse({27, 80}, 46, 20), hill);
      },
      [](QPainter& p) {
        const struct {
          QPointF At;
          QColor Colour;
        } balloons[] = {{{17, 24}, QColor(226, 40, 50)}, {{38, 21}, QColor(60, 110, 230)}, {{28, 14}, QColor(250, 196, 30)}};
        for (const auto& b : balloons) {
          QPainterPath string(b.At + QPointF(0, 9.5));
          string.cubicTo(b.At + QPointF(2, 18), QPointF(26, 44), QPointF(27, 58));
          p.strokePath(string, QPen(QColor(90, 90, 100), 0.45));
        }
        for (const auto& b : balloons) {
          const QPainterPath ball = Ellipse(b.At, 7, 8.5);
          Shadow(p, ball, QPointF(0.6, 1.0), 1.2, 90);
          Lit(p, ball, b.Colour, true);
          p.fillPath(Poly({b.At + QPointF(0, 8.2), b.At + QPointF(-1.3, 10), b.At + QPointF(1.3, 10)}), b.Colour.darker(130));
        }
        // A red flag and a branch in bloom.
        QPainterPath staff(QPointF(44, 62));
        staff.lineTo(44, 38);
        p.strokePath(staff, QPen(QColor(150, 110, 60), 0.9));
        QPainterPath flag(QPointF(44, 38.5));
        flag.cubicTo(47, 37, 49, 40, 52, 38.5);
        flag.lineTo(52, 45.5);
        flag.cubicTo(49, 47, 47, 44, 44, 45.5);
        flag.closeSubpath();
        Lit(p, flag, QColor(214, 30, 36));
        QPainterPath twig(QPointF(4, 66));
        twig.cubicTo(10, 60, 14, 58, 20, 56);
        p.strokePath(twig, QPen(QColor(110, 80, 50), 0.9));
        for (int i = 0; i < 6; ++i) {
          const QPointF at = twig.pointAtPercent(0.2 + i * 0.15) + QPointF(0, -1.5 - (i % 2) * 1.5);
          for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * kPi / 5;
            p.fillPath(Ellipse(at + QPointF(std::cos(a), std::sin(a)) * 1.0, 0.9, 0.9), QColor(255, 230, 240));
          }
          p.fillPath(Ellipse(at, 0.5, 0.5), QColor(240, 180, 60));
        }
      });
}

QImage Teddy() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(150, 210, 250), QColor(230, 246, 255));
        QLinearGradient grass(0, 54, 0, 70);
        grass.setColorAt(0, QColor(130, 206, 90));
        grass.setColorAt(1, QColor(70, 160, 60));
        p.fillRect(QRectF(0, 56, kPictureW, 14), grass);
        Glow(p, {46, 9}, 12, QColor(255, 240, 150, 210));
        p.fillPath(Ellipse({46, 9}, 4.5, 4.5), QColor(255, 214, 70));
      },
      [](QPainter& p) {
        const QColor fur(176, 112, 58), light(236, 204, 160);
        const QPainterPath body = Unite({Ellipse({27, 47}, 11, 12), Ellipse({16, 44}, 3.6, 6.5, 30),
                                         Ellipse({38, 44}, 3.6, 6.5, -30), Ellipse({20, 58}, 5, 4),
                                         Ellipse({34, 58}, 5, 4), Ellipse({27, 29}, 10.5, 9.5),
                                         Ellipse({18.5, 21.5}, 4, 4), Ellipse({35.5, 21.5}, 4, 4)});
        Shadow(p, body, QPointF(0.8, 1.2), 1.4, 110);
        Lit(p, body, fur);
        p.fillPath(Ellipse({18.5, 21.5}, 2.1, 2.1), light);
        p.fillPath(Ellipse({35.5, 21.5}, 2.1, 2.1), light);
        p.fillPath(Ellipse({27, 48}, 6.5, 7.5), light.darker(104));
        p.fillPath(Ellipse({20, 58.5}, 2.8, 2.3), light);
        p.fillPath(Ellipse({34, 58.5}, 2.8, 2.3), light);
        p.fillPath(Ellipse({27, 32.5}, 5, 3.8), light);
        p.fillPath(Ellipse({27, 31}, 1.7, 1.2), QColor(50, 30, 20));
        p.fillPath(Ellipse({23, 27}, 1.1, 1.3), QColor(40, 25, 15));
        p.fillPath(Ellipse({31, 27}, 1.1, 1.3), QColor(40, 25, 15));
        QPainterPath smile(QPointF(25, 33.5));
        smile.quadTo(27, 35.6, 29, 33.5);
        p.strokePath(smile, QPen(QColor(60, 35, 20), 0.6, Qt::SolidLine, Qt::RoundCap));
        // A bow tie and a ball.
        p.fillPath(Poly({{27, 38}, {23, 36}, {23, 40}}), QColor(220, 40, 60));
        p.fillPath(Poly({{27, 38}, {31, 36}, {31, 40}}), QColor(220, 40, 60));
        p.fillPath(Ellipse({27, 38}, 1, 1), QColor(190, 20, 40));
        const QPainterPath ball = Ellipse({45, 60}, 5, 5);
        Shadow(p, ball, QPointF(0.4, 0.8), 0.8, 100);
        Lit(p, ball, QColor(60, 110, 230), true);
        p.strokePath(Ellipse({45, 60}, 5, 1.6), QPen(QColor(255, 255, 255, 210), 1.1));
      });
}

QImage Music() {
  return Vignette(
      [](QPainter& p) {
        QLinearGradient g(0, 0, kPictureW, kPictureH);
        g.setColorAt(0, QColor(70, 36, 126));
        g.setColorAt(1, QColor(176, 64, 144));
        p.fillRect(QRectF(0, 0, kPictureW, kPictureH), g);
        Dots(p, QRectF(0, 0, kPictureW, kPictureH), 16, 1.6, QColor(255, 220, 255, 60), 21);
      },
      [](QPainter& p) {
        p.save();
        p.translate(24, 42);
        p.rotate(-32);
        const QPainterPath neck = art::roundedRect(QRectF(-1.8, -34, 3.6, 26), 0.6);
        const QPainterPath head = art::roundedRect(QRectF(-2.6, -40, 5.2, 7), 1.2);
        const QPainterPath body = Unite({Ellipse({0, 8}, 10, 10), Ellipse({0, -5}, 7.5, 7.5)});
        Shadow(p, Unite({neck, head, body}), QPointF(1.0, 1.4), 1.4, 120);
        p.fillPath(neck, QColor(110, 60, 30));
        p.fillPath(head, QColor(80, 40, 20));
        for (int i = 0; i < 6; ++i) p.fillRect(QRectF(-1.8, -30 + i * 3.8, 3.6, 0.35), QColor(220, 200, 160));
        Lit(p, body, QColor(222, 140, 56));
        p.strokePath(body, QPen(QColor(120, 60, 20), 0.6));
        p.fillPath(Ellipse({0, 0}, 3, 3), QColor(50, 24, 10));
        p.fillRect(QRectF(-4, 10.5, 8, 1.6), QColor(70, 36, 16));
        for (double x : {-1.2, -0.4, 0.4, 1.2}) p.fillRect(QRectF(x - 0.1, -38, 0.2, 49), QColor(245, 240, 220, 210));
        for (double y : {-38.5, -35.5}) {
          p.fillPath(Ellipse({-3.4, y}, 0.8, 0.6), QColor(230, 220, 200));
          p.fillPath(Ellipse({3.4, y}, 0.8, 0.6), QColor(230, 220, 200));
        }
        p.restore();
        const QColor ink(255, 236, 140);
        for (const auto& [at, stem] : {std::pair{QPointF(37, 22), 9.0}, std::pair{QPointF(44, 36), 8.0},
                                       std::pair{QPointF(34, 52), 7.5}}) {
          const QPainterPath n = Note(at, stem);
          Shadow(p, n, QPointF(0.3, 0.5), 0.5, 120);
          p.fillPath(n, ink);
        }
        Sparkle(p, {46, 12}, 2.4, QColor(255, 255, 255, 220));
        Sparkle(p, {9, 10}, 1.8, QColor(255, 255, 255, 180));
      });
}

}  // namespace

void AddFeasts(TPackWriter& pack) {
  pack.AddPng("R_NEWYEAR", NewYear());
  pack.AddPng("R_LOVE000", Love());
  pack.AddPng("R_8MARCH0", WomensDay());
  pack.AddPng("R_USAPATR", Patrick());
  pack.AddPng("R_1April0", Jester());
  pack.AddPng("R_1May000", MayDay());
  pack.AddPng("R_BABY000", Teddy());
  pack.AddPng("R_FRAMUS0", Music());
}

}  // namespace packgen::cal
