// The burst around the pointer when a button or a card is clicked (the
// salute options): 30 frames of 100 × 100 from the graphics pack's strip
// "GTouch", 12 ms apart, drawn over the window on its event loop and gone
// afterwards. Without the pack there is nothing to show.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace zembra {

class TClickEffect : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFrames = 30;
  static constexpr int kFrameSize = 100;
  static constexpr int kFrameMs = 12;

  explicit TClickEffect(QWidget* parent);
  // Starts the burst centred on a point of the parent; a running burst
  // starts over there.
  void Play(const QPoint& centre, const QPixmap& strip);
  int Frame() const { return CurrentFrame; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void Step();

  QPixmap Strip;
  QTimer Timer;
  int CurrentFrame = -1;
};

}  // namespace zembra
