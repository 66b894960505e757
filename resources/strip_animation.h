// A small animation played from a strip of equal frames laid side by side
// in one built-in picture; it can also stand still on one frame.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace zembra {

// A built-in picture (":/art/<name>.png"), cached; null when there is none.
QPixmap ArtPicture(const QString& name);

// The frames of a GIF animation side by side in one strip, each scaled to
// frame when that is given; null for bytes that are not a GIF. delayMs gets
// the first frame's delay (0 when the file gives none).
QPixmap StripFromGif(const QByteArray& gif, QSize frame, int* delayMs = nullptr);

class TStripAnimation : public QWidget {
  Q_OBJECT

 public:
  TStripAnimation(QWidget* parent = nullptr);

  // The strip and the size of one frame; clears it when name is empty.
  void SetStrip(const QString& name, QSize frame, int intervalMs = 80);
  // A strip from elsewhere (a pack), shown under the given name.
  void SetPicture(const QString& name, const QPixmap& strip, QSize frame, int intervalMs = 80);
  // Plays the frames in a loop, or once to the last frame.
  void Play(bool loop = true);
  void StopOn(int frame);  // 1-based
  void Clear();
  int Frame() const { return Current; }
  int FrameCount() const { return Frames; }
  bool Playing() const { return Timer.isActive(); }
  const QString& StripName() const { return Name; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QString Name;
  QPixmap Strip;
  QSize FrameSize;
  int Frames = 0;
  int Current = 1;
  bool Loop = true;
  QTimer Timer;
};

}  // namespace zembra
