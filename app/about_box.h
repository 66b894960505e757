// The about box: the program's name, version and licence, and the credits
// of the third-party material it carries, in the current language.
#pragma once

#include <QDialog>

#include "records/settings.h"

class QLabel;
class QPushButton;

namespace zembra {

inline constexpr const char* kVersionText = "V 5.7f";

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox(const TSettings& settings, QWidget* parent);
  QLabel* Title() const { return Name; }
  QLabel* Body() const { return Text; }
  QPushButton* OkButton() const { return Ok; }

 private:
  QLabel* Name;
  QLabel* Text;
  QPushButton* Ok;
};

}  // namespace zembra
