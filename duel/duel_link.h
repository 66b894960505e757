// The duel's connection: the server listens and keeps its first client,
// the client connects; the handshake; then every message of a match, each
// sent with one write and recognised on arrival however the reads cut
// them. Everything runs on the event loop of the user-interface thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "duel/duel_messages.h"
#include "duel/message_splitter.h"
#include "engine/cards.h"
#include "engine/deal_state.h"

class QTcpServer;
class QTcpSocket;

namespace zembra {

enum class TNetRole : uint8_t { Server = 1, Client = 2 };

// 0 idle; 1 connecting, no handshake yet; 2 handshake done; 3 (server) the
// first deal has been sent.
enum class TConnState : uint8_t { Idle = 0, Connecting = 1, Joined = 2, Dealing = 3 };

class TDuelLink : public QObject {
  Q_OBJECT

 public:
  explicit TDuelLink(QObject* parent = nullptr);
  ~TDuelLink() override;

  // The server listens on port for its one client; false when it cannot.
  bool Listen(quint16 port, const QString& ownName);
  // The client connects to an IPv4 address; failures arrive as ConnectionFailed.
  void Connect(const QString& address, quint16 port, const QString& ownName);
  // Closes the listening socket and the connection; back to idle.
  void Close();

  TNetRole Role() const { return NetRole; }
  TConnState State() const { return Conn; }
  const QString& OpponentName() const { return Opponent; }
  quint16 ListeningPort() const;

  void SendDeal(const TDeck& deck, int firstLeader, int target);
  void SendCard(TCardCode card);
  void SendStart();
  void SendAck();
  // The chat line as typed (at most 15 characters go).
  void SendChat(const QString& text);

 signals:
  void Joined(const QString& opponentName);  // the handshake is done
  void DealArrived(const zembra::TDuelDeal& deal);
  void CardArrived(zembra::TCardCode card);
  void StartArrived();
  void AckArrived();
  void ChatArrived(const QString& text);
  // The connection ended (the peer left, or was lost).
  void Disconnected();
  // The server's client left after the handshake, before the first deal:
  // the server listens for another.
  void Left();
  // The client could not connect.
  void ConnectionFailed();
  // The peer sent what this side cannot take: the duel cannot go on.
  void Garbled(const QString& what);

 private:
  void Accept();
  void Attach(QTcpSocket* socket);
  void Read();
  void Take(const std::string& message);
  void Send(const std::string& bytes);

  TNetRole NetRole = TNetRole::Server;
  TConnState Conn = TConnState::Idle;
  std::string OwnName;  // code page 1251, 20 characters
  QString Opponent;
  QTcpServer* Server = nullptr;
  QPointer<QTcpSocket> Socket;
  TDuelSplitter Splitter;
  bool Failed = false;
};

}  // namespace zembra
