#include "app/click_effect.h"

#include <QPainter>

namespace zembra {

TClickEffect::TClickEffect(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFixedSize(kFrameSize, kFrameSize);
  hide();
  Timer.setInterval(kFrameMs);
  connect(&Timer, &QTimer::timeout, this, &TClickEffect::Step);
}

void TClickEffect::Play(const QPoint& centre, const QPixmap& strip) {
  if (strip.width() < kFrameSize * kFrames || strip.height() < kFrameSize) return;
  Strip = strip;
  CurrentFrame = 0;
  move(centre - QPoint(kFrameSize / 2, kFrameSize / 2));
  raise();
  show();
  update();
  Timer.start();
}

void TClickEffect::Step() {
  if (++CurrentFrame >= kFrames) {
    Timer.stop();
    CurrentFrame = -1;
    hide();
    return;
  }
  update();
}

void TClickEffect::paintEvent(QPaintEvent*) {
  if (CurrentFrame < 0) return;
  QPainter p(this);
  p.drawPixmap(0, 0, Strip, CurrentFrame * kFrameSize, 0, kFrameSize, kFrameSize);
}

}  // namespace zembra
