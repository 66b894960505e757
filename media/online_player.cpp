#include "media/online_player.h"

#include <QRandomGenerator>
#include <QWidget>
#include <optional>

#include "media/player_buttons.h"
#include "online/request_runner.h"
#include "online/service_client.h"

namespace zembra {
namespace {

// The playlist is small: a service that does not answer within this is
// taken as having none.
constexpr long kPlaylistTimeoutMs = 8000;
// The window's base height and the buttons' place on it.
constexpr int kBaseHeight = 500;
constexpr int kAboveBottom = 70;
constexpr int kLefts[3] = {10, 75, 140};

}  // namespace

TOnlinePlayer::TOnlinePlayer(QWidget* window, TStreamMaker makeStream)
    : QObject(window), Window(window), MakeStream(std::move(makeStream)) {
  Pick = [](int count) { return static_cast<int>(QRandomGenerator::global()->bounded(count)) + 1; };
  const TPlayerPicture pictures[3] = {TPlayerPicture::Play, TPlayerPicture::Next, TPlayerPicture::Volume};
  const char* names[3] = {"Music: play or pause", "Music: next track", "Music: volume (left softer, right louder)"};
  for (int i = 0; i < 3; ++i) {
    Buttons[i] = new TPlayerButton(pictures[i], window);
    Buttons[i]->setAccessibleName(QString::fromLatin1(names[i]));
    Buttons[i]->hide();
  }
  Buttons[2]->SetVolume(VolumeLevel);
  connect(Buttons[0], &QAbstractButton::clicked, this, &TOnlinePlayer::PlayPause);
  connect(Buttons[1], &QAbstractButton::clicked, this, &TOnlinePlayer::Next);
  connect(Buttons[2], &QAbstractButton::clicked, this, [this] { VolumePress(Buttons[2]->LastPressX()); });
  Place([](const QRect& r) { return r; });
}

TOnlinePlayer::~TOnlinePlayer() = default;

void TOnlinePlayer::Fetch(const std::string& serviceBase) {
  if (FetchBusy) return;
  FetchBusy = true;
  if (!Runner) Runner = std::make_unique<TRequestRunner>();
  const std::string url = PlaylistUrl(serviceBase);
  Runner->Run<std::optional<std::string>>(
      this, [url] { return TServiceClient::Get(url, kPlaylistTimeoutMs); },
      [this, serviceBase](std::optional<std::string> body) {
        FetchBusy = false;
        SetUp(body ? ParsePlaylist(*body) : std::vector<TPlaylistTrack>{}, serviceBase);
      });
}

void TOnlinePlayer::SetUp(std::vector<TPlaylistTrack> tracks, const std::string& serviceBase) {
  SetPlaying(false);
  if (StreamObject) StreamObject->Stop();
  Tracks = std::move(tracks);
  ServiceBase = serviceBase;
  CurrentTrack = Tracks.empty() ? 0 : Pick(Count());
  VolumeLevel = kStartVolume;
  Buttons[2]->SetVolume(VolumeLevel);
  StreamReady = false;
  ShowButtons();
  Q_EMIT Arrived(Count());
}

QString TOnlinePlayer::StreamAddress(int track) const {
  if (track < 1 || track > Count()) return {};
  return QString::fromStdString(ServiceBase + Tracks[static_cast<size_t>(track - 1)].Address);
}

TTrackStream& TOnlinePlayer::Stream() {
  if (!StreamObject) {
    StreamObject = MakeStream ? MakeStream() : std::make_unique<TMediaTrackStream>();
    connect(StreamObject.get(), &TTrackStream::Ended, this, [this] {
      if (PlayingFlag) Next();
    });
  }
  return *StreamObject;
}

void TOnlinePlayer::OpenCurrent() {
  Stream().Open(QUrl(StreamAddress(CurrentTrack), QUrl::TolerantMode), VolumeLevel);
  StreamReady = true;
}

void TOnlinePlayer::PlayPause() {
  if (Tracks.empty()) return;
  if (PlayingFlag) {
    Stream().Stop();
    SetPlaying(false);
    return;
  }
  if (!StreamReady) OpenCurrent();
  Stream().Play();
  SetPlaying(true);
}

void TOnlinePlayer::Next() {
  if (Tracks.empty()) return;
  Stream().Stop();
  CurrentTrack = Pick(Count());
  OpenCurrent();
  Stream().Play();
  SetPlaying(true);
  const TPlaylistTrack& t = Tracks[static_cast<size_t>(CurrentTrack - 1)];
  Buttons[0]->setToolTip(QString::fromStdString(t.Artist + "  :  " + t.Title));
}

void TOnlinePlayer::VolumePress(int x) {
  const int width = std::max(1, Buttons[2]->width());
  VolumeLevel = VolumeAfterPress(VolumeLevel, x * kPlayerButtonSize / width);
  Buttons[2]->SetVolume(VolumeLevel);
  if (StreamObject) StreamObject->SetVolume(VolumeLevel);
}

void TOnlinePlayer::SetPlaying(bool playing) {
  Buttons[0]->SetPicture(playing ? TPlayerPicture::Pause : TPlayerPicture::Play);
  if (PlayingFlag == playing) return;
  PlayingFlag = playing;
  Q_EMIT PlayingChanged(playing);
}

void TOnlinePlayer::Place(const std::function<QRect(const QRect&)>& scale) {
  for (int i = 0; i < 3; ++i)
    Buttons[i]->setGeometry(
        scale(QRect(kLefts[i], kBaseHeight - kAboveBottom, kPlayerButtonSize, kPlayerButtonSize)));
}

void TOnlinePlayer::SetOnMenu(bool onMenu) {
  OnMenu = onMenu;
  ShowButtons();
}

void TOnlinePlayer::ShowButtons() {
  for (TPlayerButton* b : Buttons) b->setVisible(OnMenu && Offered());
}

}  // namespace zembra
