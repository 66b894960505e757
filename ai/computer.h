// The computer opponent in seat 1: one deterministic player that follows
// fixed rule lists while the stock lasts and searches the endgame
// exhaustively. It reads the deal state and never changes it; the caller
// plays the chosen slot with PlayCard(1, slot).
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "engine/deal_state.h"

namespace zembra::ai {

struct TAiChoice {
  int Slot = 0;             // slot of Hand[1]
  bool Searched = false;    // the endgame search chose it
  std::vector<int> Values;  // the search's top-level values, slot 1 first
};

// The choice both moves share: slot 1 with a single card, the endgame
// search once the hands shrink or the stock has just run out (search is
// called then), nothing when the rule lists decide.
std::optional<TAiChoice> EndgameChoice(const TDealState& d,
                                       const std::function<struct TSearchResult()>& search);

// Seat 1 leads (Leader "co").
TAiChoice ChooseLead(const TDealState& d);
// Seat 1 answers the card seat 2 led (Leader "me").
TAiChoice ChooseFollow(const TDealState& d);
// The trump to ruff with when seat 1 cannot follow suit.
int ChooseRuff(const TDealState& d);
// Leading or following, as Leader says.
TAiChoice ChooseMove(const TDealState& d);

// The deal seen from seat 2: hands, table cards, points and the leader
// swapped; the played cards, trump, stock and led suit unchanged. Lets the
// same player sit in seat 2.
TDealState MirrorView(const TDealState& d);

}  // namespace zembra::ai
