// An auxiliary window in the look the options choose: a heading in the
// plain designs 1..3, or the picture design's background, gold heading and
// colours from the graphics pack. Windows derive from it and put their
// contents into Body().
#pragma once

#include <QDialog>
#include <QPixmap>

#include "records/settings.h"

class QVBoxLayout;

namespace zembra {

class TAuxHeading;

class TAuxDialog : public QDialog {
  Q_OBJECT

 public:
  // packFolder: where the graphics pack is looked for; background: the
  // window's picture in it. The picture design without the pack falls
  // back to design 2 (settings follow).
  TAuxDialog(TSettings& settings, const QString& packFolder, QWidget* parent,
             const QString& background = QStringLiteral("GFormOpt"));

  void SetHeading(const QString& title);
  int Design() const { return DesignShown; }
  QVBoxLayout* Body() const { return BodyLayout; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  TSettings& Settings;

 private:
  int DesignShown = 2;
  QPixmap Backdrop;
  TAuxHeading* Heading;
  QVBoxLayout* BodyLayout;
};

}  // namespace zembra
