#include "media/radio.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>

#include "online/file_download.h"
#include "online/request_runner.h"
#include "records/file_store.h"
#include "resources/packs.h"

namespace zembra {
namespace {

// The list is small; a club service that does not answer soon is not there.
constexpr long kListTimeoutMs = 15000;

struct TCheck {
  bool PackLoads = false;
  bool Downloaded = false;
  bool ShippedFound = false;
};

}  // namespace

TRadioStream::TRadioStream(QObject* parent) : TTrackStream(parent) {
  MediaPlayer = new QMediaPlayer(this);
  Audio = new QAudioOutput(this);
  MediaPlayer->setAudioOutput(Audio);
}

TRadioStream::~TRadioStream() { MediaPlayer->stop(); }

void TRadioStream::Open(const QUrl& url, int volume) {
  Stop();
  Source = url;
  SetVolume(volume);
}

void TRadioStream::Play() {
  MediaPlayer->setSource(Source);
  MediaPlayer->play();
}

void TRadioStream::Stop() {
  MediaPlayer->stop();
  MediaPlayer->setSource(QUrl());
}

void TRadioStream::SetVolume(int volume) { Audio->setVolume(static_cast<float>(volume) / 100.0f); }

bool TRadioStream::Playing() const { return MediaPlayer->playbackState() == QMediaPlayer::PlayingState; }

TRadio::TRadio(const QString& programFolder, TStreamMaker makeStream, QObject* parent)
    : QObject(parent), Folder(programFolder), MakeStream(std::move(makeStream)) {}

TRadio::~TRadio() {
  if (Runner) Runner->WaitForDone();
}

QString TRadio::ParentFolder() const {
  QDir dir(Folder);
  dir.cdUp();
  return dir.absolutePath();
}

void TRadio::CheckAvailability(bool fromServer, const std::string& serviceAddress) {
  if (!Runner) Runner = std::make_unique<TRequestRunner>();
  ++Pending;
  const std::string folder = Folder.toStdString();
  const std::string url = PackDownloadUrl(serviceAddress, kRadioListFile);
  const std::string target = (ParentFolder() + QLatin1Char('/') + QLatin1String(kRadioServerListFile)).toStdString();
  Runner->Run<TCheck>(
      this,
      [folder, url, target, fromServer] {
        TCheck c;
        c.PackLoads = PackLoadable(folder, kPackRadio);
        c.ShippedFound = FindPack(folder, kRadioListFile).has_value();
        if (fromServer) c.Downloaded = DownloadToFile(url, target, kListTimeoutMs);
        return c;
      },
      [this, fromServer](TCheck c) {
        --Pending;
        FromServer = fromServer;
        IsAvailable = RadioAvailable(c.PackLoads, RadioListPresent(fromServer, c.Downloaded, c.ShippedFound));
        // The state is read once, at the first check that finds the radio:
        // a later check keeps what the player has chosen since.
        if (IsAvailable && !Loaded) {
          Current = ReadRadioState(
              ReadWholeFile((ParentFolder() + QLatin1Char('/') + QLatin1String(kRadioStateFile)).toStdString())
                  .value_or(std::string()));
          Loaded = true;
        }
        if (!IsAvailable) SetPlaying(false);
        Q_EMIT Checked();
        Q_EMIT Changed();
      });
}

TTrackStream& TRadio::Stream() {
  if (!StreamObject) StreamObject = MakeStream ? MakeStream() : std::make_unique<TRadioStream>();
  return *StreamObject;
}

void TRadio::StartStream() {
  // Each start is a new stream of the current station; one that cannot be
  // opened (network down, a bad address) stays silent, without a message.
  Stream().Open(QUrl(QString::fromStdString(Current.StreamAddress)), Current.Volume);
  Stream().Play();
}

void TRadio::SetPlaying(bool on) {
  if (on && !IsAvailable) return;
  if (on) StartStream();
  else if (StreamObject) StreamObject->Stop();
  if (Current.Playing == on) return;
  Current.Playing = on;
  Q_EMIT Changed();
}

void TRadio::Toggle() { SetPlaying(!Current.Playing); }

void TRadio::Tune(const TRadioStation& s) {
  Current.StationName = s.Name;
  Current.CountryText = s.CountryText;
  Current.StreamAddress = s.Address;
  Current.Logo = s.Logo;
  if (StreamObject) StreamObject->Stop();
  if (Current.Playing) StartStream();
  Q_EMIT Changed();
}

void TRadio::SetLogo(const std::string& logo) {
  Current.Logo = logo;
  Q_EMIT Changed();
}

void TRadio::VolumeUp() {
  Current.Volume = RadioVolumeUp(Current.Volume);
  if (StreamObject) StreamObject->SetVolume(Current.Volume);
  Q_EMIT Changed();
}

void TRadio::VolumeDown() {
  Current.Volume = RadioVolumeDown(Current.Volume);
  if (StreamObject) StreamObject->SetVolume(Current.Volume);
  Q_EMIT Changed();
}

void TRadio::SetFilter(int index) {
  if (index < 0 || index >= kRadioCountryCount) return;
  Current.FilterIndex = index;
}

std::optional<std::string> TRadio::ReadActiveList() const {
  if (FromServer)
    return ReadWholeFile((ParentFolder() + QLatin1Char('/') + QLatin1String(kRadioServerListFile)).toStdString());
  // The shipped list where it was found: beside the program or in its parent.
  const std::optional<std::string> path = FindPack(Folder.toStdString(), kRadioListFile);
  if (!path) return std::nullopt;
  return ReadWholeFile(*path);
}

bool TRadio::Save() const {
  return WriteFileAtomically((ParentFolder() + QLatin1Char('/') + QLatin1String(kRadioStateFile)).toStdString(),
                             WriteRadioState(Current));
}

}  // namespace zembra
