#include "duel/duel_link.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace zembra {

TDuelLink::TDuelLink(QObject* parent) : QObject(parent) {}

TDuelLink::~TDuelLink() { Close(); }

bool TDuelLink::Listen(quint16 port, const QString& ownName) {
  Close();
  NetRole = TNetRole::Server;
  OwnName = DuelName(ownName.toStdString());
  Server = new QTcpServer(this);
  connect(Server, &QTcpServer::newConnection, this, &TDuelLink::Accept);
  if (!Server->listen(QHostAddress::Any, port)) {
    delete Server;
    Server = nullptr;
    return false;
  }
  Conn = TConnState::Connecting;
  Splitter = TDuelSplitter();
  Splitter.SetExpectHandshake(true);
  return true;
}

quint16 TDuelLink::ListeningPort() const { return Server ? Server->serverPort() : 0; }

void TDuelLink::Connect(const QString& address, quint16 port, const QString& ownName) {
  Close();
  NetRole = TNetRole::Client;
  OwnName = DuelName(ownName.toStdString());
  Conn = TConnState::Connecting;
  Splitter = TDuelSplitter();
  Splitter.SetExpectHandshake(false);
  auto* socket = new QTcpSocket(this);
  Attach(socket);
  // Connected: the handshake request goes at once.
  connect(socket, &QTcpSocket::connected, this, [this] {
    if (Conn == TConnState::Connecting) Send(HandshakeRequest(OwnName));
  });
  // A connection error is swallowed: the waiting window tells the player.
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
    if (Conn != TConnState::Connecting || Failed) return;
    Failed = true;
    socket->abort();
    emit ConnectionFailed();
  });
  socket->connectToHost(QHostAddress(address), port);
}

void TDuelLink::Close() {
  if (Socket) {
    Socket->disconnect(this);
    Socket->abort();
    Socket->deleteLater();
  }
  Socket = nullptr;
  if (Server) {
    Server->close();
    Server->deleteLater();
    Server = nullptr;
  }
  Conn = TConnState::Idle;
  Opponent.clear();
  Failed = false;
}

void TDuelLink::Accept() {
  while (QTcpSocket* incoming = Server->nextPendingConnection()) {
    // The server plays with its first client only: any other is closed.
    if (Socket) {
      incoming->abort();
      incoming->deleteLater();
      continue;
    }
    incoming->setParent(this);
    Attach(incoming);
  }
}

void TDuelLink::Attach(QTcpSocket* socket) {
  Socket = socket;
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  connect(socket, &QTcpSocket::readyRead, this, &TDuelLink::Read);
  connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
    if (socket != Socket) return;
    const bool beforeMatch = Conn == TConnState::Connecting || Conn == TConnState::Joined;
    const bool wasJoined = Conn == TConnState::Joined;
    Socket = nullptr;
    socket->deleteLater();
    if (NetRole == TNetRole::Server && beforeMatch) {
      // A client that left before the first deal: the server listens on
      // for another.
      Conn = TConnState::Connecting;
      Opponent.clear();
      Splitter = TDuelSplitter();
      Splitter.SetExpectHandshake(true);
      if (wasJoined) emit Left();
      return;
    }
    emit Disconnected();
  });
}

void TDuelLink::Read() {
  if (!Socket) return;
  const QByteArray bytes = Socket->readAll();
  for (const std::string& message : Splitter.Feed(std::string_view(bytes.constData(), bytes.size()))) {
    Take(message);
    if (!Socket) return;  // closed by what the message did
  }
  if (Splitter.Broken()) emit Garbled(QStringLiteral("unreadable bytes"));
}

void TDuelLink::Take(const std::string& message) {
  switch (KindOf(message)) {
    case TDuelMessageKind::Abort: return;
    case TDuelMessageKind::HandshakeRequest: {
      if (NetRole != TNetRole::Server || Conn != TConnState::Connecting) return;
      const std::optional<std::string> name = ReadHandshakeRequest(message);
      if (!name) return;  // another game or another protocol: no answer
      Conn = TConnState::Joined;
      Splitter.SetExpectHandshake(false);
      Opponent = QString::fromStdString(*name);
      Send(HandshakeReply(OwnName));
      emit Joined(Opponent);
      return;
    }
    case TDuelMessageKind::HandshakeReply: {
      if (NetRole != TNetRole::Client || Conn != TConnState::Connecting) return;
      const std::optional<std::string> name = ReadHandshakeReply(message);
      if (!name) return;
      Conn = TConnState::Joined;
      Opponent = QString::fromStdString(*name);
      emit Joined(Opponent);
      return;
    }
    default: break;
  }
  // After the handshake only the match's messages.
  if (Conn != TConnState::Joined && Conn != TConnState::Dealing) return;
  switch (KindOf(message)) {
    case TDuelMessageKind::Deal: {
      const std::optional<TDuelDeal> deal = ReadDealMessage(message);
      if (NetRole != TNetRole::Client || !deal) {
        emit Garbled(QStringLiteral("deal"));
        return;
      }
      emit DealArrived(*deal);
      return;
    }
    case TDuelMessageKind::Card: {
      const std::optional<TCardCode> card = ReadCardMessage(message);
      if (!card) {
        emit Garbled(QStringLiteral("card"));
        return;
      }
      emit CardArrived(*card);
      return;
    }
    case TDuelMessageKind::Start:
      if (NetRole == TNetRole::Client) emit StartArrived();
      return;
    case TDuelMessageKind::Ack: emit AckArrived(); return;
    case TDuelMessageKind::Chat: emit ChatArrived(QString::fromStdString(ReadChatText(message))); return;
    default: emit Garbled(QStringLiteral("unknown message")); return;
  }
}

void TDuelLink::Send(const std::string& bytes) {
  if (!Socket) return;
  Socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
  Socket->flush();
}

void TDuelLink::SendDeal(const TDeck& deck, int firstLeader, int target) {
  Send(DealMessage(deck, firstLeader, target));
  if (NetRole == TNetRole::Server) Conn = TConnState::Dealing;
}
void TDuelLink::SendCard(TCardCode card) { Send(CardMessage(card)); }
void TDuelLink::SendStart() { Send(std::string(kStartMessage)); }
void TDuelLink::SendAck() { Send(std::string(kAckMessage)); }
void TDuelLink::SendChat(const QString& text) {
  if (!text.isEmpty()) Send(ChatMessage(text.toStdString()));
}

}  // namespace zembra
