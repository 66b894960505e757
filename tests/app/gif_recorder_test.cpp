#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "app/gif_recorder.h"

namespace zembra {
namespace {

QImage Frame(int shade) {
  QImage img(40, 20, QImage::Format_RGB32);
  img.fill(QColor(0, 128, 0));
  img.setPixelColor(shade % 40, 5, QColor(255, shade % 256, 0));
  return img;
}

struct TDecoded {
  int Frames = 0;
  std::vector<int> Delays;  // hundredths of a second
};

TDecoded Decode(const QString& path) {
  TDecoded d;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
  if (!gif) return d;
  if (DGifSlurp(gif) == GIF_OK) {
    d.Frames = gif->ImageCount;
    for (int i = 0; i < gif->ImageCount; ++i) {
      GraphicsControlBlock gcb;
      DGifSavedExtensionToGCB(gif, i, &gcb);
      d.Delays.push_back(gcb.DelayTime);
    }
  }
  DGifCloseFile(gif, &error);
  return d;
}

TEST(GifRecorder, SkipsRepeatsAndGivesTheLastFrameFiveSeconds) {
  QTemporaryDir dir;
  TGifRecorder r;
  const QDateTime when(QDate(2026, 12, 10), QTime(3, 11, 5));
  ASSERT_TRUE(r.Start(dir.path(), when, 1000));
  EXPECT_TRUE(r.AddFrame(Frame(1)));
  EXPECT_FALSE(r.AddFrame(Frame(1)));  // equal to the previous capture
  EXPECT_TRUE(r.AddFrame(Frame(2)));
  EXPECT_TRUE(r.AddFrame(Frame(3)));
  EXPECT_EQ(r.Frames(), 3);
  const QString path = r.Finish();
  EXPECT_EQ(path, dir.path() + QStringLiteral("/GIFGame/2026.12.10-03.11.05.gif"));
  ASSERT_TRUE(QFile::exists(path));
  EXPECT_FALSE(QFile::exists(path + QStringLiteral(".part")));
  const TDecoded d = Decode(path);
  EXPECT_EQ(d.Frames, 3);
  EXPECT_EQ(d.Delays, (std::vector<int>{100, 100, 500}));
  EXPECT_FALSE(r.Recording());
}

TEST(GifRecorder, StopsAtTwoHundredFiftyFrames) {
  QTemporaryDir dir;
  TGifRecorder r;
  ASSERT_TRUE(r.Start(dir.path(), QDateTime::currentDateTime(), 10));
  int added = 0;
  for (int i = 0; i < 300; ++i) added += r.AddFrame(Frame(i));
  EXPECT_EQ(added, TGifRecorder::kMaxFrames);
  const QString path = r.Finish();
  EXPECT_EQ(Decode(path).Frames, TGifRecorder::kMaxFrames);
}

TEST(GifRecorder, AnAbandonedRecordingLeavesNoFile) {
  QTemporaryDir dir;
  {
    TGifRecorder r;
    ASSERT_TRUE(r.Start(dir.path(), QDateTime::currentDateTime(), 1000));
    r.AddFrame(Frame(1));
    r.AddFrame(Frame(2));
  }  // destroyed while recording
  EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/GIFGame")).entryList(QDir::Files).isEmpty());
  TGifRecorder empty;
  EXPECT_TRUE(empty.Finish().isEmpty());
}

}  // namespace
}  // namespace zembra
