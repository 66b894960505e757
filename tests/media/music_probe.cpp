// zembra-music-probe: the program's music played for real, for listening
// tests through a sound server (tests/media/music_null_sink_test.sh).
//
//   zembra-music-probe song SECONDS         the built-in song through FluidSynth
//   zembra-music-probe stream BASE SECONDS  a random track of the playlist at BASE
//   zembra-music-probe follow BASE SECONDS  tracks played to their end: each
//                                           is followed by another
//
// Exit status 0 when the music played as asked, 1 when it did not, 77 when
// no sound device could be opened.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#include "media/built_in_song.h"
#include "media/fluid_song_output.h"
#include "media/online_player.h"

using namespace zembra;

namespace {

void Wait(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

int Song(int seconds) {
  QTemporaryDir temp;
  TBuiltInSong song(std::make_unique<TFluidSongOutput>());
  bool opened = false, ok = false;
  QObject::connect(&song, &TBuiltInSong::Opened, [&](bool result) {
    opened = true;
    ok = result;
  });
  if (song.Prepare(temp.path()) != TBuiltInSong::TPrepared::Written) {
    std::puts("the song's file could not be written");
    return 1;
  }
  song.SetWanted(true, false, false);
  if (!WaitFor([&] { return opened; }, 10000) || !ok) {
    std::puts("skipped: no sound device for FluidSynth");
    return 77;
  }
  Wait(seconds * 1000);
  const bool playing = song.Playing();
  song.Close();
  std::printf("song %s\n", playing ? "playing" : "silent");
  return playing ? 0 : 1;
}

int Stream(const char* base, int seconds, bool follow) {
  QWidget window;
  int ends = 0;
  TOnlinePlayer player(&window, [&ends] {
    auto stream = std::make_unique<TMediaTrackStream>();
    QObject::connect(stream.get(), &TTrackStream::Ended, [&ends] { ++ends; });
    return stream;
  });
  player.Fetch(base);
  if (!WaitFor([&] { return !player.Fetching(); }, 15000) || !player.Offered()) {
    std::printf("no playlist at %s (%d tracks)\n", base, player.Count());
    return 1;
  }
  player.Next();
  Wait(seconds * 1000);
  std::printf("%d tracks, %d played to their end, %s\n", player.Count(), ends,
              player.Playing() ? "playing" : "silent");
  if (!player.Playing()) return 1;
  return follow && ends < 2 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "song") == 0) return Song(std::atoi(argv[2]));
  if (argc == 4 && std::strcmp(argv[1], "stream") == 0) return Stream(argv[2], std::atoi(argv[3]), false);
  if (argc == 4 && std::strcmp(argv[1], "follow") == 0) return Stream(argv[2], std::atoi(argv[3]), true);
  std::fputs("usage: zembra-music-probe song SECONDS | stream BASE SECONDS | follow BASE SECONDS\n", stderr);
  return 2;
}
