// The tournament top ten in its own window ("Tournament Top Ten"), for the
// look without the graphics pack: the ten best in one of three orders
// (score, rating, games) with their flags and sex, and the player's own
// place in that order as a medal for places 1 to 10, else as a line.
#pragma once

#include "resources/aux_dialog.h"

class QLabel;
class QRadioButton;
class QTableWidget;

namespace zembra {

class TOnlineClub;
struct TOrvClient;

class TFormTourTopTen : public TAuxDialog {
  Q_OBJECT

 public:
  // me: the player's score, rating and games.
  TFormTourTopTen(TOnlineClub& club, const TOrvClient& me, TSettings& settings, const QString& packFolder,
                  QWidget* parent);

  // 0 score, 1 rating, 2 games; remembered for the run.
  void ShowOrder(int order);
  static int LastOrder;

  QTableWidget* Rows = nullptr;
  QLabel *Medal = nullptr, *PlaceText = nullptr;
  QRadioButton* Orders[3] = {nullptr, nullptr, nullptr};

 private:
  TOnlineClub& Club;
  int Values[3] = {0, 0, 0};
};

}  // namespace zembra
