// The built-in song: the program's MIDI item "MidiSong" copied to the
// system's temporary folder as "temp8_25.mid" and played from there. It
// plays while music is on and no deal is on the table; a one-second timer
// starts it again when it has ended, so it repeats. A file of that name
// left from before means no song in this run; the file is deleted at exit
// either way, so the next run plays again.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "media/song_output.h"

namespace zembra {

// The temporary file's name: "temp", the game number 8, "_25", ".mid".
inline constexpr const char* kMusicFileName = "temp8_25.mid";
// Where the program carries the song.
inline constexpr const char* kSongResource = ":/music/MidiSong";

class TBuiltInSong : public QObject {
  Q_OBJECT

 public:
  enum class TPrepared { Written, Leftover, WriteFailed };

  explicit TBuiltInSong(std::unique_ptr<TSongOutput> output, QObject* parent = nullptr);
  ~TBuiltInSong() override;

  static QString MusicFilePath(const QString& tempFolder);
  // Writes the song into tempFolder unless a file of its name is there.
  // The output opens off the window's thread when the song is first
  // wanted (Opened() follows): with music off it costs nothing.
  TPrepared Prepare(const QString& tempFolder, const QString& resource = QLatin1String(kSongResource));

  // What the window wants: music switched on, a deal on the table, other
  // music playing (the streamed music). The song plays only while music
  // is on, no deal is in progress and nothing else plays.
  void SetWanted(bool musicOn, bool inDeal, bool otherMusic);
  // At exit: stops the song, lets the output go and deletes the file.
  void Close();

  bool Ready() const { return State == TOpen::Ready; }
  bool Playing() const { return Ready() && Output->Playing(); }
  const QString& FilePath() const { return File; }
  const QTimer& RestartTimer() const { return Restart; }

 Q_SIGNALS:
  // The output has been opened (ok) or has failed; the song stays silent then.
  void Opened(bool ok);

 private:
  enum class TOpen { None, Prepared, Opening, Ready, Failed };
  bool ShouldPlay() const;
  void Apply();
  void OpenOutput();
  void RestartTick();

  // Shared with the thread that opens it, which may outlive the song.
  std::shared_ptr<TSongOutput> Output;
  QString File;
  TOpen State = TOpen::None;
  bool MusicOn = false, InDeal = false, OtherMusic = false;
  QTimer Restart;
};

}  // namespace zembra
