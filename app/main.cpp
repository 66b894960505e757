// Zembra: the card game's program. Takes no command-line arguments; reads
// and writes its files beside the executable.
#include <QApplication>
#include <QFile>

#include "resources/fonts.h"
#include "app/main_window.h"
#include "resources/words.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zembra"));
  zembra::LoadBundledFonts();
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) zembra::Words().Load(words.readAll().toStdString());
  zembra::TMainWindow window;
  window.show();
  return app.exec();
}
