#include <gtest/gtest.h>

#include <random>

#include "ai/computer.h"
#include "engine/dealing.h"
#include "engine/rules.h"
#include "engine/scenario.h"
#include "match/autoplay.h"

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

// The computer in either seat, checked at every choice: the card is legal,
// thinking never changes the state, the search's values fit the hand.
class TCheckedComputer : public TSeat {
 public:
  explicit TCheckedComputer(uint64_t seed) : Seed(seed) {}
  std::optional<int> OnTurn(const TDealState& d, int seat) override {
    const std::string before = ToString(d);
    const TAiChoice c = ChooseMove(seat == 1 ? d : MirrorView(d));
    EXPECT_EQ(ToString(d), before) << "seed " << Seed;
    EXPECT_GE(c.Slot, 1) << "seed " << Seed;
    EXPECT_LE(c.Slot, d.HandCount[seat]) << "seed " << Seed;
    EXPECT_EQ(CheckMove(d, seat, c.Slot), TMoveVerdict::Ok) << "seed " << Seed << "\n" << ToString(d);
    if (c.Searched) {
      EXPECT_EQ(c.Values.size(), d.HandCount[seat]);
      EXPECT_NE(c.Values[c.Slot - 1], -10);
    }
    ++Choices;
    return c.Slot;
  }
  uint64_t Seed;
  int Choices = 0;
};

// Whole deals computer against computer, through the match controller.
TEST(Computer, PlaysLegalCardsInBothSeatsThroughWholeDeals) {
  for (uint64_t seed = 1; seed <= 1500; ++seed) {
    std::mt19937_64 rng(seed);
    TGame g;
    TCheckedComputer a(seed), b(seed);
    TMatchSetup setup;
    setup.Random = &rng;
    TMatchController c(g, setup, a, b);
    c.Start();
    PlayUntil(c, [](const TGame& game) { return game.Deal.TurnState == kTurnDealOver; });
    ASSERT_EQ(g.Deal.TurnState, kTurnDealOver) << "seed " << seed << "\n" << ToString(g.Deal);
    const int onTable = !g.Deal.TableCard[1].IsEmpty() + !g.Deal.TableCard[2].IsEmpty();
    ASSERT_EQ(a.Choices + b.Choices, g.Deal.PlayedPos - 1 + onTable) << "seed " << seed;
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace zembra::ai
