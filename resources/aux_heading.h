// The heading of an auxiliary window in its plain designs: 1 a plain title
// band (48 pixels), 2 a red ribbon with the title in yellow capitals
// (64 pixels), 3 a broad ribbon with folded ends (90 pixels). The picture
// design needs the graphics pack; without it the window uses design 2.
#pragma once

#include <QWidget>

#include "records/settings.h"

namespace zembra {

class TAuxHeading : public QWidget {
  Q_OBJECT

 public:
  explicit TAuxHeading(QWidget* parent = nullptr);

  // The design a window shows: 1..3, the picture design falling back to 2.
  static int EffectiveDesign(const TSettings& s, bool graphicsPack);
  static int HeadingHeight(int design);  // 48, 64, 90

  void SetDesign(int design);
  void SetTitle(const QString& title);
  int Design() const { return CurrentDesign; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int CurrentDesign = 2;
  QString Title;
};

}  // namespace zembra
