// The online music player (`OnlinePlayer`): the club's playlist fetched
// once at start off the window's thread, a random track ready at volume 50,
// and three picture buttons on the main window's menu (play/pause, next,
// volume), offered only when the playlist has more than four tracks. A
// track that has played to its end is followed by another random one.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/online_music.h"
#include "media/track_stream.h"

class QWidget;

namespace zembra {

class TPlayerButton;
class TRequestRunner;

class TOnlinePlayer : public QObject {
  Q_OBJECT

 public:
  using TStreamMaker = std::function<std::unique_ptr<TTrackStream>()>;

  // The buttons are made on window, hidden; makeStream gives the stream the
  // tracks play on (Qt Multimedia when empty), made when first needed.
  explicit TOnlinePlayer(QWidget* window, TStreamMaker makeStream = {});
  ~TOnlinePlayer() override;

  // Fetches the playlist from the service at serviceBase ("http://host:port")
  // off the window's thread; a failure leaves the table empty and the
  // player hidden. Arrived() follows either way.
  void Fetch(const std::string& serviceBase);
  // Sets the player up with the tracks of a playlist: a random current
  // track, ready at the start volume, not playing.
  void SetUp(std::vector<TPlaylistTrack> tracks, const std::string& serviceBase);

  void PlayPause();
  void Next();
  // A press on the volume button at x of its pixels.
  void VolumePress(int x);

  // Places the buttons: their rectangles at the base window size (61 × 61,
  // 70 pixels above the bottom edge, 10, 75 and 140 from the left) mapped
  // to the window by scale.
  void Place(const std::function<QRect(const QRect&)>& scale);
  // The buttons are shown on the menu, when the player is offered.
  void SetOnMenu(bool onMenu);

  bool Offered() const { return PlayerOffered(Tracks.size()); }
  int Count() const { return static_cast<int>(Tracks.size()); }
  int Current() const { return CurrentTrack; }  // 1-based, 0 with no tracks
  bool Playing() const { return PlayingFlag; }
  int Volume() const { return VolumeLevel; }
  const std::vector<TPlaylistTrack>& TrackTable() const { return Tracks; }
  QString StreamAddress(int track) const;
  TPlayerButton* PlayButton() const { return Buttons[0]; }
  TPlayerButton* NextButton() const { return Buttons[1]; }
  TPlayerButton* VolumeButton() const { return Buttons[2]; }
  bool Fetching() const { return FetchBusy; }

  // The random track, 1..count (replaceable, for tests).
  std::function<int(int count)> Pick;

 Q_SIGNALS:
  void Arrived(int trackCount);
  void PlayingChanged(bool playing);

 private:
  void OpenCurrent();
  void SetPlaying(bool playing);
  void ShowButtons();
  TTrackStream& Stream();

  QWidget* Window;
  TStreamMaker MakeStream;
  std::unique_ptr<TTrackStream> StreamObject;
  std::unique_ptr<TRequestRunner> Runner;
  TPlayerButton* Buttons[3] = {};
  std::vector<TPlaylistTrack> Tracks;
  std::string ServiceBase;
  int CurrentTrack = 0;
  bool PlayingFlag = false;
  bool StreamReady = false;
  int VolumeLevel = kStartVolume;
  bool OnMenu = false;
  bool FetchBusy = false;
};

}  // namespace zembra
