// Following: the endgame search once the stock is gone; before that, play
// low when the led card cannot be beaten in suit, discard when void in the
// led suit and trumps, beat in suit by the beating tables, else ruff.
#include <optional>
#include <string_view>

#include "ai/computer.h"
#include "ai/endgame_search.h"
#include "ai/predicates.h"

namespace zembra::ai {
namespace {

using TPick = std::optional<TRank> (*)(const TDealState& d, unsigned char suit);

// A set of ranks written as letters: A ten T king K queen Q jack J nine 9.
constexpr unsigned RankBit(TRank r) { return 1u << (static_cast<int>(r) - 1); }
constexpr unsigned Ranks(std::string_view letters) {
  unsigned m = 0;
  for (char ch : letters) {
    switch (ch) {
      case 'A': m |= RankBit(TRank::Ace); break;
      case 'T': m |= RankBit(TRank::Ten); break;
      case 'K': m |= RankBit(TRank::King); break;
      case 'Q': m |= RankBit(TRank::Queen); break;
      case 'J': m |= RankBit(TRank::Jack); break;
      case '9': m |= RankBit(TRank::Nine); break;
      default: break;
    }
  }
  return m;
}

template <TRank R>
std::optional<TRank> Play(const TDealState&, unsigned char) {
  return R;
}

bool Played(const TDealState& d, TRank r, unsigned char suit) { return IsPlayed(d, Card(r, suit)); }

// Ace when the ten of the suit is out of play, otherwise keep the ace back.
std::optional<TRank> AceIfTenPlayedElseKing(const TDealState& d, unsigned char s) {
  return Played(d, TRank::Ten, s) ? TRank::Ace : TRank::King;
}
std::optional<TRank> JackLedAceQueen(const TDealState& d, unsigned char s) {
  if (!Played(d, TRank::Ten, s)) return std::nullopt;  // no row: the highest card
  return Played(d, TRank::King, s) ? TRank::Ace : TRank::Queen;
}
std::optional<TRank> JackLedTenQueen(const TDealState& d, unsigned char s) {
  return Played(d, TRank::Ace, s) && !Played(d, TRank::King, s) ? TRank::Queen : TRank::Ten;
}
std::optional<TRank> RuffFiveWithoutTen(const TDealState& d, unsigned char trump) {
  return Played(d, TRank::Ten, trump) ? TRank::Ace : TRank::Jack;
}

struct TRow {
  TRank Led;
  unsigned Held;
  TPick Pick;
};

constexpr TRank A = TRank::Ace, T = TRank::Ten, K = TRank::King, Q = TRank::Queen,
                J = TRank::Jack, N = TRank::Nine;

// Keyed by the led rank and the held cards of the led suit above it.
constexpr TRow kBeating[] = {
    {T, Ranks("A"), Play<A>},

    {K, Ranks("AT"), Play<A>},
    {K, Ranks("A"), Play<A>},
    {K, Ranks("T"), Play<T>},

    {Q, Ranks("ATK"), Play<A>},
    {Q, Ranks("AT"), Play<A>},
    {Q, Ranks("TK"), Play<T>},
    {Q, Ranks("AK"), AceIfTenPlayedElseKing},
    {Q, Ranks("A"), Play<A>},
    {Q, Ranks("T"), Play<T>},
    {Q, Ranks("K"), Play<K>},

    {J, Ranks("ATKQ"), Play<A>},
    {J, Ranks("ATK"), Play<A>},
    {J, Ranks("ATQ"), Play<A>},
    {J, Ranks("AKQ"), Play<A>},
    {J, Ranks("TKQ"), Play<T>},
    {J, Ranks("AT"), Play<A>},
    {J, Ranks("AK"), AceIfTenPlayedElseKing},
    {J, Ranks("TK"), Play<T>},
    {J, Ranks("AQ"), JackLedAceQueen},
    {J, Ranks("TQ"), JackLedTenQueen},
    {J, Ranks("KQ"), Play<K>},
    {J, Ranks("A"), Play<A>},
    {J, Ranks("T"), Play<T>},
    {J, Ranks("K"), Play<K>},
    {J, Ranks("Q"), Play<Q>},

    {N, Ranks("ATKQJ"), Play<A>},
    {N, Ranks("ATKQ"), Play<A>},
    {N, Ranks("ATKJ"), Play<A>},
    {N, Ranks("ATQJ"), Play<A>},
    {N, Ranks("AKQJ"), Play<A>},
    {N, Ranks("TKQJ"), Play<T>},
    {N, Ranks("ATK"), Play<A>},
    {N, Ranks("ATQ"), Play<A>},
    {N, Ranks("AKQ"), Play<A>},
    {N, Ranks("TKQ"), Play<T>},
    {N, Ranks("ATJ"), Play<A>},
    {N, Ranks("AKJ"), Play<K>},
    {N, Ranks("TKJ"), Play<T>},
    {N, Ranks("AQJ"), Play<Q>},
    {N, Ranks("TQJ"), Play<T>},
    {N, Ranks("KQJ"), Play<J>},
    {N, Ranks("AT"), Play<A>},
    {N, Ranks("AK"), AceIfTenPlayedElseKing},
    {N, Ranks("AQ"), Play<Q>},
    {N, Ranks("AJ"), Play<J>},
    {N, Ranks("TK"), Play<T>},
    {N, Ranks("TQ"), Play<T>},
    {N, Ranks("TJ"), Play<T>},
    {N, Ranks("KQ"), Play<K>},
    {N, Ranks("KJ"), Play<K>},
    {N, Ranks("QJ"), Play<Q>},
    {N, Ranks("A"), Play<A>},
    {N, Ranks("T"), Play<T>},
    {N, Ranks("K"), Play<K>},
    {N, Ranks("Q"), Play<Q>},
    {N, Ranks("J"), Play<J>},
};

// Keyed by the exact set of trumps held.
struct TRuffRow {
  unsigned Held;
  TPick Pick;
};

constexpr TRuffRow kRuff[] = {
    {Ranks("ATKQJ9"), Play<A>},
    {Ranks("TKQJ9"), Play<T>},
    {Ranks("AKQJ9"), RuffFiveWithoutTen},
    {Ranks("ATQJ9"), Play<Q>},
    {Ranks("ATKJ9"), Play<J>},
    {Ranks("ATKQ9"), Play<N>},
    {Ranks("ATKQJ"), Play<A>},
    {Ranks("KQJ9"), Play<J>},
    {Ranks("AQJ9"), Play<Q>},
    {Ranks("ATJ9"), Play<J>},
    {Ranks("ATK9"), Play<N>},
    {Ranks("ATKQ"), Play<A>},
    {Ranks("TQJ9"), Play<Q>},
    {Ranks("TKJ9"), Play<J>},
    {Ranks("TKQ9"), Play<T>},
    {Ranks("TKQJ"), Play<T>},
    {Ranks("AKJ9"), Play<J>},
    {Ranks("AKQ9"), Play<N>},
    {Ranks("AKQJ"), Play<J>},
    {Ranks("ATQ9"), Play<N>},
    {Ranks("ATQJ"), Play<J>},
    {Ranks("ATKJ"), Play<J>},
    {Ranks("ATK"), Play<A>},
    {Ranks("ATQ"), Play<A>},
    {Ranks("ATJ"), Play<J>},
    {Ranks("AT9"), Play<N>},
    {Ranks("AKQ"), Play<A>},
    {Ranks("AKJ"), Play<J>},
    {Ranks("AK9"), Play<N>},
    {Ranks("AQJ"), Play<J>},
    {Ranks("AQ9"), Play<N>},
    {Ranks("AJ9"), Play<J>},
    {Ranks("TKQ"), Play<T>},
    {Ranks("TKJ"), Play<T>},
    {Ranks("TK9"), Play<T>},
    {Ranks("TQJ"), Play<T>},
    {Ranks("TQ9"), Play<T>},
    {Ranks("TJ9"), Play<T>},
    {Ranks("KQJ"), Play<J>},
    {Ranks("KQ9"), Play<N>},
    {Ranks("KJ9"), Play<J>},
    {Ranks("QJ9"), Play<J>},
    {Ranks("A9"), Play<N>},
    {Ranks("AJ"), Play<J>},
    {Ranks("AQ"), Play<Q>},
    {Ranks("AK"), Play<K>},
    {Ranks("AT"), Play<A>},
    {Ranks("TK"), Play<T>},
    {Ranks("TQ"), Play<T>},
    {Ranks("TJ"), Play<T>},
    {Ranks("T9"), Play<T>},
    {Ranks("KQ"), Play<K>},
    {Ranks("KJ"), Play<J>},
    {Ranks("K9"), Play<N>},
    {Ranks("QJ"), Play<J>},
    {Ranks("Q9"), Play<N>},
    {Ranks("J9"), Play<J>},
};

unsigned HeldMask(const THand& hand, unsigned char suit, int above) {
  unsigned m = 0;
  for (int slot = 1; slot <= kHandSize; ++slot) {
    const TCardCode c = hand[slot];
    if (c.IsEmpty() || c.Suit != suit) continue;
    const int order = RankOrderOf(c);
    if (order > above && order <= 6) m |= 1u << (order - 1);
  }
  return m;
}

int BeatInSuit(const TDealState& d, unsigned char led, int ledOrder) {
  const THand& hand = d.Hand[1];
  const unsigned held = HeldMask(hand, led, ledOrder);
  for (const TRow& row : kBeating) {
    if (static_cast<int>(row.Led) != ledOrder || row.Held != held) continue;
    if (auto r = row.Pick(d, led)) return SlotOf(Card(*r, led), hand);
    break;
  }
  return HighestSlotInSuit(hand, led);
}

}  // namespace

int ChooseRuff(const TDealState& d) {
  const THand& hand = d.Hand[1];
  const unsigned held = HeldMask(hand, d.Trump, 0);
  if (held != 0 && (held & (held - 1)) == 0) return LowestSlotInSuit(hand, d.Trump);
  for (const TRuffRow& row : kRuff) {
    if (row.Held != held) continue;
    if (auto r = row.Pick(d, d.Trump)) return SlotOf(Card(*r, d.Trump), hand);
  }
  return LowestSlotInSuit(hand, d.Trump);
}

TAiChoice ChooseFollow(const TDealState& d) {
  if (auto endgame = EndgameChoice(d, [&] {
        return SolveFollow(SearchHandOf(d, 1), SearchHandOf(d, 2), d.TableCard[2],
                           PointsOfOrder(d.TableOrder[2]), d.Taken[2], d.Taken[1], d.Trump);
      }))
    return *endgame;
  TAiChoice choice;

  const THand& hand = d.Hand[1];
  const unsigned char L = d.LedSuit;
  const int o = d.TableOrder[2];
  if (HasSuit(hand, L) && HighestOrderInSuit(hand, L) < o) {
    choice.Slot = LowestSlotInSuit(hand, L);
  } else if (!HasSuit(hand, L) && !HasSuit(hand, d.Trump)) {
    choice.Slot = DiscardChoice(hand, d.Trump);
  } else if (HighestOrderInSuit(hand, L) > o) {
    choice.Slot = BeatInSuit(d, L, o);
  } else {
    choice.Slot = ChooseRuff(d);
  }
  if (choice.Slot == 0) choice.Slot = 1;  // unreachable with a legal hand; never stall the table
  return choice;
}

}  // namespace zembra::ai
