// Plays deals from a deck file seat against seat, with the computer
// opponent or the first legal card for each seat, and writes the trace.
#pragma once

#include <istream>
#include <ostream>

#include <vector>

#include "engine/game.h"
#include "engine/rules.h"

namespace zembra::tools {

enum class TPolicy : uint8_t { Ai, First };

struct TSimOptions {
  bool Match = false;
  int Target = 10;
  TPolicy Policy1 = TPolicy::Ai;
  TPolicy Policy2 = TPolicy::Ai;
  bool Evals = false;
};

struct TSimChoice {
  int Slot = 0;
  bool Searched = false;
  std::vector<int> Values;
};

// The card the seat's policy plays now.
TSimChoice ChooseForSeat(const TDealState& d, int seat, TPolicy policy);

// Plays the current deal from the start click to its end (TurnState 4).
// onChoice, when given, hears each choice before it is played.
template <typename F>
void PlayOutDeal(TGame& g, TPolicy p1, TPolicy p2, F&& onChoice);

// Exit status: 0 on success, 2 on a malformed deck line or missing deals.
int RunSimulation(std::istream& decks, std::ostream& out, std::ostream& err,
                  const TSimOptions& options);

// ---------------------------------------------------------------------------

template <typename F>
void PlayOutDeal(TGame& g, TPolicy p1, TPolicy p2, F&& onChoice) {
  Continue(g);  // the start click
  while (g.Deal.TurnState == kTurnPlayer1 || g.Deal.TurnState == kTurnPlayer2) {
    const int seat = g.Deal.TurnState;
    const TSimChoice c = ChooseForSeat(g.Deal, seat, seat == 1 ? p1 : p2);
    onChoice(seat, c);
    PlayCard(g, seat, c.Slot);
    if (g.Deal.TurnState == kTurnTrickComplete) Continue(g);
  }
}

}  // namespace zembra::tools

