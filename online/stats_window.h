// The statistics window: the game's global counters read from the club
// (starts, unique starts, likes and the last like, games with the
// computer, cycles, points won and lost by people, net and online games)
// and the one like an installation may send.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "resources/aux_dialog.h"

class QLabel;
class QPushButton;

namespace zembra {

class TOnlineClub;
struct TOrvStat;

class TFormStats : public TAuxDialog {
  Q_OBJECT

 public:
  TFormStats(TOnlineClub& club, TSettings& settings, const QString& packFolder, QWidget* parent);

  // Asks for the passport's nick (nothing when cancelled); tests replace it.
  std::function<std::optional<QString>()> AskNick;
  // Writes the options file after the like was taken.
  std::function<void()> SaveOptions;

  QLabel* Value(int row) const { return Values[row]; }
  QPushButton* LikeButton() const { return Like; }
  void PressLike();

 private:
  void Show(const TOrvStat& stat, bool read);
  TOnlineClub& Club;
  std::array<QLabel*, 10> Values{};
  QPushButton* Like;
  int Likes = 0;
};

}  // namespace zembra
