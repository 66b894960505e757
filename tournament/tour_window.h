// The tournament window: the ten tables with their seats, the server's
// state and greeting, the player's results, and the seats taken and left.
// It reads the tables every 10 seconds (and on "Refresh"), connects to the
// table's game port when a seat is taken, and closes itself when the
// server deals the first deal of a match.
#pragma once

#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "duel/duel_messages.h"
#include "online/orv_records.h"
#include "resources/aux_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zembra {

class TOnlineClub;
class TTourLink;

// The tournament operator's nick: only that account sees the box that
// overrides the game server's address.
inline constexpr const char* kTourOperatorNick = "ZembraClub";

class TFormTournament : public TAuxDialog {
  Q_OBJECT

 public:
  TFormTournament(TOnlineClub& club, TTourLink& link, TSettings& settings, const QString& packFolder,
                  QWidget* parent);

  void RefreshTables();
  void SeatClick(int table, int seat);

  // Hooks: sounds and messages go to the main window; tests replace them.
  std::function<void(const char*)> PlaySound;
  std::function<void(const QString&)> ShowMessage;
  // Opens the tournament top ten (the main window decides which look).
  std::function<void()> OpenTopTen;

  // The first deal of a match, when it closed the window.
  const std::optional<TDuelDeal>& FirstDeal() const { return Deal; }
  const TOrvClient& Me() const { return MyClient; }
  // The player at the other seat of the table, as the tables showed it.
  std::string OpponentNick() const { return Opponent; }
  int MyTable() const { return Table; }
  int MySeat() const { return Seat; }
  bool ServerOn() const { return On; }
  int PortOfTable(int table) const { return PortBase + table; }

  std::array<std::array<QPushButton*, 2>, 10> SeatButtons{};
  QLabel *Greeting = nullptr, *ServerIcon = nullptr;
  std::array<QLabel*, 6> Results{};
  QPushButton *RefreshButton = nullptr, *CloseButton = nullptr, *TopButton = nullptr;
  QLineEdit* OperatorBox = nullptr;

 private:
  void ShowTables();
  void ReadMe();
  void TakeSeat(int table, int seat);
  void ClearMySeat();
  void ConnectionError();

  TOnlineClub& Club;
  TTourLink& Link;
  TOrvClient MyClient;
  std::array<TOrvTable, 10> Tables{};
  bool On = false, Read = false, InfoRead = false, Error = false, SeatPending = false;
  std::string ServerAddress = "127.0.0.1";
  int PortBase = 0;  // table k on PortBase + k
  int Table = 0, Seat = 0;
  std::string Opponent;
  std::optional<TDuelDeal> Deal;
  QTimer RefreshTimer, ErrorTimer;
};

}  // namespace zembra
