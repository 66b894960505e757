// The test fixture of the game window's tests on the offscreen platform.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "ai/computer.h"
#include "app/login_dialog.h"
#include "app/main_window.h"
#include "app/media.h"
#include "app/table_painter.h"
#include "engine/rules.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "resources/words.h"

namespace zembra_test {

using namespace zembra;

class TRecordingMedia : public TMedia {
 public:
  int PlayEffect(const std::string& name, bool wait, bool enabled) override {
    if (!enabled) return 0;
    Effects.push_back(name);
    Waited.push_back(wait);
    return wait ? HoldMs : 0;
  }
  bool SpeakCard(TCardCode code) override {
    Spoken.push_back(code);
    return true;
  }
  int Count(const std::string& name) const {
    return static_cast<int>(std::count(Effects.begin(), Effects.end(), name));
  }
  std::vector<std::string> Effects;
  std::vector<bool> Waited;  // per effect: whether it held the next move
  std::vector<TCardCode> Spoken;
  int HoldMs = 0;  // how long a waiting effect holds the table
};

inline int test_SlotOf(const TDealState& d, const char* token) {
  for (int s = 1; s <= d.HandCount[2]; ++s)
    if (d.Hand[2][s] == *CardFromAscii(token)) return s;
  return 0;
}

inline QPoint SlotCentre(const TMainWindow& w, int player, int slot) {
  const TDealState& d = const_cast<TMainWindow&>(w).GameState().Deal;
  const TRect r = HandSlotRect(w.ViewState().Layout, player, d.HandCount[player], slot);
  return QPoint(r.X + 8, r.Y + r.H / 2);
}

// A main window in a temporary folder with its club files, the window's
// modal windows and questions answered by the test, and the sounds recorded.
class TWindowFixture : public QObject {
 protected:
  TRecordingMedia Sounds;
  std::unique_ptr<TMainWindow> Win;
  bool Answer = true;
  QStringList Messages;
  int Questions = 0;
  int CountWindows = 0;

  // A window past the intro, answering every modal window itself.
  std::unique_ptr<QTemporaryDir> Dir;
  QString FolderPath() const { return Dir->path(); }

  void InstallClub() {
    for (const char* name : {kClubFileName, kNetClubFileName})
      InstallClubFile((FolderPath() + QLatin1Char('/') + QLatin1String(name)).toStdString());
  }

  void Open() {
    InstallClub();
    Win = std::make_unique<TMainWindow>();
    Win->SetProgramFolder(FolderPath());
    Win->ClubAtStart = false;  // no club service in these tests
    Win->ShowMessage = [this](const QString& text) { Messages << text; };
    Win->RunModal = [this](QDialog& d) {
      if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
        login->Confirm();
        return login->result();
      }
      ++CountWindows;
      return int(QDialog::Accepted);
    };
    Win->AskYesNo = [this](const QString&, const QString&) {
      ++Questions;
      return Answer;
    };
    Win->show();
    Win->Options().FlyCards = false;  // after the options file has been read
    Win->EndIntro();
  }

  // Trump spades; the computer holds the nine of trumps (it leads) and
  // king and queen of clubs: it leads the queen of clubs. The player
  // holds two clubs, so diamonds and hearts are refused.
  static TDeck StackedDeck() {
    const char* deck[] = {"Kc", "Qc", "9d", "Jd", "9h", "9s", "Ac", "Tc", "Ad", "Td", "Ah", "Th",
                          "Jc", "9c", "Kd", "Qd", "Kh", "Qh", "Jh", "Js", "Qs", "Ks", "Ts", "As"};
    TDeck stacked;
    for (int i = 0; i < 24; ++i) stacked[i + 1] = *CardFromAscii(deck[i]);
    return stacked;
  }

  // A new player's first deal of the stacked deck with card flights at the
  // slowest speed (about half a second a flight): the computer's queen of
  // clubs is on its way to the table.
  void ComputerCardInFlight() {
    Open();
    Win->Options().FlyCards = true;
    Win->Options().FlightSpeed = 1;
    Win->StackedDeck = StackedDeck();
    StartNewPlayer();
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    Win->Timer1Tick();
    QCOMPARE(Win->GameState().Deal.TableCard[1], *CardFromAscii("Qc"));
    QVERIFY(Win->TableWidget()->Flying());
  }

  void StartNewPlayer() {
    QTest::mouseClick(Win->NewPlayerButton(), Qt::LeftButton);
    QVERIFY(Win->GameState().Deal.InDeal);
  }

  // Clicks the first card the follow rule allows.
  void PlayerPlaysFirstLegal() {
    TDealState& d = Win->GameState().Deal;
    for (int s = 1; s <= d.HandCount[2]; ++s) {
      if (d.Leader == TLeader::Co && IsIllegalFollow(d, s)) continue;
      QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, SlotCentre(*Win, 2, s));
      return;
    }
    QFAIL("no legal card");
  }

  // Plays the current deal to its end: the player's clicks, the computer's
  // ticks, the continue button after every trick.
  void PlayDeal() {
    TDealState& d = Win->GameState().Deal;
    for (int guard = 0; guard < 100 && d.TurnState != kTurnDealOver; ++guard) {
      switch (d.TurnState) {
        case kTurnPlayer1:
          QVERIFY(!Win->ContinueButton()->isEnabled());
          Win->Timer1Tick();
          break;
        case kTurnPlayer2:
          QVERIFY(!Win->ContinueButton()->isEnabled());
          PlayerPlaysFirstLegal();
          break;
        case kTurnTrickComplete:
          QVERIFY(Win->ContinueButton()->isEnabled());
          QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
          break;
      }
    }
    QCOMPARE(int(d.TurnState), int(kTurnDealOver));
    QVERIFY(Win->ContinueButton()->isEnabled());
  }

  // A new player's whole match, to the sum-up: "Exit to menu" is then enabled.
  void PlayMatchToEnd() {
    StartNewPlayer();
    PlayRestOfMatch();
  }

  // The match under way to its sum-up, deal by deal.
  void PlayRestOfMatch() {
    TGame& g = Win->GameState();
    for (int deal = 0; deal < 30 && !g.Match.MatchClosed; ++deal) {
      QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);  // start of the round
      PlayDeal();
      QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);  // scoring
      QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);  // next round, or the sum-up
    }
    QVERIFY(g.Match.MatchClosed);
  }

  void FixtureInit() {
    Dir = std::make_unique<QTemporaryDir>();
    Messages.clear();
    Sounds = TRecordingMedia();
    SetMedia(&Sounds);
    Answer = true;
    Questions = 0;
    CountWindows = 0;
  }
  void FixtureCleanup() {
    if (Win) {
      Win->AskYesNo = [](const QString&, const QString&) { return true; };
      Win.reset();
    }
    SetMedia(nullptr);
  }
};

}  // namespace zembra_test

// The test program: the offscreen platform and the program's texts.
#define ZEMBRA_WINDOW_TEST_MAIN(TestClass)                                      \
  int main(int argc, char** argv) {                                             \
    qputenv("QT_QPA_PLATFORM", "offscreen");                                    \
    QApplication app(argc, argv);                                               \
    QFile words(QStringLiteral(":/text/words.tsv"));                            \
    if (words.open(QIODevice::ReadOnly)) Words().Load(words.readAll().toStdString()); \
    TestClass test;                                                             \
    return QTest::qExec(&test, argc, argv);                                     \
  }
