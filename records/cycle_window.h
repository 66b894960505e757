// The end-of-cycle window: after every thirtieth match, the player's place
// among the club's ten best cycles, with its sound and medal.
#pragma once

#include <QDialog>

#include "records/club_file.h"

namespace zembra {

class TFormCycle : public QDialog {
  Q_OBJECT

 public:
  // animate: the options' animations; off shows the outcome's still frame.
  TFormCycle(const TCycleWindow& cycle, bool animate, QWidget* parent);
  QStringList Lines() const { return Texts; }

 private:
  QStringList Texts;
};

}  // namespace zembra
