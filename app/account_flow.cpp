// The main window's side of the account: the account window, a rated game
// announced before it is dealt and written back when it ends, a completed
// account cycle entered in the club's table, and the passport's cycle
// sent from the submit window.
#include <QThread>
#include <memory>

#include "app/main_window.h"
#include "online/account_window.h"
#include "records/club_file.h"
#include "online/online_club.h"
#include "online/rating.h"
#include "online/submit_window.h"
#include "resources/text.h"

namespace zembra {

void TMainWindow::OpenAccount(bool fromNewGame) {
  if (TableBusy()) return;
  if (!OnlineClub) StartClub();
  PlaySound("WOpenFo");
  TFormAccount window(*OnlineClub, Settings, Folder, fromNewGame, this);
  window.ShowMessage = ShowMessage;
  RunModal(window);
  // The account may have changed while the window was open: its lamp and
  // the menu show what it is now.
  Mode.AccountLoggedIn = OnlineClub->Account().LoggedIn();
  Table->update();
}

void TMainWindow::FifthPlayerClick() {
  if (!MenuShown() || TableBusy()) return;
  if (!OnlineClub || !OnlineClub->Account().LoggedIn() || Settings.NetGame) {
    StartMatch(5);
    return;
  }
  StartAccountMatch();
}

void TMainWindow::StartAccountMatch() {
  OpenAccount(true);
  TAccount& account = OnlineClub->MutableAccount();
  // Operations run in the order asked: the announcement waits for any
  // read the window left running.
  if (account.State != TAccountState::Rated) return;
  // The game is announced with the worst case before it is dealt; the
  // window goes on painting while the club answers.
  View.WaitBanner = true;
  Table->update();
  auto announced = std::make_shared<bool>(false);
  QPointer<TMainWindow> self(this);
  OnlineClub->WithAccount(
      [announced, self](const TPost& post, TAccount& a) {
        auto complain = [self] {
          QMetaObject::invokeMethod(self, [self] { if (self) self->PlaySound("WWrongs"); }, Qt::QueuedConnection);
        };
        *announced = StartRatedGame(post, a, complain, [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); });
      },
      [this, announced] {
        View.WaitBanner = false;
        Mode.AccountLoggedIn = OnlineClub->Account().LoggedIn();
        Table->update();
        if (!*announced) {
          ShowMessage(Row(188));
          return;
        }
        if (!MenuShown()) {  // the player went elsewhere meanwhile
          EndRatedGame();
          return;
        }
        // The account's cycle goes on: its games and score so far.
        const TAccount& a = OnlineClub->Account();
        TProfileValues profile;
        profile.MatchNo = a.Game.KonL + 1;
        profile.ScoreBefore = a.Game.Score;
        profile.RatingBefore = a.Game.Rating;
        Mode.Kind = TPlayKind::AccountRating;
        Mode.PlayerSlot = 7;
        ProfilePassword.clear();
        Names[2] = QString::fromStdString(a.User.Nick);
        BeginMatch(profile, false);
      });
}

void TMainWindow::FinishAccountGame(const TMatchOutcome& outcome) {
  // The games of the cycle before this one, kept across repeats.
  const int cycleGames = OnlineClub->Account().Game.KonL;
  auto written = std::make_shared<bool>(false);
  const int result = outcome.MatchResult, score = outcome.ScoreAfter;
  OnlineClub->WithAccount(
      [written, cycleGames, result, score](const TPost& post, TAccount& a) {
        *written = FinishRatedGame(post, a, cycleGames, result, score);
      },
      [this, written, outcome] {
        if (!*written && AskYesNo(Row(195), Row(188) + QLatin1Char('\n') + Row(189))) {
          FinishAccountGame(outcome);
          return;
        }
        // Given up: the club keeps the announced game with its penalty.
        const TAccount& a = OnlineClub->Account();
        if (*written && a.Game.KonL == 0) AccountCycleScore = outcome.ScoreAfter;
        EndRatedGame();
        FinishMatchRecords(outcome, *written ? std::optional<double>(a.Game.Rating) : std::nullopt);
      });
}

void TMainWindow::SubmitAccountCycleResult(int cycleScore) {
  View.WaitBanner = true;
  Table->update();
  auto place = std::make_shared<int>(-1);
  OnlineClub->WithAccount(
      [place, cycleScore](const TPost& post, TAccount& a) { *place = SubmitAccountCycle(post, a, cycleScore); },
      [this, place, cycleScore] {
        View.WaitBanner = false;
        if (*place < 0 && AskYesNo(Row(195), Row(156) + QLatin1Char('\n') + Row(189))) {
          SubmitAccountCycleResult(cycleScore);
          return;
        }
        if (*place >= 0) ShowCycleEnd(EndOfCycleWindow(TCycleGame::AccountWorld, *place, cycleScore));
        FinishingMatch = false;
        LeaveTable();
      });
}

std::string TMainWindow::AccountNick() const {
  return OnlineClub ? OnlineClub->Account().User.Nick : std::string();
}

void TMainWindow::EndRatedGame() {
  if (!OnlineClub) return;
  TAccount& a = OnlineClub->MutableAccount();
  a.RatedGameOpen = false;
  if (a.State == TAccountState::Rated) a.State = TAccountState::LoggedIn;
  Mode.AccountLoggedIn = a.LoggedIn();
}

void TMainWindow::ShowSubmit(int score) {
  if (!OnlineClub) StartClub();
  TFormSubmit window(*OnlineClub, Settings, Folder, score, this);
  window.ShowMessage = ShowMessage;
  window.SaveOptions = [this] { WriteOptionsFile(); };
  RunModal(window);
}

}  // namespace zembra
