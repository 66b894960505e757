// The program's built-in pictures, compiled in under the names the game
// uses ("Ch09", "TabloSm", "SPBlue" ...), and the choice of face and back
// pictures for a size class.
#pragma once

#include <QPixmap>
#include <QString>

#include "engine/cards.h"

namespace zembra {

// A named built-in picture; a null pixmap when there is none.
QPixmap Picture(const QString& name);

// Face of a card: "Ch09" in size class 1, "Ch09B" otherwise.
QPixmap CardFace(TCardCode card, int sizeClass);
// Back of the day (1 Monday .. 7 Sunday); crosswise for the twin.
QPixmap CardBack(int backIndex, int sizeClass, bool crosswise);
// Suit symbol, small (20 x 20) or large.
QPixmap SuitSymbol(unsigned char suit, bool large);

// Weekday number for the back of the day: Monday 1 .. Sunday 7.
int BackOfTheDay();

}  // namespace zembra
