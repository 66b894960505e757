// Our own suit shapes, used for the suit symbols and the menu ornaments.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace art {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

bool isRed(Suit s);

// The suit outline in its 100 x 100 design box.
QPainterPath suitDesign(Suit s);

// The suit outline fitted (keeping its proportions) and centred in box.
QPainterPath suitPath(Suit s, const QRectF& box);

// Fills a suit shape in box: a red or black gradient, optionally a glossy
// highlight, and a light halo of haloWidth pixels (0 for none) so the
// symbol reads on dark and light grounds alike.
void paintSuit(QPainter& p, Suit s, const QRectF& box, bool glossy, double haloWidth);

}  // namespace art
