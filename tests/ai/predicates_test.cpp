#include <gtest/gtest.h>

#include "ai/predicates.h"
#include "engine/scenario.h"

namespace zembra::ai {
namespace {

using test::C;
using test::MakeScenario;

constexpr unsigned char kH = cp1251::kHearts, kD = cp1251::kDiamonds, kC = cp1251::kClubs,
                        kS = cp1251::kSpades;

TEST(Predicates, SideSuitsInFixedOrder) {
  EXPECT_EQ(SideSuits(kD), (std::array<unsigned char, 3>{kH, kC, kS}));
  EXPECT_EQ(SideSuits(kH), (std::array<unsigned char, 3>{kD, kC, kS}));
  EXPECT_EQ(SideSuits(kS), (std::array<unsigned char, 3>{kH, kD, kC}));
}

TEST(Predicates, HandQueries) {
  const TGame g = MakeScenario("trump=s; h1=Jh Ah 9h Kc Ts; h2=9d; played=Qh 9s Js Qd");
  const THand& h = g.Deal.Hand[1];  // 9h Jh Ah Kc Ts
  EXPECT_TRUE(InHand(C("Ah"), h));
  EXPECT_FALSE(InHand(C("Th"), h));
  EXPECT_EQ(SlotOf(C("Kc"), h), 4);
  EXPECT_EQ(SlotOf(C("Kd"), h), 0);
  EXPECT_TRUE(IsPlayed(g.Deal, C("Qh")));
  EXPECT_FALSE(IsPlayed(g.Deal, C("Ah")));
  EXPECT_EQ(CountInSuit(h, kH), 3);
  EXPECT_EQ(CountPlayedInSuit(g.Deal, kS), 2);
  EXPECT_EQ(HighestOrderInSuit(h, kH), 6);
  EXPECT_EQ(LowestSlotInSuit(h, kH), 1);
  EXPECT_EQ(HighestSlotInSuit(h, kH), 3);
  // A suit not held: 0 everywhere, below every rank order.
  EXPECT_FALSE(HasSuit(h, kD));
  EXPECT_EQ(HighestOrderInSuit(h, kD), 0);
  EXPECT_EQ(LowestSlotInSuit(h, kD), 0);
  EXPECT_EQ(HighestSlotInSuit(h, kD), 0);
  EXPECT_EQ(PointsOfOrder(6), 11);
  EXPECT_EQ(PointsOfOrder(1), 0);
  EXPECT_EQ(PointsOfOrder(99), 0);
}

TEST(Predicates, DiscardChoiceRules) {
  const struct {
    const char* Name;
    const char* Hand;  // trump spades, sorted: hearts, clubs, diamonds, spades
    const char* Expected;
  } cases[] = {
      {"lone nine before lone jack", "Jh 9c Ah Ad As Ks", "9c"},
      {"lone jack", "Jh Ac Ad As Ks Ts", "Jh"},
      {"lone queen before a lone king", "Kh Qc Ad As Ks Ts", "Qc"},
      {"lone king", "Kh Ac Ad As Ts Js", "Kh"},
      {"paired nine without its ten", "9h Kh Qc Jc Ad As", "9h"},
      {"paired nine beside its ten is kept", "9h Th Jc Qc Ad As", "Jc"},
      {"paired jack without its ten", "Jh Ah Qc Kc Ad As", "Jh"},
      {"any nine", "9h Th Ah Qc Kc Ac", "9h"},
      {"any queen", "Qh Th Ah Kc Tc Ac", "Qh"},
      {"any king", "Kh Th Ah Kc Tc Ac", "Kh"},
      {"a ten last", "Th Ah Tc Ac Ad As", "Th"},
  };
  for (const auto& c : cases) {
    const TGame g = MakeScenario(std::string("trump=s; h2=9d; h1=") + c.Hand);
    const int slot = DiscardChoice(g.Deal.Hand[1], kS);
    ASSERT_GT(slot, 0) << c.Name;
    EXPECT_EQ(ToAscii(g.Deal.Hand[1][slot]), c.Expected) << c.Name;
  }
  const TGame onlyTrumpsAndAces = MakeScenario("trump=s; h1=Ah Ac 9s Ks Ts As; h2=9d");
  EXPECT_EQ(DiscardChoice(onlyTrumpsAndAces.Deal.Hand[1], kS), 0);
}

}  // namespace
}  // namespace zembra::ai
