// "R_BASE", the leaf of a desk calendar every tile is drawn on (a red
// binding with two rings over a cream page), and "R_01" .. "R_12", the signs
// of the zodiac from Aries: a glyph on an enamel coin in the colour of the
// sign's element, in a gold rim.
#include <QLinearGradient>
#include <QRadialGradient>

#include "calendar_kit.h"
#include "paint_kit.h"

namespace packgen::cal {
namespace {

QImage TileBase() {
  return Sheet(60, 100, [](QPainter& p) {
    const QRectF page(1.5, 4.5, 57, 94);
    const QPainterPath leaf = art::roundedRect(page, 4);
    Shadow(p, leaf, QPointF(0.7, 1.0), 1.3, 110);
    QLinearGradient paper(0, page.top(), 0, page.bottom());
    paper.setColorAt(0, QColor(255, 254, 248));
    paper.setColorAt(1, QColor(238, 232, 218));
    p.fillPath(leaf, paper);
    // The binding: a red band across the top with a shadow on the page.
    QPainterPath band;
    band.addRect(QRectF(page.left(), page.top(), page.width(), 14.5));
    band = band.intersected(leaf);
    QLinearGradient red(0, page.top(), 0, page.top() + 14.5);
    red.setColorAt(0, QColor(214, 58, 52));
    red.setColorAt(0.55, QColor(176, 28, 30));
    red.setColorAt(1, QColor(120, 14, 18));
    p.fillPath(band, red);
    QLinearGradient under(0, page.top() + 14.5, 0, page.top() + 18);
    under.setColorAt(0, QColor(90, 40, 20, 70));
    under.setColorAt(1, QColor(90, 40, 20, 0));
    p.fillRect(QRectF(page.left(), page.top() + 14.5, page.width(), 3.5), under);
    p.fillRect(QRectF(page.left(), page.top() + 13.7, page.width(), 0.6), QColor(255, 190, 150, 120));
    p.fillRect(QRectF(page.left() + 1, page.top() + 1, page.width() - 2, 0.5), QColor(255, 255, 255, 70));
    // Two rings through punched holes.
    for (double x : {17.0, 43.0}) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(60, 8, 8));
      p.drawEllipse(QPointF(x, 9.5), 2.0, 1.4);
      QPainterPath ring;
      ring.moveTo(x - 1.6, 9.6);
      ring.cubicTo(x - 2.0, 4.0, x - 1.0, 0.6, x + 1.0, 0.9);
      ring.cubicTo(x + 2.6, 1.2, x + 2.4, 5.0, x + 1.2, 8.8);
      QLinearGradient metal(x - 2, 0, x + 2.5, 0);
      metal.setColorAt(0, QColor(120, 120, 128));
      metal.setColorAt(0.45, QColor(250, 250, 252));
      metal.setColorAt(1, QColor(110, 110, 120));
      Shadow(p, Stroke(ring, 1.3), QPointF(0.5, 0.5), 0.6, 100);
      p.fillPath(Stroke(ring, 1.3), metal);
    }
    // The corner of the leaf lifts a little.
    const QPointF corner(page.right(), page.bottom());
    const QPainterPath fold = Poly({corner + QPointF(-7, 0), corner + QPointF(-0.2, -6.5), corner + QPointF(-5.5, -5)});
    QLinearGradient curl(corner + QPointF(-7, -6), corner);
    curl.setColorAt(0, QColor(255, 255, 255));
    curl.setColorAt(1, QColor(205, 196, 178));
    Shadow(p, fold, QPointF(-0.5, -0.3), 0.8, 70);
    p.fillPath(fold, curl);
    p.strokePath(leaf, QPen(QColor(120, 96, 70, 110), 0.5));
  });
}

// The glyph of a sign in a box of -0.5 .. 0.5.
QPainterPath Glyph(int sign) {
  QPainterPath g;
  switch (sign) {
    case 1:  // Aries: two horns curling out from a stem
      g.moveTo(0, 0.42);
      g.lineTo(0, -0.12);
      g.cubicTo(0, -0.42, -0.4, -0.46, -0.38, -0.18);
      g.cubicTo(-0.37, -0.06, -0.3, -0.02, -0.24, -0.02);
      g.moveTo(0, -0.12);
      g.cubicTo(0, -0.42, 0.4, -0.46, 0.38, -0.18);
      g.cubicTo(0.37, -0.06, 0.3, -0.02, 0.24, -0.02);
      break;
    case 2:  // Taurus: a round head with horns
      g.addEllipse(QPointF(0, 0.14), 0.22, 0.22);
      g.moveTo(-0.4, -0.4);
      g.cubicTo(-0.34, -0.12, -0.16, -0.08, 0, -0.08);
      g.cubicTo(0.16, -0.08, 0.34, -0.12, 0.4, -0.4);
      break;
    case 3:  // Gemini: two pillars under curved lintels
      g.moveTo(-0.36, -0.38);
      g.quadTo(0, -0.24, 0.36, -0.38);
      g.moveTo(-0.36, 0.38);
      g.quadTo(0, 0.24, 0.36, 0.38);
      g.moveTo(-0.15, -0.31);
      g.lineTo(-0.15, 0.31);
      g.moveTo(0.15, -0.31);
      g.lineTo(0.15, 0.31);
      break;
    case 4:  // Cancer: two claws round two pincers
      g.addEllipse(QPointF(-0.2, -0.1), 0.1, 0.1);
      g.moveTo(-0.2, -0.2);
      g.cubicTo(-0.02, -0.34, 0.26, -0.3, 0.4, -0.14);
      g.addEllipse(QPointF(0.2, 0.1), 0.1, 0.1);
      g.moveTo(0.2, 0.2);
      g.cubicTo(0.02, 0.34, -0.26, 0.3, -0.4, 0.14);
      break;
    case 5:  // Leo: a ring and the sweep of a mane
      g.addEllipse(QPointF(-0.22, 0.14), 0.12, 0.12);
      g.moveTo(-0.12, 0.08);
      g.cubicTo(-0.28, -0.3, 0.06, -0.5, 0.2, -0.28);
      g.cubicTo(0.32, -0.08, 0.06, 0.2, 0.14, 0.34);
      g.cubicTo(0.2, 0.44, 0.34, 0.42, 0.4, 0.32);
      break;
    case 6:  // Virgo: an m with a loop
      g.moveTo(-0.38, -0.3);
      g.lineTo(-0.38, 0.34);
      g.moveTo(-0.38, -0.12);
      g.cubicTo(-0.38, -0.36, -0.13, -0.36, -0.13, -0.12);
      g.lineTo(-0.13, 0.34);
      g.moveTo(-0.13, -0.12);
      g.cubicTo(-0.13, -0.36, 0.12, -0.36, 0.12, -0.12);
      g.lineTo(0.12, 0.18);
      g.cubicTo(0.12, 0.42, 0.42, 0.34, 0.36, 0.08);
      g.cubicTo(0.3, -0.1, 0.1, 0.22, 0.04, 0.44);
      break;
    case 7:  // Libra: the setting sun over the horizon
      g.moveTo(-0.4, 0.3);
      g.lineTo(0.4, 0.3);
      g.moveTo(-0.4, 0.1);
      g.lineTo(-0.16, 0.1);
      g.cubicTo(-0.32, -0.06, -0.24, -0.38, 0, -0.38);
      g.cubicTo(0.24, -0.38, 0.32, -0.06, 0.16, 0.1);
      g.lineTo(0.4, 0.1);
      break;
    case 8:  // Scorpio: an m with a sting
      g.moveTo(-0.4, -0.3);
      g.lineTo(-0.4, 0.3);
      g.moveTo(-0.4, -0.12);
      g.cubicTo(-0.4, -0.36, -0.15, -0.36, -0.15, -0.12);
      g.lineTo(-0.15, 0.3);
      g.moveTo(-0.15, -0.12);
      g.cubicTo(-0.15, -0.36, 0.1, -0.36, 0.1, -0.12);
      g.lineTo(0.1, 0.24);
      g.quadTo(0.1, 0.36, 0.24, 0.36);
      g.lineTo(0.4, 0.36);
      g.moveTo(0.3, 0.24);
      g.lineTo(0.42, 0.36);
      g.lineTo(0.3, 0.48);
      break;
    case 9:  // Sagittarius: an arrow
      g.moveTo(-0.36, 0.36);
      g.lineTo(0.36, -0.36);
      g.moveTo(0.04, -0.38);
      g.lineTo(0.38, -0.38);
      g.lineTo(0.38, -0.04);
      g.moveTo(-0.24, -0.06);
      g.lineTo(0.06, 0.24);
      break;
    case 10:  // Capricorn: a v and a fish's tail
      g.moveTo(-0.42, -0.28);
      g.quadTo(-0.34, -0.36, -0.3, -0.24);
      g.lineTo(-0.2, 0.3);
      g.lineTo(-0.06, -0.3);
      g.lineTo(0.06, 0.18);
      g.cubicTo(0.12, 0.44, 0.44, 0.36, 0.38, 0.1);
      g.cubicTo(0.34, -0.08, 0.08, -0.04, 0.1, 0.16);
      g.cubicTo(0.12, 0.36, 0.0, 0.44, -0.12, 0.44);
      break;
    case 11:  // Aquarius: two waves
      for (double y : {-0.1, 0.16}) {
        g.moveTo(-0.42, y + 0.06);
        g.lineTo(-0.21, y - 0.1);
        g.lineTo(0, y + 0.06);
        g.lineTo(0.21, y - 0.1);
        g.lineTo(0.42, y + 0.06);
      }
      break;
    case 12:  // Pisces: two fish bound together
      g.moveTo(-0.34, -0.4);
      g.cubicTo(-0.1, -0.16, -0.1, 0.16, -0.34, 0.4);
      g.moveTo(0.34, -0.4);
      g.cubicTo(0.1, -0.16, 0.1, 0.16, 0.34, 0.4);
      g.moveTo(-0.36, 0);
      g.lineTo(0.36, 0);
      break;
  }
  return g;
}

// The element of each sign: fire, earth, air, water in turn from Aries.
QColor ElementColour(int sign) {
  static const QColor kElements[4] = {QColor(214, 70, 34), QColor(52, 138, 66), QColor(92, 120, 214),
                                      QColor(24, 120, 160)};
  return kElements[(sign - 1) % 4];
}

QImage Sign(int sign) {
  return Sheet(26, 26, [sign](QPainter& p) {
    const QPointF c(13, 13);
    const QPainterPath coin = Ellipse(c, 12, 12);
    Shadow(p, coin, QPointF(0.5, 0.7), 0.9, 100);
    p.fillPath(coin, Gold(1, 25));
    const QColor colour = ElementColour(sign);
    QRadialGradient enamel(c + QPointF(-3, -4), 12);
    enamel.setColorAt(0, colour.lighter(150));
    enamel.setColorAt(0.6, colour);
    enamel.setColorAt(1, colour.darker(170));
    p.fillPath(Ellipse(c, 10.2, 10.2), enamel);
    p.strokePath(Ellipse(c, 10.2, 10.2), QPen(QColor(110, 70, 10, 160), 0.4));
    const QPainterPath glyph = QTransform().translate(c.x(), c.y()).scale(14, 14).map(Glyph(sign));
    const QPainterPath stroke = Stroke(glyph, 1.9);
    Shadow(p, stroke, QPointF(0.3, 0.4), 0.5, 140);
    p.fillPath(stroke, QColor(255, 248, 224));
    // A little shine on the enamel.
    p.fillPath(Ellipse(c + QPointF(-4, -5.5), 4, 2, -25), QColor(255, 255, 255, 60));
  });
}

}  // namespace

void AddTileBaseAndSigns(TPackWriter& pack) {
  pack.AddPng("R_BASE", TileBase());
  for (int sign = 1; sign <= 12; ++sign) pack.AddPng(QString::asprintf("R_%02d", sign), Sign(sign));
}

}  // namespace packgen::cal
