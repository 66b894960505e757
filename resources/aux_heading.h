// The heading of an auxiliary window: 1 a plain title band (48 pixels),
// 2 a red ribbon with the title in yellow capitals (64 pixels), 3 a broad
// ribbon with folded ends (90 pixels), 4 the picture design's gold heading
// on the window's band (74 pixels). Designs 1, 3 and 4 show the window's
// heading picture from the graphics pack and write the title themselves
// when there is none; the picture design needs the pack, without it the
// window uses design 2.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "records/settings.h"

namespace zembra {

class TAuxHeading : public QWidget {
  Q_OBJECT

 public:
  explicit TAuxHeading(QWidget* parent = nullptr);

  // The design a window shows: 1..3, the picture design falling back to 2.
  static int EffectiveDesign(const TSettings& s, bool graphicsPack);
  static int HeadingHeight(int design);  // 48, 64, 90, 74

  void SetDesign(int design);
  void SetTitle(const QString& title);
  // The heading picture of designs 1, 3 and 4 (null: the title in letters).
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return HeadingPicture; }
  int Design() const { return CurrentDesign; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int CurrentDesign = 2;
  QString Title;
  QPixmap HeadingPicture;
};

}  // namespace zembra
