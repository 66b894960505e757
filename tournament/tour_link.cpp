#include "tournament/tour_link.h"

#include <QTcpSocket>
#include <QTimer>

#include "records/cp1251.h"

namespace zembra {

TTourLink::TTourLink(QObject* parent) : QObject(parent) {}

TTourLink::~TTourLink() { Close(); }

void TTourLink::Connect(const QString& address, quint16 port, int seat) {
  Close();
  SeatDigit = seat == 2 ? 2 : 1;
  Phase_ = TTourPhase::Connecting;
  Socket = new QTcpSocket(this);
  connect(Socket, &QTcpSocket::connected, this, [this] {
    if (Phase_ != TTourPhase::Connecting) return;
    Phase_ = TTourPhase::Connected;
    Send("connect" + std::to_string(SeatDigit));
  });
  connect(Socket, &QTcpSocket::readyRead, this, &TTourLink::Read);
  connect(Socket, &QTcpSocket::disconnected, this, [this] {
    if (Phase_ != TTourPhase::Over && Phase_ != TTourPhase::None) emit Lost();
  });
  connect(Socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
    if (e == QAbstractSocket::RemoteHostClosedError) return;  // the disconnection says it
    if (Phase_ != TTourPhase::Over) emit Failed();
  });
  Socket->connectToHost(address, port);
}

void TTourLink::Close() {
  if (!Socket) return;
  QTcpSocket* s = Socket;
  Socket = nullptr;
  s->disconnect(this);
  // What was said last (a time-out, a leave) still goes out first.
  if (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() > 0) {
    connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    QTimer::singleShot(3000, s, [s] { s->abort(); });
    s->disconnectFromHost();
  } else {
    s->abort();
    s->deleteLater();
  }
  Reader = TFrameReader(true);
}

void TTourLink::Read() {
  if (!Socket) return;
  // A server has nothing long to say between two reads of ours.
  if (Socket->bytesAvailable() > 64 * 1024) {
    Close();
    emit Lost();
    return;
  }
  const QByteArray bytes = Socket->readAll();
  for (const std::string& m : Reader.Push(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) {
    Take(m);
    if (!Socket) return;  // a message closed the game
  }
}

void TTourLink::Take(const std::string& m) {
  if (Phase_ == TTourPhase::Over) return;
  if (m[0] == 'b') {
    if (const auto deal = ReadDealMessage(m)) {
      emit DealArrived(*deal);
      return;
    }
    emit Lost();
    return;
  }
  const std::string text = FrameText(m);
  if (m.starts_with("hhod")) {
    if (const auto card = ReadCardMessage(std::string_view(m).substr(0, kCardMessageLength))) {
      emit CardArrived(*card);
      return;
    }
    emit Lost();
  } else if (text == "xslit") {
    emit ContinueArrived();
  } else if (text.starts_with("s") && text.size() > 1) {
    emit ChatArrived(QString::fromStdString(Cp1251ToUtf8(text.substr(1))), FrameSeat(m).value_or(0));
  } else if (text.starts_with("a")) {
    emit OpponentLeft();
  } else if (text.starts_with("T")) {
    emit OpponentTimedOut();
  }
  // Anything else is no message of the game: it changes nothing.
}

void TTourLink::Send(std::string_view message) {
  if (!Socket || Socket->state() != QAbstractSocket::ConnectedState) return;
  const std::string frame = TourFrame(message, SeatDigit);
  Socket->write(frame.data(), static_cast<qint64>(frame.size()));
}

void TTourLink::SendCard(TCardCode card) { Send(CardMessage(card)); }
void TTourLink::SendContinue() { Send("xslit"); }
void TTourLink::SendNextDeal() { Send("bnext"); }
void TTourLink::SendChat(const QString& text) { Send(ChatMessage(text.toStdString())); }
void TTourLink::SendTimeOut() { Send("TOut"); }
void TTourLink::SendLeave() { Send("disA"); }

}  // namespace zembra
