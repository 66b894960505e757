// The one checked entry for a move: whoever plays a card (the player's
// click, the computer, a duel peer, the tournament server), the card is
// first judged here, and PlayCard refuses what this refuses.
#pragma once

#include <cstdint>

#include "engine/deal_state.h"

namespace zembra {

enum class TMoveVerdict : uint8_t {
  Ok,
  NotInDeal,       // no deal on the table
  PlayNotStarted,  // the deal waits for its start click
  NotYourTurn,     // the other seat is to move, or a trick or the deal is complete
  NoSuchSlot,      // a slot outside 1..6, or an empty one
  MustFollowSuit,  // the seat holds the led suit
  MustTrump,       // the seat holds no card of the led suit but a trump
};

// Judges seat's card in slot against the deal as it stands. The follow
// rule is the same for both seats: answer the led suit, else trump, else
// anything; leading is always allowed.
TMoveVerdict CheckMove(const TDealState& d, int seat, int slot);

// The follow rule alone, for a card in slots 1..6 of seat's hand, whatever
// the turn: Ok, MustFollowSuit or MustTrump. Used where a position is
// weighed rather than played (the computer opponent, the cursor).
TMoveVerdict FollowRule(const TDealState& d, int seat, int slot);

const char* VerdictName(TMoveVerdict v);

}  // namespace zembra
