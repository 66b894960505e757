// The tournament's game server: ten tables on ten ports (table k on
// port1 - 1 + k). A player who holds a seat in the tournament hall
// connects to the table's port and names the seat ("connect" + digit);
// when both seats are there the referee deals, and from then on every
// frame goes through the referee. When the match ends the result is
// written to the club's store (score, matches, Elo rating for both), the
// seats are freed and the connections closed. Runs on a thread of its
// own with its own event loop; malformed input from one client never
// touches another table.
#pragma once

#include <QObject>
#include <QThread>
#include <array>
#include <memory>
#include <string>

#include "service/club_store.h"
#include "service/request_log.h"
#include "service/tour_hall.h"

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace zembra::service {

class TTourTable;

class TTourServer : public QObject {
  Q_OBJECT

 public:
  TTourServer(TTourHall& hall, TClubStore& store, TRequestLog& log);
  ~TTourServer() override;

  // Listens on the ten ports on its own thread; false (and nothing
  // listening) when any port cannot be had. port1 0: any free ports, one
  // after another is not promised then, so tests pass a real one.
  bool Start(const std::string& host, int port1);
  void Stop();

 private:
  bool Listen(const QString& host, int port1);
  void SeatFreed(int table, int seat);

  TTourHall& Hall;
  TClubStore& Store;
  TRequestLog& Log;
  QThread Thread;
  std::array<std::unique_ptr<TTourTable>, kTourTables> Tables;
};

}  // namespace zembra::service
