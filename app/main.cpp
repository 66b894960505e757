// Zembra: the card game's program. Takes no command-line arguments; reads
// and writes its files beside the executable.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <memory>

#include "resources/fonts.h"
#include "app/main_window.h"
#include "app/sound_media.h"
#include "app/termination_watch.h"
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
  // The session's end closes the program as Exit does.
  zembra::TTerminationWatch termination;
  QObject::connect(&termination, &zembra::TTerminationWatch::Requested, &window, &zembra::TMainWindow::Terminate);
  window.show();
  // Sound is set up once the first picture is on the screen.
  std::unique_ptr<zembra::TSoundMedia> sound;
  QTimer::singleShot(0, &window, [&] {
    sound = std::make_unique<zembra::TSoundMedia>(window.ProgramFolder());
    zembra::SetMedia(sound.get());
  });
  // So is the music: the song's synthesizer opens on a thread of its own.
  QTimer::singleShot(0, &window, &zembra::TMainWindow::StartMusic);
  // And the radio: its list and pack are looked for off the window's thread.
  QTimer::singleShot(0, &window, &zembra::TMainWindow::StartRadio);
  const int code = app.exec();
  zembra::SetMedia(nullptr);
  return code;
}
