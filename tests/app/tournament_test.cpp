// The tournament from the window, against the real club service and its
// game server on loopback: the player takes seat 1 in the tournament
// window, a second player (a match controller with its own connection, as
// another copy of the program would have) takes seat 2; the match is
// played to its end with the move clock running and counted by the server,
// and the window returns to the tables. The other player leaving, and the
// player's own clock running out, end it as the tournament says.
#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QPushButton>

#include "../service/free_ports.h"
#include "../service/service_process.h"
#include "match/autoplay.h"
#include "match/seats.h"
#include "online/account.h"
#include "online/online_club.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "records/file_store.h"
#include "records/history_file.h"
#include "resources/text.h"
#include "tournament/scripted_player.h"
#include "tournament/tour_link.h"
#include "tournament/tour_seat.h"
#include "tournament/tour_top_ten.h"
#include "tournament/tour_window.h"
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

namespace {

// The player at seat 2: another program's match on its own connection.
struct TOtherPlayer {
  TGame Game;
  TTourLink Link;
  TFirstLegalSeat Own;
  std::unique_ptr<TTourSeat> Remote;
  std::unique_ptr<TMatchController> Match;
  bool HeardTimeOut = false;

  TOtherPlayer() {
    Remote = std::make_unique<TTourSeat>(TTourSends{[this](TCardCode c) { Link.SendCard(c); },
                                                    [this] { Link.SendContinue(); },
                                                    [this] { Link.SendNextDeal(); }});
    TMatchSetup setup;
    setup.Mode = TMatchMode::Tournament;
    setup.TournamentSeat = 2;
    setup.Names = {"", "Anna", "Boris"};
    Match = std::make_unique<TMatchController>(Game, setup, *Remote, Own);
    Match->Start();
    QObject::connect(&Link, &TTourLink::DealArrived, [this](const TDuelDeal& d) {
      Match->ReceiveDeal(d.Deck, d.SenderFirstLeader, d.Target);
    });
    QObject::connect(&Link, &TTourLink::CardArrived, [this](TCardCode c) { Match->SubmitCard(1, c); });
    QObject::connect(&Link, &TTourLink::ContinueArrived, [this] { Match->PeerAcknowledged(); });
    QObject::connect(&Link, &TTourLink::OpponentTimedOut, [this] { HeardTimeOut = true; });
  }
  void Step() {
    while (StepAutomatically(*Match)) {
    }
  }
};

}  // namespace

class TTournamentTest : public TWindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<service::test::TServiceProcess> Service;
  std::string Base;
  int Port1 = 0;
  std::unique_ptr<TOtherPlayer> Boris;
  int TourWindows = 0;

  TServiceClient Direct() const {
    return TServiceClient({Base + "/AccountService", Base + "/RecordsService", Base + "/StatsService",
                           Base + "/TourService"});
  }

  void Member(const char* nick) {
    QCOMPARE(AccountRegister(Direct().Transport(), ScriptedMember(nick)), TRegisterResult::Registered);
  }

  // Anna's window with the club joined; Boris seated at table 3, seat 2,
  // once Anna holds seat 1.
  void OpenAndSit() {
    const QString data = FolderPath() + "/service";
    QVERIFY(QDir().mkpath(data));
    QVERIFY(WriteFileAtomically((data + "/service.txt").toStdString(),
                                "AccPath={enc:/AccountService}#\nStatPath={enc:/StatsService}#\n"));
    Port1 = zembra::test::FreePortBlock();
    QVERIFY(Port1 > 0);
    Service = std::make_unique<service::test::TServiceProcess>();
    QVERIFY(Service->Start(data.toStdString(), "", {"--tour-port", std::to_string(Port1)}));
    Base = "http://127.0.0.1:" + std::to_string(Service->Port());
    Member("Anna");
    Member("Boris");
    InstallClub();
    const QString game = FolderPath() + "/game";
    QVERIFY(QDir().mkpath(game));
    for (const char* name : {kClubFileName, kNetClubFileName})
      QVERIFY(QFile::copy(FolderPath() + "/" + name, game + "/" + name));
    QVERIFY(WriteFileAtomically((FolderPath() + "/" + kUserFileName).toStdString(),
                                UserFileText({"Anna", EncipherPassword("pwAnna")})));
    Win = std::make_unique<TMainWindow>();
    Win->ClubAtStart = false;
    Win->SetProgramFolder(game);
    Win->ShowMessage = [this](const QString& text) { Messages << text; };
    Win->AskYesNo = [](const QString&, const QString&) { return true; };
    Win->RunModal = [this](QDialog& d) {
      if (auto* t = qobject_cast<TFormTournament*>(&d)) {
        if (++TourWindows > 1) return int(QDialog::Rejected);  // back at the tables after the match
        Sit(*t);
        return t->FirstDeal() ? int(QDialog::Accepted) : int(QDialog::Rejected);
      }
      ++CountWindows;
      return int(QDialog::Accepted);
    };
    Win->show();
    Win->Options().FlyCards = false;
    Win->Options().TopTenAddress = Base + "/RecordsService";
    Win->Options().StatsAddress = Base + "/StatsService";
    Win->EndIntro();
    Win->StartClub();
    QTRY_VERIFY_WITH_TIMEOUT(!Win->Club()->Busy(), 10000);
    QVERIFY(Win->Club()->Account().LoggedIn());
    Win->ShowTournament();
    QVERIFY(Win->PlayMode().Tournament());
    QCOMPARE(Win->PlayMode().PlayerSlot, 8);
    QTRY_VERIFY_WITH_TIMEOUT(Win->GameState().Deal.InDeal, 10000);
  }

  void Sit(TFormTournament& t) {
    QTRY_VERIFY_WITH_TIMEOUT(!Win->Club()->Busy() && t.ServerOn(), 10000);
    // Seat 2 is not to be had before seat 1.
    QVERIFY(!t.SeatButtons[2][1]->isEnabled());
    QCOMPARE(t.SeatButtons[2][0]->text(), Row(1046));
    t.SeatClick(3, 1);
    QTRY_VERIFY_WITH_TIMEOUT(t.MyTable() == 3 && Win->TournamentLink()->Phase() == TTourPhase::Connected, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(t.SeatButtons[2][0]->text(), Row(1053), 10000);
    QVERIFY(!t.CloseButton->isEnabled());  // seated: stay until the match
    // Boris takes the other seat and connects.
    TOrvClient boris;
    boris.Nick = "Boris";
    boris.Country = "Russia";
    boris.City = "Tver";
    boris.Sex = "M";
    boris.IP = "127.0.0.1";
    const TServiceClient direct = Direct();
    QCOMPARE(TourSeat(direct.Transport(), 2, 3, TSeatRequest::Take, boris), 0);
    Boris = std::make_unique<TOtherPlayer>();
    Boris->Link.Connect(QStringLiteral("127.0.0.1"), static_cast<quint16>(Port1 + 2), 2);
    QTRY_VERIFY_WITH_TIMEOUT(t.FirstDeal().has_value(), 10000);
  }

  // Anna plays her first legal card and presses continue when she may;
  // Boris's program does the same.
  void PlayOn(int rounds) {
    TDealState& d = Win->GameState().Deal;
    for (int i = 0; i < rounds && !Win->ExitButton()->isEnabled(); ++i) {
      Boris->Step();
      if (!Win->TableBusy()) {
        if (d.InDeal && d.TurnState == kTurnPlayer2) PlayerPlaysFirstLegal();
        else if (Win->ContinueButton()->isEnabled()) QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
      }
      QTest::qWait(5);
    }
  }

 private Q_SLOTS:
  void init() {
    FixtureInit();
    TourWindows = 0;
  }
  void cleanup() {
    FixtureCleanup();
    Boris.reset();
    Service.reset();
  }

  void aWholeMatchAtATableIsPlayedCountedAndBackToTheTables() {
    OpenAndSit();
    if (QTest::currentTestFailed()) return;
    QCOMPARE(Win->GameState().Match.MatchTarget, 8);
    QTRY_VERIFY_WITH_TIMEOUT(Win->TourClockOwner() != 0, 3000);
    QCOMPARE(Win->TourClockSeconds() <= kTourMoveSeconds, true);
    PlayOn(20000);
    QVERIFY2(Messages.isEmpty(), qPrintable(Messages.join(QLatin1Char('|'))));
    QVERIFY(Win->ExitButton()->isEnabled());
    QVERIFY(Win->GameState().Match.MatchClosed);
    for (int i = 0; i < 400 && !Boris->Match->Over(); ++i) {
      Boris->Step();
      QTest::qWait(5);
    }
    QVERIFY(Boris->Match->Over());  // the other side sums up as well
    const int result = Win->GameState().Match.MatchResult;
    QCOMPARE(result, -Boris->Game.Match.MatchResult);
    QTest::mouseClick(Win->ExitButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Win->MenuShown() && TourWindows == 2, 10000);
    QVERIFY(!Win->PlayMode().Tournament());
    int score = 0, kon = 0, rating = 0;
    const TServiceClient direct = Direct();
    QVERIFY(TourReadRating(direct.Transport(), "Anna", &score, &kon, &rating));
    QCOMPARE(kon, 1);
    QCOMPARE(score, result);
    QCOMPARE(rating, result > 0 ? 1516 : 1484);
    QVERIFY(Messages.isEmpty());
  }

  void theOtherPlayerLeaving() {
    OpenAndSit();
    if (QTest::currentTestFailed()) return;
    PlayOn(3);
    Boris->Link.SendLeave();
    QTRY_VERIFY_WITH_TIMEOUT(Win->ExitButton()->isEnabled(), 10000);
    QVERIFY(!Win->ContinueButton()->isEnabled());
    QVERIFY2(Messages.size() == 1, qPrintable(Messages.join(QLatin1Char('|'))));
    QVERIFY(Messages[0].startsWith(Row(1038) + QStringLiteral(" Boris ") + Row(1039)));
    QVERIFY(Messages[0].endsWith(Row(1040)));
    QTest::mouseClick(Win->ExitButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Win->MenuShown(), 10000);
    int score = 0, kon = 0, rating = 0;
    const TServiceClient direct = Direct();
    QVERIFY(TourReadRating(direct.Transport(), "Anna", &score, &kon, &rating));
    QCOMPARE(kon, 1);
    QVERIFY(score > 0);
    QCOMPARE(rating, 1516);
  }

  // The tournament top ten of the look without the graphics pack: the
  // order switch remembered, the player's place as a medal, "No Connect"
  // from a dead club.
  void theTournamentTopTenWindow() {
    OpenAndSit();
    if (QTest::currentTestFailed()) return;
    PlayOn(20000);
    QTest::mouseClick(Win->ExitButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Win->MenuShown() && TourWindows == 2, 10000);
    int score = 0, kon = 0, rating = 0;
    const TServiceClient direct = Direct();
    QVERIFY(TourReadRating(direct.Transport(), "Anna", &score, &kon, &rating));
    TOrvClient me;
    me.Score = score;
    me.Kon = kon;
    me.Rating = rating;
    TFormTourTopTen::LastOrder = 0;
    {
      TFormTourTopTen top(*Win->Club(), me, Win->Options(), Win->ProgramFolder(), nullptr);
      QTRY_VERIFY_WITH_TIMEOUT(!Win->Club()->Busy() && top.Rows->rowCount() == 2, 10000);
      top.Orders[2]->setChecked(true);  // games: both played one
      QTRY_VERIFY_WITH_TIMEOUT(!Win->Club()->Busy() && top.Rows->item(0, 5), 10000);
      QCOMPARE(top.Rows->item(0, 5)->text(), QStringLiteral("1"));
      QVERIFY(!top.Medal->pixmap().isNull());  // first in games, with the other
      QCOMPARE(top.Medal->accessibleName(), Row(161) + QStringLiteral(": 1"));
    }
    QCOMPARE(TFormTourTopTen::LastOrder, 2);
    Service.reset();
    TFormTourTopTen dead(*Win->Club(), me, Win->Options(), Win->ProgramFolder(), nullptr);
    QVERIFY(dead.Orders[2]->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(!Win->Club()->Busy() && dead.Rows->item(0, 3), 15000);
    QCOMPARE(dead.Rows->item(0, 3)->text(), QStringLiteral("No Connect"));
    QVERIFY(dead.Medal->pixmap().isNull() && dead.PlaceText->text().isEmpty());
  }

  // The game connection on its own: it names its seat; several frames in
  // one read come in order, a frame split over two reads waits for its
  // rest; a deal that is no deal ends the game as a lost connection.
  void theConnectionTakesFramesHoweverTheyCome() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    TTourLink link;
    QSignalSpy cards(&link, &TTourLink::CardArrived), presses(&link, &TTourLink::ContinueArrived),
        chats(&link, &TTourLink::ChatArrived), lost(&link, &TTourLink::Lost), left(&link, &TTourLink::OpponentLeft);
    link.Connect(QStringLiteral("127.0.0.1"), server.serverPort(), 2);
    QTRY_VERIFY(server.hasPendingConnections());
    QTcpSocket* peer = server.nextPendingConnection();
    QTRY_VERIFY(peer->bytesAvailable() >= 20);
    QCOMPARE(peer->read(20), QByteArray("connect2###########2"));
    QCOMPARE(link.Phase(), TTourPhase::Connected);
    const std::string three = TourFrame(CardMessage(*CardFromAscii("As")), 1) + TourFrame("xslit", 1) + TourFrame("sHi", 1);
    const std::string split = TourFrame("a", 1);
    peer->write((three + split.substr(0, 7)).c_str());
    QTRY_COMPARE(chats.size(), 1);
    QCOMPARE(cards.size(), 1);
    QCOMPARE(presses.size(), 1);
    QCOMPARE(chats[0][0].toString(), QStringLiteral("Hi"));
    QCOMPARE(chats[0][1].toInt(), 1);
    QCOMPARE(left.size(), 0);
    peer->write(split.substr(7).c_str());
    QTRY_COMPARE(left.size(), 1);
    peer->write(("b" + std::string(123, 'x')).c_str());
    QTRY_COMPARE(lost.size(), 1);
  }

  // Two game windows in one test, as two copies of the program: Anna at
  // seat 1, Boris at seat 2, both playing through their tables; both
  // histories hold the match, both tournament records are counted.
  void twoWindowsPlayAMatch() {
    OpenAndSit();  // Anna's window, seat 1 of table 3, with Boris's program
    if (QTest::currentTestFailed()) return;
    // Boris's program leaves; Boris comes back as a window at table 5.
    Boris.reset();
    QTRY_VERIFY_WITH_TIMEOUT(Win->ExitButton()->isEnabled(), 10000);
    QCOMPARE(Messages.size(), 1);  // "Player Boris interrupted the game!"
    Messages.clear();
    QTest::mouseClick(Win->ExitButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Win->MenuShown() && TourWindows == 2, 10000);
    const QString borisRoot = FolderPath() + "/boris";
    const QString borisGame = borisRoot + "/game";
    QVERIFY(QDir().mkpath(borisGame));
    for (const char* name : {kClubFileName, kNetClubFileName})
      QVERIFY(QFile::copy(FolderPath() + "/" + name, borisGame + "/" + name));
    QVERIFY(WriteFileAtomically((borisRoot + "/" + kUserFileName).toStdString(),
                                UserFileText({"Boris", EncipherPassword("pwBoris")})));
    TMainWindow boris;
    boris.ClubAtStart = false;
    boris.SetProgramFolder(borisGame);
    boris.ShowMessage = [this](const QString& text) { Messages << QStringLiteral("Boris: ") + text; };
    boris.AskYesNo = [](const QString&, const QString&) { return true; };
    int borisWindows = 0;
    TFormTournament* annaTables = nullptr;
    auto borisSits = [&](TFormTournament* t) {
      QTRY_VERIFY_WITH_TIMEOUT(!boris.Club()->Busy() && annaTables && annaTables->MyTable() == 5, 10000);
      QTRY_VERIFY_WITH_TIMEOUT(!boris.Club()->Busy() && t->ServerOn(), 10000);
      t->RefreshTables();
      QTRY_VERIFY_WITH_TIMEOUT(t->SeatButtons[4][1]->isEnabled(), 10000);
      t->SeatClick(5, 2);
      QTRY_VERIFY_WITH_TIMEOUT(t->MyTable() == 5, 10000);
      QTRY_VERIFY2_WITH_TIMEOUT(t->FirstDeal().has_value(), qPrintable(Messages.join(QLatin1Char('|')) + QStringLiteral(" phase %1").arg(int(boris.TournamentLink()->Phase()))), 10000);
    };
    boris.RunModal = [&](QDialog& d) {
      auto* t = qobject_cast<TFormTournament*>(&d);
      if (!t) return int(QDialog::Accepted);
      if (++borisWindows > 1) return int(QDialog::Rejected);
      borisSits(t);
      return int(t->FirstDeal() ? QDialog::Accepted : QDialog::Rejected);
    };
    boris.show();
    boris.Options().FlyCards = false;
    boris.Options().TopTenAddress = Base + "/RecordsService";
    boris.Options().StatsAddress = Base + "/StatsService";
    boris.EndIntro();
    boris.StartClub();
    QTRY_VERIFY_WITH_TIMEOUT(!boris.Club()->Busy(), 10000);
    // Anna takes seat 1 of table 5 and waits; Boris's window then sits down.
    TourWindows = 0;
    auto annaSits = [&](TFormTournament* t) {
      QTRY_VERIFY_WITH_TIMEOUT(!Win->Club()->Busy() && t->ServerOn(), 10000);
      t->SeatClick(5, 1);
      QTRY_VERIFY_WITH_TIMEOUT(t->MyTable() == 5, 10000);
      annaTables = t;
      boris.ShowTournament();  // the other copy, while this one waits at its tables
      QTRY_VERIFY_WITH_TIMEOUT(t->FirstDeal().has_value(), 10000);
      annaTables = nullptr;
    };
    Win->RunModal = [&](QDialog& d) {
      auto* t = qobject_cast<TFormTournament*>(&d);
      if (!t) return int(QDialog::Accepted);
      if (++TourWindows > 1) return int(QDialog::Rejected);
      annaSits(t);
      return int(t->FirstDeal() ? QDialog::Accepted : QDialog::Rejected);
    };
    Win->ShowTournament();
    QVERIFY(Win->PlayMode().Tournament() && boris.PlayMode().Tournament());
    QCOMPARE(boris.PlayMode().TournamentSeat, 2);
    // Both windows play their first card and press continue when they may.
    for (int i = 0; i < 20000 && !(Win->ExitButton()->isEnabled() && boris.ExitButton()->isEnabled()); ++i) {
      for (TMainWindow* w : {Win.get(), &boris}) {
        TDealState& d = w->GameState().Deal;
        if (w->TableBusy()) continue;
        if (d.InDeal && d.TurnState == kTurnPlayer2) {
          for (int slot = 1; slot <= d.HandCount[2]; ++slot) {
            if (d.Leader == TLeader::Co && IsIllegalFollow(d, slot)) continue;
            QTest::mouseClick(w->TableWidget(), Qt::LeftButton, {}, SlotCentre(*w, 2, slot));
            break;
          }
        } else if (w->ContinueButton()->isEnabled()) {
          QTest::mouseClick(w->ContinueButton(), Qt::LeftButton);
        }
      }
      QTest::qWait(2);
    }
    QVERIFY2(Messages.isEmpty(), qPrintable(Messages.join(QLatin1Char('|'))));
    QVERIFY(Win->GameState().Match.MatchClosed && boris.GameState().Match.MatchClosed);
    const int annaResult = Win->GameState().Match.MatchResult;
    QCOMPARE(boris.GameState().Match.MatchResult, -annaResult);
    QTest::mouseClick(Win->ExitButton(), Qt::LeftButton);
    QTest::mouseClick(boris.ExitButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Win->MenuShown() && boris.MenuShown(), 10000);
    // Both histories hold a tournament entry; both records count two matches.
    for (const QString& game : {FolderPath() + "/game", borisGame}) {
      const std::string folder = (game + "/" + kHistoryFolder).toStdString();
      const auto files = ListHistoryFiles(folder);
      QVERIFY(!files.empty());
      const auto rows = ReadHistoryRows(folder, files.back().Number);
      QVERIFY(rows && !rows->empty());
      QCOMPARE(QString::fromStdString(rows->back().Cells[6]), QStringLiteral("Tourney"));
    }
    const TServiceClient direct = Direct();
    for (const char* nick : {"Anna", "Boris"}) {
      int score = 0, kon = 0, rating = 0;
      QVERIFY(TourReadRating(direct.Transport(), nick, &score, &kon, &rating));
      QCOMPARE(kon, 2);
    }
    boris.close();
  }

  void thePlayersOwnClockRunsOut() {
    OpenAndSit();
    if (QTest::currentTestFailed()) return;
    // Until it is Anna's card to play.
    TDealState& d = Win->GameState().Deal;
    for (int i = 0; i < 200 && !(d.TurnState == kTurnPlayer2 && !Win->TableBusy()); ++i) {
      Boris->Step();
      if (!Win->TableBusy() && Win->ContinueButton()->isEnabled()) QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
      QTest::qWait(5);
    }
    QCOMPARE(int(d.TurnState), int(kTurnPlayer2));
    Win->TourClockTick();
    QCOMPARE(Win->TourClockOwner(), 2);
    const int before = Sounds.Count("STimerA");
    while (Win->TourClockSeconds() > 7) Win->TourClockTick();
    QVERIFY(Sounds.Count("STimerA") > before);
    QVERIFY(Sounds.Count("STimerB") >= 0);
    while (!Win->ExitButton()->isEnabled()) Win->TourClockTick();
    QVERIFY(Sounds.Count("STimerB") >= 6);
    QCOMPARE(Messages.size(), 1);
    QCOMPARE(Messages[0], Row(1045) + QLatin1Char('\n') + Row(1041));
    QTRY_VERIFY_WITH_TIMEOUT(Boris->HeardTimeOut, 5000);
  }
};

ZEMBRA_WINDOW_TEST_MAIN(TTournamentTest)
#include "tournament_test.moc"
