// Leading: the endgame search once the stock is gone, else list A when the
// human can hold no trump and list B when it may.
#include "ai/computer.h"
#include "ai/endgame_search.h"
#include "ai/predicates.h"
#include "engine/rules.h"

namespace zembra::ai {
namespace {

constexpr TRank kHighToLow[] = {TRank::Ace, TRank::Ten, TRank::King,
                                TRank::Queen, TRank::Jack, TRank::Nine};

// A side-suit card every higher card of which has been played.
int MasterCard(const TDealState& d, const THand& hand, unsigned char trump) {
  for (TRank r : kHighToLow) {
    for (unsigned char s : SideSuits(trump)) {
      if (!InHand(Card(r, s), hand)) continue;
      bool master = true;
      for (int higher = static_cast<int>(r) + 1; higher <= 6; ++higher)
        if (!IsPlayed(d, Card(static_cast<TRank>(higher), s))) master = false;
      if (master) return SlotOf(Card(r, s), hand);
    }
  }
  return 0;
}

int FirstSideDiscard(const THand& hand, unsigned char trump) {
  for (unsigned char s : SideSuits(trump))
    if (HasSuit(hand, s)) return DiscardChoice(hand, trump);
  return 0;
}

int ListA(const TDealState& d) {
  const THand& hand = d.Hand[1];
  const unsigned char T = d.Trump;
  if (int s = MasterCard(d, hand, T)) return s;
  if (HasMarriage(hand, T)) return SlotOf(Card(TRank::King, T), hand);
  for (unsigned char s : SideSuits(T))
    if (HasMarriage(hand, s) && d.Taken[1] >= 46) return SlotOf(Card(TRank::King, s), hand);
  if (HasSuit(hand, T)) return HighestSlotInSuit(hand, T);
  for (unsigned char s : SideSuits(T))
    if (HasMarriage(hand, s)) return SlotOf(Card(TRank::Queen, s), hand);
  return FirstSideDiscard(hand, T);
}

int ListB(const TDealState& d) {
  const THand& hand = d.Hand[1];
  const unsigned char T = d.Trump;
  for (TRank r : kHighToLow) {
    if (IsPlayed(d, Card(r, T))) continue;
    if (InHand(Card(r, T), hand)) return SlotOf(Card(r, T), hand);
    break;
  }
  if (HasMarriage(hand, T)) return SlotOf(Card(TRank::Queen, T), hand);
  for (unsigned char s : SideSuits(T))
    if (HasMarriage(hand, s)) return SlotOf(Card(TRank::Queen, s), hand);
  for (unsigned char s : kAllSuits)
    if (InHand(Card(TRank::Ace, s), hand) && CountInSuit(hand, s) == 1)
      return SlotOf(Card(TRank::Ace, s), hand);
  for (unsigned char s : SideSuits(T))
    if (InHand(Card(TRank::Ace, s), hand)) return SlotOf(Card(TRank::Ace, s), hand);
  if (int s = FirstSideDiscard(hand, T)) return s;
  return HighestSlotInSuit(hand, T);
}

}  // namespace

TAiChoice ChooseLead(const TDealState& d) {
  if (auto endgame = EndgameChoice(d, [&] {
        return SolveLead(SearchHandOf(d, 1), SearchHandOf(d, 2), d.Taken[1], d.Taken[2], d.Trump);
      }))
    return *endgame;
  TAiChoice choice;
  const unsigned char T = d.Trump;
  const bool humanHasNoTrump = CountPlayedInSuit(d, T) + CountInSuit(d.Hand[1], T) == 6;
  choice.Slot = humanHasNoTrump ? ListA(d) : ListB(d);
  if (choice.Slot == 0) choice.Slot = 1;  // unreachable with a legal hand; never stall the table
  return choice;
}

}  // namespace zembra::ai
