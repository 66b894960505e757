// The duel's connection for real, over loopback: two sides with their own
// match controller play a whole match; the handshake's checks; a second
// client, garbage and a vanished peer.
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <random>

#include <QLineEdit>
#include <future>

#include "duel/duel_link.h"
#include "duel/external_address.h"
#include "duel/net_section.h"
#include "duel/duel_seat.h"
#include "match/autoplay.h"
#include "match/match_controller.h"
#include "match/seats.h"
#include "resources/words.h"

using namespace zembra;

namespace {

// One side of a duel: its link, its match, the computer playing for its
// human (seat 2), the peer behind a duel seat (seat 1).
struct TSide {
  TSide(TMatchMode mode, std::mt19937_64* rng, const char* self)
      : Remote(Game, mode == TMatchMode::DuelServer,
               TDuelSends{[this](TCardCode c) { Link.SendCard(c); },
                          [this](const TDeck& d, int leader, int target) { Link.SendDeal(d, leader, target); },
                          [this] { Link.SendStart(); }, [this] { Link.SendAck(); }}),
        Self(self) {
    Setup.Mode = mode;
    Setup.Random = rng;
    Setup.Target = 8;
    QObject::connect(&Link, &TDuelLink::Joined, [this](const QString& name) {
      Setup.Names = {"", name.toStdString(), Self};
      Match = std::make_unique<TMatchController>(Game, Setup, Remote, Player);
      Match->Start();
    });
    QObject::connect(&Link, &TDuelLink::DealArrived, [this](const TDuelDeal& d) {
      if (!Match->ReceiveDeal(d.Deck, d.SenderFirstLeader, d.Target)) ++Refused;
    });
    QObject::connect(&Link, &TDuelLink::CardArrived, [this](TCardCode c) {
      if (Match->SubmitCard(1, c) != TMoveVerdict::Ok) ++Refused;
    });
    QObject::connect(&Link, &TDuelLink::StartArrived, [this] { Match->PeerStarted(); });
    QObject::connect(&Link, &TDuelLink::AckArrived, [this] { Match->PeerAcknowledged(); });
  }
  bool Step() { return Match && StepAutomatically(*Match); }

  TDuelLink Link;
  TGame Game;
  TMatchSetup Setup;
  TDuelSeat Remote;
  TComputerSeat Player;
  std::unique_ptr<TMatchController> Match;
  std::string Self;
  int Refused = 0;
};

// Lets both sides act and their messages travel until pred holds.
template <typename P>
bool RunUntil(TSide& a, TSide& b, P pred, int ms = 20000) {
  QElapsedTimer t;
  t.start();
  while (!pred() && t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    a.Step();
    b.Step();
  }
  return pred();
}

// A raw client that speaks bytes, for what a copy of the program would not send.
struct TRawPeer {
  QTcpSocket Socket;
  QByteArray Received;
  explicit TRawPeer(quint16 port) {
    QObject::connect(&Socket, &QTcpSocket::readyRead, [this] { Received += Socket.readAll(); });
    Socket.connectToHost(QHostAddress::LocalHost, port);
  }
  bool Connected() { return Socket.state() == QAbstractSocket::ConnectedState || Socket.waitForConnected(2000); }
  void Write(const std::string& bytes) {
    Socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    Socket.flush();
  }
};

void Wait(int ms) { QTest::qWait(ms); }

// A one-page web server on loopback: every request gets the same answer.
struct TPageServer {
  QTcpServer Server;
  explicit TPageServer(QByteArray answer) {
    Server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&Server, &QTcpServer::newConnection, [this, answer] {
      QTcpSocket* s = Server.nextPendingConnection();
      QObject::connect(s, &QTcpSocket::readyRead, s, [s, answer] {
        s->readAll();
        s->write(answer);
        s->disconnectFromHost();
      });
    });
  }
  std::string Url() const { return "http://127.0.0.1:" + std::to_string(Server.serverPort()) + "/records"; }
};

// The blocking fetch on a thread of its own while the event loop serves.
std::string Fetch(const std::string& url) {
  auto answer = std::async(std::launch::async, [url] { return FetchExternalAddress(url, 2000); });
  while (answer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return answer.get();
}

}  // namespace

class TDuelLinkTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QFile words(QStringLiteral(ZEMBRA_WORDS_FILE));
    QVERIFY(words.open(QIODevice::ReadOnly));
    Words().Load(words.readAll().toStdString());
    QVERIFY(!W(77).empty());
  }

  void aWholeMatchOverLoopbackEndsMirrored() {
    std::mt19937_64 rng(11);
    TSide server(TMatchMode::DuelServer, &rng, "Anna");
    TSide client(TMatchMode::DuelClient, nullptr, "Boris");
    QVERIFY(server.Link.Listen(0, QStringLiteral("Anna")));
    client.Link.Connect(QStringLiteral("127.0.0.1"), server.Link.ListeningPort(), QStringLiteral("Boris"));
    QVERIFY(RunUntil(server, client, [&] { return server.Match && client.Match; }, 5000));
    // The names as the wire gives them: 19 of the 20 padded characters.
    QCOMPARE(server.Link.OpponentName(), QStringLiteral("Boris").leftJustified(19));
    QCOMPARE(client.Link.OpponentName(), QStringLiteral("Anna").leftJustified(19));
    QVERIFY(RunUntil(server, client, [&] { return server.Match->Over() && client.Match->Over(); }));
    const TMatchOutcome& s = *server.Match->Outcome();
    const TMatchOutcome& c = *client.Match->Outcome();
    QCOMPARE(c.Target, 8);  // taken from the deal
    QCOMPARE(s.MatchPoints[1], c.MatchPoints[2]);
    QCOMPARE(s.MatchPoints[2], c.MatchPoints[1]);
    QCOMPARE(s.MatchResult, -c.MatchResult);
    QCOMPARE(s.Deals, c.Deals);
    QCOMPARE(server.Refused + client.Refused, 0);
    QCOMPARE(server.Link.State(), TConnState::Dealing);
  }

  void theHandshakeChecksGameAndProtocol() {
    TDuelLink server;
    QSignalSpy joined(&server, &TDuelLink::Joined);
    QVERIFY(server.Listen(0, QStringLiteral("Anna")));
    TRawPeer peer(server.ListeningPort());
    QVERIFY(peer.Connected());
    const std::string name = DuelName("Incognito");
    for (const char* wrong : {"orv0925connect1", "orv0824connect1", "orv0825connectX"}) {
      peer.Write(wrong + name);
      Wait(150);
      QCOMPARE(joined.count(), 0);
      QVERIFY2(peer.Received.isEmpty(), wrong);
    }
    peer.Write("orv0825connect1" + name);
    QTRY_COMPARE(joined.count(), 1);
    QCOMPARE(server.OpponentName(), QStringLiteral("Incognito") + QString(10, QLatin1Char(' ')));
    QTRY_COMPARE(peer.Received, QByteArray("connect2") + QByteArray::fromStdString(DuelName("Anna")));
    QCOMPARE(server.State(), TConnState::Joined);
  }

  void aClientThatLeavesBeforeTheDealMakesRoomForAnother() {
    TDuelLink server;
    QSignalSpy joined(&server, &TDuelLink::Joined);
    QSignalSpy left(&server, &TDuelLink::Left);
    QSignalSpy gone(&server, &TDuelLink::Disconnected);
    QVERIFY(server.Listen(0, QStringLiteral("Anna")));
    {
      TRawPeer first(server.ListeningPort());
      QVERIFY(first.Connected());
      first.Write("orv0825connect1" + DuelName("Boris"));
      QTRY_COMPARE(joined.count(), 1);
      first.Socket.abort();
    }
    QTRY_COMPARE(left.count(), 1);
    QCOMPARE(gone.count(), 0);
    QCOMPARE(server.State(), TConnState::Connecting);
    QVERIFY(server.OpponentName().isEmpty());
    TRawPeer second(server.ListeningPort());
    QVERIFY(second.Connected());
    second.Write("orv0825connect1" + DuelName("Vera"));
    QTRY_COMPARE(joined.count(), 2);
    QCOMPARE(server.OpponentName(), QStringLiteral("Vera").leftJustified(19));
  }

  void aSecondClientIsClosedAtOnce() {
    TDuelLink server;
    QVERIFY(server.Listen(0, QStringLiteral("Anna")));
    TRawPeer first(server.ListeningPort());
    QVERIFY(first.Connected());
    Wait(50);
    TRawPeer second(server.ListeningPort());
    QTRY_VERIFY_WITH_TIMEOUT(second.Socket.state() == QAbstractSocket::UnconnectedState, 3000);
    QCOMPARE(first.Socket.state(), QAbstractSocket::ConnectedState);
  }

  void mergedAndSplitReadsLoseNoMessage() {
    TDuelLink server;
    QSignalSpy cards(&server, &TDuelLink::CardArrived);
    QSignalSpy acks(&server, &TDuelLink::AckArrived);
    QSignalSpy chats(&server, &TDuelLink::ChatArrived);
    QVERIFY(server.Listen(0, QStringLiteral("Anna")));
    TRawPeer peer(server.ListeningPort());
    QVERIFY(peer.Connected());
    // The handshake cut in two reads.
    const std::string hello = "orv0825connect1" + DuelName("Boris");
    peer.Write(hello.substr(0, 10));
    Wait(80);
    peer.Write(hello.substr(10));
    QTRY_VERIFY(server.State() == TConnState::Joined);
    // A card and an acknowledgement in one read; a card cut in two.
    const std::string ace = CardMessage(*CardFromAscii("Ah"));
    peer.Write(ace + std::string(kAckMessage));
    QTRY_COMPARE(cards.count(), 1);
    QTRY_COMPARE(acks.count(), 1);
    peer.Write(CardMessage(*CardFromAscii("Ts")).substr(0, 3));
    Wait(80);
    QCOMPARE(cards.count(), 1);
    peer.Write(CardMessage(*CardFromAscii("Ts")).substr(3));
    QTRY_COMPARE(cards.count(), 2);
    QCOMPARE(cards.at(1).at(0).value<TCardCode>(), *CardFromAscii("Ts"));
    // "abort" is dropped; a chat line arrives without its "s".
    peer.Write(std::string(kAbortMessage));
    peer.Write(ChatMessage("Привет"));
    QTRY_COMPARE(chats.count(), 1);
    QCOMPARE(chats.at(0).at(0).toString(), QStringLiteral("Привет"));
  }

  void garbageEndsTheDuelAndAVanishedPeerIsNoticed() {
    TDuelLink server;
    QSignalSpy garbled(&server, &TDuelLink::Garbled);
    QSignalSpy gone(&server, &TDuelLink::Disconnected);
    QVERIFY(server.Listen(0, QStringLiteral("Anna")));
    {
      TRawPeer peer(server.ListeningPort());
      QVERIFY(peer.Connected());
      peer.Write("orv0825connect1" + DuelName("Boris"));
      QTRY_VERIFY(server.State() == TConnState::Joined);
      peer.Write("xyz!");
      QTRY_COMPARE(garbled.count(), 1);
      // A short deal message is garbage too.
      peer.Write("b0123");
      Wait(100);
      // The match under way (the first deal sent), the peer vanishes.
      TDeck deck;
      for (int i = 1; i <= 24; ++i) deck[i] = CardOfNumber(i);
      server.SendDeal(deck, 1, 10);
      QCOMPARE(server.State(), TConnState::Dealing);
      peer.Socket.abort();
    }
    QTRY_COMPARE(gone.count(), 1);
  }

  void theExternalAddressComesFromTheClubService() {
    QCOMPARE(ExternalAddressUrl("http://127.0.0.1:8666/records"), std::string("http://127.0.0.1:8666/get_ip.php"));
    QCOMPARE(ExternalAddressUrl("https://club.example.org"), std::string("https://club.example.org/get_ip.php"));
    const struct {
      const char* Answer;
      const char* Address;
    } cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n203.0.113.7\r\n", "203.0.113.7"},
        {"HTTP/1.0 200 OK\r\n\r\n<html>not here</html>", ""},  // no address: nothing shown
        {"HTTP/1.0 500 Oops\r\n\r\n203.0.113.7", ""},           // an error page
    };
    for (const auto& c : cases) {
      TPageServer page(c.Answer);
      const std::string url = ExternalAddressUrl(page.Url());
      QCOMPARE(Fetch(url), std::string(c.Address));
    }
    // No service at all: empty, and soon.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const std::string dead = "http://127.0.0.1:" + std::to_string(probe.serverPort()) + "/get_ip.php";
    probe.close();
    QElapsedTimer t;
    t.start();
    QCOMPARE(Fetch(dead), std::string());
    QVERIFY(t.elapsed() < 2500);
  }

  void theAddressButtonListsTheMachinesAddresses() {
    TPageServer page("HTTP/1.0 200 OK\r\n\r\n198.51.100.23\n");
    TNetSection section(QStringLiteral("127.0.0.1"), QStringLiteral("25666"));
    section.ExternalAddressPage = QString::fromStdString(ExternalAddressUrl(page.Url()));
    section.show();
    section.ListAddresses();
    // The interfaces first (loopback among them), then the external address,
    // then "127.0.0.1" with the hint "Loop".
    int shown = 0;
    while (shown < 6 && section.ListedAddress(shown)->isVisible()) ++shown;
    QVERIFY(shown >= 3);
    QLineEdit* loop = section.ListedAddress(shown - 1);
    QCOMPARE(loop->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(loop->toolTip(), QStringLiteral("Loop"));
    QLineEdit* external = section.ListedAddress(shown - 2);
    QTRY_COMPARE_WITH_TIMEOUT(external->text(), QStringLiteral("198.51.100.23"), 4000);
    QCOMPARE(external->toolTip(), section.ExternalAddressPage);
    // The checks of the confirmation.
    section.ChooseRole(TNetRole::Client);
    QCOMPARE(section.AddressEdit()->text(), QStringLiteral("127.0.0.1"));
    section.AddressEdit()->setText(QStringLiteral("10.0.0"));
    QVERIFY(!section.Check());
    QCOMPARE(section.Status(), QString::fromStdString(W(77)));
    section.AddressEdit()->setText(QStringLiteral("10.0.0.5"));
    section.PortEdit()->setText(QStringLiteral("70000"));
    QVERIFY(!section.Check());
    QCOMPARE(section.Status(), QString::fromStdString(W(78)));
    section.PortEdit()->setText(QStringLiteral("2500"));
    QVERIFY(section.Check());
    QCOMPARE(section.RememberedAddress(), QStringLiteral("10.0.0.5"));
    QCOMPARE(section.Port(), quint16(2500));
  }

  void aClientWithoutServerIsToldNoGames() {
    // A port nobody listens on: find one by listening and closing.
    quint16 port = 0;
    {
      QTcpServer probe;
      QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
      port = probe.serverPort();
    }
    TDuelLink client;
    QSignalSpy failed(&client, &TDuelLink::ConnectionFailed);
    client.Connect(QStringLiteral("127.0.0.1"), port, QStringLiteral("Boris"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 5000);
  }
};

QTEST_MAIN(TDuelLinkTest)

#include "duel_link_test.moc"
