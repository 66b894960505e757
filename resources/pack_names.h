// The names of the pictures a pack holds and the program asks for: card
// faces by set, size class and card; suit symbols; backs by set and day;
// table backgrounds by pattern, colour and window size. Card sizes per size
// class. Pure code: the loader and the pack builder share it.
#pragma once

#include <string>

#include "engine/cards.h"

namespace zembra {

inline constexpr int kCardSetCount = 47;  // sets 1..47 in packs; 0 built in
inline constexpr int kBackSetCount = 12;  // sets 1..12 in packs; 0 built in

// 1 small while the window scale is below 1.3, 0 medium from 1.3, 2 large
// from 2.0.
int SizeClassOf(double scale);
// "" for class 1, "B" otherwise.
const char* SizeSuffix(int sizeClass);

// Sets 28-39, 41-44, 46 and 47 are narrow; the built-in set is wide.
bool WideCardSet(int cardSet);

struct TPackCardSize {
  int Width = 71, Height = 96;
};
TPackCardSize CardSizeFor(int sizeClass, double scale, bool wide);

// The set's own three-letter code ("Med" ...), its pip code (nines, tens,
// suit symbols) and its ace code; empty for set 0.
std::string CardSetCode(int cardSet);
std::string PipCode(int cardSet);
std::string AceCode(int cardSet);
// The code of the suit symbols: the pip code, but set 11 uses "Mod".
std::string SymbolCode(int cardSet);

// "Ch09", "Bu3Q", ...: suit prefix and rank part of a card.
std::string CardPictureName(TCardCode card);
// The face item: "Ch09" for the built-in small faces, else card name + the
// code its rank uses + the size suffix ("Ch09ModB", "Ch2JCorB").
std::string FaceItemName(int cardSet, TCardCode card, int sizeClass);
// Suit symbols: "Cher", "Bubi", "Kres", "Piki" (+ code, + "B" for large).
std::string SuitSymbolName(int cardSet, TSuit suit, bool large);

// Back sets: their code ("Cl1" ...), how many backs (7, or 10 for the random
// sets 8-11), and the item for back index 1..10, crosswise or not: "Ob01Mo"
// + "R" + code + suffix, where narrow faces at sizes above 1 use "U".
std::string BackSetCode(int backSet);
int BackCount(int backSet);
bool RandomBackSet(int backSet);
std::string BackItemName(int backSet, int index, bool crosswise, int sizeClass, bool narrowFaces);

// Pack faces keep the colours of an ellipse inverted: whether the pixel
// (x, y) lies inside the ellipse whose bounding box runs from (left, top)
// to (right, bottom), both corners included. The builder and the loader
// both use this test, so every pixel turns back exactly.
bool InsideFaceEllipse(int left, int top, int right, int bottom, int x, int y);

// "Fon" + pattern "01".."10" + colour code + ("" at window size 1, else
// "B"); pattern 2 colour 0 is the built-in "FonG" (+ "B"). Empty for
// pattern 0.
std::string BackgroundItemName(int pattern, int colour, int windowSize);
const char* BackgroundColourCode(int colour);

}  // namespace zembra
