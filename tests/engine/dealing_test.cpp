#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "engine/dealing.h"
#include "engine/game.h"
#include "engine/rules.h"
#include "engine/scenario.h"

namespace zembra {
namespace {

using test::C;
using test::DeckFrom;
using test::kOrderedDeck;


TGame Dealt(const char* deck, TDealOptions o = {}) {
  TGame g;
  const TDeck d = DeckFrom(deck);
  o.Deck = &d;
  DealCards(g, o);
  return g;
}

TEST(Shuffle, EveryCardOnceAndPositionsUniform) {
  std::mt19937_64 rng(12345);
  TDealState d;
  constexpr int kRuns = 24000;
  std::array<std::array<int, 24>, 24> counts{};  // [position][card number]
  for (int run = 0; run < kRuns; ++run) {
    ShuffleDeck(d, rng);
    std::set<std::string> seen;
    for (int pos = 1; pos <= 24; ++pos) {
      seen.insert(CodeBytes(d.DeckCard[pos]));
      EXPECT_EQ(d.DeckOrder[pos], RankOrderOf(d.DeckCard[pos]));
      EXPECT_EQ(d.DeckPoints[pos], CardPointsOf(d.DeckCard[pos]));
      for (int n = 1; n <= 24; ++n)
        if (CardOfNumber(n) == d.DeckCard[pos]) ++counts[pos - 1][n - 1];
    }
    ASSERT_EQ(seen.size(), 24u);
  }
  // Each card lands on each position about kRuns / 24 = 1000 times;
  // six standard deviations (~6 x 31) bound a fair shuffle.
  for (const auto& row : counts)
    for (int c : row) EXPECT_NEAR(c, kRuns / 24, 190);
}

TEST(Dealing, FixedDeckSeatsHandsStockAndTrump) {
  TGame g = Dealt(kOrderedDeck);
  const TDealState& d = g.Deal;
  EXPECT_EQ(HandToString(d, 1), "9h Jh Qh Kh Th Ah");
  EXPECT_EQ(HandToString(d, 2), "9d Jd Qd Kd Td Ad");
  EXPECT_EQ(d.Trump, cp1251::kSpades);
  EXPECT_EQ(d.StockPos, 13);
  EXPECT_EQ(d.HandCount[1], 6);
  EXPECT_EQ(d.HandCount[2], 6);
  EXPECT_EQ(d.TableCard[1], kNoCard);
  EXPECT_EQ(d.LedSuit, kNoSuit);
  EXPECT_EQ(d.PlayedPos, 1);
  EXPECT_EQ(d.PlayPhase, 1);
  EXPECT_TRUE(d.InDeal);
  EXPECT_EQ(g.Match.DealNo, 1);
  EXPECT_EQ(g.Match.MatchTarget, 10);

  // Neither holds a trump: player 2 leads; the first draw takes position 13.
  EXPECT_EQ(g.Match.FirstLeader, 2);
  Continue(g);
  PlayCard(g, 2, 1);  // 9d
  PlayCard(g, 1, 1);  // 9h
  Continue(g);
  EXPECT_EQ(d.StockPos, 15);
  EXPECT_TRUE(test::SlotIn(d, 2, "9c"));  // player 2 led, so drew first
  EXPECT_TRUE(test::SlotIn(d, 1, "Jc"));
}

struct TLeaderCase {
  const char* Name;
  const char* Deck;
  bool TournamentSeat2;
  int Leader;
  const char* Deciding;
};

TEST(Dealing, FirstLeaderByLowestTrump) {
  const TLeaderCase cases[] = {
      // Player 1 holds the nine of spades (trump), player 2 the jack.
      {"nine against jack", "9s Jh Qh Kh Th Ah Js Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9h 9d Qs Ks Ts As",
       false, 1, "9s"},
      // Player 2 holds the lower trump.
      {"player 2 lower", "Qs Jh Qh Kh Th Ah Js Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9h 9d 9s Ks Ts As",
       false, 2, "##"},
      {"no trumps", kOrderedDeck, false, 2, "##"},
      {"no trumps, tournament seat 2", kOrderedDeck, true, 1, "##"},
  };
  for (const auto& c : cases) {
    TDealOptions o;
    o.TournamentSeat2 = c.TournamentSeat2;
    if (c.TournamentSeat2) {
      TGame g;
      const TDeck deck = DeckFrom(c.Deck);
      LoadDeck(g.Deal, deck);
      SeatHands(g.Deal);
      o.Kind = TDealKind::Tournament;
      DealCards(g, o);
      EXPECT_EQ(g.Match.FirstLeader, c.Leader) << c.Name;
      EXPECT_EQ(g.Match.MatchTarget, 8) << c.Name;
      continue;
    }
    TGame g = Dealt(c.Deck, o);
    EXPECT_EQ(g.Match.FirstLeader, c.Leader) << c.Name;
    EXPECT_EQ(g.Deal.TurnState, c.Leader) << c.Name;
    EXPECT_EQ(g.Deal.FirstDrawer, c.Leader) << c.Name;
    EXPECT_EQ(g.Deal.Leader, LeaderOfSeat(c.Leader)) << c.Name;
    EXPECT_EQ(ToAscii(g.Deal.DecidingCard), c.Deciding) << c.Name;
  }
}

TEST(Dealing, LaterDealsLedByPreviousWinnerAndTargetFollowsOption) {
  TGame g = Dealt("9s Jh Qh Kh Th Ah Js Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9h 9d Qs Ks Ts As");
  ASSERT_EQ(g.Match.FirstLeader, 1);
  // Pretend player 2 won the deal.
  g.Deal.Leader = TLeader::Me;
  g.Deal.TurnState = kTurnDealOver;
  g.Deal.PlayPhase = 2;
  g.Deal.GamePoints = 1;
  g.Match.FirstLeader = 2;
  ScoreDeal(g);
  ASSERT_EQ(g.Deal.TurnState, kTurnMatchContinues);

  g.Options.GameTo8 = true;  // switched between deals
  const TDeck same = DeckFrom("9s Jh Qh Kh Th Ah Js Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9h 9d Qs Ks Ts As");
  Continue(g, &same);
  EXPECT_EQ(g.Match.DealNo, 2);
  EXPECT_EQ(g.Match.MatchTarget, 8);
  // Player 1 holds the lowest trump, yet the previous winner leads.
  EXPECT_EQ(g.Match.FirstLeader, 2);
  EXPECT_EQ(g.Deal.TurnState, 2);
  EXPECT_EQ(g.Deal.DecidingCard, kNoCard);
  EXPECT_EQ(g.Match.MatchPoints[2], 1);
}

TEST(Dealing, NewMatchResetsMatchAndLoadsProfile) {
  TGame g;
  g.Match.MatchPoints[1] = 7;
  g.Match.MatchResult = 500;
  g.Deal.RevealCards = true;
  TDealOptions o;
  o.Profile = {12, -380, 1.5};
  DealCards(g, o);
  EXPECT_EQ(g.Match.MatchPoints[1], 0);
  EXPECT_EQ(g.Match.MatchResult, 0);
  EXPECT_FALSE(g.Deal.RevealCards);
  EXPECT_EQ(g.Match.MatchNo, 12);
  EXPECT_EQ(g.Match.ScoreBefore, -380);
  EXPECT_DOUBLE_EQ(g.Match.RatingBefore, 1.5);
  EXPECT_EQ(g.Match.DealNo, 1);
}

}  // namespace
}  // namespace zembra
