// The rule book of a deal: the strict follow rule, playing a card with its
// automatic marriage, resolving and collecting a trick, drawing from the
// stock and keeping each hand sorted by the trump-dependent suit order.
#pragma once

#include "engine/deal_state.h"
#include "engine/move_check.h"

namespace zembra {

class TGame;

// True when the card in the slot of the player's hand may not answer the
// card on the table (FollowRule refuses it), whoever is to move.
bool IsIllegalCard(const TDealState& d, int player, int slot);

// The local player's check: only a card answering player 1's lead is refused.
bool IsIllegalFollow(const TDealState& d, int slot);

// Both the king and the queen of the suit in slots 1..6.
bool HasMarriage(const THand& hand, unsigned char suit);

// Position of a suit in the hand order for the given trump (trump last).
int SuitRank(unsigned char suit, unsigned char trump);
void SortHand(TDealState& d, int player);

// Puts the card on the table, declares a marriage, advances TurnState,
// resolves a complete trick and ends the deal. A move CheckMove refuses
// changes nothing and returns its verdict (and asserts in checked builds:
// every caller checks first).
TMoveVerdict PlayCard(TGame& g, int player, int slot);
void ResolveTrick(TGame& g);
// TurnState 3: clears the table, logs the trick, draws from the stock.
void CollectTrick(TGame& g);

}  // namespace zembra
