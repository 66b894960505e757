// The yardstick of the program's memory budget: an empty Qt window of the
// game window's size, nothing else. tools/memory/measure.sh compares the
// program's peak resident set at the menu with this one's.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(760, 500);
  window.show();
  return app.exec();
}
