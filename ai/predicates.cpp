#include "ai/predicates.h"

namespace zembra::ai {
namespace {

constexpr std::array<TRank, 6> kLowToHigh = {TRank::Nine, TRank::Jack, TRank::Queen,
                                             TRank::King, TRank::Ten,  TRank::Ace};
constexpr std::array<TRank, 6> kHighToLow = {TRank::Ace,   TRank::Ten,  TRank::King,
                                             TRank::Queen, TRank::Jack, TRank::Nine};

}  // namespace

std::array<unsigned char, 3> SideSuits(unsigned char trump) {
  std::array<unsigned char, 3> out{};
  int n = 0;
  for (unsigned char s : kAllSuits)
    if (s != trump && n < 3) out[n++] = s;
  return out;
}

bool InHand(TCardCode card, const THand& hand) { return SlotOf(card, hand) != 0; }

int SlotOf(TCardCode card, const THand& hand) {
  int found = 0;
  for (int slot = 1; slot <= kHandSize; ++slot)
    if (hand[slot] == card) found = slot;
  return found;
}

bool IsPlayed(const TDealState& d, TCardCode card) {
  for (int i = 1; i <= kDeckSize; ++i)
    if (d.PlayedCards[i] == card) return true;
  return false;
}

bool HasSuit(const THand& hand, unsigned char suit) { return CountInSuit(hand, suit) > 0; }

int CountInSuit(const THand& hand, unsigned char suit) {
  int n = 0;
  for (int slot = 1; slot <= kHandSize; ++slot)
    if (!hand[slot].IsEmpty() && hand[slot].Suit == suit) ++n;
  return n;
}

int CountPlayedInSuit(const TDealState& d, unsigned char suit) {
  int n = 0;
  for (int i = 1; i <= kDeckSize; ++i)
    if (!d.PlayedCards[i].IsEmpty() && d.PlayedCards[i].Suit == suit) ++n;
  return n;
}

int HighestOrderInSuit(const THand& hand, unsigned char suit) {
  int best = 0;
  for (int slot = 1; slot <= kHandSize; ++slot) {
    const TCardCode c = hand[slot];
    if (!c.IsEmpty() && c.Suit == suit && RankOrderOf(c) > best) best = RankOrderOf(c);
  }
  return best;
}

int LowestSlotInSuit(const THand& hand, unsigned char suit) {
  for (TRank r : kLowToHigh)
    if (int s = SlotOf(Card(r, suit), hand)) return s;
  return 0;
}

int HighestSlotInSuit(const THand& hand, unsigned char suit) {
  for (TRank r : kHighToLow)
    if (int s = SlotOf(Card(r, suit), hand)) return s;
  return 0;
}

int PointsOfOrder(int order) {
  switch (order) {
    case 6: return 11;
    case 5: return 10;
    case 4: return 4;
    case 3: return 3;
    case 2: return 2;
    default: return 0;
  }
}

int DiscardChoice(const THand& hand, unsigned char trump) {
  auto scan = [&](auto&& match) {
    for (int slot = 1; slot <= kHandSize; ++slot) {
      const TCardCode c = hand[slot];
      if (c.IsEmpty() || c.Suit == trump) continue;
      if (match(c)) return slot;
    }
    return 0;
  };
  auto isRank = [](TCardCode c, TRank r) { return c.Rank == RankChar(r); };
  auto alone = [&](TCardCode c) { return CountInSuit(hand, c.Suit) == 1; };
  auto pairedWithoutTen = [&](TCardCode c) {
    return CountInSuit(hand, c.Suit) == 2 && !InHand(Card(TRank::Ten, c.Suit), hand);
  };

  for (TRank r : {TRank::Nine, TRank::Jack, TRank::Queen, TRank::King})
    if (int s = scan([&](TCardCode c) { return isRank(c, r) && alone(c); })) return s;
  for (TRank r : {TRank::Nine, TRank::Jack})
    if (int s = scan([&](TCardCode c) { return isRank(c, r) && pairedWithoutTen(c); })) return s;
  for (TRank r : {TRank::Nine, TRank::Jack, TRank::Queen, TRank::King, TRank::Ten})
    if (int s = scan([&](TCardCode c) { return isRank(c, r); })) return s;
  return 0;
}

}  // namespace zembra::ai
