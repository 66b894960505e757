// zembra-radio-probe: the program's radio played for real, for listening
// tests through a sound server (tests/media/radio_null_sink_test.sh).
//
//   zembra-radio-probe PACKDIR URL SECONDS
//
// Lays out a program folder with the radio pack and the station list of
// PACKDIR and a radio state file that names URL and says "playing", lets
// the radio find itself available, starts it as the window does when its
// intro ends, and plays for SECONDS. Exit status 0 when the stream reached
// the playing state and kept it, 1 when it did not, 77 when there is no
// sound device.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "media/radio.h"
#include "records/file_store.h"

using namespace zembra;

namespace {

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) {
    std::fputs("usage: zembra-radio-probe PACKDIR URL SECONDS\n", stderr);
    return 2;
  }
  const QString packs = QString::fromLocal8Bit(argv[1]);
  const std::string url = argv[2];
  const int seconds = std::atoi(argv[3]);
  if (QMediaDevices::audioOutputs().isEmpty()) {
    std::puts("skipped: no audio output");
    return 77;
  }
  QTemporaryDir parent;
  QDir().mkpath(parent.path() + "/Zembra");
  for (const char* file : {"OrvRadio02.dll", "OrvRadio.rad"})
    if (!QFile::copy(packs + "/" + file, parent.path() + "/" + file)) {
      std::printf("no %s in %s\n", file, qPrintable(packs));
      return 1;
    }
  WriteFileAtomically((parent.path() + "/OrvRadio.ini").toStdString(),
                      "Probe\r\n" + url + "\r\nThis computer\r\nRRADIO_LOGO_ZEMBRA1\r\n1\r\n100\r\n0\r\n");

  TRadioStream* stream = nullptr;
  TRadio radio(parent.path() + "/Zembra", [&stream] {
    auto s = std::make_unique<TRadioStream>();
    stream = s.get();
    return s;
  });
  radio.CheckAvailability(false, "");
  if (!WaitFor([&] { return !radio.Checking(); }, 10000) || !radio.Available() || !radio.Playing()) {
    std::puts("the radio is not available, or its state does not say playing");
    return 1;
  }
  radio.SetPlaying(true);
  QElapsedTimer clock;
  clock.start();
  const bool started = WaitFor(
      [&] {
        return stream && stream->Playing() && stream->Player()->mediaStatus() == QMediaPlayer::BufferedMedia;
      },
      10000);
  std::printf("playing state %s after %lld ms (%s)\n", started ? "reached" : "not reached",
              static_cast<long long>(clock.elapsed()),
              stream ? qPrintable(stream->Player()->errorString()) : "no stream");
  if (!started) return 1;
  WaitFor([] { return false; }, seconds * 1000);
  const bool playing = stream->Playing() && radio.Playing();
  std::printf("after %d s: %s\n", seconds, playing ? "playing" : "stopped");
  radio.SetPlaying(false);
  return playing ? 0 : 1;
}
