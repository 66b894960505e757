// The passport: the nick, country, city and sex under which a player
// without an account sends cycles to the club's table and writes in the
// chat. Kept in the options; the nick and city are checked like an
// account's (Cyrillic letters allowed in the nick with the yellow lamp), and
// the dialog does not close while either is red.
#pragma once

#include "resources/aux_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zembra {

class TFormPassport : public TAuxDialog {
  Q_OBJECT

 public:
  TFormPassport(TSettings& settings, const QString& packFolder, QWidget* parent);

  int NickLamp() const { return Lamps[0]; }
  int CityLamp() const { return Lamps[1]; }
  // Whether both boxes may be kept: neither is red.
  bool Valid() const { return Lamps[0] >= 2 && Lamps[1] >= 2; }

  QLineEdit *NickEdit = nullptr, *CityEdit = nullptr;
  QComboBox *ContinentBox = nullptr, *CountryBox = nullptr, *SexBox = nullptr;
  QPushButton* OkButton = nullptr;

  void done(int result) override;

 private:
  void FillCountries(int continent);
  void Changed();
  int Lamps[2] = {1, 1};
  QLabel* LampLabels[2] = {nullptr, nullptr};
  bool Syncing = false;
};

// A lamp's picture: red 1, yellow 2, green 3.
QPixmap FieldLampPicture(int lamp);
// The continents in the country table's order, and a continent's
// countries with their flags, as the account and the passport list them.
void FillContinentBox(QComboBox& box);
void FillCountryBox(QComboBox& box, int continent);

}  // namespace zembra
