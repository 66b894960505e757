// The online music player's picture buttons: round gold-rimmed discs on
// the menu, drawn in code at any size (61 × 61 at the base window size)
// with a play or pause sign, a skip-to-next sign, or a loudspeaker between
// a minus and a plus with the volume shown as a lit arc.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zembra {

enum class TPlayerPicture { Play, Pause, Next, Volume };

struct TPlayerLook {
  TPlayerPicture Picture = TPlayerPicture::Play;
  int Volume = 50;  // the lit part of the volume arc, 0..100
  bool Hover = false;
  bool Down = false;
};

// The picture at size × size pixels, on a transparent ground.
QPixmap PlayerPicture(const TPlayerLook& look, int size);

class TPlayerButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TPlayerButton(TPlayerPicture picture, QWidget* parent = nullptr);

  void SetPicture(TPlayerPicture picture);
  void SetVolume(int volume);
  TPlayerPicture Picture() const { return Look.Picture; }
  // Where the button was last pressed, in its own pixels.
  int LastPressX() const { return PressX; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  TPlayerLook Look;
  int PressX = 0;
};

}  // namespace zembra
