#include "resources/strip_animation.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace zembra {

QPixmap ArtPicture(const QString& name) {
  static QHash<QString, QPixmap> cache;
  auto it = cache.find(name);
  if (it != cache.end()) return *it;
  QPixmap p(QStringLiteral(":/art/") + name + QStringLiteral(".png"));
  cache.insert(name, p);
  return p;
}

QPixmap StripFromGif(const QByteArray& gif, QSize frame, int* delayMs) {
  QBuffer buffer;
  buffer.setData(gif);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "GIF");
  if (delayMs) *delayMs = 0;
  // A small animation has a few dozen frames; a damaged or hostile file
  // does not get to allocate more than that.
  constexpr int kMostFrames = 256;
  QList<QImage> frames;
  while (frames.size() < kMostFrames) {
    QImage image = reader.read();
    if (image.isNull()) break;
    if (frames.isEmpty() && delayMs) *delayMs = std::max(0, reader.nextImageDelay());
    frames.push_back(std::move(image));
  }
  if (frames.isEmpty()) return {};
  const QSize size = frame.isValid() ? frame : frames.front().size();
  QImage strip(size.width() * static_cast<int>(frames.size()), size.height(), QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int i = 0; i < frames.size(); ++i) p.drawImage(QRect(QPoint(i * size.width(), 0), size), frames[i]);
  p.end();
  return QPixmap::fromImage(strip);
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
  SetPicture(name, name.isEmpty() ? QPixmap() : ArtPicture(name), frame, intervalMs);
}

void TStripAnimation::SetPicture(const QString& name, const QPixmap& strip, QSize frame, int intervalMs) {
  Name = name;
  FrameSize = frame;
  Strip = strip;
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
