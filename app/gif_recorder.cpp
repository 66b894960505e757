#include "app/gif_recorder.h"

#include <gif_lib.h>

#include <QDir>
#include <QFile>
#include <vector>

namespace zembra {

struct TGifRecorder::TGif {
  GifFileType* File = nullptr;
};

TGifRecorder::TGifRecorder() : Gif(std::make_unique<TGif>()) {}
TGifRecorder::~TGifRecorder() { Abandon(); }

QString TGifRecorder::FileName(const QDateTime& when) {
  return when.toString(QStringLiteral("yyyy.MM.dd-HH.mm.ss")) + QStringLiteral(".gif");
}

bool TGifRecorder::Start(const QString& programFolder, const QDateTime& when, int frameDelayMs) {
  Abandon();
  const QString folder = programFolder + QStringLiteral("/GIFGame");
  if (!QDir().mkpath(folder)) return false;
  Path = folder + QLatin1Char('/') + FileName(when);
  TempPath = Path + QStringLiteral(".part");
  DelayMs = frameDelayMs;
  Count = 0;
  Pending = QImage();
  Active = true;
  return true;
}

bool TGifRecorder::AddFrame(const QImage& capture) {
  if (!Active || Count >= kMaxFrames) return false;
  const QImage frame = capture.convertToFormat(QImage::Format_RGB888);
  if (!Pending.isNull() && frame == Pending) return false;
  if (!Pending.isNull() && !WriteFrame(Pending, DelayMs)) {
    Abandon();
    return false;
  }
  Pending = frame;
  ++Count;
  return true;
}

bool TGifRecorder::WriteFrame(const QImage& frame, int delayMs) {
  const int w = frame.width(), h = frame.height();
  int error = 0;
  if (!Gif->File) {
    Gif->File = EGifOpenFileName(QFile::encodeName(TempPath).constData(), false, &error);
    if (!Gif->File) return false;
    EGifSetGifVersion(Gif->File, true);
    if (EGifPutScreenDesc(Gif->File, w, h, 8, 0, nullptr) == GIF_ERROR) return false;
  }
  // Split the colours, reduce them to the 256 of one frame's palette.
  const size_t n = static_cast<size_t>(w) * h;
  std::vector<GifByteType> r(n), g(n), b(n), indices(n);
  for (int y = 0; y < h; ++y) {
    const uchar* line = frame.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      r[i] = line[3 * x];
      g[i] = line[3 * x + 1];
      b[i] = line[3 * x + 2];
    }
  }
  int colours = 256;
  std::vector<GifColorType> palette(256);
  if (GifQuantizeBuffer(w, h, &colours, r.data(), g.data(), b.data(), indices.data(),
                        palette.data()) == GIF_ERROR)
    return false;
  ColorMapObject* map = GifMakeMapObject(256, palette.data());
  if (!map) return false;
  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
  gcb.DelayTime = delayMs / 10;  // hundredths of a second
  gcb.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType ext[4];
  const size_t len = EGifGCBToExtension(&gcb, ext);
  bool ok = EGifPutExtension(Gif->File, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext) != GIF_ERROR &&
            EGifPutImageDesc(Gif->File, 0, 0, w, h, false, map) != GIF_ERROR;
  for (int y = 0; ok && y < h; ++y)
    ok = EGifPutLine(Gif->File, indices.data() + static_cast<size_t>(y) * w, w) != GIF_ERROR;
  GifFreeMapObject(map);
  return ok;
}

QString TGifRecorder::Finish() {
  if (!Active) return {};
  bool ok = !Pending.isNull() && WriteFrame(Pending, kLastFrameMs);
  int error = 0;
  if (Gif->File) {
    ok = EGifCloseFile(Gif->File, &error) != GIF_ERROR && ok;
    Gif->File = nullptr;
  }
  Active = false;
  Pending = QImage();
  if (!ok) {
    QFile::remove(TempPath);
    return {};
  }
  QFile::remove(Path);
  if (!QFile::rename(TempPath, Path)) {
    QFile::remove(TempPath);
    return {};
  }
  return Path;
}

void TGifRecorder::Abandon() {
  if (Gif && Gif->File) {
    int error = 0;
    EGifCloseFile(Gif->File, &error);
    Gif->File = nullptr;
  }
  if (Active) QFile::remove(TempPath);
  Active = false;
  Pending = QImage();
  Count = 0;
}

}  // namespace zembra
