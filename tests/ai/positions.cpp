#include "ai/positions.h"

#include <algorithm>
#include <array>

#include "ai/computer.h"
#include "engine/dealing.h"
#include "engine/rules.h"

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
  TDealOptions o;
  o.Random = &rng;
  DealCards(g, o);
  Continue(g);
  while (g.Deal.TurnState != kTurnDealOver) {
    if (g.Deal.TurnState == kTurnTrickComplete) {
      Continue(g);
      continue;
    }
    if (g.Deal.StockExhausted() && g.Deal.HandCount[1] == 6 && g.Deal.HandCount[2] == 6 &&
        g.Deal.TurnState == 1 && g.Deal.Leader == TLeader::Co) {
      out = g.Deal;
      return true;
    }
    const int seat = g.Deal.TurnState;
    const ai::TAiChoice c =
        seat == 1 ? ai::ChooseMove(g.Deal) : ai::ChooseMove(ai::MirrorView(g.Deal));
    PlayCard(g, seat, c.Slot);
  }
  return false;
}

}  // namespace zembra::test
