// The player's personal info as the club shows it to other members: the
// fourteen boxes with their limits, sent with "Update info" and read back.
#pragma once

#include <array>

#include "online/orv_records.h"
#include "resources/aux_dialog.h"

class QLineEdit;
class QPushButton;

namespace zembra {

class TOnlineClub;

class TFormInfo : public TAuxDialog {
  Q_OBJECT

 public:
  TFormInfo(TOnlineClub& club, TSettings& settings, const QString& packFolder, QWidget* parent);

  // The boxes as the club would take them ("$" and "~" become spaces).
  TInfo14 Typed() const;
  void Update();

  std::array<QLineEdit*, 14> Boxes{};
  QPushButton* UpdateButton = nullptr;

 private:
  TOnlineClub& Club;
};

}  // namespace zembra
