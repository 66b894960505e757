// The main window's side of the tournament: the tournament window, the
// match at a tournament table (the other player as seat 1 behind the
// tournament server), the move clock of 26 seconds, the ways such a
// match ends, and its end back to the tournament window.
#include <QDateTime>

#include "app/main_window.h"
#include "match/match_records.h"
#include "online/online_club.h"
#include "online/requests.h"
#include "online/world_top_ten.h"
#include "resources/packs.h"
#include "resources/text.h"
#include "tournament/tour_link.h"
#include "tournament/tour_seat.h"
#include "tournament/tour_top_ten.h"
#include "tournament/tour_window.h"

namespace zembra {

void TMainWindow::ShowTournament() {
  if (TableBusy() || !MenuShown()) return;
  if (!OnlineClub) StartClub();
  PlaySound("WOpenFo");
  if (!OnlineClub->Account().LoggedIn()) {
    ShowMessage(Row(1044));
    return;
  }
  if (!TourLink) TourLink = std::make_unique<TTourLink>();
  TFormTournament window(*OnlineClub, *TourLink, Settings, Folder, this);
  window.PlaySound = [this](const char* name) { PlaySound(name); };
  window.ShowMessage = [this](const QString& text) { ShowMessage(text); };
  window.OpenTopTen = [this, &window] {
    // The full look shows the tournament among the world's tables; without
    // the graphics pack it has a window of its own.
    if (PackLoadable(Folder.toStdString(), kPackGraphics)) {
      TFormWorldTopTen top(*OnlineClub, Settings, Folder, true, 5, &window);
      RunModal(top);
    } else {
      TFormTourTopTen top(*OnlineClub, window.Me(), Settings, Folder, &window);
      RunModal(top);
    }
  };
  RunModal(window);
  if (!window.FirstDeal()) {
    // Closed without a match: a seat still held is left.
    if (TourLink->Phase() != TTourPhase::None && window.MyTable() != 0) window.SeatClick(window.MyTable(), window.MySeat());
    return;
  }
  BeginTournamentMatch(window);
}

void TMainWindow::BeginTournamentMatch(const TFormTournament& window) {
  Mode.Kind = TPlayKind::Tournament;
  Mode.TournamentSeat = window.MySeat();
  Mode.PlayerSlot = 8;
  TourStartScore = window.Me().Score;
  TourOpponent = QString::fromStdString(window.OpponentNick());
  TourFinished = false;
  ProfilePassword.clear();
  Names[2] = QString::fromStdString(window.Me().Nick);
  TTourLink* link = TourLink.get();
  TourRemote = std::make_unique<TTourSeat>(TTourSends{[link](TCardCode c) { link->SendCard(c); },
                                                      [link] { link->SendContinue(); },
                                                      [link] { link->SendNextDeal(); }});
  WireTournament();
  // The other player may have sat down after the tables were last read.
  if (TourOpponent.isEmpty() || TourOpponent == QStringLiteral("X")) {
    const int other = Mode.TournamentSeat == 1 ? 2 : 1, table = window.MyTable();
    OnlineClub->Request<std::string>(
        [other, table](const TPost& post) {
          TOrvClient c;
          return TourReadClient(post, other, table, &c) ? c.Nick : std::string();
        },
        [this](std::string nick) {
          if (nick.empty() || nick == "X" || !Mode.Tournament()) return;
          const QString old = Names[1];
          TourOpponent = Names[1] = QString::fromStdString(nick);
          if (View.Bubble[1].Text == old) View.Bubble[1].Text = Names[1];
          Table->update();
        });
  }
  TProfileValues profile;
  profile.MatchNo = 1;
  profile.ScoreBefore = window.Me().Score;
  profile.RatingBefore = window.Me().Rating;
  BeginMatch(profile, false);
  const TDuelDeal deal = *window.FirstDeal();
  Input([this, deal] {
    if (!Match || !Match->ReceiveDeal(deal.Deck, deal.SenderFirstLeader, deal.Target)) TournamentLost();
    UpdateTourClock();
  });
  if (!TourClock) {
    TourClock = new QTimer(this);
    TourClock->setInterval(1000);
    connect(TourClock, &QTimer::timeout, this, &TMainWindow::TourClockTick);
  }
  TourClockKey = -1;
  TourClock->start();
}

void TMainWindow::WireTournament() {
  TTourLink* link = TourLink.get();
  link->disconnect(this);
  View.ChatColour = Mode.TournamentSeat == 1 ? QColor(128, 0, 0) : QColor(0, 0, 128);
  for (QString& line : View.ChatLines) line.clear();
  // What the server passes on waits, like a click, for what the table is
  // still showing.
  connect(link, &TTourLink::DealArrived, this, [this](const TDuelDeal& deal) {
    Input([this, deal] {
      if (!Match || !Match->ReceiveDeal(deal.Deck, deal.SenderFirstLeader, deal.Target)) TournamentLost();
      UpdateTourClock();
    });
  });
  connect(link, &TTourLink::CardArrived, this, [this](TCardCode card) {
    Input([this, card] {
      if (!Match || Match->SubmitCard(1, card) != TMoveVerdict::Ok) TournamentLost();
      UpdateTourClock();
    });
  });
  connect(link, &TTourLink::ContinueArrived, this, [this] {
    Input([this] {
      if (!Match) return;
      Match->PeerAcknowledged();
      // At seat 2 the last continue of a match ends the game here.
      if (Match->Over() && Mode.TournamentSeat == 2) {
        TourLink->SetPhase(TTourPhase::Over);
        TourLink->Close();
      }
      UpdateTourClock();
    });
  });
  connect(link, &TTourLink::ChatArrived, this, [this](const QString& text, int) {
    PlaySound("WToMenK");
    AddChatLine(text);
  });
  connect(link, &TTourLink::OpponentLeft, this, [this] {
    Input([this] { TournamentOver(1038, 1039, 1040, "WWrongs"); });
  });
  connect(link, &TTourLink::OpponentTimedOut, this, [this] {
    Input([this] { TournamentOver(1042, 1043, 1040, "WKoGutX"); });
  });
  connect(link, &TTourLink::Lost, this, [this] { Input([this] { TournamentLost(); }); });
  connect(link, &TTourLink::Failed, this, [this] { Input([this] { TournamentLost(); }); });
}

void TMainWindow::TournamentOver(int row1, int row2, int resultRow, const char* sound) {
  if (!Mode.Tournament() || View.Screen != TScreen::Table || TourFinished) return;
  if (Match && Match->Over()) return;  // the match itself was summed up
  TourFinished = true;
  TourLink->SetPhase(TTourPhase::Over);
  View.ClockOwner = 0;
  TourClock->stop();
  PlaySound(sound);
  const QString first = row1 == 1045 ? Row(row1) : Row(row1) + QLatin1Char(' ') + TourOpponent + QLatin1Char(' ') + Row(row2);
  ShowMessage(first + QLatin1Char('\n') + Row(resultRow));
  TourLink->Close();
  Button1->setEnabled(false);
  Button2->setEnabled(true);
  Table->update();
}

void TMainWindow::TournamentLost() {
  if (!Mode.Tournament() || View.Screen != TScreen::Table || TourFinished) return;
  if (TourLink->Phase() == TTourPhase::Over) return;
  if (Match && Match->Over()) {
    // The server may close once the match is summed up: nothing is lost.
    TourLink->SetPhase(TTourPhase::Over);
    return;
  }
  TourFinished = true;
  TourLink->SetPhase(TTourPhase::Over);
  View.ClockOwner = 0;
  TourClock->stop();
  ShowMessage(Row(1037));
  TourLink->Close();
  Button1->setEnabled(false);
  Button2->setEnabled(true);
  Table->update();
}

void TMainWindow::UpdateTourClock() {
  if (!Mode.Tournament() || !Match || TourFinished || Match->Over() || !Game.Deal.InDeal) {
    View.ClockOwner = 0;
    return;
  }
  const TDealState& d = Game.Deal;
  int owner = 0;
  if (d.TurnState == kTurnPlayer1) owner = 1;
  else if (d.TurnState == kTurnPlayer2) owner = 2;
  else if (d.TurnState == kTurnTrickComplete || d.TurnState == kTurnDealOver) owner = Match->ContinueOpen() ? 2 : 1;
  // Each move starts the clock again at 26 seconds.
  const int key = owner * 100000 + Game.Match.DealNo * 1000 + d.PlayedPos * 10 + d.TurnState;
  if (key != TourClockKey) {
    TourClockKey = key;
    View.ClockSeconds = kTourMoveSeconds;
  }
  View.ClockOwner = owner;
}

void TMainWindow::TourClockTick() {
  if (!Mode.Tournament() || TourFinished || View.Screen != TScreen::Table) return;
  UpdateTourClock();
  if (View.ClockOwner == 0) return;
  View.ClockSeconds = std::max(0, View.ClockSeconds - 1);
  Table->update();
  if (View.ClockOwner != 2) return;
  if (View.ClockSeconds > 0) {
    PlaySound(View.ClockSeconds > 7 ? "STimerA" : "STimerB");
    return;
  }
  // The player's own time is up.
  TourLink->SendTimeOut();
  TournamentOver(1045, 0, 1041, "WWrongs");
}

void TMainWindow::FinishTournamentMatch() {
  if (FinishingMatch) return;
  FinishingMatch = true;
  StopRecording();
  ShowTable(false);
  View.WaitBanner = true;
  View.ClockOwner = 0;
  Table->repaint();
  // The match as this side saw it; its result is what the server counted.
  TMatchOutcome outcome;
  if (Match && Match->Outcome()) outcome = *Match->Outcome();
  outcome.Names[1] = TourOpponent.toStdString();
  outcome.Names[2] = Names[2].toStdString();
  const std::string nick = OnlineClub->Account().User.Nick;
  struct TRead {
    bool Ok = false;
    int Score = 0, Kon = 0, Rating = 0;
  };
  OnlineClub->Request<TRead>(
      [nick](const TPost& post) {
        TRead r;
        r.Ok = TourReadRating(post, nick, &r.Score, &r.Kon, &r.Rating);
        return r;
      },
      [this, outcome](TRead r) mutable {
        View.WaitBanner = false;
        outcome.MatchResult = r.Ok ? r.Score - TourStartScore : outcome.MatchResult;
        TRecordsPlace place;
        place.Kind = THisKind::Tournament;
        place.HistoryFolder = (Folder + QLatin1Char('/') + QLatin1String(kHistoryFolder)).toStdString();
        place.PlayerSlot = 8;
        if (r.Ok) place.ServiceRating = r.Rating;
        const QDateTime now = QDateTime::currentDateTime();
        const TRecordsResult rec = RecordMatch(outcome, place,
                                               HistoryStampAt(now.date().year(), now.date().month(), now.date().day(),
                                                              now.time().hour(), now.time().minute()));
        if (!rec.HistorySaved) ShowMessage(QString::fromLatin1(kCantSaveHistory));
        PostMatchStats(outcome.MatchResult, false);
        FinishingMatch = false;
        LeaveTable();
        // Back to the tournament's tables.
        QTimer::singleShot(0, this, &TMainWindow::ShowTournament);
      });
}

void TMainWindow::LeaveTournament() {
  if (TourClock) TourClock->stop();
  View.ClockOwner = 0;
  if (TourLink) {
    TourLink->disconnect(this);
    TourLink->SetPhase(TTourPhase::None);
    TourLink->Close();
  }
  TourRemote.reset();
  TourFinished = false;
  Mode.Kind = TPlayKind::Computer;
}

}  // namespace zembra
