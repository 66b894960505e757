#include "media/built_in_song.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSaveFile>
#include <QThreadPool>

namespace zembra {

TBuiltInSong::TBuiltInSong(std::unique_ptr<TSongOutput> output, QObject* parent)
    : QObject(parent), Output(std::move(output)) {
  Restart.setInterval(1000);
  connect(&Restart, &QTimer::timeout, this, &TBuiltInSong::RestartTick);
}

TBuiltInSong::~TBuiltInSong() {
  if (State == TOpen::Ready) Output->Stop();
}

QString TBuiltInSong::MusicFilePath(const QString& tempFolder) {
  return QDir(tempFolder).filePath(QLatin1String(kMusicFileName));
}

TBuiltInSong::TPrepared TBuiltInSong::Prepare(const QString& tempFolder, const QString& resource) {
  File = MusicFilePath(tempFolder);
  // A file left by another run (or another copy of the game): it stays as
  // it is, and this run has no song.
  if (QFile::exists(File)) return TPrepared::Leftover;
  TPrepared result = TPrepared::Written;
  QFile item(resource);
  QSaveFile out(File);
  if (!item.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) || out.write(item.readAll()) != item.size() ||
      !out.commit())
    result = TPrepared::WriteFailed;
  // The output is pointed at the file in any case; without it, it fails.
  State = TOpen::Prepared;
  return result;
}

void TBuiltInSong::OpenOutput() {
  State = TOpen::Opening;
  QPointer<TBuiltInSong> self(this);
  std::shared_ptr<TSongOutput> output = Output;
  const std::string path = QFile::encodeName(File).toStdString();
  QThreadPool::globalInstance()->start([self, output, path] {
    const bool ok = output->Open(path);
    QMetaObject::invokeMethod(QCoreApplication::instance(), [self, output, ok] {
      // Closed while it opened: the output goes quiet and stays so.
      if (!self || self->State != TOpen::Opening) {
        output->Stop();
        return;
      }
      self->State = ok ? TOpen::Ready : TOpen::Failed;
      self->Apply();
      Q_EMIT self->Opened(ok);
    });
  });
}

void TBuiltInSong::SetWanted(bool musicOn, bool inDeal, bool otherMusic) {
  MusicOn = musicOn;
  InDeal = inDeal;
  OtherMusic = otherMusic;
  Apply();
}

bool TBuiltInSong::ShouldPlay() const { return MusicOn && !InDeal && !OtherMusic; }

void TBuiltInSong::Apply() {
  if (State == TOpen::Prepared && ShouldPlay()) OpenOutput();
  if (State != TOpen::Ready) return;
  if (!ShouldPlay()) {
    // Nothing to watch while the song may not play: the timer rests.
    Restart.stop();
    Output->Stop();
    return;
  }
  if (!Restart.isActive()) Restart.start();
  if (!Output->Playing()) RestartTick();
}

void TBuiltInSong::RestartTick() {
  // Only what is there can play: a file deleted meanwhile means silence.
  if (State != TOpen::Ready || !ShouldPlay() || Output->Playing()) return;
  if (QFile::exists(File)) Output->Play();
}

void TBuiltInSong::Close() {
  Restart.stop();
  if (State == TOpen::Ready) Output->Stop();
  State = TOpen::Failed;
  if (!File.isEmpty()) QFile::remove(File);
}

}  // namespace zembra
