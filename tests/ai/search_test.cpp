#include <gtest/gtest.h>

#include "ai/computer.h"
#include "ai/endgame_search.h"
#include "ai/positions.h"
#include "engine/scenario.h"

namespace zembra::ai {
namespace {

using test::C;
using test::MakeScenario;

constexpr unsigned char kSpades = cp1251::kSpades;

TEST(SearchHelpers, GameValue) {
  EXPECT_EQ(GameValue(0), 3);  // also after two nines: points, not tricks, count
  EXPECT_EQ(GameValue(1), 2);
  EXPECT_EQ(GameValue(32), 2);
  EXPECT_EQ(GameValue(33), 1);
}

TEST(SearchHelpers, TrickWinner) {
  const struct {
    const char *Led, *Answer;
    bool LeaderWins;
  } cases[] = {
      {"Kh", "Th", false}, {"Th", "Kh", true}, {"9h", "Ac", true},
      {"9h", "9s", false}, {"9s", "Ah", true}, {"Js", "Qs", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LeaderWinsTrick(C(c.Led), CardPointsOf(C(c.Led)), C(c.Answer),
                              CardPointsOf(C(c.Answer)), kSpades),
              c.LeaderWins)
        << c.Led << " " << c.Answer;
}

TEST(SearchHelpers, LegalAnswerAndMarriageBonus) {
  const TGame g = MakeScenario("trump=s; h1=9h Ts Jc; h2=Kd Qd Ks Qs 9c");
  const THand& h = g.Deal.Hand[1];
  EXPECT_TRUE(IsLegalAnswer(C("Ah"), C("9h"), h, 3, kSpades));
  EXPECT_FALSE(IsLegalAnswer(C("Ah"), C("Ts"), h, 3, kSpades));
  EXPECT_TRUE(IsLegalAnswer(C("Ad"), C("Ts"), h, 3, kSpades));
  EXPECT_FALSE(IsLegalAnswer(C("Ad"), C("Jc"), h, 3, kSpades));
  EXPECT_TRUE(IsLegalAnswer(C("Ad"), C("9h"), h, 1, kSpades));  // only slot 1 counts

  const THand& m = g.Deal.Hand[2];  // 9c Kd Qd Qs Ks
  EXPECT_EQ(MarriageBonus(C("Kd"), m, 5, kSpades), 20);
  EXPECT_EQ(MarriageBonus(C("Qs"), m, 5, kSpades), 40);
  EXPECT_EQ(MarriageBonus(C("9c"), m, 5, kSpades), 0);
  EXPECT_EQ(MarriageBonus(C("Kh"), m, 5, kSpades), 0);
}

TSearchResult LeadSearch(const TDealState& d) {
  return SolveLead(SearchHandOf(d, 1), SearchHandOf(d, 2), d.Taken[1], d.Taken[2], d.Trump);
}

TEST(Search, HandWorkedPositions) {
  // Two cards each, trump spades: h1 = Ah Jd, h2 = 9h 9s, no points yet.
  //  Ah: the 9h must follow, the leader takes 11, leads Jd, the 9s ruffs
  //      and takes the last trick: the leader loses with 11 points, -2.
  //  Jd: the follower must ruff with 9s (2 points), leads 9h into the ace
  //      and loses the last trick with 2 points: +2.
  TDealState d = MakeScenario("trump=s; h1=Ah Jd; h2=9h 9s; lead=co").Deal;
  TSearchResult r = LeadSearch(d);
  EXPECT_EQ(r.Values, (std::vector<int>{-2, 2}));
  EXPECT_EQ(r.Slot, 2);

  // A marriage bonus that reaches 66 wins at once: +GameValue(follower).
  d = MakeScenario("trump=s; h1=Kh Qh 9d; h2=Ah Th Ad; lead=co; taken=50,0").Deal;
  r = LeadSearch(d);
  ASSERT_EQ(HandToString(d, 1), "Qh Kh 9d");
  EXPECT_EQ(r.Values[0], 3);
  EXPECT_EQ(r.Values[1], 3);
  EXPECT_EQ(r.Slot, 1);  // ties go to the lowest slot
}

TEST(Search, IllegalAnswersScoreMinusTenAndAreNeverChosen) {
  TDealState d = MakeScenario("trump=s; h1=9h Jc Ts; h2=Ah Kc; table2=Qh").Deal;
  const TAiChoice c = ChooseFollow(d);
  ASSERT_TRUE(c.Searched);
  ASSERT_EQ(HandToString(d, 1), "9h Jc Ts");
  EXPECT_EQ(c.Values[1], kIllegalAnswer);
  EXPECT_EQ(c.Values[2], kIllegalAnswer);
  EXPECT_EQ(c.Slot, 1);
}

// The fast search must give every top-level slot exactly the value of the
// plain recursion the rules define.
TEST(Search, FastSearchMatchesThePlainSearchExactly) {
  std::mt19937_64 rng(2024);
  for (int round = 0; round < 600; ++round) {
    const int n = 2 + round % 5;  // 2..6
    for (bool following : {false, true}) {
      const TDealState d = test::RandomEndgame(rng, n, following);
      if (!following) {
        const auto L = SearchHandOf(d, 1), F = SearchHandOf(d, 2);
        const auto fast = SolveLead(L, F, d.Taken[1], d.Taken[2], d.Trump);
        const auto plain = SolveLeadPlain(L, F, d.Taken[1], d.Taken[2], d.Trump);
        ASSERT_EQ(fast.Values, plain.Values) << ToString(d);
        ASSERT_EQ(fast.Slot, plain.Slot) << ToString(d);
      } else {
        const auto F = SearchHandOf(d, 1), L = SearchHandOf(d, 2);
        const int p = CardPointsOf(d.TableCard[2]);
        const auto fast = SolveFollow(F, L, d.TableCard[2], p, d.Taken[2], d.Taken[1], d.Trump);
        const auto plain =
            SolveFollowPlain(F, L, d.TableCard[2], p, d.Taken[2], d.Taken[1], d.Trump);
        ASSERT_EQ(fast.Values, plain.Values) << ToString(d);
        ASSERT_EQ(fast.Slot, plain.Slot) << ToString(d);
      }
    }
  }
}

TEST(Search, FormatValues) {
  EXPECT_EQ(FormatValues({-10, 2, -1}), "-10 2 -1");
  EXPECT_EQ(FormatValues({}), "");
}

}  // namespace
}  // namespace zembra::ai
