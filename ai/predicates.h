// Card predicates in which the computer's rule lists are written. They
// read the deal state and never change it. "Hand" is slots 1..6.
#pragma once

#include <array>

#include "engine/deal_state.h"

namespace zembra::ai {

// The three suits other than the trump, in the fixed order hearts,
// diamonds, clubs, spades.
std::array<unsigned char, 3> SideSuits(unsigned char trump);
inline constexpr std::array<unsigned char, 4> kAllSuits = {cp1251::kHearts, cp1251::kDiamonds,
                                                           cp1251::kClubs, cp1251::kSpades};

inline TCardCode Card(TRank r, unsigned char suit) { return TCardCode{RankChar(r), suit}; }

bool InHand(TCardCode card, const THand& hand);
int SlotOf(TCardCode card, const THand& hand);  // last slot holding it; 0 when absent
bool IsPlayed(const TDealState& d, TCardCode card);
bool HasSuit(const THand& hand, unsigned char suit);
int CountInSuit(const THand& hand, unsigned char suit);
int CountPlayedInSuit(const TDealState& d, unsigned char suit);
int HighestOrderInSuit(const THand& hand, unsigned char suit);  // 0 when none
int LowestSlotInSuit(const THand& hand, unsigned char suit);    // 0 when none
int HighestSlotInSuit(const THand& hand, unsigned char suit);   // 0 when none
int PointsOfOrder(int order);

// Slot of the cheapest side-suit card; never a trump or an ace; 0 if none.
int DiscardChoice(const THand& hand, unsigned char trump);

}  // namespace zembra::ai
