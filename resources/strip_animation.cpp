#include "resources/strip_animation.h"

#include <QHash>
#include <QPainter>

namespace zembra {

QPixmap ArtPicture(const QString& name) {
  static QHash<QString, QPixmap> cache;
  auto it = cache.find(name);
  if (it != cache.end()) return *it;
  QPixmap p(QStringLiteral(":/art/") + name + QStringLiteral(".png"));
  cache.insert(name, p);
  return p;
}

TStripAnimation::TStripAnimation(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  connect(&Timer, &QTimer::timeout, this, [this] {
    if (!Loop && Current >= Frames) {
      Timer.stop();
      return;
    }
    Current = Current % std::max(1, Frames) + 1;
    update();
  });
}

void TStripAnimation::SetStrip(const QString& name, QSize frame, int intervalMs) {
  Name = name;
  FrameSize = frame;
  Strip = name.isEmpty() ? QPixmap() : ArtPicture(name);
  Frames = Strip.isNull() || frame.width() <= 0 ? 0 : Strip.width() / frame.width();
  Current = 1;
  Timer.setInterval(intervalMs);
  if (frame.isValid()) setFixedSize(frame);
  update();
}

void TStripAnimation::Play(bool loop) {
  Loop = loop;
  Current = loop ? Current : 1;
  if (Frames > 1) Timer.start();
}

void TStripAnimation::StopOn(int frame) {
  Timer.stop();
  Current = std::clamp(frame, 1, std::max(1, Frames));
  update();
}

void TStripAnimation::Clear() {
  Timer.stop();
  SetStrip(QString(), FrameSize);
  hide();
}

void TStripAnimation::paintEvent(QPaintEvent*) {
  if (Frames == 0) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect source((Current - 1) * FrameSize.width(), 0, FrameSize.width(), FrameSize.height());
  p.drawPixmap(rect(), Strip, source);
}

}  // namespace zembra
