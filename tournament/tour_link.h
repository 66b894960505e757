// The tournament's game connection on the event loop of the window's
// thread: it connects to the table's port, names the seat, then carries
// the match's messages in 20-character frames (the server's deal whole).
// Several frames in one read are taken in order and a frame split over two
// reads waits for its rest; what the server sends that the game cannot
// take ends the game like a lost connection.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>

#include "duel/duel_messages.h"
#include "tournament/tour_frames.h"

class QTcpSocket;

namespace zembra {

// 0 no tournament game; 1 seat taken, connecting; 2 connected, "connect"
// sent; 10 game over (this side closes or has closed the connection).
enum class TTourPhase : uint8_t { None = 0, Connecting = 1, Connected = 2, Over = 10 };

class TTourLink : public QObject {
  Q_OBJECT

 public:
  explicit TTourLink(QObject* parent = nullptr);
  ~TTourLink() override;

  void Connect(const QString& address, quint16 port, int seat);
  void Close();

  int Seat() const { return SeatDigit; }
  TTourPhase Phase() const { return Phase_; }
  void SetPhase(TTourPhase p) { Phase_ = p; }

  void SendCard(TCardCode card);
  void SendContinue();  // "xslit"
  void SendNextDeal();  // "bnext"
  void SendChat(const QString& text);
  void SendTimeOut();   // "TOut"
  void SendLeave();     // "disA"

 signals:
  void DealArrived(const zembra::TDuelDeal& deal);
  void CardArrived(zembra::TCardCode card);
  void ContinueArrived();
  void ChatArrived(const QString& text, int seat);
  void OpponentLeft();
  void OpponentTimedOut();
  // The connection closed while the game was not over, or the server said
  // what cannot be taken.
  void Lost();
  // The connection could not be made or failed.
  void Failed();

 private:
  void Read();
  void Take(const std::string& message);
  void Send(std::string_view message);

  QPointer<QTcpSocket> Socket;
  TFrameReader Reader{true};
  TTourPhase Phase_ = TTourPhase::None;
  int SeatDigit = 1;
};

}  // namespace zembra
