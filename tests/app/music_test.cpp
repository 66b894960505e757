// The music from the window: the built-in song's file in the temporary
// folder (written, a leftover, a write failure), when the song plays and
// when it gives way (a deal, music switched off, the streamed music), its
// restart timer; the online music player's playlist against the real club
// service on loopback, its buttons, volume steps and the end of a track.
// The song's output and the player's stream are recorders: no sound device.
#include <QCheckBox>
#include <QDir>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

#include <csignal>

#include "../service/service_process.h"
#include "app/termination_watch.h"
#include "media/built_in_song.h"
#include "media/online_player.h"
#include "media/player_buttons.h"
#include "media/song_output.h"
#include "media/track_stream.h"
#include "records/file_store.h"
#include "resources/text.h"
#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

namespace {

struct TSongLog {
  int Opens = 0, Plays = 0, Stops = 0;
  bool Playing = false;
  bool OpenOk = true;
  int OpenMs = 0;  // how long opening takes
};

class TRecordingSong : public TSongOutput {
 public:
  explicit TRecordingSong(std::shared_ptr<TSongLog> log) : Log(std::move(log)) {}
  bool Open(const std::string& midiPath) override {
    QThread::msleep(static_cast<unsigned long>(Log->OpenMs));
    ++Log->Opens;
    return Log->OpenOk && QFile::exists(QString::fromStdString(midiPath));
  }
  bool Play() override {
    ++Log->Plays;
    Log->Playing = true;
    return true;
  }
  void Stop() override {
    ++Log->Stops;
    Log->Playing = false;
  }
  bool Playing() const override { return Log->Playing; }

 private:
  std::shared_ptr<TSongLog> Log;
};

class TRecordingStream : public TTrackStream {
 public:
  void Open(const QUrl& url, int volume) override {
    Opened << url.toString();
    Volume = volume;
    Playing = false;
  }
  void Play() override { Playing = true; }
  void Stop() override { Playing = false; }
  void SetVolume(int volume) override { Volume = volume; }
  void End() { Q_EMIT Ended(); }

  QStringList Opened;
  int Volume = -1;
  bool Playing = false;
};

// An address where nothing listens.
std::string DeadService() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost);
  const quint16 port = probe.serverPort();
  probe.close();
  return "http://127.0.0.1:" + std::to_string(port);
}

std::string PlaylistOf(int tracks) {
  std::string text;
  const char* names[] = {"Anna_Lee~Morning_Song.mp3", "Boris~Polka_No_2.mp3", "Clara~Slow_Waltz.mp3",
                         "Dmitri~Sea~Shanty.mp3", "Eva_Maria~Night.mp3", "Fyodor~Last_Dance.mp3"};
  for (int i = 0; i < tracks; ++i) text += std::string(names[i]) + "\r\n";
  return text;
}

}  // namespace

class TMusicTest : public TWindowFixture {
  Q_OBJECT

  std::shared_ptr<TSongLog> Song;
  TRecordingStream* Stream = nullptr;
  QString Temp;
  QByteArray OldTmpDir;
  std::vector<int> Picks;  // the random tracks to come, in order
  qint64 StartMs = 0;      // how long the window's thread spent starting the music

  // A window on its intro with the recorders; the playlist comes from
  // service (nothing listens there unless the test says so).
  void OpenWithMusic(const std::string& service, bool musicOn = true) {
    InstallClub();
    Win = std::make_unique<TMainWindow>();
    Win->SetProgramFolder(FolderPath());
    Win->ClubAtStart = false;
    Win->ShowMessage = [this](const QString& text) { Messages << text; };
    Win->RunModal = [this](QDialog& d) {
      if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
        login->Confirm();
        return login->result();
      }
      return int(QDialog::Accepted);
    };
    Win->AskYesNo = [](const QString&, const QString&) { return true; };
    Win->MakeSongOutput = [this] { return std::make_unique<TRecordingSong>(Song); };
    Win->MakeTrackStream = [this] {
      auto stream = std::make_unique<TRecordingStream>();
      Stream = stream.get();
      return stream;
    };
    Win->show();
    Win->Options().FlyCards = false;
    Win->Options().TopTenAddress = service + "/RecordsService";
    Win->Options().MusicOn = musicOn;  // as the options file says
    QElapsedTimer clock;
    clock.start();
    Win->StartMusic();
    StartMs = clock.elapsed();
    Win->MusicPlayer()->Pick = [this](int count) {
      const int pick = Picks.empty() ? 1 : Picks.front();
      if (!Picks.empty()) Picks.erase(Picks.begin());
      return std::min(pick, count);
    };
  }

  void WaitForSong() { QTRY_VERIFY_WITH_TIMEOUT(Win->Song()->Ready(), 5000); }

  void WaitForPlaylist() { QTRY_VERIFY_WITH_TIMEOUT(!Win->MusicPlayer()->Fetching(), 10000); }

  // The player set up with n tracks of the given names, on the menu.
  TOnlinePlayer& PlayerWith(int tracks) {
    WaitForPlaylist();
    TOnlinePlayer& p = *Win->MusicPlayer();
    p.SetUp(ParsePlaylist(PlaylistOf(tracks)), "http://club.test:8080");
    return p;
  }

  QString SongFile() const { return Temp + "/temp8_25.mid"; }

 private Q_SLOTS:
  void init() {
    FixtureInit();
    // The system's temporary folder is one of the test's own.
    Temp = FolderPath() + "/tmp";
    QVERIFY(QDir().mkpath(Temp));
    OldTmpDir = qgetenv("TMPDIR");
    qputenv("TMPDIR", Temp.toLocal8Bit());
    Song = std::make_shared<TSongLog>();
    Stream = nullptr;
    Picks.clear();
  }
  void cleanup() {
    FixtureCleanup();
    qputenv("TMPDIR", OldTmpDir);
  }

  void theSongIsWrittenAndPlaysFromTheStart() {
    OpenWithMusic(DeadService());
    QCOMPARE(Win->Song()->FilePath(), SongFile());
    QFile written(SongFile());
    QFile item(QString::fromLatin1(kSongResource));
    QVERIFY(written.open(QIODevice::ReadOnly) && item.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("MThd"));
    QCOMPARE(bytes, item.readAll());
    WaitForSong();
    QVERIFY(Win->IntroShown());
    QCOMPARE(Song->Plays, 1);
    Win->EndIntro();
    QCOMPARE(Song->Plays, 1);  // it goes on in the menu
    QVERIFY(Song->Playing);
    QVERIFY(Messages.isEmpty());
  }

  // A slow synthesizer does not hold the window: it opens on another
  // thread while the window goes on, and the song starts when it is ready.
  void theSynthesizerOpensOffTheWindowsThread() {
    Song->OpenMs = 400;
    OpenWithMusic(DeadService());
    QVERIFY2(StartMs < 200, qPrintable(QString::number(StartMs)));
    QVERIFY(!Win->Song()->Ready());
    bool windowWentOn = false;
    QTimer::singleShot(0, [&] { windowWentOn = !Win->Song()->Ready(); });
    WaitForSong();
    QVERIFY(windowWentOn);
    QCOMPARE(Song->Plays, 1);
  }

  void aDealStopsTheSongAndTheMenuPlaysItAgain() {
    OpenWithMusic(DeadService());
    WaitForSong();
    Win->EndIntro();
    StartNewPlayer();
    QVERIFY(!Song->Playing);
    QVERIFY(!Win->Song()->RestartTimer().isActive());
    QTest::qWait(1300);
    QCOMPARE(Song->Plays, 1);  // no restart while a deal is on
    Win->QuitToMenu();
    QVERIFY(Win->MenuShown());
    QCOMPARE(Song->Plays, 2);
    QVERIFY(Song->Playing);
  }

  void theTimerPlaysTheSongAgainWhenItHasEnded() {
    OpenWithMusic(DeadService());
    WaitForSong();
    Win->EndIntro();
    QVERIFY(Win->Song()->RestartTimer().isActive());
    Song->Playing = false;  // the song came to its end
    QTRY_COMPARE_WITH_TIMEOUT(Song->Plays, 2, 1600);
    QVERIFY(Song->Playing);
  }

  void theOptionsSwitchTheMusicOffAndOn() {
    OpenWithMusic(DeadService());
    WaitForSong();
    Win->EndIntro();
    auto toggleMusic = [this](QDialog& d) {
      for (QCheckBox* box : d.findChildren<QCheckBox*>())
        if (box->text() == Row(34)) box->click();
      return int(QDialog::Accepted);
    };
    Win->RunModal = toggleMusic;
    Win->OpenOptions();
    QVERIFY(!Win->Options().MusicOn);
    QVERIFY(!Song->Playing);
    QVERIFY(!Win->Song()->RestartTimer().isActive());  // nothing to watch
    QTest::qWait(1300);
    QCOMPARE(Song->Plays, 1);
    Win->OpenOptions();
    QVERIFY(Win->Options().MusicOn);
    QCOMPARE(Song->Plays, 2);
    QVERIFY(Song->Playing);
  }

  // Music off in the options file: the synthesizer is not even opened
  // until the options switch music on.
  void musicOffAtStartOpensNothingUntilSwitchedOn() {
    OpenWithMusic(DeadService(), false);
    QVERIFY(QFile::exists(SongFile()));
    Win->EndIntro();
    QTest::qWait(1200);
    QCOMPARE(Song->Opens, 0);
    QCOMPARE(Song->Plays, 0);
    Win->RunModal = [](QDialog& d) {
      for (QCheckBox* box : d.findChildren<QCheckBox*>())
        if (box->text() == Row(34)) box->click();
      return int(QDialog::Accepted);
    };
    Win->OpenOptions();
    WaitForSong();
    QCOMPARE(Song->Opens, 1);
    QCOMPARE(Song->Plays, 1);
  }

  // A file of the song's name in the temporary folder: no song in that
  // run; the file goes at the normal exit, and the next run plays.
  void aLeftoverFileSilencesOneRun() {
    QVERIFY(WriteFileAtomically(SongFile().toStdString(), "left by an earlier run"));
    OpenWithMusic(DeadService());
    Win->EndIntro();
    QTest::qWait(1300);
    QVERIFY(!Win->Song()->Ready());
    QCOMPARE(Song->Opens, 0);
    QCOMPARE(Song->Plays, 0);
    QCOMPARE(ReadWholeFile(SongFile().toStdString()).value_or(""), std::string("left by an earlier run"));
    QVERIFY(Win->close());
    QVERIFY(!QFile::exists(SongFile()));
    Win.reset();
    Song = std::make_shared<TSongLog>();
    OpenWithMusic(DeadService());
    WaitForSong();
    QCOMPARE(Song->Plays, 1);
    QVERIFY(Win->close());
    QCOMPARE(Song->Playing, false);
    QVERIFY(!QFile::exists(SongFile()));
  }

  // The desktop session ends (SIGTERM) in the middle of a deal: the
  // program closes as Exit closes it, asking nothing: options written, the
  // song stopped and its file gone.
  void theSessionsEndClosesAsExitDoes() {
    OpenWithMusic(DeadService());
    WaitForSong();
    Win->EndIntro();
    StartNewPlayer();
    bool asked = false, quit = false;
    Win->AskYesNo = [&](const QString&, const QString&) { return asked = true; };
    Win->QuitProgram = [&] { quit = true; };
    const QString options = FolderPath() + "/Zembra.ini";
    QFile::remove(options);
    TTerminationWatch watch;
    connect(&watch, &TTerminationWatch::Requested, Win.get(), &TMainWindow::Terminate);
    QVERIFY(QFile::exists(SongFile()));
    ::raise(SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(quit, 3000);
    QVERIFY(!Win->isVisible());
    QVERIFY(!asked);
    QVERIFY(QFile::exists(options));
    QVERIFY(!QFile::exists(SongFile()));
    QCOMPARE(Song->Playing, false);
  }

  void aSongFileThatCannotBeWrittenIsReported() {
    // A "folder" that is a file: nothing can be created in it.
    const QString notAFolder = Temp + "/plain-file";
    QVERIFY(WriteFileAtomically(notAFolder.toStdString(), "x"));
    qputenv("TMPDIR", notAFolder.toLocal8Bit());
    OpenWithMusic(DeadService());
    QCOMPARE(Messages, QStringList{Row(98)});
    QTRY_COMPARE_WITH_TIMEOUT(Song->Opens, 1, 5000);
    QTest::qWait(100);
    QVERIFY(!Win->Song()->Ready());
    QCOMPARE(Song->Plays, 0);
  }

  void aPlaylistFromTheClubServiceShowsThePlayer_data() {
    QTest::addColumn<int>("tracks");
    QTest::addColumn<bool>("offered");
    QTest::newRow("four lines: no buttons") << 4 << false;
    QTest::newRow("five lines") << 5 << true;
  }
  void aPlaylistFromTheClubServiceShowsThePlayer() {
    QFETCH(int, tracks);
    QFETCH(bool, offered);
    const QString data = FolderPath() + "/service";
    QVERIFY(QDir().mkpath(data + "/musik"));
    QVERIFY(WriteFileAtomically((data + "/musik/_playlist.html").toStdString(), PlaylistOf(tracks)));
    service::test::TServiceProcess service;
    QVERIFY(service.Start(data.toStdString(), ""));
    const std::string base = "http://127.0.0.1:" + std::to_string(service.Port());
    OpenWithMusic(base);
    QVERIFY(Win->MusicPlayer()->Fetching());  // the window goes on meanwhile
    WaitForPlaylist();
    TOnlinePlayer& p = *Win->MusicPlayer();
    QCOMPARE(p.Count(), tracks);
    QCOMPARE(QString::fromStdString(p.TrackTable()[1].Artist), QStringLiteral("Boris"));
    QCOMPARE(QString::fromStdString(p.TrackTable()[1].Title), QStringLiteral("Polka No 2"));
    QCOMPARE(p.StreamAddress(2), QString::fromStdString(base + "/musik/Boris~Polka_No_2.mp3"));
    QVERIFY(p.Current() >= 1 && p.Current() <= tracks);
    QCOMPARE(p.Volume(), 50);
    QVERIFY(!p.Playing());
    QVERIFY(!p.PlayButton()->isVisible());  // not on the intro
    Win->EndIntro();
    QCOMPARE(p.PlayButton()->isVisible(), offered);
    QCOMPARE(p.NextButton()->isVisible(), offered);
    QCOMPARE(p.VolumeButton()->isVisible(), offered);
    QCOMPARE(p.PlayButton()->geometry(), QRect(10, 430, 61, 61));
    QCOMPARE(p.VolumeButton()->geometry(), QRect(140, 430, 61, 61));
    StartNewPlayer();
    QVERIFY(!p.PlayButton()->isVisible());  // the menu's, not the table's
  }

  void aServiceThatDoesNotAnswerLeavesThePlayerHidden() {
    OpenWithMusic(DeadService());
    WaitForPlaylist();
    Win->EndIntro();
    QCOMPARE(Win->MusicPlayer()->Count(), 0);
    QVERIFY(!Win->MusicPlayer()->PlayButton()->isVisible());
    QVERIFY(Win->MusicPlayer()->NextButton()->isHidden());
  }

  void playPauseNextAndTheHint() {
    OpenWithMusic(DeadService());
    Picks = {3, 5, 2};
    TOnlinePlayer& p = PlayerWith(5);
    Win->EndIntro();
    QCOMPARE(p.Current(), 3);
    QVERIFY(Stream == nullptr);  // nothing opened until it plays
    QTest::mouseClick(p.PlayButton(), Qt::LeftButton);
    QVERIFY(p.Playing() && Stream->Playing);
    QCOMPARE(Stream->Opened, QStringList{"http://club.test:8080/musik/Clara~Slow_Waltz.mp3"});
    QCOMPARE(Stream->Volume, 50);
    QCOMPARE(p.PlayButton()->Picture(), TPlayerPicture::Pause);
    QTest::mouseClick(p.PlayButton(), Qt::LeftButton);
    QVERIFY(!p.Playing() && !Stream->Playing);
    QTest::mouseClick(p.PlayButton(), Qt::LeftButton);  // resumes the same track
    QCOMPARE(Stream->Opened.size(), 1);
    QTest::mouseClick(p.NextButton(), Qt::LeftButton);
    QCOMPARE(p.Current(), 5);
    QVERIFY(p.Playing() && Stream->Playing);
    QCOMPARE(Stream->Opened.last(), QStringLiteral("http://club.test:8080/musik/Eva_Maria~Night.mp3"));
    QCOMPARE(p.PlayButton()->toolTip(), QStringLiteral("Eva Maria  :  Night"));
  }

  void theEndOfATrackPlaysAnother() {
    OpenWithMusic(DeadService());
    Picks = {1, 4, 2};
    TOnlinePlayer& p = PlayerWith(6);
    Win->EndIntro();
    p.PlayPause();
    Stream->End();
    QCOMPARE(p.Current(), 4);
    QVERIFY(p.Playing() && Stream->Playing);
    QCOMPARE(p.PlayButton()->toolTip(), QStringLiteral("Dmitri  :  Sea~Shanty"));
    // Paused at the very end: it stays paused.
    p.PlayPause();
    Stream->End();
    QCOMPARE(p.Current(), 4);
    QVERIFY(!p.Playing());
  }

  void volumeStepsAndBounds_data() {
    QTest::addColumn<int>("windowSize");
    QTest::addColumn<QList<int>>("pressesX");  // at the base size
    QTest::addColumn<int>("volume");
    QTest::newRow("right of 34: louder") << 1 << QList<int>{35} << 55;
    QTest::newRow("25 and left: softer") << 1 << QList<int>{25, 0} << 40;
    QTest::newRow("26 to 34: nothing") << 1 << QList<int>{26, 30, 34} << 50;
    QTest::newRow("not above 100") << 1 << QList<int>(12, 60) << 100;
    QTest::newRow("not below 0") << 1 << QList<int>(11, 3) << 0;
    QTest::newRow("a larger window: the same parts") << 3 << QList<int>{50, 50, 10, 30} << 55;
  }
  void volumeStepsAndBounds() {
    QFETCH(int, windowSize);
    QFETCH(QList<int>, pressesX);
    QFETCH(int, volume);
    OpenWithMusic(DeadService());
    TOnlinePlayer& p = PlayerWith(5);
    Win->EndIntro();
    Win->SetWindowSize(windowSize);
    TPlayerButton* button = p.VolumeButton();
    if (windowSize != 1) QVERIFY(button->width() > 61);
    const double scale = button->width() / 61.0;
    p.PlayPause();
    for (int x : pressesX)
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(static_cast<int>(x * scale + scale / 2), button->height() / 2));
    QCOMPARE(p.Volume(), volume);
    QCOMPARE(Stream->Volume, volume);  // applied at once
  }

  void theSongGivesWayToTheStreamedMusic() {
    OpenWithMusic(DeadService());
    WaitForSong();
    TOnlinePlayer& p = PlayerWith(5);
    Win->EndIntro();
    QVERIFY(Song->Playing);
    p.PlayPause();
    QVERIFY(!Song->Playing);
    QTest::qWait(1300);
    QCOMPARE(Song->Plays, 1);
    p.PlayPause();
    QVERIFY(Song->Playing);
  }
};

ZEMBRA_WINDOW_TEST_MAIN(TMusicTest)
#include "music_test.moc"
