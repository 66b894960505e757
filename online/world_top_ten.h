// The world top ten: seven club tables chosen with seven buttons (the
// accounts' rating, the accounts', this program's and the Android
// version's cycle scores, the online tournament, and the local tables of
// games with the computer and over the net), with the number of games and
// the rows around the player. A refresh rests for 10 seconds.
#pragma once

#include <QTimer>
#include <array>
#include <vector>

#include "online/orv_records.h"
#include "resources/aux_dialog.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace zembra {

class TOnlineClub;

// One table of the window: its title and the rows as shown.
struct TWorldTable {
  bool Read = false;  // false: "No Connect"
  std::vector<std::vector<std::string>> Rows;  // cells, UTF-8
  int Count = -1;                              // "Number of games", -1 none
  std::vector<std::vector<std::string>> Around;  // place, nick, score
};

class TFormWorldTopTen : public TAuxDialog {
  Q_OBJECT

 public:
  // table: 1..7; graphicsPack: whether the seven buttons are offered (else
  // only the three score tables 3, 4, 2).
  TFormWorldTopTen(TOnlineClub& club, TSettings& settings, const QString& programFolder, bool graphicsPack,
                   int table, QWidget* parent);

  static const char* Title(int table);
  // The table the main menu opens next: 3 unless the last one was 2, 3 or 4.
  static int NextTable();

  void ShowTable(int table);
  int Shown() const { return Current; }
  QTableWidget* Grid() const { return Rows; }
  QTableWidget* AroundGrid() const { return AroundRows; }
  QLabel* CountLabel() const { return Count; }
  QLabel* Heading() const { return TitleLabel; }
  QPushButton* RefreshButton() const { return Refresh; }
  const std::vector<QPushButton*>& TableButtons() const { return Buttons; }

 private:
  void Fill(int table, const TWorldTable& t);
  TOnlineClub& Club;
  QString Folder;
  int Current = 3;
  QLabel *TitleLabel, *Count, *AroundCaption;
  QTableWidget *Rows, *AroundRows;
  QPushButton* Refresh;
  std::vector<QPushButton*> Buttons;
  QTimer RefreshTimer;
  static int LastTable;
};

}  // namespace zembra
