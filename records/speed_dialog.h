// The card speed dialog: a track bar 1 (slowest) to 6 that sets the
// flight speed at once, with a small card that flies at that pace.
#pragma once

#include <QDialog>

class QSlider;
class QTimer;

namespace zembra {

struct TSettings;

class TFormSpeed : public QDialog {
  Q_OBJECT

 public:
  TFormSpeed(TSettings& settings, QWidget* parent);
  QSlider* Slider() const { return TrackBar; }
  // The decoration timer's interval for a speed: 110, 95, 80, 65, 40, 25 ms.
  static int DecorationInterval(int speed);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TSettings& Settings;
  QSlider* TrackBar;
  QTimer* Decoration;
  int Phase = 0;
};

}  // namespace zembra
