// One streamed track of the online music player: opened from its address
// with a volume but not started, played, stopped (play resumes where it
// stopped), its volume changed at once, and a signal when it has played
// to its end. The program's stream is Qt Multimedia's media player with an
// audio output; the stream opens its address only when first played.
#pragma once

#include <QObject>
#include <QUrl>

class QMediaPlayer;
class QAudioOutput;

namespace zembra {

class TTrackStream : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // A new stream in place of the one before (which stops); volume 0..100.
  virtual void Open(const QUrl& url, int volume) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void SetVolume(int volume) = 0;

 Q_SIGNALS:
  // The position reached the length while it played.
  void Ended();
};

class TMediaTrackStream : public TTrackStream {
  Q_OBJECT

 public:
  explicit TMediaTrackStream(QObject* parent = nullptr);
  ~TMediaTrackStream() override;

  void Open(const QUrl& url, int volume) override;
  void Play() override;
  void Stop() override;
  void SetVolume(int volume) override;

 private:
  QMediaPlayer* Player = nullptr;
  QAudioOutput* Audio = nullptr;
  QUrl Source;
  bool SourceSet = false;
};

}  // namespace zembra
