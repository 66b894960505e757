#include "service/tour_referee.h"

#include <algorithm>
#include <cstdlib>

#include "duel/duel_messages.h"
#include "engine/dealing.h"
#include "engine/move_check.h"
#include "engine/rules.h"
#include "match/seats.h"
#include "tournament/tour_frames.h"

namespace zembra::service {

namespace {
constexpr int kTourTarget = 8;
}

TTourReferee::TTourReferee(uint64_t seed) : Random(seed) { G.Options.GameTo8 = true; }

int TTourReferee::Mover() const {
  if (End_ || WaitingNext || !G.Deal.InDeal) return 0;
  if (G.Deal.TurnState == kTurnPlayer1) return SeatOfEnginePlayer(1);
  if (G.Deal.TurnState == kTurnPlayer2) return SeatOfEnginePlayer(2);
  return 0;
}

std::vector<TTourSend> TTourReferee::Start(TTourClock::time_point now) { return Deal(false, now); }

std::vector<TTourSend> TTourReferee::Deal(bool next, TTourClock::time_point now) {
  TDealOptions o;
  o.ContinueMatch = next;
  o.Random = &Random;
  DealCards(G, o);
  if (G.Deal.PlayPhase == 1) Continue(G);  // play starts at once: the players' clocks pace it
  WaitingNext = false;
  Deadline = now + kBackstopMove;
  // The deck as the dealing side of a duel sends it; each seat takes it
  // by its own side.
  const std::string deal = DealMessage(G.Deal.DeckCard, G.Match.FirstLeader, kTourTarget);
  return {{1, deal}, {2, deal}};
}

void TTourReferee::Advance() {
  for (int guard = 0; guard < 8; ++guard) {
    const uint8_t t = G.Deal.TurnState;
    if (t == kTurnTrickComplete || t == kTurnDealOver) {
      Continue(G);  // collects the trick, or scores the deal
    } else if (t == kTurnMatchOver) {
      if (!G.Match.MatchClosed) Continue(G);
      FinishPlayed();
      return;
    } else if (t == kTurnMatchContinues) {
      WaitingNext = true;
      return;
    } else {
      return;
    }
  }
}

void TTourReferee::FinishPlayed() {
  TTourEnd e;
  e.Kind = TTourEndKind::Played;
  // The server's copy counts for engine player 2, that is seat 1.
  e.Result[1] = G.Match.MatchResult;
  e.Result[2] = -G.Match.MatchResult;
  e.Winner = e.Result[1] > 0 ? 1 : 2;
  End_ = e;
}

std::vector<TTourSend> TTourReferee::Forfeit(int loser, TTourEndKind kind, const char* toWinner) {
  const int winner = loser == 1 ? 2 : 1;
  TTourEnd e;
  e.Kind = kind;
  e.Winner = winner;
  // Won as if the winner had reached the target with the loser's points
  // as they stood.
  const int loserPoints = std::min<int>(G.Match.MatchPoints[EnginePlayerOf(loser)], kTourTarget - 1);
  const int32_t value = std::abs(MatchResultFor(loserPoints, kTourTarget, kTourTarget));
  e.Result[static_cast<size_t>(winner)] = value;
  e.Result[static_cast<size_t>(loser)] = -value;
  End_ = e;
  return {{winner, TourFrame(toWinner, loser)}};
}

std::vector<TTourSend> TTourReferee::OnFrame(int seat, std::string_view frame, TTourClock::time_point now) {
  if ((seat != 1 && seat != 2) || frame.size() != kTourFrameLength) return {};
  const int other = seat == 1 ? 2 : 1;
  const std::string text = FrameText(frame);
  const std::string relayed = TourFrame(text, seat);  // the sender's seat digit, whatever it wrote
  // Once the match is decided the players still sum it up together: their
  // continue presses and chat go on; nothing else counts.
  if (End_) {
    if (text == "xslit" || (text.starts_with("s") && text.size() > 1)) return {{other, relayed}};
    return {};
  }
  if (frame.starts_with("hhod")) {
    const std::optional<TCardCode> card = ReadCardMessage(std::string_view(frame).substr(0, kCardMessageLength));
    if (!card || Mover() != seat) return Forfeit(seat, TTourEndKind::IllegalCard, "a");
    const int player = EnginePlayerOf(seat);
    const int slot = SlotOf(G.Deal, player, *card);
    if (slot < 1 || CheckMove(G.Deal, player, slot) != TMoveVerdict::Ok) return Forfeit(seat, TTourEndKind::IllegalCard, "a");
    if (PlayCard(G, player, slot) != TMoveVerdict::Ok) return Forfeit(seat, TTourEndKind::IllegalCard, "a");
    Deadline = now + kBackstopMove;
    Advance();
    if (WaitingNext) Deadline = now + kBackstopNextDeal;
    return {{other, TourFrame(frame.substr(0, kCardMessageLength), seat)}};
  }
  if (text == "TOut") return Forfeit(seat, TTourEndKind::TimedOut, "TOut");
  if (text == "disA") return Forfeit(seat, TTourEndKind::Left, "a");
  if (text == "bnext") {
    // The player who presses last after a deal asks for the next one; a
    // second ask for the same deal finds it dealt already.
    if (!WaitingNext) return {};
    return Deal(true, now);
  }
  if (text == "xslit" || (text.starts_with("s") && text.size() > 1)) return {{other, relayed}};
  return {};  // anything else changes nothing
}

std::vector<TTourSend> TTourReferee::OnGone(int seat) {
  if (End_ || (seat != 1 && seat != 2)) return {};
  return Forfeit(seat, TTourEndKind::Left, "a");
}

std::vector<TTourSend> TTourReferee::Tick(TTourClock::time_point now) {
  if (End_ || now < Deadline) return {};
  if (WaitingNext) {
    // Nobody asked for the next deal: both players stopped; the match ends
    // without a result.
    End_ = TTourEnd{TTourEndKind::TimedOut, 0, {}};
    return {};
  }
  const int mover = Mover();
  if (mover == 0) {
    End_ = TTourEnd{TTourEndKind::TimedOut, 0, {}};
    return {};
  }
  return Forfeit(mover, TTourEndKind::TimedOut, "TOut");
}

}  // namespace zembra::service
