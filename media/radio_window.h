// The radio window (`TFormRadio`): the country filter with its flags, the
// stations of the chosen country, the station's logo and the volume in
// their frame with the volume buttons, and the radio itself, which a click
// turns on or off. Any of the four designs of the auxiliary windows, on the
// background "GFormRadio" in the picture design.
#pragma once

#include <QAbstractButton>
#include <QMap>
#include <QPixmap>
#include <string>
#include <vector>

#include "resources/aux_dialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zembra {

class TRadio;

// The frame with the station's logo above and the volume below.
class TRadioPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TRadioPanel(QWidget* parent = nullptr);
  void SetPictures(const QPixmap& frame, const QPixmap& logo, const QPixmap& volume);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QPixmap Frame, Logo, Volume;
};

// The window's radio: lit and playing, or dark and silent.
class TRadioSetButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TRadioSetButton(QWidget* parent = nullptr);
  void SetPicture(const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QPixmap Shown;
};

class TFormRadio : public TAuxDialog {
  Q_OBJECT

 public:
  TFormRadio(TRadio& radio, TSettings& settings, QWidget* parent);

  // The filter's entry: fills the station list from the active list (it
  // stays as it was when the list cannot be read) and selects the current
  // station, or the first, which is then tuned in.
  void ChooseCountry(int index);
  // The station at row of the list becomes the current one.
  void ChooseStation(int row);

  QComboBox* CountryBox = nullptr;
  QListWidget* StationList = nullptr;
  QPushButton *VolumeDownButton = nullptr, *VolumeUpButton = nullptr, *OkButton = nullptr;
  TRadioSetButton* RadioButton = nullptr;
  TRadioPanel* Panel = nullptr;
  QLabel* StationLabel = nullptr;
  const std::vector<std::string>& StationIds() const { return Ids; }
  // The names of the pictures shown: logo, volume, radio.
  QString LogoShown, VolumeShown, RadioShown;

 private:
  void ShowState();
  QPixmap PackPicture(const QString& name) const;

  TRadio& Radio;
  QMap<QString, QPixmap> Pictures;  // read from the radio pack when the window opens
  std::vector<std::string> Ids;
  bool Filling = false;
};

}  // namespace zembra
