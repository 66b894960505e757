// zembra-shots radio=PACKDIR: the menu of a large window with the radio on
// its shelf, silent and playing, and the radio window in its four designs,
// with the packs of PACKDIR in the program's parent folder. The stream is
// silent: nothing is played.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "media/radio.h"
#include "media/radio_flags.h"
#include "media/radio_stations.h"
#include "media/radio_window.h"
#include "media/track_stream.h"
#include "records/club_file.h"

namespace zembra {

namespace {

struct TQuietStream : TTrackStream {
  void Open(const QUrl&, int) override {}
  void Play() override {}
  void Stop() override {}
  void SetVolume(int) override {}
};

void Pause(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

void ShootRadio(const QString& dir, const QString& packs) {
  QTemporaryDir parent;
  const QString folder = parent.path() + "/Zembra";
  QDir().mkpath(folder);
  for (const char* file : {"OrvRadio02.dll", "OrvRadio.rad", "OrvCGraph1.dll", "OrvCalendar01.dll"})
    QFile::copy(packs + "/" + file, parent.path() + "/" + file);
  for (const char* name : {kClubFileName, kNetClubFileName})
    InstallClubFile((folder + QLatin1Char('/') + QLatin1String(name)).toStdString());
  TMainWindow w;
  w.ClubAtStart = false;
  w.SetProgramFolder(folder);
  w.MakeRadioStream = [] { return std::make_unique<TQuietStream>(); };
  w.show();
  w.Options().RadioListFromServer = false;
  w.Options().WindowSize = 4;
  w.StartRadio();
  QElapsedTimer t;
  t.start();
  while (w.InternetRadio()->Checking() && t.elapsed() < 10000) Pause(50);
  w.EndIntro();
  Pause(300);
  w.grab().save(dir + "/radio-menu-silent.png");
  w.RadioClick();
  Pause(100);
  w.grab().save(dir + "/radio-menu-playing.png");
  for (int design = 1; design <= 4; ++design) {
    w.Options().AuxDesign = static_cast<uint8_t>(std::min(design, 3));
    w.Options().AuxPictureDesign = design == 4;
    TFormRadio window(*w.InternetRadio(), w.Options(), &w);
    window.show();
    Pause(300);
    window.grab().save(QStringLiteral("%1/radio-window-design%2.png").arg(dir).arg(design));
    if (design != 4) continue;
    // Another country: its first station tuned in, the volume up.
    window.CountryBox->setCurrentIndex(17);
    w.InternetRadio()->VolumeUp();
    Pause(200);
    window.grab().save(dir + "/radio-window-design4-france.png");
    window.CountryBox->setCurrentIndex(0);
  }
  // Every country's flag with its name, as the filter shows them.
  QImage flags(4 * 200, 7 * 30, QImage::Format_RGB32);
  flags.fill(Qt::white);
  {
    QPainter p(&flags);
    for (int i = 0; i < kRadioCountryCount; ++i) {
      const QRect cell((i % 4) * 200, (i / 4) * 30, 200, 30);
      DrawRadioFlag(p, QRectF(cell.x() + 6, cell.y() + 5, 30, 20), i);
      p.drawText(cell.adjusted(44, 0, 0, 0), Qt::AlignVCenter, QString::fromLatin1(kRadioCountries[i].Name));
    }
  }
  flags.save(dir + "/radio-flags.png");
  w.RadioClick();
  w.Options().AuxDesign = 2;
  w.Options().AuxPictureDesign = false;
  w.AskYesNo = [](const QString&, const QString&) { return true; };
  w.close();
}

}  // namespace zembra
