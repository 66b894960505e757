// Speech bubbles "SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet": glossy
// pills on which the program centres white bold text; "B" is double size.
#include "art.h"
#include "paint_kit.h"

#include <QLinearGradient>

namespace art {

namespace {

QImage pill(const QColor& base, double s) {
  const int w = static_cast<int>(160 * s), h = static_cast<int>(20 * s);
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);
  const QRectF r(0.5, 0.5, w - 1.0, h - 1.0);
  const QPainterPath shape = roundedRect(r, r.height() / 2);

  // Darkest just below the middle, with light passing through at the bottom.
  QLinearGradient body(r.topLeft(), r.bottomLeft());
  body.setColorAt(0.0, base.lighter(130));
  body.setColorAt(0.45, base);
  body.setColorAt(0.7, base.darker(118));
  body.setColorAt(1.0, base.lighter(108));
  p.fillPath(shape, body);

  // Gloss over the top half.
  const QRectF glossRect(r.left() + r.height() * 0.3, r.top() + 1.0 * s, r.width() - r.height() * 0.6, r.height() * 0.46);
  QLinearGradient gloss(glossRect.topLeft(), glossRect.bottomLeft());
  gloss.setColorAt(0, QColor(255, 255, 255, 150));
  gloss.setColorAt(1, QColor(255, 255, 255, 20));
  p.fillPath(roundedRect(glossRect, glossRect.height() / 2), gloss);

  p.strokePath(roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), (r.height() - 1) / 2),
               QPen(base.darker(190), 1.0 * s));
  return img;
}

}  // namespace

void addBubbles(ArtBook& book) {
  struct Bubble {
    const char* name;
    QColor colour;
  };
  const Bubble bubbles[] = {
      {"SPBlue", QColor(30, 96, 210)},    {"SPGreen", QColor(24, 150, 48)},    {"SPRed", QColor(206, 30, 34)},
      {"SPYellow", QColor(214, 146, 0)},  {"SPFiolet", QColor(136, 56, 196)},
  };
  for (const Bubble& b : bubbles) {
    book.add(b.name, pill(b.colour, 1));
    book.add(QString::fromLatin1(b.name) + "B", pill(b.colour, 2));
  }
}

}  // namespace art
