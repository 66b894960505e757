#include "ai/positions.h"

#include <algorithm>
#include <array>

#include "ai/computer.h"
#include "engine/dealing.h"
#include "engine/rules.h"
#include "match/autoplay.h"
#include "match/seats.h"

namespace zembra::test {

TDealState RandomEndgame(std::mt19937_64& rng, int n, bool following) {
  while (true) {
    TDealState d;
    ShuffleDeck(d, rng);
    d.Trump = d.DeckCard[1 + rng() % 24].Suit;
    for (int p = 1; p <= 2; ++p) {
      d.Hand[p].Fill(kNoCard);
      d.HandOrder[p].Fill(kEmptyValue);
      d.HandPoints[p].Fill(kEmptyValue);
      d.HandCount[p] = 0;
    }
    d.PlayedCards.Fill(kNoCard);
    d.TableCard.Fill(kNoCard);
    int pos = 1;
    for (int p = 1; p <= 2; ++p) {
      for (int i = 1; i <= n; ++i, ++pos) {
        d.Hand[p][i] = d.DeckCard[pos];
        d.HandOrder[p][i] = d.DeckOrder[pos];
        d.HandPoints[p][i] = d.DeckPoints[pos];
      }
      d.HandCount[p] = static_cast<uint8_t>(n);
    }
    int taken[3] = {0, 0, 0};
    d.PlayedPos = 1;
    for (; pos <= 24; pos += 2) {
      d.PlayedCards[d.PlayedPos++] = d.DeckCard[pos];
      d.PlayedCards[d.PlayedPos++] = d.DeckCard[pos + 1];
      taken[1 + rng() % 2] += d.DeckPoints[pos] + d.DeckPoints[pos + 1];
    }
    for (int p = 1; p <= 2; ++p)
      if (taken[p] > 0 && rng() % 4 == 0) taken[p] += rng() % 3 == 0 ? 40 : 20;
    if (taken[1] >= 66 || taken[2] >= 66) continue;
    d.Taken[1] = taken[1];
    d.Taken[2] = taken[2];
    d.StockPos = 25;
    d.StockEmptyAnnounced = true;
    SortHand(d, 1);
    SortHand(d, 2);
    d.Leader = TLeader::Co;
    d.TurnState = 1;
    if (following) {
      const int slot = 1 + static_cast<int>(rng() % d.HandCount[2]);
      const TCardCode led = d.Hand[2][slot];
      d.TableCard[2] = led;
      d.TableOrder[2] = RankOrderOf(led);
      d.TablePoints[2] = CardPointsOf(led);
      d.LedSuit = led.Suit;
      d.Leader = TLeader::Me;
      d.Hand[2][slot] = kNoCard;
      d.HandPoints[2][slot] = kEmptyValue;
      d.HandOrder[2][slot] = kEmptyValue;
      SortHand(d, 2);
    }
    d.InDeal = true;
    d.PlayPhase = 2;
    return d;
  }
}

bool PlayedEndgame(uint64_t seed, TDealState& out) {
  std::mt19937_64 rng(seed);
  TGame g;
  TComputerSeat a, b;
  TMatchSetup setup;
  setup.Random = &rng;
  TMatchController c(g, setup, a, b);
  c.Start();
  auto endgame = [](const TGame& game) {
    const TDealState& d = game.Deal;
    return d.StockExhausted() && d.HandCount[1] == 6 && d.HandCount[2] == 6 && d.TurnState == 1 &&
           d.Leader == TLeader::Co;
  };
  PlayUntil(c, [&](const TGame& game) { return endgame(game) || game.Deal.TurnState == kTurnDealOver; });
  if (!endgame(g)) return false;
  out = g.Deal;
  return true;
}

}  // namespace zembra::test
