// Two game windows, server and client, joined over loopback as two copies
// of the program are: the login window's network section, the waiting
// window, a whole match by clicks to "Exit to menu" on both sides with one
// history entry each; a peer that vanishes mid-deal; garbage from a peer.
#include <QLineEdit>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>

#include "duel/net_section.h"
#include "duel/waiting_window.h"
#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

namespace {

quint16 FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

// Runs the event loop until pred holds or ms pass (pred may act: it is
// asked once a round).
template <typename P>
bool Until(P pred, int ms = 5000) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    if (pred()) return true;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return false;
}

struct TPlayerWindow {
  QTemporaryDir Dir;
  std::unique_ptr<TMainWindow> Win;
  QStringList Messages;
  void Open() {
    for (const char* name : {kClubFileName, kNetClubFileName})
      InstallClubFile((Dir.path() + QLatin1Char('/') + QLatin1String(name)).toStdString());
    Win = std::make_unique<TMainWindow>();
    Win->ClubAtStart = false;
    Win->SetProgramFolder(Dir.path());
    Win->ShowMessage = [this](const QString& text) { Messages << text; };
    Win->AskYesNo = [](const QString&, const QString&) { return true; };
    Win->show();
    Win->Options().FlyCards = false;
    Win->Options().NetGame = true;
    Win->EndIntro();
  }
  // The player's first legal card, when it is this side's turn.
  bool PlayIfTurn() {
    const TDealState& d = Win->GameState().Deal;
    if (Win->TableBusy() || d.TurnState != kTurnPlayer2 || d.PlayPhase != 2) return false;
    for (int s = 1; s <= d.HandCount[2]; ++s) {
      if (CheckMove(d, 2, s) != TMoveVerdict::Ok) continue;
      QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, SlotCentre(*Win, 2, s));
      return true;
    }
    return false;
  }
  bool ContinueIfOpen() {
    if (!Win->ContinueButton()->isVisible() || !Win->ContinueButton()->isEnabled()) return false;
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    return true;
  }
  int HistoryEntries() const {
    int n = 0;
    for (const auto& f : ListHistoryFiles((Dir.path() + QStringLiteral("/History")).toStdString())) n += f.Entries;
    return n;
  }
};

}  // namespace

class TDuelWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TPlayerWindow> Server, Client;
  quint16 Port = 0;

  // The server's login window asks for the server role on Port; its waiting
  // window starts the client and presses Ok once the client is there.
  void ServerAnswers() {
    Server->Win->RunModal = [this](QDialog& d) {
      if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
        auto* section = login->findChild<TNetSection*>();
        section->ServerChoice()->setChecked(true);
        section->PortEdit()->setText(QString::number(Port));
        login->Confirm();
        return login->result();
      }
      if (auto* waiting = qobject_cast<TWaitingWindow*>(&d)) {
        QTimer::singleShot(0, [this] { QTest::mouseClick(Client->Win->NewPlayerButton(), Qt::LeftButton); });
        if (!Until([waiting] { return waiting->OkButton()->isEnabled(); })) return int(QDialog::Rejected);
        QTest::mouseClick(waiting->OkButton(), Qt::LeftButton);
        return waiting->result();
      }
      return int(QDialog::Accepted);
    };
  }
  void ClientAnswers() {
    Client->Win->RunModal = [this](QDialog& d) {
      if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
        login->NameEdit()->setText(QStringLiteral("Boris"));
        auto* section = login->findChild<TNetSection*>();
        section->ClientChoice()->setChecked(true);
        section->AddressEdit()->setText(QStringLiteral("127.0.0.1"));
        section->PortEdit()->setText(QString::number(Port));
        login->Confirm();
        return login->result();
      }
      if (auto* waiting = qobject_cast<TWaitingWindow*>(&d)) {
        Until([waiting] { return waiting->DuelStarted(); });
        return waiting->result();
      }
      return int(QDialog::Accepted);
    };
  }
  void StartDuel() {
    Server->Open();
    Client->Open();
    Port = FreePort();
    ServerAnswers();
    ClientAnswers();
    QTest::mouseClick(Server->Win->NewPlayerButton(), Qt::LeftButton);
    QVERIFY(Until([this] { return Server->Win->GameState().Deal.InDeal && Client->Win->GameState().Deal.InDeal; }));
  }

 private slots:
  void init() {
    Server = std::make_unique<TPlayerWindow>();
    Client = std::make_unique<TPlayerWindow>();
  }
  void cleanup() {
    Server.reset();
    Client.reset();
  }

  void aWholeDuelToExitToMenuOnBothSides() {
    StartDuel();
    QCOMPARE(Server->Win->PlayerName(1), QStringLiteral("Boris"));
    QCOMPARE(Client->Win->PlayerName(1), QStringLiteral("Mr.X"));
    QVERIFY(Server->Win->PlayMode().Kind == TPlayKind::DuelServer);
    QVERIFY(Client->Win->PlayMode().Kind == TPlayKind::DuelClient);
    // The client's seat 2 holds what the server dealt to seat 1.
    const TDealState& s = Server->Win->GameState().Deal;
    const TDealState& c = Client->Win->GameState().Deal;
    for (int slot = 1; slot <= 6; ++slot) QVERIFY(SlotOf(c, 2, s.Hand[1][slot]) != 0);
    // Enter in the chat line sends the line and presses nothing else: the
    // server's open "To Begin of Round" stays unpressed.
    QVERIFY(Until([this] { return Server->Win->ContinueButton()->isEnabled(); }));
    Server->Win->ChatField()->setFocus();
    Server->Win->ChatField()->setText(QStringLiteral("ready?"));
    QTest::keyClick(Server->Win->ChatField(), Qt::Key_Return);
    QVERIFY(Until([this] { return Client->Win->ViewState().ChatLines[0] == QStringLiteral("ready?"); }));
    QCOMPARE(int(Server->Win->GameState().Deal.PlayPhase), 1);
    QVERIFY(Server->Win->ContinueButton()->isEnabled());
    // A click on the table takes the keys back: Enter now starts the deal.
    QTest::mouseClick(Server->Win->TableWidget(), Qt::LeftButton, {}, QPoint(380, 250));
    QVERIFY(Server->Win->ChatField()->hasFocus() == false);
    QTest::keyClick(Server->Win.get(), Qt::Key_Return);
    QVERIFY(Until([this] { return Server->Win->GameState().Deal.PlayPhase == 2; }));
    // The debug view's code is refused in a duel: the other hand is a person's.
    Client->Win->ChatButton()->setFocus();
    QTest::keyClicks(Client->Win->ChatButton(), QStringLiteral("97538"));
    QVERIFY(!Client->Win->GameState().Deal.RevealCards);
    // A chat line from the client reaches the server.
    Client->Win->ChatField()->setText(QStringLiteral("hi there"));
    QTest::keyClick(Client->Win->ChatField(), Qt::Key_Return);
    QVERIFY(Until([this] { return Server->Win->ViewState().ChatLines[1] == QStringLiteral("hi there"); }));
    QCOMPARE(Client->Win->ViewState().ChatLines[1], QStringLiteral("hi there"));

    // Both play by clicks until both have summed up the match.
    auto over = [this] {
      return Server->Win->MatchController() && Client->Win->MatchController() &&
             Server->Win->MatchController()->Over() && Client->Win->MatchController()->Over();
    };
    QElapsedTimer t;
    t.start();
    while (!over() && t.elapsed() < 60000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      Server->PlayIfTurn() || Server->ContinueIfOpen();
      Client->PlayIfTurn() || Client->ContinueIfOpen();
    }
    QVERIFY(over());
    const TMatchOutcome so = *Server->Win->MatchController()->Outcome();
    const TMatchOutcome co = *Client->Win->MatchController()->Outcome();
    QCOMPARE(so.MatchResult, -co.MatchResult);
    QCOMPARE(so.MatchPoints[1], co.MatchPoints[2]);
    QVERIFY(Until([this] { return Server->Win->ExitButton()->isEnabled() && Client->Win->ExitButton()->isEnabled(); }));
    QTest::mouseClick(Server->Win->ExitButton(), Qt::LeftButton);
    QTest::mouseClick(Client->Win->ExitButton(), Qt::LeftButton);
    QVERIFY(Until([this] { return Server->Win->MenuShown() && Client->Win->MenuShown(); }));
    QCOMPARE(Server->HistoryEntries(), 1);
    QCOMPARE(Client->HistoryEntries(), 1);
    // The duel's players are kept in the net club file.
    const auto net = ReadClubFile((Client->Dir.path() + QStringLiteral("/Zembra.net")).toStdString());
    QVERIFY(net && ReadProfileLine((*net)[1]) && ReadProfileLine((*net)[1])->Name == "Boris");
    QVERIFY(Server->Messages.isEmpty());
    QVERIFY(Client->Messages.isEmpty());
  }

  void aPeerThatVanishesMidDealReturnsTheOtherToTheMenu() {
    StartDuel();
    // The server starts play; then the client's window goes away.
    QVERIFY(Until([this] { return Server->ContinueIfOpen(); }));
    Client->Win.reset();
    QVERIFY(Until([this] { return Server->Win->MenuShown(); }));
    QCOMPARE(Server->Messages.size(), 1);
    QVERIFY(Server->Messages[0].contains(QString::fromStdString(W(101))));
    QCOMPARE(Server->HistoryEntries(), 0);
  }

  void garbageFromThePeerEndsTheDuelSafely() {
    // A hand-made client that joins and then sends bytes no copy would send.
    Server->Open();
    Port = FreePort();
    QTcpSocket rogue;
    Server->Win->RunModal = [this, &rogue](QDialog& d) {
      if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
        login->findChild<TNetSection*>()->PortEdit()->setText(QString::number(Port));
        login->Confirm();
        return login->result();
      }
      if (auto* waiting = qobject_cast<TWaitingWindow*>(&d)) {
        rogue.connectToHost(QHostAddress::LocalHost, Port);
        rogue.waitForConnected(2000);
        rogue.write(QByteArray("orv0825connect1") + QByteArray("Rogue").leftJustified(20, ' '));
        rogue.flush();
        if (!Until([waiting] { return waiting->OkButton()->isEnabled(); })) return int(QDialog::Rejected);
        QTest::mouseClick(waiting->OkButton(), Qt::LeftButton);
        return waiting->result();
      }
      return int(QDialog::Accepted);
    };
    QTest::mouseClick(Server->Win->NewPlayerButton(), Qt::LeftButton);
    QVERIFY(Until([this] { return Server->Win->GameState().Deal.InDeal; }));
    rogue.write("hhod##");  // a card that is no card
    rogue.flush();
    QVERIFY(Until([this] { return Server->Win->MenuShown(); }));
    QCOMPARE(Server->Messages.size(), 1);
    QCOMPARE(Server->HistoryEntries(), 0);
  }
};

ZEMBRA_WINDOW_TEST_MAIN(TDuelWindowTest)

#include "duel_window_test.moc"
