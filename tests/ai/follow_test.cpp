#include <gtest/gtest.h>

#include "ai/computer.h"
#include "ai/predicates.h"
#include "engine/rules.h"
#include "engine/scenario.h"

namespace zembra::ai {
namespace {

using test::MakeScenario;

// Trump spades and a full stock: six cards for the computer, the rules decide.
std::string Answer(const std::string& h1, const char* led, const char* played = "") {
  const TGame g = MakeScenario("trump=s; stock=13; h2=9d Td Jd Qd Kd; h1=" + h1 +
                               "; played=" + played + "; table2=" + led);
  const TAiChoice c = ChooseFollow(g.Deal);
  EXPECT_FALSE(c.Searched);
  EXPECT_FALSE(IsIllegalCard(g.Deal, 1, c.Slot)) << h1 << " to " << led;
  return ToAscii(g.Deal.Hand[1][c.Slot]);
}

TEST(ChooseFollow, Rules) {
  const struct {
    const char* Name;
    const char* Hand;
    const char* Led;
    const char* Played;
    const char* Card;
  } cases[] = {
      {"nine led, king and jack held: the king", "Jh Kh 9c Jc 9s Js", "9h", "", "Kh"},
      {"nine led, king, queen and jack: the jack", "Jh Qh Kh 9c 9s Js", "9h", "", "Jh"},
      {"queen led, ace and king, ten still out: the king", "Kh Ah 9c Jc 9s Js", "Qh", "", "Kh"},
      {"queen led, ace and king, ten played: the ace", "Kh Ah 9c Jc 9s Js", "Qh", "Th Ac", "Ah"},
      {"king led, nine and jack: the nine, though trumps are held", "9h Jh 9c Jc 9s Js", "Kh", "",
       "9h"},
      {"void in the led suit and trumps: the discard", "9c Jc Qc Ac Ad Jd", "Kh", "", "Jd"},
      {"void in the led suit and trumps: a lone nine first", "9c Jc Qc Ac Ad 9d", "Kh", "", "9d"},
      {"side nine led, ace and ten of trumps: ruff with the ace", "9c Jc Qc Ac Ts As", "9h", "",
       "As"},
      {"trump led, lower trumps only: the lowest", "9c Jc Qc Ac 9s Js", "Ks", "", "9s"},
      {"trump led, no trump: the discard", "9c Jc Qc Ac Jh Ah", "Ks", "", "Jh"},
      {"ten led, ace held: the ace", "9h Ah 9c Jc 9s Js", "Th", "", "Ah"},
      {"king led, ten held: the ten", "9h Th 9c Jc 9s Js", "Kh", "", "Th"},
      {"jack led, ace and queen, ten out: no row, the highest", "Qh Ah 9c Jc 9s Js", "Jh", "",
       "Ah"},
      {"jack led, ace and queen, ten played, king out: the queen", "Qh Ah 9c Jc 9s Js", "Jh",
       "Th Ac", "Qh"},
      {"jack led, ace and queen, ten and king played: the ace", "Qh Ah 9c Jc 9s Js", "Jh",
       "Th Kh", "Ah"},
      {"jack led, ten and queen, ace played, king out: the queen", "Qh Th 9c Jc 9s Js", "Jh",
       "Ah Ac", "Qh"},
      {"jack led, ten and queen, ace and king played: the ten", "Qh Th 9c Jc 9s Js", "Jh",
       "Ah Kh", "Th"},
      {"nine led, ace, king and jack: the king", "Jh Kh Ah 9c 9s Js", "9h", "", "Kh"},
      {"nine led, ace and queen: the queen", "Qh Ah 9c Jc 9s Js", "9h", "", "Qh"},
      {"lower cards of the suit play no part", "9h Qh Kh 9c 9s Js", "Jh", "", "Kh"},
  };
  for (const auto& c : cases) EXPECT_EQ(Answer(c.Hand, c.Led, c.Played), c.Card) << c.Name;
}

TEST(ChooseFollow, RuffTableRows) {
  const struct {
    const char* Name;
    const char* Hand;  // spades are trumps; hearts led, none held
    const char* Played;
    const char* Card;
  } cases[] = {
      {"all six: the ace", "9s Js Qs Ks Ts As", "", "As"},
      {"five without the ten, ten out: the jack", "9s Js Qs Ks As 9c", "", "Js"},
      {"five without the ten, ten played: the ace", "9s Js Qs Ks As 9c", "Ts Ac", "As"},
      {"ace and nine: the nine", "9s As 9c Jc Qc Kc", "", "9s"},
      {"ace and king: the king", "Ks As 9c Jc Qc Kc", "", "Ks"},
      {"ace and ten: the ace", "Ts As 9c Jc Qc Kc", "", "As"},
      {"king, queen, jack: the jack", "Js Qs Ks 9c Jc Qc", "", "Js"},
      {"ten, king, queen, nine: the ten", "9s Qs Ks Ts 9c Jc", "", "Ts"},
      {"a single trump", "Qs 9c Jc Qc Kc Ac", "", "Qs"},
  };
  for (const auto& c : cases) EXPECT_EQ(Answer(c.Hand, "9h", c.Played), c.Card) << c.Name;
}

// Every holding of higher cards of the led suit, for every led rank, gets a
// card of that suit that beats the led card; every set of trumps gets a trump.
TEST(ChooseFollow, EveryHoldingHasAnAnswer) {
  const char* ranks = "9JQKTA";
  for (int led = 0; led < 5; ++led) {
    for (unsigned mask = 1; mask < (1u << 6); ++mask) {
      if (mask & ((2u << led) - 1)) continue;  // only cards above the led one
      std::string hand;
      int n = 0;
      for (int r = 0; r < 6; ++r)
        if (mask & (1u << r)) {
          hand += std::string(n++ ? " " : "") + ranks[r] + "h";
        }
      const char* fill[] = {"9c", "Jc", "Qc", "Kc", "Tc", "Ac"};
      for (int i = 0; n < 6; ++i, ++n) hand += std::string(" ") + fill[i];
      const std::string ledCard = std::string(1, ranks[led]) + "h";
      const TGame g = MakeScenario("trump=s; stock=13; h2=9d Td Jd Qd Kd; h1=" + hand +
                                   "; table2=" + ledCard);
      const TAiChoice c = ChooseFollow(g.Deal);
      const TCardCode card = g.Deal.Hand[1][c.Slot];
      EXPECT_EQ(card.Suit, cp1251::kHearts) << hand << " to " << ledCard;
      EXPECT_GT(RankOrderOf(card), led + 1) << hand << " to " << ledCard;
    }
  }
  for (unsigned mask = 1; mask < (1u << 6); ++mask) {
    std::string hand;
    int n = 0;
    for (int r = 0; r < 6; ++r)
      if (mask & (1u << r)) hand += std::string(n++ ? " " : "") + ranks[r] + "s";
    const char* fill[] = {"9c", "Jc", "Qc", "Kc", "Tc", "Ac"};
    for (int i = 0; n < 6; ++i, ++n) hand += std::string(" ") + fill[i];
    const TGame g =
        MakeScenario("trump=s; stock=13; h2=9d Td Jd Qd Kd; h1=" + hand + "; table2=9h");
    const int slot = ChooseRuff(g.Deal);
    ASSERT_GT(slot, 0) << hand;
    EXPECT_EQ(g.Deal.Hand[1][slot].Suit, cp1251::kSpades) << hand;
  }
}

TEST(ChooseFollow, MethodChoice) {
  TGame g = MakeScenario("trump=s; h1=9c; h2=; table2=Ah");
  TAiChoice c = ChooseFollow(g.Deal);
  EXPECT_EQ(c.Slot, 1);
  EXPECT_FALSE(c.Searched);

  // Five cards each after the stock: the search, and a legal answer.
  g = MakeScenario("trump=s; h1=9h Ah 9c Ts Js; h2=Jh Qh Kc Ks; table2=Th; taken=20,30");
  c = ChooseFollow(g.Deal);
  EXPECT_TRUE(c.Searched);
  EXPECT_EQ(c.Values.size(), 5u);
  EXPECT_FALSE(IsIllegalCard(g.Deal, 1, c.Slot));
}

}  // namespace
}  // namespace zembra::ai
