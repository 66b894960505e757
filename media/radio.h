// The internet radio of one run: whether it is available (the radio pack
// loads and the active station list is present, the server's copy fetched
// off the window's thread), its state (`RadioState`, read from
// "OrvRadio.ini" at the first check and written at exit), and the stream
// of the current station. Radio files live in the parent folder of the
// program's folder. Nothing here blocks the window.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "media/radio_state.h"
#include "media/radio_stations.h"
#include "media/track_stream.h"

class QMediaPlayer;
class QAudioOutput;

namespace zembra {

class TRequestRunner;

// A station's stream on Qt Multimedia: each start opens the address anew
// (a live stream has nothing to resume), a stop closes the connection.
class TRadioStream : public TTrackStream {
  Q_OBJECT

 public:
  explicit TRadioStream(QObject* parent = nullptr);
  ~TRadioStream() override;

  void Open(const QUrl& url, int volume) override;
  void Play() override;
  void Stop() override;
  void SetVolume(int volume) override;
  bool Playing() const;
  QMediaPlayer* Player() const { return MediaPlayer; }

 private:
  QMediaPlayer* MediaPlayer = nullptr;
  QAudioOutput* Audio = nullptr;
  QUrl Source;
};

class TRadio : public QObject {
  Q_OBJECT

 public:
  using TStreamMaker = std::function<std::unique_ptr<TTrackStream>()>;

  // programFolder: where the program lies; makeStream gives the stream
  // the stations play on (a TRadioStream when empty), made when first needed.
  explicit TRadio(const QString& programFolder, TStreamMaker makeStream = {}, QObject* parent = nullptr);
  ~TRadio() override;

  // Checks availability again: at start, after a pack download and after
  // the list's source changed. With fromServer the list is fetched from
  // the club service behind serviceAddress (a form address) into
  // "OrvRadio.ser". Checked() follows on the window's thread.
  void CheckAvailability(bool fromServer, const std::string& serviceAddress);
  bool Checking() const { return Pending > 0; }
  bool CheckedOnce() const { return Loaded; }
  bool Available() const { return IsAvailable; }
  bool ListFromServer() const { return FromServer; }

  const TRadioState& State() const { return Current; }
  bool Playing() const { return Current.Playing; }

  // Playing on or off; nothing while the radio is unavailable.
  void Toggle();
  void SetPlaying(bool on);
  // The station becomes the current one; a playing radio switches to it.
  void Tune(const TRadioStation& station);
  // The logo shown while a chosen station is looked up.
  void SetLogo(const std::string& logo);
  void VolumeUp();
  void VolumeDown();
  void SetFilter(int index);

  // The active station list's bytes; nullopt when it cannot be read.
  std::optional<std::string> ReadActiveList() const;
  // Writes "OrvRadio.ini" (atomically); false when that failed.
  bool Save() const;
  QString ParentFolder() const;
  const QString& ProgramFolder() const { return Folder; }

 Q_SIGNALS:
  void Checked();
  // The state changed: playing, station, volume or availability.
  void Changed();

 private:
  void StartStream();
  TTrackStream& Stream();

  QString Folder;
  TStreamMaker MakeStream;
  std::unique_ptr<TTrackStream> StreamObject;
  std::unique_ptr<TRequestRunner> Runner;
  TRadioState Current = DefaultRadioState();
  bool IsAvailable = false;
  bool FromServer = true;
  bool Loaded = false;  // the state file has been read
  int Pending = 0;
};

}  // namespace zembra
