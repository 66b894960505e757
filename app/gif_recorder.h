// Recording a deal as an animated picture: frames of the table captured
// every 100 ms, a frame equal to the last one skipped, at most 250 frames,
// written with giflib into "GIFGame/<date>-<time>.gif" beside the program.
// Frames are encoded as they come, so memory holds one frame at a time.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <memory>

namespace zembra {

class TGifRecorder {
 public:
  static constexpr int kMaxFrames = 250;
  static constexpr int kLastFrameMs = 5000;

  TGifRecorder();
  ~TGifRecorder();

  // Starts a recording into the folder's "GIFGame" (made when missing).
  bool Start(const QString& programFolder, const QDateTime& when, int frameDelayMs);
  // Adds a capture; false when it was skipped (equal to the previous one,
  // the recording is full, or none runs).
  bool AddFrame(const QImage& capture);
  // Ends the recording: the last frame lasts 5000 ms; the file appears
  // only when complete. Returns its path, or empty when nothing was saved.
  QString Finish();
  void Abandon();

  bool Recording() const { return Active; }
  int Frames() const { return Count; }

  static QString FileName(const QDateTime& when);  // "2026.12.10-03.11.05.gif"

 private:
  bool WriteFrame(const QImage& frame, int delayMs);

  struct TGif;
  std::unique_ptr<TGif> Gif;
  bool Active = false;
  int Count = 0;
  int DelayMs = 1000;
  QImage Pending;  // written when the next frame (or the end) fixes its delay
  QString Path, TempPath;
};

}  // namespace zembra
