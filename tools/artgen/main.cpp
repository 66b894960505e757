// zembra-artgen: draws every built-in picture of the program into a folder,
// with a Qt resource file listing them under ":/art/", then reads the folder
// back and fails if any picture is missing or has the wrong size.
//
//   zembra-artgen [--deck FILE.svgz] [--font FILE.otf] OUTDIR
//   zembra-artgen --verify OUTDIR     only checks an existing folder
#include "art.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The deck's renderer reports harmless Inkscape leftovers; keep build logs quiet.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtCriticalMsg && type != QtFatalMsg) {
    if (context.category && QByteArray(context.category).startsWith("qt.svg")) return;
    if (message.startsWith("QStandardPaths:")) return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

int usage() {
  std::fprintf(stderr,
               "usage: zembra-artgen [--deck FILE.svgz] [--font FILE.otf] OUTDIR\n"
               "       zembra-artgen --verify OUTDIR\n");
  return 2;
}

// Draws every picture and writes them with the resource file; throws ArtError.
void drawAll(const QString& deck, const QString& font, const QString& outDir) {
  art::ArtBook book;
  art::addCardFaces(book, deck);
  art::addSuitSymbols(book);
  art::addCardBacks(book);
  art::addTablePictures(book);
  art::addPanels(book);
  art::addBubbles(book);
  art::addClock(book);
  const QString lettering = art::loadLetteringFont(font);
  art::addTitles(book, lettering);
  art::addMenuPictures(book, lettering);
  art::addCursors(book);
  art::addButtonPieces(book);
  art::addCountPictures(book, lettering);
  art::addCyclePictures(book, lettering);
  art::addIcon(book);
  book.writeTo(outDir);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietHandler);
  QGuiApplication app(argc, argv);

  QString deck = QStringLiteral(ZEMBRA_DEFAULT_DECK);
  QString font = QStringLiteral(ZEMBRA_DEFAULT_TITLE_FONT);
  QString outDir;
  bool verifyOnly = false;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--verify")
      verifyOnly = true;
    else if (args[i] == "--deck" && i + 1 < args.size())
      deck = args[++i];
    else if (args[i] == "--font" && i + 1 < args.size())
      font = args[++i];
    else if (args[i].startsWith("-") || !outDir.isEmpty())
      return usage();
    else
      outDir = args[i];
  }
  if (outDir.isEmpty()) return usage();

  QElapsedTimer clock;
  clock.start();
  if (!verifyOnly) {
    try {
      drawAll(deck, font, outDir);
    } catch (const art::ArtError& e) {
      std::fprintf(stderr, "zembra-artgen: %s\n", e.what());
      return 1;
    }
  }

  const QStringList problems = art::verifyFolder(outDir);
  for (const QString& problem : problems) std::fprintf(stderr, "zembra-artgen: %s\n", qPrintable(problem));
  if (!problems.isEmpty()) return 1;

  std::printf("zembra-artgen: %zu pictures %s in %s (%lld ms)\n", art::catalogue().size(),
              verifyOnly ? "checked" : "drawn and checked", qPrintable(outDir), static_cast<long long>(clock.elapsed()));
  return 0;
}
