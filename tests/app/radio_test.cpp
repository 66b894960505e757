// The radio from the window: availability (the radio pack, the shipped list,
// the list fetched from the real club service on loopback or not fetched),
// the menu's shelf and its lamp, the link dialog when the radio is missing,
// the radio left on at the last exit starting in place of the music, the
// radio window (filter, stations, volume, its radio), the state file at
// exit. The stream is a recorder: no sound device.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTcpServer>

#include "../service/service_process.h"
#include "media/radio.h"
#include "media/radio_flags.h"
#include "media/radio_stations.h"
#include "media/radio_shelf.h"
#include "media/radio_window.h"
#include "media/track_stream.h"
#include "records/file_store.h"
#include "records/options_dialog.h"
#include "resources/country_flags.h"
#include "resources/link_message.h"
#include "resources/text.h"
#include "test_pack.h"
#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

namespace {

struct TStreamLog {
  QStringList Opened;
  int Volume = -1;
  bool Playing = false;
};

class TRecordingStream : public TTrackStream {
 public:
  explicit TRecordingStream(std::shared_ptr<TStreamLog> log) : Log(std::move(log)) {}
  void Open(const QUrl& url, int volume) override {
    Log->Opened << url.toString();
    Log->Volume = volume;
    Log->Playing = false;
  }
  void Play() override { Log->Playing = true; }
  void Stop() override { Log->Playing = false; }
  void SetVolume(int volume) override { Log->Volume = volume; }

 private:
  std::shared_ptr<TStreamLog> Log;
};

QStringList LinkMessages;
void RecordLink(const QString& first, const QString& second, const QString&) { LinkMessages << first + second; }

std::string DeadService() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost);
  const quint16 port = probe.serverPort();
  probe.close();
  return "http://127.0.0.1:" + std::to_string(port) + "/RecordsService";
}

}  // namespace

class RadioTest : public TWindowFixture {
  Q_OBJECT

  std::shared_ptr<TStreamLog> Stream;
  QString Parent;  // the program's parent folder, where radio files live

  // The program folder one level down, so that its parent is ours.
  void Place(bool pack, bool list) {
    Parent = Dir->path();
    QDir().mkpath(Parent + "/Zembra");
    if (pack) QVERIFY(QFile::copy(ZEMBRA_PACK_DIR "/OrvRadio02.dll", Parent + "/OrvRadio02.dll"));
    if (list) QVERIFY(QFile::copy(ZEMBRA_PACK_DIR "/OrvRadio.rad", Parent + "/OrvRadio.rad"));
  }

  // The window past its intro with the radio checked; fromServer with the
  // records address given.
  void OpenWindow(bool fromServer, const std::string& records, int windowSize = 4) {
    InstallClubIn(Parent + "/Zembra");
    Win = std::make_unique<TMainWindow>();
    Win->SetProgramFolder(Parent + "/Zembra");
    Win->ClubAtStart = false;
    Win->ShowMessage = [this](const QString& text) { Messages << text; };
    Win->RunModal = [this](QDialog&) {
      ++CountWindows;
      return int(QDialog::Accepted);
    };
    Stream = std::make_shared<TStreamLog>();
    Win->MakeRadioStream = [log = Stream] { return std::make_unique<TRecordingStream>(log); };
    Win->show();
    Win->Options().RadioListFromServer = fromServer;
    Win->Options().TopTenAddress = records;
    Win->Options().WindowSize = static_cast<uint8_t>(windowSize);
    Win->StartRadio();
    QTRY_VERIFY_WITH_TIMEOUT(!Win->InternetRadio()->Checking(), 20000);
    Win->EndIntro();
  }

  void InstallClubIn(const QString& folder) {
    for (const char* name : {kClubFileName, kNetClubFileName})
      InstallClubFile((folder + QLatin1Char('/') + QLatin1String(name)).toStdString());
  }

  QString ReadText(const QString& path) {
    return QString::fromStdString(ReadWholeFile(path.toStdString()).value_or("<missing>"));
  }

 private Q_SLOTS:
  void init() {
    FixtureInit();
    LinkMessages.clear();
    SetLinkMessageHook(&RecordLink);
  }
  void cleanup() {
    FixtureCleanup();
    SetLinkMessageHook(nullptr);
  }

  void AvailableWithThePackAndTheShippedList() {
    Place(true, true);
    OpenWindow(false, DeadService());
    QVERIFY(Win->InternetRadio()->Available());
    TRadioShelf* shelf = Win->RadioShelf();
    QVERIFY(Win->ViewState().Layout.Scale.S >= 1.6);
    QVERIFY(shelf->isVisible());
    QCOMPARE(int(shelf->Lamp()), int(TRadioLamp::Silent));
    QCOMPARE(shelf->toolTip(), Row(1017) + ": Zembra Club FM");
    // Only the drawn radio and shelf take clicks; the empty corners let
    // them through to what lies below.
    QVERIFY(shelf->mask().contains(shelf->rect().center()));
    QVERIFY(!shelf->mask().contains(QPoint(2, 2)));
    // A click plays the current station at its volume; another stops it.
    QTest::mouseClick(shelf, Qt::LeftButton);
    QCOMPARE(Stream->Opened, QStringList{"http://127.0.0.1:25800/club.mp3"});
    QVERIFY(Stream->Playing);
    QCOMPARE(Stream->Volume, 30);
    QCOMPARE(int(shelf->Lamp()), int(TRadioLamp::Playing));
    QTest::mouseClick(shelf, Qt::LeftButton);
    QVERIFY(!Stream->Playing);
    QCOMPARE(int(shelf->Lamp()), int(TRadioLamp::Silent));
    // Only on the menu of a large window.
    Win->SetWindowSize(1);
    QVERIFY(!shelf->isVisible());
    QVERIFY(LinkMessages.isEmpty());
  }

  void ServerListThatCannotBeFetchedMeansNoRadio() {
    // The shipped list is there, but the list is to come from the server.
    Place(true, true);
    const std::string saved = "Jazz One\r\nhttp://jazz.example/1.mp3\r\nUSA\r\nRRADIO_LOGO_JAZZ\r\n1\r\n80\r\n12\r\n";
    QVERIFY(WriteFileAtomically((Parent + "/OrvRadio.ini").toStdString(), saved));
    OpenWindow(true, DeadService());
    QVERIFY(!Win->InternetRadio()->Available());
    QVERIFY(Win->Options().MusicOn);
    QVERIFY(Stream->Opened.isEmpty());
    QCOMPARE(int(Win->RadioShelf()->Lamp()), int(TRadioLamp::Unavailable));
    QTest::mouseClick(Win->RadioShelf(), Qt::LeftButton);
    QVERIFY(Stream->Opened.isEmpty());
    Win->OpenRadio();
    QCOMPARE(CountWindows, 0);
    const QString missing = Row(1018) + "OrvRadio.rad + OrvRadio02.dll";
    QCOMPARE(LinkMessages, (QStringList{missing, missing}));
    QVERIFY(!QFile::exists(Parent + "/OrvRadio.ser"));
    // The state of the last run is kept as it was.
    Win->close();
    QCOMPARE(ReadText(Parent + "/OrvRadio.ini"), QString::fromStdString(saved));
  }

  void ServerListFetchedFromTheClubService() {
    Place(true, false);
    QTemporaryDir data;
    QDir().mkpath(data.path() + "/downloads");
    QVERIFY(QFile::copy(ZEMBRA_PACK_DIR "/OrvRadio.rad", data.path() + "/downloads/OrvRadio.rad"));
    zembra::service::test::TServiceProcess service;
    QVERIFY(service.Start(data.path().toStdString(), ""));
    OpenWindow(true, "http://127.0.0.1:" + std::to_string(service.Port()) + "/RecordsService");
    QVERIFY(Win->InternetRadio()->Available());
    QCOMPARE(ReadText(Parent + "/OrvRadio.ser"), ReadText(ZEMBRA_PACK_DIR "/OrvRadio.rad"));
    // Switching to the list on disk, which is missing: the radio goes.
    Win->Options().RadioListFromServer = false;
    Win->CheckRadio();
    QTRY_VERIFY_WITH_TIMEOUT(!Win->InternetRadio()->Checking(), 20000);
    QVERIFY(!Win->InternetRadio()->Available());
  }

  void NoPackNoRadio() {
    Place(false, true);
    OpenWindow(false, DeadService());
    QVERIFY(!Win->InternetRadio()->Available());
    // Without its pictures the shelf is not shown at all.
    QVERIFY(!Win->RadioShelf()->isVisible());
    // The pack arrives (a download): the next check finds the radio.
    QVERIFY(QFile::copy(ZEMBRA_PACK_DIR "/OrvRadio02.dll", Parent + "/OrvRadio02.dll"));
    Win->CheckRadio();
    QTRY_VERIFY_WITH_TIMEOUT(!Win->InternetRadio()->Checking(), 20000);
    QVERIFY(Win->InternetRadio()->Available());
    QVERIFY(Win->RadioShelf()->isVisible());
  }

  void RadioLeftOnPlaysInPlaceOfTheMusic() {
    Place(true, true);
    QVERIFY(WriteFileAtomically((Parent + "/OrvRadio.ini").toStdString(),
                                "Zembra Lounge\r\nhttp://127.0.0.1:25800/lounge.mp3\r\nZembra club, this computer\r\n"
                                "RRADIO_LOGO_ZEMBRA2\r\n1\r\n60\r\n0\r\n"));
    OpenWindow(false, DeadService());
    QVERIFY(!Win->Options().MusicOn);
    QCOMPARE(Stream->Opened, QStringList{"http://127.0.0.1:25800/lounge.mp3"});
    QVERIFY(Stream->Playing);
    QCOMPARE(Stream->Volume, 60);
    QCOMPARE(int(Win->RadioShelf()->Lamp()), int(TRadioLamp::Playing));
  }

  void DamagedStateFileGivesTheDefaultAndExitWritesTheState() {
    Place(true, true);
    QVERIFY(WriteFileAtomically((Parent + "/OrvRadio.ini").toStdString(), "\xFF\xFE\r\n"));
    OpenWindow(false, DeadService());
    QVERIFY(Win->Options().MusicOn);
    QCOMPARE(Win->InternetRadio()->State().StationName, std::string("\xFF\xFE"));
    Win->InternetRadio()->VolumeUp();
    Win->close();
    QCOMPARE(ReadText(Parent + "/OrvRadio.ini"),
             QString::fromStdString(std::string("\xFF\xFE\r\nhttp://127.0.0.1:25800/club.mp3\r\n"
                                                "Zembra club, this computer\r\nRRADIO_LOGO_ZEMBRA1\r\n0\r\n40\r\n0\r\n")));
  }

  void RadioWindowFilterStationsVolumeAndRadio() {
    Place(true, true);
    OpenWindow(false, DeadService());
    TRadio& radio = *Win->InternetRadio();
    TFormRadio window(radio, Win->Options(), Win.get());
    QCOMPARE(window.windowTitle(), Row(1017));
    QCOMPARE(window.CountryBox->count(), 28);
    QCOMPARE(window.CountryBox->currentIndex(), 0);
    QCOMPARE(window.StationList->count(), 3);
    QCOMPARE(window.StationList->currentItem()->text(), QStringLiteral("Zembra Club FM"));
    QCOMPARE(window.LogoShown, QStringLiteral("RRADIO_LOGO_ZEMBRA1"));
    QCOMPARE(window.VolumeShown, QStringLiteral("RRADIO_VOLUME03"));
    QCOMPARE(window.RadioShown, QStringLiteral("RRADIO_MAINR"));
    QVERIFY(Stream->Opened.isEmpty());

    // The radio on, then another country: its first station is tuned in
    // and plays at once.
    QTest::mouseClick(window.RadioButton, Qt::LeftButton);
    QCOMPARE(window.RadioShown, QStringLiteral("RRADIO_MAING"));
    QCOMPARE(int(Win->RadioShelf()->Lamp()), int(TRadioLamp::Playing));
    window.CountryBox->setCurrentIndex(16);
    QCOMPARE(window.StationList->count(), 3);
    QCOMPARE(window.StationList->currentRow(), 0);
    QCOMPARE(radio.State().StationName, std::string("Deutschlandfunk"));
    QCOMPARE(radio.State().CountryText, std::string("Deutschland"));
    QCOMPARE(radio.State().FilterIndex, 16);
    QCOMPARE(Stream->Opened.last(), QStringLiteral("https://st01.sslstream.dlf.de/dlf/01/128/mp3/stream.mp3"));
    QVERIFY(Stream->Playing);
    QCOMPARE(Win->RadioShelf()->toolTip(), Row(1017) + ": Deutschlandfunk");
    window.StationList->setCurrentRow(1);
    QCOMPARE(radio.State().StationName, std::string("Deutschlandfunk Kultur"));
    QCOMPARE(window.LogoShown, QStringLiteral("RRADIO_LOGO_CULTURE"));

    // A country without stations leaves the station as it is.
    window.CountryBox->setCurrentIndex(23);
    QCOMPARE(window.StationList->count(), 0);
    QCOMPARE(radio.State().StationName, std::string("Deutschlandfunk Kultur"));

    // Volume: steps of ten, at once on the stream; "+" at 100 stays 100.
    for (int i = 0; i < 9; ++i) QTest::mouseClick(window.VolumeUpButton, Qt::LeftButton);
    QCOMPARE(radio.State().Volume, 100);
    QCOMPARE(Stream->Volume, 100);
    QCOMPARE(window.VolumeShown, QStringLiteral("RRADIO_VOLUME10"));
    QTest::mouseClick(window.VolumeDownButton, Qt::LeftButton);
    QCOMPARE(window.VolumeShown, QStringLiteral("RRADIO_VOLUME09"));

    QTest::mouseClick(window.RadioButton, Qt::LeftButton);
    QVERIFY(!Stream->Playing);
    QCOMPARE(window.RadioShown, QStringLiteral("RRADIO_MAINR"));
    QCOMPARE(int(Win->RadioShelf()->Lamp()), int(TRadioLamp::Silent));
  }

  void RadioWindowWithoutTheListKeepsItsLists() {
    Place(true, true);
    OpenWindow(false, DeadService());
    TFormRadio window(*Win->InternetRadio(), Win->Options(), Win.get());
    QCOMPARE(window.StationList->count(), 3);
    QVERIFY(QFile::remove(Parent + "/OrvRadio.rad"));
    window.CountryBox->setCurrentIndex(16);
    QCOMPARE(window.StationList->count(), 3);
    QCOMPARE(Win->InternetRadio()->State().StationName, std::string("Zembra Club FM"));
  }

  // Every filter country has the club's flag of its own, none the grey
  // question flag of an unknown country.
  void EveryFilterCountryHasItsOwnFlag() {
    const QImage unknown = CountryFlag("1-000", 30, 20).toImage();
    QSet<QByteArray> seen;
    for (int i = 0; i < kRadioCountryCount; ++i) {
      const QImage flag = RadioFlag(i, 30, 20).toImage();
      QVERIFY2(!flag.isNull() && flag != unknown, kRadioCountries[static_cast<size_t>(i)].Name);
      seen.insert(QByteArray(reinterpret_cast<const char*>(flag.constBits()), flag.sizeInBytes()));
    }
    QCOMPARE(seen.size(), kRadioCountryCount);
    QVERIFY(RadioFlagOfCode("XYZ", 30, 20).isNull());
    QCOMPARE(RadioFlagOfCode("UA0", 30, 20).toImage(), RadioFlag(1, 30, 20).toImage());
  }

  void ListSourceChangedInTheOptionsChecksAgain() {
    Place(true, true);
    OpenWindow(false, DeadService());
    QVERIFY(Win->InternetRadio()->Available());
    int checks = 0;
    connect(Win->InternetRadio(), &TRadio::Checked, this, [&checks] { ++checks; });
    Win->RunModal = [](QDialog& d) {
      auto* options = qobject_cast<TFormOptions*>(&d);
      if (options) options->RadioServer->setChecked(true);
      return int(QDialog::Accepted);
    };
    Win->OpenOptions();
    QTRY_COMPARE_WITH_TIMEOUT(checks, 1, 20000);
    QVERIFY(Win->Options().RadioListFromServer);
    QVERIFY(!Win->InternetRadio()->Available());
  }
};

int main(int argc, char** argv) {
  // A screen as large as a desktop's: the shelf shows from window scale 1.6.
  QTemporaryDir dir;
  QFile config(dir.path() + "/screen.json");
  if (config.open(QIODevice::WriteOnly))
    config.write(R"({"screens":[{"name":"big","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,)"
                 R"("logicalBaseDpi":96,"dpr":1}]})");
  config.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
  QApplication app(argc, argv);
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) Words().Load(words.readAll().toStdString());
  RadioTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "radio_test.moc"
