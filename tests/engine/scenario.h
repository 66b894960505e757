// Test positions from one readable string, for example
//   "trump=s; h1=Ah Th 9c; h2=Kh Qh Jd; lead=me; stock=25; taken=10,20;
//    played=Jh Js; table2=Kd"
// Keys: trump, h1, h2 (ASCII card tokens; sorted unless "unsorted"),
// lead (co|me), stock (StockPos), taken, pending (two numbers),
// played (PlayedCards in order), table1/table2 (a card already led by that
// seat; TurnState becomes the other seat). Without a table card the
// leader is to move. Play is under way (PlayPhase 2, InDeal).
#pragma once

#include <string_view>

#include "engine/game.h"

namespace zembra::test {

TGame MakeScenario(std::string_view spec);
TDeck DeckFrom(std::string_view cards);  // 24 tokens in deck order

// Player 1: 9h Jh Qh Kh Th Ah, player 2: 9d..Ad; stock 9c..Ts; trump card As.
inline constexpr const char* kOrderedDeck =
    "9h Jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As";
TCardCode C(std::string_view token);     // one card, "Th"
int SlotIn(const TDealState& d, int player, std::string_view token);

}  // namespace zembra::test
