// The card speed dialog: a track bar 1 (slowest) to 6 that sets the
// flight speed at once, with a small card that flies at that pace. In the
// auxiliary windows' picture design it lies on the options' background
// from the graphics pack.
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QSlider;
class QTimer;

namespace zembra {

struct TSettings;

class TFormSpeed : public QDialog {
  Q_OBJECT

 public:
  // The graphics pack is looked for in packFolder and its parent.
  TFormSpeed(TSettings& settings, QWidget* parent, const QString& packFolder = QString());
  bool PictureDesign() const { return !Backdrop.isNull(); }
  QSlider* Slider() const { return TrackBar; }
  // The decoration timer's interval for a speed: 110, 95, 80, 65, 40, 25 ms.
  static int DecorationInterval(int speed);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TSettings& Settings;
  QSlider* TrackBar;
  QTimer* Decoration;
  QLabel* Caption;
  QPixmap Backdrop;
  int Phase = 0;
};

}  // namespace zembra
