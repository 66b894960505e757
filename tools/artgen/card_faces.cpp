// The 24 card faces, rendered from the SVG deck at the two sizes the table
// uses. Each card in the deck is drawn with a soft drop shadow on its right
// and bottom; we map only the card itself onto the picture and trim the
// corners to its rounded outline, so the program gets a clean card on a
// transparent background.
#include "art.h"
#include "paint_kit.h"

#include <QSvgRenderer>

#include <cmath>

namespace art {

namespace {

// Geometry of one card in the deck, in the deck's units, relative to the
// element's bounds: the card body (white face with its thin edge) and the
// radius of its corners. The remaining 2 units right and below are shadow.
constexpr double kBodyW = 137.0;
constexpr double kBodyH = 187.0;
constexpr double kBoundsW = 139.0;
constexpr double kBoundsH = 189.0;
constexpr double kCornerRadius = 16.0;

QImage renderFace(QSvgRenderer& deck, const QString& id, int w, int h) {
  const QRectF bounds = deck.boundsOnElement(id);
  const bool knownLayout =
      std::abs(bounds.width() - kBoundsW) < 0.5 && std::abs(bounds.height() - kBoundsH) < 0.5;
  // A deck with another layout is shown whole, without trimming.
  const double sx = knownLayout ? w / kBodyW : w / bounds.width();
  const double sy = knownLayout ? h / kBodyH : h / bounds.height();

  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);
  deck.render(&p, id, QRectF(0, 0, bounds.width() * sx, bounds.height() * sy));
  p.end();
  if (knownLayout) {
    // Keep only what lies inside the card's rounded outline.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), kCornerRadius * sx, kCornerRadius * sy);
    keepInside(img, outline);
  }
  return img;
}

}  // namespace

void addCardFaces(ArtBook& book, const QString& deckFile) {
  QSvgRenderer deck(deckFile);
  if (!deck.isValid()) throw ArtError("cannot read the card deck " + deckFile.toStdString());

  struct Code {
    const char* ours;
    const char* deck;
  };
  const Code suits[] = {{"Ch", "heart"}, {"Bu", "diamond"}, {"Kr", "club"}, {"Pi", "spade"}};
  const Code ranks[] = {{"09", "9"}, {"10", "10"}, {"2J", "jack"}, {"3Q", "queen"}, {"4K", "king"}, {"5A", "1"}};

  for (const Code& s : suits) {
    for (const Code& r : ranks) {
      const QString id = QString::fromLatin1(r.deck) + "_" + QString::fromLatin1(s.deck);
      if (!deck.elementExists(id)) throw ArtError("the card deck has no element '" + id.toStdString() + "'");
      const QString name = QString::fromLatin1(s.ours) + QString::fromLatin1(r.ours);
      book.add(name, renderFace(deck, id, 69, 94));
      book.add(name + "B", renderFace(deck, id, 146, 198));
    }
  }
}

}  // namespace art
