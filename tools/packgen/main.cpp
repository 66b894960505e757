// zembra-packgen: builds the resource packs the program reads beside it.
//
//   zembra-packgen --rcc PATH --work DIR --out DIR [PACK...]
//
// With pack file names, only those packs are built.
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSaveFile>
#include <QGuiApplication>

#include <cstdio>
#include <functional>

#include "packgen.h"
#include "radio_parts.h"

using namespace packgen;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QCommandLineParser cli;
  const QCommandLineOption rcc("rcc", "Qt's resource compiler.", "PATH");
  const QCommandLineOption work("work", "Folder for the pictures before they are packed.", "DIR");
  const QCommandLineOption out("out", "Folder the packs are written to.", "DIR");
  cli.addOptions({rcc, work, out});
  cli.addPositionalArgument("packs", "Pack file names to build (default: all).");
  cli.process(app);
  if (!cli.isSet(rcc) || !cli.isSet(work) || !cli.isSet(out)) {
    std::fprintf(stderr, "usage: zembra-packgen --rcc PATH --work DIR --out DIR [PACK...]\n");
    return 2;
  }
  const QStringList wanted = cli.positionalArguments();
  auto want = [&](const char* name) { return wanted.isEmpty() || wanted.contains(QString::fromLatin1(name)); };

  try {
    QElapsedTimer timer;
    timer.start();
    auto write = [&](const TPackWriter& pack) {
      pack.Write(cli.value(rcc), cli.value(work), cli.value(out));
      const qint64 size = QFileInfo(cli.value(out) + "/" + pack.FileName()).size();
      std::printf("%-18s %5zu items %8.1f MB  %6.1f s\n", qPrintable(pack.FileName()), pack.Count(),
                  static_cast<double>(size) / 1e6, static_cast<double>(timer.restart()) / 1000);
    };
    if (want("OrvBackG03.dll")) {
      TPackWriter pack("OrvBackG03.dll");
      AddBackgrounds(pack);
      write(pack);
    }
    if (want("OrvCards06A.dll") || want("OrvCards06B.dll") || want("OrvCards06C.dll")) {
      TPackWriter a("OrvCards06A.dll"), b("OrvCards06B.dll"), c("OrvCards06C.dll");
      AddCardFaces(a, b, c);
      AddCardBacks(b);
      for (const TPackWriter* p : {&a, &b, &c})
        if (want(qPrintable(p->FileName()))) write(*p);
    }
    if (want("OrvCalendar01.dll")) {
      TPackWriter pack("OrvCalendar01.dll");
      AddCalendar(pack);
      write(pack);
    }
    if (want("OrvRadio02.dll")) {
      TPackWriter pack("OrvRadio02.dll");
      AddRadioPictures(pack);
      write(pack);
    }
    if (want("OrvRadio.rad")) {
      // A data file, not a picture pack: written as it is.
      QSaveFile list(cli.value(out) + "/OrvRadio.rad");
      if (!list.open(QIODevice::WriteOnly) || list.write(RadioStationList()) < 0 || !list.commit())
        throw PackError("cannot write OrvRadio.rad");
      std::printf("%-18s written\n", "OrvRadio.rad");
    }
    if (want("OrvCGraph1.dll")) {
      TPackWriter pack("OrvCGraph1.dll");
      AddGraphics(pack);
      write(pack);
    }
    if (want("OrvCVoice3.dll")) {
      TPackWriter pack("OrvCVoice3.dll");
      AddVoices(pack);
      write(pack);
    }
  } catch (const PackError& e) {
    std::fprintf(stderr, "zembra-packgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
