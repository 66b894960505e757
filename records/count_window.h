// The general-score window: the seven values of a finished match (match
// numbers, scores, ratings) on a scroll, the account lamp and small
// pictures of the kind of game, in the design the options choose.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

#include "engine/scoring.h"
#include "records/settings.h"

class QLabel;

namespace zembra {

class TOrvCardsButton;
class TStripAnimation;

struct TGameKind {
  bool Tournament = false;
  bool NetGame = false;
  int AccountState = 1;  // 1 logged out, 2 logged in, 3 rating game
};

// The left and right kind-of-game pictures ("" for none).
std::pair<QString, QString> KindPictures(const TGameKind& kind, bool pictureDesign);

// Tops of the parts in a design (1..3 plain, 4 the picture design).
struct TCountLayout {
  int ClientHeight, HeadingHeight, BarTop, ScrollTop, TitleTop;
  std::array<int, 7> NameTops, ValueTops;
  int OkTop, AnimationTop, KindTop;
};
const TCountLayout& CountLayout(int design);

class TFormCount : public QDialog {
  Q_OBJECT

 public:
  // settings may change: without the graphics pack (looked for in
  // packFolder and its parent) the window falls back to design 2, and
  // later windows follow.
  TFormCount(const TCount& count, const QString& playerName, TSettings& settings,
             const TGameKind& kind, const QString& packFolder, QWidget* parent);

  int Design() const { return DesignShown; }
  QLabel* Value(int i) const { return Values[i]; }
  QLabel* Name(int i) const { return Names[i]; }
  TStripAnimation* Emblem() const { return RxGIFAn1; }
  TStripAnimation* KindLeft() const { return RxGIFAn2; }
  TStripAnimation* KindRight() const { return RxGIFAn3; }
  // The picture design's turning emblem (hidden in the plain designs).
  TStripAnimation* Emblem48() const { return Timer48; }
  bool HasBackground() const { return !Background.isNull(); }
  bool HasHeadingPicture() const { return !HeadingPicture.isNull(); }
  TOrvCardsButton* OkButton() const { return Button1; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // Reads the design's pictures from the graphics pack in one opening.
  void LoadPictures(const QString& packFolder, const TGameKind& kind);

  TSettings& Settings;
  int DesignShown = 2;
  // From the graphics pack: the picture design's background and emblem
  // strip, the heading of designs 1 and 3, the kind-of-game animations.
  QPixmap Background, EmblemStrip, HeadingPicture, KindStrips[2];
  int KindDelays[2] = {110, 110};
  int AccountState = 1;
  QLabel* Label1;
  std::array<QLabel*, 7> Names{}, Values{};
  TStripAnimation *RxGIFAn1, *RxGIFAn2, *RxGIFAn3, *Timer48;
  TOrvCardsButton* Button1;
};

}  // namespace zembra
