// The table's card pictures as the settings ask for them: the faces and suit
// symbols of the chosen set, the backs of the chosen back set, the table
// background, each taken from its pack (or the program itself) for the
// current size class. A load replaces pictures only when it succeeds; the
// caller decides what a failure means for the settings.
#pragma once

#include <QPixmap>
#include <QString>

#include <array>
#include <vector>

#include "engine/cards.h"

namespace zembra {

struct TCardLook {
  int SizeClass = 1;
  int CardSet = 0;
  int BackSet = 0;
  bool WideCards = true;
  std::array<QPixmap, 24> Faces;  // by FaceIndex
  std::array<QPixmap, 4> Symbols, LargeSymbols;
  std::vector<QPixmap> Backs, BacksCrosswise;  // back index 1.. at 0..
  QPixmap Background;                          // null: no picture (pattern 0)
  QPixmap MenuPicture;                         // the menu's purple design ("BGLilu")
  // What the pictures were loaded for, so that a load is not repeated when
  // nothing it depends on changed.
  QString FacesFor, BacksFor, BackgroundFor;
};

// The keys of what a load depends on.
QString FacesKey(int cardSet, int sizeClass);
QString BacksKey(int backSet, int sizeClass, bool wideFaces);
QString BackgroundKey(int pattern, int colour, int windowSize);

// 0..23: rank (nine .. ace) × 4 + suit (hearts, diamonds, clubs, spades).
int FaceIndex(TCardCode card);

// Faces and symbols of a set; false when its pack cannot be loaded.
bool LoadCardFaces(const QString& folder, int cardSet, int sizeClass, TCardLook* look);
// Backs of a back set for the faces in look (narrow faces at larger sizes
// need the pack even for back set 0); false when the pack cannot be loaded.
bool LoadCardBacks(const QString& folder, int backSet, int sizeClass, TCardLook* look);
// The background for a pattern and colour at a window size; false when its
// pack cannot be loaded.
bool LoadTableBackground(const QString& folder, int pattern, int colour, int windowSize, TCardLook* look);

// The main menu's picture design from the graphics pack; false when the
// pack cannot be loaded.
bool LoadMenuPicture(const QString& folder, TCardLook* look);

// Pack faces keep the colours of an ellipse inverted; this turns them back
// (and is its own inverse).
void InvertEllipse(QImage* image, const QRect& box);

// The look the table draws with.
const TCardLook& CurrentCardLook();
void SetCurrentCardLook(TCardLook look);

}  // namespace zembra
