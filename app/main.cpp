// Zembra: the card game's program. Takes no command-line arguments; reads
// and writes its files beside the executable.
#include <QApplication>
#include <QFile>
#include <QIcon>

#include "resources/fonts.h"
#include "app/main_window.h"
#include "resources/words.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zembra"));
  // The desktop entry's name ties the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("zembra"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/ZembraIcon.png")));
  zembra::LoadBundledFonts();
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) zembra::Words().Load(words.readAll().toStdString());
  zembra::TMainWindow window;
  window.show();
  return app.exec();
}
