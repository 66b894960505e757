// Who may press the continue button, per mode. Against the computer the
// player presses it at every step. In a duel both sides collect each
// trick and score each deal: the side whose opponent won the trick goes
// first and acknowledges, the client scores a deal first, the server deals
// and starts. At a tournament table the server deals and play starts at
// once; the side whose opponent won goes first, the seat-1 player scores
// first, and the next deal is asked for.
#pragma once

#include <optional>

#include "engine/deal_state.h"
#include "match/match_mode.h"
#include "match/seat.h"

namespace zembra {

// This side's button after the rules' continue step became due (the deal
// as it stands then); false while a card must be played.
bool ContinueOpenFor(TMatchMode mode, int tournamentSeat, const TDealState& d);

// What pressing the button at this moment tells the other side, before
// the step runs; nothing against the computer.
std::optional<TMatchSignal> SignalBefore(TMatchMode mode, const TDealState& d);
// ... and after it ran, from the turn state it ran at: the duel's server
// that scored the last deal of the match lets the client sum up.
std::optional<TMatchSignal> SignalAfter(TMatchMode mode, uint8_t turnBefore, const TDealState& after);

}  // namespace zembra
