// The end of a cycle against the computer, offered to the club's table
// ("World Top Ten"): the passport it goes under, the cycle's score, "Send"
// once, and the place it took.
#pragma once

#include <functional>

#include "resources/aux_dialog.h"

class QLabel;
class QPushButton;

namespace zembra {

class TOnlineClub;

class TFormSubmit : public TAuxDialog {
  Q_OBJECT

 public:
  TFormSubmit(TOnlineClub& club, TSettings& settings, const QString& packFolder, int score, QWidget* parent);

  std::function<void(const QString&)> ShowMessage;
  // Writes the options after the passport changed.
  std::function<void()> SaveOptions;
  // Runs the passport dialog; tests replace it.
  std::function<void()> EditPassport;

  void Send();
  // Whether the passport may send: nick green, city at least yellow.
  bool PassportReady() const;

  QLabel *NickLine = nullptr, *CountryLine = nullptr, *ScoreLine = nullptr, *PlaceLine = nullptr, *Flag = nullptr;
  QPushButton *SendButton = nullptr, *PassportButton = nullptr, *CloseButton = nullptr;
  int Place = -1;

 private:
  void ShowPassport();
  TOnlineClub& Club;
  int Score;
  bool Sent = false;
};

}  // namespace zembra
