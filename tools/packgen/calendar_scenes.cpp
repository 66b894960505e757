// Pictures of the days of work, study and celebration: fireworks over a
// town, a singer's microphone, a screen of code, tea with spectacles and
// autumn leaves, a blackboard, a lantern pumpkin, a turkey and a book under
// a student's cap.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

#include "calendar_kit.h"
#include "paint_kit.h"

namespace packgen::cal {
namespace {

void Burst(QPainter& p, QPointF c, double r, const QColor& colour, int rays) {
  Glow(p, c, r * 0.9, QColor(colour.red(), colour.green(), colour.blue(), 90));
  for (int i = 0; i < rays; ++i) {
    const double a = i * 2 * kPi / rays + 0.2;
    const QPointF dir(std::cos(a), std::sin(a));
    QLinearGradient g(c + dir * r * 0.25, c + dir * r);
    g.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 0));
    g.setColorAt(1, colour);
    p.setPen(QPen(QBrush(g), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + dir * r * 0.25, c + dir * r);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(130));
    p.drawEllipse(c + dir * (r + 1.0), 0.6, 0.6);
  }
}

QImage Fireworks() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(8, 10, 40), QColor(40, 40, 100));
        Dots(p, QRectF(0, 0, kPictureW, 50), 30, 0.4, QColor(255, 255, 255, 200), 33);
      },
      [](QPainter& p) {
        Burst(p, {17, 20}, 10, QColor(240, 60, 70), 18);
        Burst(p, {38, 15}, 9, QColor(240, 240, 255), 16);
        Burst(p, {36, 36}, 8, QColor(90, 140, 255), 14);
        Burst(p, {12, 40}, 6, QColor(255, 210, 80), 12);
        // The town below.
        const double roofs[][3] = {{0, 56, 8}, {7, 52, 7}, {13, 58, 6}, {18, 49, 6}, {23, 54, 9}, {31, 46, 5},
                                   {35, 55, 7}, {41, 51, 6}, {46, 57, 9}};
        QRandomGenerator rng(5);
        for (const auto& r : roofs) {
          p.fillRect(QRectF(r[0], r[1], r[2] + 0.3, 70 - r[1]), QColor(18, 18, 34));
          for (double y = r[1] + 2; y < 68; y += 3)
            for (double x = r[0] + 1.2; x < r[0] + r[2] - 1; x += 2.2)
              if (rng.generateDouble() < 0.35) p.fillRect(QRectF(x, y, 0.9, 1.2), QColor(255, 220, 120, 200));
        }
        p.fillRect(QRectF(32.6, 42, 0.8, 4.5), QColor(18, 18, 34));
      });
}

QImage Microphone() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(40, 16, 60), QColor(120, 30, 90));
        // A spotlight from above.
        QLinearGradient beam(0, 0, 0, 70);
        beam.setColorAt(0, QColor(255, 250, 220, 150));
        beam.setColorAt(1, QColor(255, 250, 220, 10));
        p.fillPath(Poly({{20, 0}, {34, 0}, {50, 70}, {4, 70}}), beam);
        p.fillPath(Ellipse({27, 64}, 20, 4), QColor(255, 250, 220, 60));
      },
      [](QPainter& p) {
        QPainterPath stand(QPointF(27, 40));
        stand.lineTo(27, 62);
        p.strokePath(stand, QPen(QColor(60, 60, 70), 1.6));
        const QPainterPath foot = Ellipse({27, 63}, 8, 2.2);
        Lit(p, foot, QColor(80, 80, 90));
        QPainterPath fork(QPointF(19.5, 26));
        fork.quadTo(19.5, 40, 27, 40);
        fork.quadTo(34.5, 40, 34.5, 26);
        p.strokePath(fork, QPen(QColor(70, 70, 80), 1.2));
        // The capsule with its grille.
        const QPainterPath capsule = art::roundedRect(QRectF(20.5, 10, 13, 24), 6.5);
        Shadow(p, capsule, QPointF(0.8, 1.2), 1.3, 130);
        QLinearGradient chrome(20.5, 0, 33.5, 0);
        chrome.setColorAt(0, QColor(150, 150, 160));
        chrome.setColorAt(0.35, QColor(250, 250, 255));
        chrome.setColorAt(0.7, QColor(180, 180, 190));
        chrome.setColorAt(1, QColor(100, 100, 110));
        p.fillPath(capsule, chrome);
        p.save();
        p.setClipPath(capsule);
        for (double y = 12; y < 33; y += 1.5) p.fillRect(QRectF(20, y, 14, 0.45), QColor(90, 90, 100, 150));
        p.restore();
        p.fillRect(QRectF(20.5, 21, 13, 2.4), QColor(200, 160, 60));
        p.strokePath(capsule, QPen(QColor(70, 70, 80), 0.5));
        for (const auto& [at, stem] : {std::pair{QPointF(9, 22), 7.0}, std::pair{QPointF(42, 16), 8.0},
                                       std::pair{QPointF(44, 40), 7.0}}) {
          const QPainterPath n = Note(at, stem);
          p.fillPath(n, QColor(255, 160, 210));
        }
        const QPainterPath star = Star({9, 8}, 4, 1.7);
        p.fillPath(star, QColor(255, 214, 70));
      });
}

QImage Code() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(190, 206, 222), QColor(120, 140, 170));
        Ledge(p, 50, QColor(150, 110, 80));
      },
      [](QPainter& p) {
        const QPainterPath frame = art::roundedRect(QRectF(4, 8, 46, 33), 2);
        Shadow(p, frame, QPointF(0.8, 1.2), 1.2, 120);
        p.fillPath(Poly({{23, 41}, {31, 41}, {33, 48}, {21, 48}}), QColor(70, 74, 84));
        p.fillPath(art::roundedRect(QRectF(16, 47.5, 22, 2.4), 1), QColor(60, 64, 74));
        Lit(p, frame, QColor(56, 60, 70));
        const QRectF screen(6.5, 10.5, 41, 27.5);
        QLinearGradient glass(0, screen.top(), 0, screen.bottom());
        glass.setColorAt(0, QColor(18, 28, 48));
        glass.setColorAt(1, QColor(10, 16, 30));
        p.fillRect(screen, glass);
        // Lines of code: indent, then words in their colours.
        const QColor keyword(220, 120, 230), name(110, 210, 250), text(140, 230, 120), plain(210, 214, 224);
        const struct {
          int Indent;
          std::vector<std::pair<double, QColor>> Words;
        } lines[] = {{0, {{5, keyword}, {7, name}, {3, plain}}},
                     {1, {{4, keyword}, {3, plain}, {6, name}, {2, plain}}},
                     {2, {{6, name}, {2, plain}, {9, text}}},
                     {2, {{5, keyword}, {4, name}}},
                     {1, {{2, plain}}},
                     {1, {{6, keyword}, {3, name}, {5, plain}}},
                     {0, {{2, plain}}}};
        double y = 12.8;
        for (const auto& line : lines) {
          double x = screen.left() + 2 + line.Indent * 2.6;
          for (const auto& [w, c] : line.Words) {
            p.fillRect(QRectF(x, y, w * 0.8, 1.5), c);
            x += w * 0.8 + 1;
          }
          y += 3.3;
        }
        p.fillRect(QRectF(screen.left() + 2 + 2.6, y, 1.6, 1.8), QColor(255, 255, 255, 230));
        p.fillPath(Poly({{6.5, 10.5}, {26, 10.5}, {6.5, 30}}), QColor(255, 255, 255, 14));
        // The keyboard and the mouse.
        const QPainterPath keyboard = Poly({{9, 54}, {43, 54}, {46, 63}, {6, 63}});
        Shadow(p, keyboard, QPointF(0.4, 0.8), 0.8, 100);
        p.fillPath(keyboard, QColor(226, 228, 234));
        for (int row = 0; row < 3; ++row)
          for (int k = 0; k < 11; ++k) {
            const double t = (row + 0.5) / 3.0;
            const double left = 9 - 3 * t + 1, width = 34 + 6 * t - 2;
            p.fillRect(QRectF(left + k * width / 11 + 0.2, 55 + row * 2.8, width / 11 - 0.5, 2.1), QColor(150, 154, 166));
          }
        const QPainterPath mouse = Ellipse({50, 59}, 2.4, 3.4);
        Lit(p, mouse, QColor(220, 222, 230));
      });
}

QImage Tea() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(255, 222, 160), QColor(226, 140, 70));
        Ledge(p, 52, QColor(156, 96, 56));
      },
      [](QPainter& p) {
        const struct {
          QPointF At;
          double R, Turn;
          QColor Colour;
        } leaves[] = {{{9, 11}, 5.5, -20, QColor(222, 80, 30)},
                      {{44, 9}, 4.5, 25, QColor(240, 160, 30)},
                      {{40, 26}, 3.6, 60, QColor(200, 60, 30)}};
        for (const auto& l : leaves) {
          const QPainterPath leaf = MapleLeaf(l.At, l.R, l.Turn);
          Shadow(p, leaf, QPointF(0.6, 1.0), 0.8, 90);
          Lit(p, leaf, l.Colour);
        }
        // The cup on its saucer, steaming.
        const QPainterPath saucer = Ellipse({27, 56}, 17, 4.2);
        Shadow(p, saucer, QPointF(0.4, 1.0), 1.0, 110);
        Lit(p, saucer, QColor(250, 250, 246));
        p.strokePath(Ellipse({27, 56}, 14.5, 3.2), QPen(QColor(60, 100, 180), 0.5));
        QPainterPath cup(QPointF(15, 38));
        cup.lineTo(39, 38);
        cup.cubicTo(39, 48, 35, 55, 27, 55);
        cup.cubicTo(19, 55, 15, 48, 15, 38);
        cup.closeSubpath();
        const QPainterPath handle = Stroke(Ellipse({40, 43}, 3.6, 4), 1.7);
        Shadow(p, Unite({cup, handle}), QPointF(0.6, 1.0), 1.0, 100);
        p.fillPath(handle, QColor(236, 236, 232));
        Lit(p, cup, QColor(250, 250, 246));
        p.fillRect(QRectF(15, 40, 24, 1.4), QColor(60, 100, 180));
        p.fillPath(Ellipse({27, 38}, 12, 2.4), QColor(250, 250, 246));
        p.fillPath(Ellipse({27, 38.3}, 10.8, 1.8), QColor(150, 70, 20));
        for (double x : {22.0, 27.0, 32.0}) {
          QPainterPath steam(QPointF(x, 35));
          steam.cubicTo(x - 2.5, 31, x + 2.5, 28, x, 23);
          p.strokePath(steam, QPen(QColor(255, 255, 255, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
        }
        // Spectacles before the cup.
        const QPen wire(QColor(70, 50, 30), 0.7);
        for (double x : {10.0, 19.0}) {
          const QPainterPath lens = art::roundedRect(QRectF(x - 3.6, 59, 7.2, 5.4), 2.4);
          p.fillPath(lens, QColor(220, 240, 255, 90));
          p.strokePath(lens, wire);
        }
        QPainterPath bridge(QPointF(13.6, 61));
        bridge.quadTo(14.5, 59.8, 15.4, 61);
        p.strokePath(bridge, wire);
        QPainterPath temple(QPointF(22.6, 60.5));
        temple.lineTo(29, 58.5);
        p.strokePath(temple, wire);
      });
}

QImage Blackboard() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(246, 232, 200), QColor(214, 190, 150));
      },
      [](QPainter& p) {
        const QRectF frame(4, 6, 46, 35);
        Shadow(p, art::roundedRect(frame, 1), QPointF(0.8, 1.2), 1.2, 120);
        Lit(p, art::roundedRect(frame, 1), QColor(170, 110, 50));
        const QRectF board = frame.adjusted(2.2, 2.2, -2.2, -2.2);
        QLinearGradient slate(board.topLeft(), board.bottomRight());
        slate.setColorAt(0, QColor(44, 96, 66));
        slate.setColorAt(1, QColor(24, 64, 44));
        p.fillRect(board, slate);
        QFont font(QStringLiteral("Comic Neue"));
        font.setBold(true);
        font.setPixelSize(9);
        QPainterPath abc;
        abc.addText(board.left() + 3, board.top() + 11, font, QStringLiteral("A B C"));
        font.setPixelSize(8);
        abc.addText(board.left() + 6, board.top() + 24, font, QStringLiteral("2+2=4"));
        p.fillPath(abc, QColor(250, 250, 240, 220));
        QPainterPath tick(QPointF(board.right() - 9, board.top() + 20));
        tick.lineTo(board.right() - 6.5, board.top() + 23);
        tick.lineTo(board.right() - 2.5, board.top() + 15);
        p.strokePath(tick, QPen(QColor(250, 230, 120, 230), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.fillRect(QRectF(frame.left() + 3, frame.bottom() - 0.6, frame.width() - 6, 2.2), QColor(150, 96, 40));
        p.fillRect(QRectF(12, frame.bottom() - 1.4, 4, 1.0), QColor(255, 255, 255));
        // Books and the apple.
        const struct {
          QRectF Box;
          QColor Colour;
        } books[] = {{{7, 60, 24, 5}, QColor(50, 90, 180)}, {{9, 55, 21, 5}, QColor(200, 50, 50)},
                     {{8, 50.5, 19, 4.5}, QColor(60, 150, 80)}};
        for (const auto& b : books) {
          const QPainterPath book = art::roundedRect(b.Box, 0.8);
          Shadow(p, book, QPointF(0.4, 0.6), 0.6, 90);
          Lit(p, book, b.Colour);
          p.fillRect(QRectF(b.Box.right() - 2.4, b.Box.top() + 0.8, 1.8, b.Box.height() - 1.6), QColor(250, 246, 230));
        }
        const QPainterPath apple = Unite({Ellipse({39, 57}, 5, 5.3), Ellipse({43, 57}, 5, 5.3)});
        Shadow(p, apple, QPointF(0.5, 0.9), 0.9, 110);
        Lit(p, apple, QColor(214, 30, 30), true);
        QPainterPath stalk(QPointF(41, 52.5));
        stalk.quadTo(41.5, 50.5, 42.5, 49.5);
        p.strokePath(stalk, QPen(QColor(90, 60, 30), 0.7));
        p.fillPath(Ellipse({44.5, 50.5}, 2.4, 1.1, -25), QColor(70, 160, 60));
      });
}

QImage Pumpkin() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(30, 12, 56), QColor(110, 50, 110));
        Glow(p, {39, 17}, 18, QColor(255, 240, 190, 120));
        p.fillPath(Ellipse({39, 17}, 10, 10), QColor(255, 244, 200));
        p.fillPath(Ellipse({36, 14}, 2, 1.6), QColor(230, 220, 170));
        p.fillPath(Ellipse({42, 21}, 1.4, 1.2), QColor(230, 220, 170));
        Dots(p, QRectF(0, 0, kPictureW, 30), 14, 0.4, QColor(255, 255, 255, 180), 17);
      },
      [](QPainter& p) {
        for (const auto& [at, span] : {std::pair{QPointF(13, 16), 6.0}, std::pair{QPointF(24, 9), 4.5},
                                       std::pair{QPointF(47, 33), 3.8}}) {
          QPainterPath bat(at);
          bat.quadTo(at + QPointF(-span * 0.4, -span * 0.5), at + QPointF(-span, -span * 0.25));
          bat.quadTo(at + QPointF(-span * 0.75, span * 0.05), at + QPointF(-span * 0.55, span * 0.3));
          bat.quadTo(at + QPointF(-span * 0.3, 0), at);
          bat.quadTo(at + QPointF(span * 0.3, 0), at + QPointF(span * 0.55, span * 0.3));
          bat.quadTo(at + QPointF(span * 0.75, span * 0.05), at + QPointF(span, -span * 0.25));
          bat.quadTo(at + QPointF(span * 0.4, -span * 0.5), at);
          p.fillPath(bat, QColor(20, 10, 24));
          p.fillPath(Ellipse(at + QPointF(0, 0.2), span * 0.14, span * 0.2), QColor(20, 10, 24));
        }
        p.fillPath(Ellipse({27, 74}, 40, 12), QColor(24, 14, 30));
        const QPainterPath body = Unite({Ellipse({27, 50}, 13, 12), Ellipse({18.5, 51}, 8.5, 10.5), Ellipse({35.5, 51}, 8.5, 10.5)});
        Shadow(p, body, QPointF(0.6, 1.0), 1.3, 120);
        Lit(p, body, QColor(240, 130, 20));
        for (double x : {18.0, 27.0, 36.0}) {
          QPainterPath rib(QPointF(x, 39.5));
          rib.quadTo(x + (x - 27) * 0.35, 50, x, 61);
          p.strokePath(rib, QPen(QColor(180, 80, 10, 150), 0.7));
        }
        QPainterPath stem(QPointF(26, 39.5));
        stem.cubicTo(26, 36, 28, 34, 30, 33.5);
        p.strokePath(stem, QPen(QColor(80, 110, 40), 2.0, Qt::SolidLine, Qt::RoundCap));
        // The carved face, lit from within.
        QLinearGradient flame(0, 44, 0, 58);
        flame.setColorAt(0, QColor(255, 250, 170));
        flame.setColorAt(1, QColor(255, 170, 30));
        const QPainterPath face = Unite({Poly({{19, 48}, {22.5, 43}, {25, 48}}), Poly({{29, 48}, {31.5, 43}, {35, 48}}),
                                         Poly({{27, 49}, {25.5, 51.5}, {28.5, 51.5}}),
                                         Poly({{17.5, 53}, {20, 55}, {22, 53.6}, {24.5, 56.4}, {27, 54}, {29.5, 56.4},
                                               {32, 53.6}, {34, 55}, {36.5, 53}, {33, 58.6}, {21, 58.6}})});
        p.fillPath(face, flame);
      });
}

QImage Turkey() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(255, 226, 160), QColor(226, 126, 52));
        p.fillPath(Ellipse({27, 76}, 40, 12), QColor(170, 110, 50));
      },
      [](QPainter& p) {
        const QColor bands[] = {QColor(160, 40, 30), QColor(230, 120, 30), QColor(250, 196, 60), QColor(120, 70, 40)};
        const QPointF c(27, 44);
        for (int i = 0; i < 9; ++i) {
          const double angle = -165 + i * 18.75;
          p.save();
          p.translate(c);
          p.rotate(angle + 90);
          const QPainterPath feather = Ellipse({0, -15}, 4.4, 13);
          Shadow(p, feather, QPointF(0.3, 0.5), 0.6, 80);
          QLinearGradient g(0, -28, 0, -2);
          g.setColorAt(0, bands[i % 4]);
          g.setColorAt(0.35, bands[(i + 1) % 4]);
          g.setColorAt(0.7, bands[(i + 2) % 4]);
          g.setColorAt(1, QColor(110, 60, 30));
          p.fillPath(feather, g);
          p.fillRect(QRectF(-0.2, -27, 0.4, 24), QColor(90, 50, 20, 120));
          p.restore();
        }
        const QPainterPath body = Ellipse({27, 47}, 10, 12);
        Shadow(p, body, QPointF(0.5, 1.0), 1.0, 110);
        Lit(p, body, QColor(140, 84, 44));
        for (int i = 0; i < 3; ++i) {
          QPainterPath scale(QPointF(21 + i * 0.6, 48 + i * 3));
          scale.quadTo(27, 51 + i * 3, 33 - i * 0.6, 48 + i * 3);
          p.strokePath(scale, QPen(QColor(100, 56, 26), 0.6));
        }
        const QPainterPath head = Ellipse({27, 31}, 5, 5.4);
        Lit(p, head, QColor(176, 110, 70));
        for (double x : {25.0, 29.0}) {
          p.fillPath(Ellipse({x, 30}, 1.3, 1.5), QColor(255, 255, 255));
          p.fillPath(Ellipse({x, 30.3}, 0.7, 0.8), QColor(30, 20, 10));
        }
        p.fillPath(Poly({{25.5, 32.6}, {28.5, 32.6}, {27, 35.4}}), QColor(250, 180, 40));
        QPainterPath wattle(QPointF(27.6, 34));
        wattle.cubicTo(29.5, 35, 29.5, 38.5, 27.8, 39);
        wattle.cubicTo(27, 37.5, 27, 35, 27.6, 34);
        p.fillPath(wattle, QColor(220, 40, 40));
        for (double x : {23.5, 30.5}) {
          QPainterPath leg(QPointF(x, 58));
          leg.lineTo(x, 63);
          leg.moveTo(x - 2, 64.5);
          leg.lineTo(x, 63);
          leg.lineTo(x + 2, 64.5);
          p.strokePath(leg, QPen(QColor(230, 140, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
        }
        const QPainterPath leaf = MapleLeaf({8, 62}, 4, -30);
        Lit(p, leaf, QColor(210, 70, 30));
        const QPainterPath small = Unite({Ellipse({46, 62}, 4.6, 3.6), Ellipse({43.5, 62}, 2.6, 3.4), Ellipse({48.5, 62}, 2.6, 3.4)});
        Lit(p, small, QColor(240, 140, 30));
        p.fillRect(QRectF(45.6, 57.4, 0.9, 1.6), QColor(90, 110, 40));
      });
}

QImage StudentBook() {
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(150, 200, 246), QColor(236, 246, 255));
        Dots(p, QRectF(0, 0, kPictureW, 40), 10, 1.2, QColor(255, 255, 255, 160), 41);
      },
      [](QPainter& p) {
        // The open book.
        const QPainterPath cover = Poly({{3, 50}, {27, 54}, {51, 50}, {51, 63}, {27, 67}, {3, 63}});
        Shadow(p, cover, QPointF(0.5, 1.0), 1.2, 120);
        p.fillPath(cover, QColor(40, 70, 150));
        for (int side : {-1, 1}) {
          QPainterPath page(QPointF(27, 51.5));
          page.cubicTo(27 + side * 8, 46, 27 + side * 16, 46, 27 + side * 23, 48.5);
          page.lineTo(27 + side * 23, 61);
          page.cubicTo(27 + side * 16, 58.5, 27 + side * 8, 58.5, 27, 64);
          page.closeSubpath();
          QLinearGradient paper(27, 0, 27 + side * 23, 0);
          paper.setColorAt(0, QColor(220, 214, 196));
          paper.setColorAt(0.25, QColor(255, 254, 248));
          paper.setColorAt(1, QColor(244, 240, 228));
          p.fillPath(page, paper);
          for (int i = 0; i < 4; ++i) {
            QPainterPath line(QPointF(27 + side * 4, 53 + i * 2.2));
            line.cubicTo(27 + side * 9, 50 + i * 2.2, 27 + side * 14, 50 + i * 2.2, 27 + side * 20, 51.5 + i * 2.2);
            p.strokePath(line, QPen(QColor(140, 140, 150, 150), 0.45));
          }
        }
        // The student's cap above it.
        const QPainterPath crown = Poly({{17, 28}, {37, 28}, {36, 38}, {18, 38}});
        const QPainterPath board = Poly({{27, 14}, {49, 23}, {27, 31}, {5, 23}});
        Shadow(p, Unite({crown, board}), QPointF(0.8, 1.3), 1.3, 130);
        Lit(p, crown, QColor(40, 40, 52));
        QLinearGradient top(5, 14, 49, 31);
        top.setColorAt(0, QColor(80, 80, 96));
        top.setColorAt(1, QColor(24, 24, 32));
        p.fillPath(board, top);
        p.strokePath(board, QPen(QColor(120, 120, 140), 0.4));
        QPainterPath cord(QPointF(27, 22.5));
        cord.cubicTo(36, 23, 42, 26, 42.5, 32);
        p.strokePath(cord, QPen(QColor(240, 190, 50), 0.8));
        const QPainterPath tassel = Poly({{41.3, 31.5}, {43.7, 31.5}, {44.6, 38}, {40.4, 38}});
        Lit(p, tassel, QColor(240, 190, 50));
        p.fillPath(Ellipse({27, 22.5}, 1.2, 0.7), QColor(240, 190, 50));
      });
}

}  // namespace

void AddScenes(TPackWriter& pack) {
  pack.AddPng("R_USA4JUL", Fireworks());
  pack.AddPng("R_USAELVI", Microphone());
  pack.AddPng("R_ALLPROG", Code());
  pack.AddPng("R_OLD0000", Tea());
  pack.AddPng("R_TEACHER", Blackboard());
  pack.AddPng("R_HALLO00", Pumpkin());
  pack.AddPng("R_USABLAG", Turkey());
  pack.AddPng("R_RUSZNAN", StudentBook());
}

}  // namespace packgen::cal
