#include <gtest/gtest.h>

#include "ai/computer.h"
#include "engine/scenario.h"

namespace zembra::ai {
namespace {

using test::MakeScenario;

std::string Led(const char* scenario) {
  const TGame g = MakeScenario(scenario);
  const TAiChoice c = ChooseLead(g.Deal);
  return ToAscii(g.Deal.Hand[1][c.Slot]);
}

struct TLeadCase {
  const char* Name;
  const char* Scenario;
  const char* Card;
};

// Six cards each and the stock still there: the rule lists decide.
TEST(ChooseLead, RuleLists) {
  const TLeadCase cases[] = {
      // List A (every trump is played or in the computer's hand).
      {"A1: aces before any ten, in side-suit order by rank",
       "trump=h; stock=21; h1=Ac Td 9c 9d Jd Qd; h2=9s Js Qs Ks Ts As; "
       "played=9h Jh Qh Kh Th Ah Ad Kc",
       "Ac"},
      {"A1: a ten whose ace is played is a master",
       "trump=h; stock=21; h1=Td 9c Jc 9d Jd Qd; h2=9s Js Qs Ks Ts As; "
       "played=9h Jh Qh Kh Th Ah Ad Kc",
       "Td"},
      {"A2: forty with the king",
       "trump=h; stock=21; h1=Kh Qh 9c Jc 9d Jd; h2=9s Js Qs Ks Ts As; "
       "played=9h Jh Th Ah Tc Kc Ac Ad",
       "Kh"},
      {"A3 needs 46: at 45 A4 leads the highest trump instead",
       "trump=h; stock=21; taken=45,0; h1=Kc Qc 9d Jd Qd 9h; h2=Tc Ac Qs Ks Ts As; "
       "played=Jh Qh Kh Th Ah Ad 9s Js",
       "9h"},
      {"A3: twenty that closes at 46",
       "trump=h; stock=21; taken=46,0; h1=Kc Qc 9d Jd Qd 9h; h2=Tc Ac Qs Ks Ts As; "
       "played=Jh Qh Kh Th Ah Ad 9s Js",
       "Kc"},
      {"A5: twenty with the queen at 45 and no trump",
       "trump=h; stock=21; taken=45,0; h1=Kc Qc 9d Jd Qd 9c; h2=9s Js Qs Ks Ts As; "
       "played=9h Jh Qh Kh Th Ah Ad Tc",
       "Qc"},
      {"A6: the discard choice",
       "trump=h; stock=21; h1=9c Kd Jd 9d Ts Js; h2=9s Qs Ks As Qd Td; "
       "played=9h Jh Qh Kh Th Ah Ad Ac",
       "9c"},
      // List B (the human may hold trumps).
      {"B1: the highest trump not yet played",
       "trump=h; stock=13; h1=Ah 9c Jc 9d Jd Qd; h2=9s Js Qs Ks Ts As", "Ah"},
      {"B1 yields nothing while the trump ace lies under the stock",
       "trump=h; stock=13; h1=Th 9c Jc 9d Jd Ad; h2=9s Js Qs Ks Ts As", "Ad"},
      {"B2: forty with the queen", "trump=h; stock=13; h1=Kh Qh 9c Jc 9d Jd; h2=9s Js Qs Ks Ts As",
       "Qh"},
      {"B3: twenty with the queen", "trump=h; stock=13; h1=Kc Qc 9h Jc 9d Jd; h2=9s Js Qs Ks Ts As",
       "Qc"},
      {"B4: a bare ace before an accompanied one",
       "trump=h; stock=13; h1=As Ad 9d Jc Qc 9h; h2=Js Qs Ks Ts Kh Qh", "As"},
      {"B6: the discard choice, a lone nine first",
       "trump=h; stock=13; h1=9c Jd Qd Ks Js 9h; h2=Qs Ts Kh Qh Ac As", "9c"},
      {"B1: the ten once the ace is played, before forty",
       "trump=h; stock=15; h1=Jh Qh Kh Th 9c Jc; h2=Js Ts Ks Qs Ac As; played=Ah 9s", "Th"},
  };
  for (const auto& c : cases) EXPECT_EQ(Led(c.Scenario), c.Card) << c.Name;
}

TEST(ChooseLead, MethodChoice) {
  // One card: slot 1, no search.
  TGame g = MakeScenario("trump=h; h1=9c; h2=Ac");
  TAiChoice c = ChooseLead(g.Deal);
  EXPECT_EQ(c.Slot, 1);
  EXPECT_FALSE(c.Searched);

  // Three cards each after the stock: the search, even where a rule would
  // lead an ace.
  g = MakeScenario("trump=h; h1=Ac 9d Jd; h2=Tc 9s Js; taken=30,40");
  c = ChooseLead(g.Deal);
  EXPECT_TRUE(c.Searched);
  EXPECT_EQ(c.Values.size(), 3u);

  // Six cards each: the search with StockPos 25, the rules with 24 or less.
  const char* six = "trump=h; h1=Ac 9d Jd Qd Kd Td; h2=Tc 9s Js Qs Ks Ts; taken=30,20";
  g = MakeScenario(six);
  g.Deal.StockPos = 25;
  EXPECT_TRUE(ChooseLead(g.Deal).Searched);
  g.Deal.StockPos = 24;
  EXPECT_FALSE(ChooseLead(g.Deal).Searched);
}

TEST(ChooseLead, NeverChangesTheDealState) {
  const TGame g = MakeScenario("trump=h; stock=13; h1=Kh Qh 9c Jc 9d Jd; h2=9s Js Qs Ks Ts As");
  TDealState copy = g.Deal;
  ChooseLead(copy);
  EXPECT_EQ(ToString(copy), ToString(g.Deal));
  EXPECT_EQ(copy.Hand[1], g.Deal.Hand[1]);
}

}  // namespace
}  // namespace zembra::ai
