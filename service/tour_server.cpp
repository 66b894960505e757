#include "service/tour_server.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <random>
#include <utility>

#include "service/tour_rating.h"
#include "service/tour_referee.h"
#include "tournament/tour_frames.h"

namespace zembra::service {

// One table: its listening port, the two seats' connections, the match.
class TTourTable : public QObject {
 public:
  TTourTable(int number, TTourHall& hall, TClubStore& store, TRequestLog& log)
      : Number(number), Hall(hall), Store(store), Log(log) {
    Clock.setInterval(1000);
    connect(&Clock, &QTimer::timeout, this, [this] { Send(Referee ? Referee->Tick(TTourClock::now()) : Sends{}); });
  }

  bool Listen(const QHostAddress& host, quint16 port) {
    connect(&Server, &QTcpServer::newConnection, this, &TTourTable::Accept);
    return Server.listen(host, port);
  }

  // A seat emptied through a request: a player who leaves that way during
  // the match has left it; before it, the connection goes.
  void SeatFreed(int seat) {
    if (Finished) return;  // the match's own end frees the seats
    if (Referee && !Referee->End()) {
      Send(Referee->OnGone(seat));
      return;
    }
    if (QTcpSocket* s = Seats[static_cast<size_t>(seat)]) s->disconnectFromHost();
  }

 private:
  using Sends = std::vector<TTourSend>;

  void Accept() {
    while (QTcpSocket* s = Server.nextPendingConnection()) {
      s->setParent(this);
      auto reader = std::make_shared<TFrameReader>(false);
      connect(s, &QTcpSocket::readyRead, this, [this, s, reader] {
        // A client has nothing long to say: a flood is cut off.
        if (s->bytesAvailable() > 64 * 1024) {
          s->abort();
          return;
        }
        for (const std::string& frame : reader->Push(s->readAll().toStdString())) Received(s, frame);
      });
      connect(s, &QTcpSocket::disconnected, this, [this, s] { Gone(s); });
      // A connection that never names its seat is not kept.
      QTimer::singleShot(15000, s, [this, s] {
        if (SeatOf(s) == 0) s->abort();
      });
    }
  }

  int SeatOf(const QTcpSocket* s) const {
    for (int seat = 1; seat <= 2; ++seat)
      if (Seats[static_cast<size_t>(seat)] == s) return seat;
    return 0;
  }

  void Received(QTcpSocket* s, const std::string& frame) {
    const int seat = SeatOf(s);
    if (seat == 0) {
      Join(s, frame);
      return;
    }
    if (Referee) Send(Referee->OnFrame(seat, frame, TTourClock::now()));
  }

  // "connect" and the seat digit, from the player who holds that seat.
  void Join(QTcpSocket* s, const std::string& frame) {
    // The players of a match that is over make room for the next ones.
    if (Finished) {
      for (int seat = 1; seat <= 2; ++seat)
        if (QTcpSocket* old = std::exchange(Seats[static_cast<size_t>(seat)], nullptr)) old->disconnectFromHost();
      Reset();
    }
    const std::string text = FrameText(frame);
    const int seat = text == "connect1" ? 1 : text == "connect2" ? 2 : 0;
    if (seat == 0 || Seats[static_cast<size_t>(seat)] || Referee || !Hall.Client(Number, seat)) {
      s->abort();
      return;
    }
    Seats[static_cast<size_t>(seat)] = s;
    if (Seats[1] && Seats[2] && Hall.Client(Number, 1) && Hall.Client(Number, 2)) Begin();
  }

  void Begin() {
    Players[1] = *Hall.Client(Number, 1);
    Players[2] = *Hall.Client(Number, 2);
    ++GameNo;
    Referee = std::make_unique<TTourReferee>(std::random_device{}() ^ (uint64_t(Number) << 40));
    Hall.SetPlaying(Number, true);
    Log.Notice("tournament table " + std::to_string(Number) + ": " + Players[1].Nick + " against " + Players[2].Nick);
    Send(Referee->Start(TTourClock::now()));
    Clock.start();
  }

  void Send(const Sends& sends) {
    for (const TTourSend& m : sends)
      if (QTcpSocket* s = Seats[static_cast<size_t>(m.Seat)])
        s->write(m.Bytes.data(), static_cast<qint64>(m.Bytes.size()));
    if (Referee && Referee->End() && !Finished) Finish();
  }

  void Gone(QTcpSocket* s) {
    const int seat = SeatOf(s);
    s->deleteLater();
    if (seat == 0) return;
    Seats[static_cast<size_t>(seat)] = nullptr;
    if (Referee && !Referee->End()) {
      Send(Referee->OnGone(seat));
    } else if (!Referee) {
      return;  // the seat stays held until its player frees it
    }
    if (!Seats[1] && !Seats[2]) Reset();
  }

  // The result for both players, the seats freed. The players close their
  // connections when they leave the table (they still pass each other their
  // last continue presses); one that stays is closed after two minutes.
  void Finish() {
    Finished = true;
    Clock.stop();
    const TTourEnd& e = *Referee->End();
    if (e.Winner != 0) Record(e);
    Hall.SetPlaying(Number, false);
    for (int seat = 1; seat <= 2; ++seat) Hall.Clear(Number, seat);
    QTimer::singleShot(120000, this, [this, game = GameNo] {
      if (game != GameNo || !Finished) return;  // a later match sits here now
      for (int seat = 1; seat <= 2; ++seat)
        if (QTcpSocket* s = Seats[static_cast<size_t>(seat)]) s->disconnectFromHost();
      if (!Seats[1] && !Seats[2]) Reset();
    });
  }

  void Record(const TTourEnd& e) {
    std::array<std::optional<TStoredAccount>, 3> accounts;
    std::array<std::optional<TTourRow>, 3> rows;
    for (int seat = 1; seat <= 2; ++seat) {
      accounts[static_cast<size_t>(seat)] = Store.FindAccount(Players[static_cast<size_t>(seat)].Nick);
      if (!accounts[static_cast<size_t>(seat)] || accounts[static_cast<size_t>(seat)]->Id == 0) {
        Log.Notice("tournament table " + std::to_string(Number) + ": no member " + Players[static_cast<size_t>(seat)].Nick);
        return;
      }
      rows[static_cast<size_t>(seat)] = Store.ReadTour(accounts[static_cast<size_t>(seat)]->Id);
      if (!rows[static_cast<size_t>(seat)]) return;
    }
    const int loser = e.Winner == 1 ? 2 : 1;
    TTourRow& w = *rows[static_cast<size_t>(e.Winner)];
    TTourRow& l = *rows[static_cast<size_t>(loser)];
    std::tie(w.Rating, l.Rating) = EloAfterMatch(w.Rating, l.Rating);
    for (int seat = 1; seat <= 2; ++seat) {
      rows[static_cast<size_t>(seat)]->Score += e.Result[static_cast<size_t>(seat)];
      rows[static_cast<size_t>(seat)]->Kon += 1;
    }
    const bool saved = Store.SaveTourMatch(accounts[1]->Id, *rows[1], accounts[2]->Id, *rows[2]);
    Log.Notice("tournament table " + std::to_string(Number) + ": " + Players[static_cast<size_t>(e.Winner)].Nick +
               " won (" + std::to_string(e.Result[1]) + " : " + std::to_string(e.Result[2]) + ")" +
               (saved ? "" : ", not saved"));
  }

  void Reset() {
    Referee.reset();
    Finished = false;
  }

  const int Number;
  TTourHall& Hall;
  TClubStore& Store;
  TRequestLog& Log;
  QTcpServer Server;
  QTimer Clock;
  std::array<QTcpSocket*, 3> Seats{};
  std::array<TTourClient, 3> Players;
  std::unique_ptr<TTourReferee> Referee;
  bool Finished = false;
  int GameNo = 0;
};

TTourServer::TTourServer(TTourHall& hall, TClubStore& store, TRequestLog& log) : Hall(hall), Store(store), Log(log) {
  Thread.setObjectName("tournament");
}

TTourServer::~TTourServer() { Stop(); }

bool TTourServer::Start(const std::string& host, int port1) {
  if (port1 <= 0 || port1 + kTourTables - 1 > 65535) return false;
  Thread.start();
  bool ok = false;
  // The tables are made and listen on the server's thread.
  QObject* anchor = new QObject;
  anchor->moveToThread(&Thread);
  QMetaObject::invokeMethod(anchor, [&] { ok = Listen(QString::fromStdString(host), port1); },
                            Qt::BlockingQueuedConnection);
  anchor->deleteLater();
  if (!ok) {
    Stop();
    return false;
  }
  Hall.OnSeatFreed = [this](int table, int seat) { SeatFreed(table, seat); };
  return true;
}

bool TTourServer::Listen(const QString& host, int port1) {
  QHostAddress address(host);
  if (address.isNull()) address = QHostAddress::LocalHost;
  for (int k = 1; k <= kTourTables; ++k) {
    auto table = std::make_unique<TTourTable>(k, Hall, Store, Log);
    if (!table->Listen(address, static_cast<quint16>(port1 - 1 + k))) {
      Log.Notice("tournament: cannot listen on port " + std::to_string(port1 - 1 + k));
      for (auto& t : Tables) t.reset();
      return false;
    }
    Tables[static_cast<size_t>(k - 1)] = std::move(table);
  }
  return true;
}

void TTourServer::SeatFreed(int table, int seat) {
  TTourTable* t = Tables[static_cast<size_t>(table - 1)].get();
  if (!t) return;
  QMetaObject::invokeMethod(t, [t, seat] { t->SeatFreed(seat); }, Qt::QueuedConnection);
}

void TTourServer::Stop() {
  Hall.OnSeatFreed = nullptr;
  if (!Thread.isRunning()) return;
  // The tables end on their own thread.
  QObject* anchor = new QObject;
  anchor->moveToThread(&Thread);
  QMetaObject::invokeMethod(anchor, [this] { for (auto& t : Tables) t.reset(); }, Qt::BlockingQueuedConnection);
  anchor->deleteLater();
  Thread.quit();
  Thread.wait();
}

}  // namespace zembra::service
