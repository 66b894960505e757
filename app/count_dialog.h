// The general score of the match just summed up: match numbers, scores and
// ratings, with an Ok button.
#pragma once

#include <QDialog>

#include "engine/scoring.h"

namespace zembra {

class TCountDialog : public QDialog {
  Q_OBJECT

 public:
  TCountDialog(const TCount& count, const QString& playerName, QWidget* parent);
};

}  // namespace zembra
