// One tournament match as the game server referees it: the server's own
// copy of the game, dealt by the server, every card a seat sends checked
// through the checked move entry before it goes on to the other seat, the
// players' continue presses and chat passed on, and a move clock of its own
// as a backstop behind the players' clocks. It ends with a winner when the
// match is summed up, or against the seat that left, dropped, ran out of
// time or sent a card it could not play. No sockets: frames in, frames out.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game.h"

namespace zembra::service {

using TTourClock = std::chrono::steady_clock;

struct TTourSend {
  int Seat = 1;       // to whom
  std::string Bytes;  // exactly as it goes on the wire
};

enum class TTourEndKind { Played, Left, TimedOut, IllegalCard };

struct TTourEnd {
  TTourEndKind Kind = TTourEndKind::Played;
  int Winner = 1;                     // the seat
  std::array<int32_t, 3> Result{};    // [seat]: the match result as the game counts it
};

// The players' clocks run 26 seconds a move; the server waits longer
// before it calls time, so a player's own "TOut" comes first.
inline constexpr std::chrono::seconds kBackstopMove{26 + 10};
// After a deal both players ask for the next one within this.
inline constexpr std::chrono::seconds kBackstopNextDeal{90};

class TTourReferee {
 public:
  explicit TTourReferee(uint64_t seed);

  // The first deal, to both seats.
  std::vector<TTourSend> Start(TTourClock::time_point now);
  // A frame a seat sent. After the end only continue presses and chat are
  // passed on.
  std::vector<TTourSend> OnFrame(int seat, std::string_view frame, TTourClock::time_point now);
  // The seat's connection is gone: the other seat has won.
  std::vector<TTourSend> OnGone(int seat);
  // The backstop clock.
  std::vector<TTourSend> Tick(TTourClock::time_point now);

  const std::optional<TTourEnd>& End() const { return End_; }
  // The seat whose move it is, 0 between deals or after the end.
  int Mover() const;
  const TGame& Game() const { return G; }

 private:
  std::vector<TTourSend> Deal(bool next, TTourClock::time_point now);
  std::vector<TTourSend> Forfeit(int loser, TTourEndKind kind, const char* toWinner);
  void Advance();  // collects a complete trick, scores a finished deal, sums up a match
  void FinishPlayed();

  TGame G;
  std::mt19937_64 Random;
  std::optional<TTourEnd> End_;
  TTourClock::time_point Deadline{};
  bool WaitingNext = false;
};

// Engine seats of the server's copy: tournament seat 1 deals like a duel's
// dealing side (its engine player 2), seat 2 receives like a duel's client
// (engine player 1).
inline int EnginePlayerOf(int seat) { return seat == 1 ? 2 : 1; }
inline int SeatOfEnginePlayer(int player) { return player == 2 ? 1 : 2; }

}  // namespace zembra::service
