#include <gtest/gtest.h>

#include <random>

#include "ai/computer.h"
#include "engine/dealing.h"
#include "engine/rules.h"
#include "engine/scenario.h"

namespace zembra::ai {
namespace {

TEST(Computer, MirrorViewSwapsTheSeats) {
  const TGame g = test::MakeScenario(
      "trump=s; h1=9h Jh; h2=Ac Kc Qc; table1=Ah; taken=11,22; pending=0,20; played=9c Jc");
  const TDealState m = MirrorView(g.Deal);
  EXPECT_EQ(HandToString(m, 1), "Qc Kc Ac");
  EXPECT_EQ(HandToString(m, 2), "9h Jh");
  EXPECT_EQ(m.HandCount[1], 3);
  EXPECT_EQ(m.TableCard[2], test::C("Ah"));
  EXPECT_EQ(m.TableOrder[2], 6);
  EXPECT_EQ(m.Taken[1], 22);
  EXPECT_EQ(m.Pending[1], 20);
  EXPECT_EQ(m.Leader, TLeader::Me);
  EXPECT_EQ(m.PlayedCards, g.Deal.PlayedCards);
  EXPECT_EQ(m.LedSuit, g.Deal.LedSuit);
  EXPECT_EQ(m.Trump, g.Deal.Trump);
}

// Whole deals computer against computer: every card chosen is legal, the
// state is never changed by thinking, and every deal ends.
TEST(Computer, PlaysLegalCardsInBothSeatsThroughWholeDeals) {
  for (uint64_t seed = 1; seed <= 1500; ++seed) {
    std::mt19937_64 rng(seed);
    TGame g;
    TDealOptions o;
    o.Random = &rng;
    DealCards(g, o);
    Continue(g);
    int steps = 0;
    while (g.Deal.TurnState != kTurnDealOver) {
      ASSERT_LT(++steps, 60) << "seed " << seed;
      if (g.Deal.TurnState == kTurnTrickComplete) {
        Continue(g);
        continue;
      }
      const int seat = g.Deal.TurnState;
      const std::string before = ToString(g.Deal);
      const TDealState view = seat == 1 ? g.Deal : MirrorView(g.Deal);
      const TAiChoice c = ChooseMove(view);
      ASSERT_EQ(ToString(g.Deal), before) << "seed " << seed;
      ASSERT_GE(c.Slot, 1) << "seed " << seed;
      ASSERT_LE(c.Slot, g.Deal.HandCount[seat]) << "seed " << seed;
      ASSERT_FALSE(IsIllegalCard(g.Deal, seat, c.Slot)) << "seed " << seed << "\n"
                                                        << ToString(g.Deal);
      if (c.Searched) {
        ASSERT_EQ(c.Values.size(), g.Deal.HandCount[seat]);
        ASSERT_NE(c.Values[c.Slot - 1], -10);
      }
      PlayCard(g, seat, c.Slot);
    }
  }
}

}  // namespace
}  // namespace zembra::ai
