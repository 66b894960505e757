// The local club's windows: the top ten of cycle scores and the history of
// games (file list and grid).
#pragma once

#include <QDialog>
#include <string>

class QListWidget;
class QTableWidget;

namespace zembra {

class TFormTopTen : public QDialog {
  Q_OBJECT

 public:
  // clubPath: the club file of the current mode; netDuels picks the heading.
  TFormTopTen(const std::string& clubPath, bool netDuels, QWidget* parent);
  QTableWidget* Grid() const { return Table; }

 private:
  QTableWidget* Table;
};

class TFormHistory : public QDialog {
  Q_OBJECT

 public:
  // folder: the program's folder + "History".
  TFormHistory(const std::string& folder, QWidget* parent);
  QListWidget* Files() const { return List; }
  QTableWidget* Grid() const { return Table; }

 private:
  void ShowFile(int number);
  // The columns widened to show the shown file whole, within Room, and
  // the window widened to show them.
  void FitColumns();
  std::string Folder;
  int Chrome = 0;  // the window's width besides the grid's columns
  int Room = 0;    // the most the columns may take on the screen
  QListWidget* List;
  QTableWidget* Table;
};

}  // namespace zembra
