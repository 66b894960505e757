#include <gtest/gtest.h>

#include "engine/events.h"
#include "engine/game.h"
#include "engine/rules.h"
#include "engine/scenario.h"

namespace zembra {
namespace {

using test::MakeScenario;
using test::SlotIn;

const TEngineEvent* Find(const TEventLog& log, TEventKind kind) {
  for (const auto& e : log.Events)
    if (e.Kind == kind) return &e;
  return nullptr;
}

TEST(Marriage, FortyWithCardPointsIsCreditedAtOnce) {
  TGame g = MakeScenario("trump=s; h1=9h Jd; h2=Qs Ks 9c; lead=me; taken=0,12");
  TEventLog log;
  g.SetListener(&log);
  PlayCard(g, 2, SlotIn(g.Deal, 2, "Qs"));
  EXPECT_EQ(g.Deal.Taken[2], 52);  // before any trick is resolved
  EXPECT_EQ(g.Deal.MarriageFlag, 2);
  EXPECT_EQ(g.Deal.Pending[2], 0);
  const TEngineEvent* bubble = Find(log, TEventKind::Bubble);
  ASSERT_NE(bubble, nullptr);
  EXPECT_EQ(bubble->Text, TText::FromRow(rows::kForty));
  EXPECT_EQ(bubble->Style, TBubbleStyle::Blue);
  EXPECT_EQ(bubble->Suffix, TText::None());
}

TEST(Marriage, PendingUntilACountedTrick) {
  // The first leader declares twenty with no points: pending.
  TGame g = MakeScenario("trump=s; h1=9h Jd Ac; h2=Kh Qh 9c; lead=me");
  PlayCard(g, 2, SlotIn(g.Deal, 2, "Kh"));
  EXPECT_EQ(g.Deal.Pending[2], 20);
  EXPECT_EQ(g.Deal.Taken[2], 0);
  EXPECT_EQ(g.Deal.MarriageFlag, 1);
  PlayCard(g, 1, SlotIn(g.Deal, 1, "9h"));
  EXPECT_EQ(g.Deal.Taken[2], 24);  // 4 + 0 + 20
  EXPECT_EQ(g.Deal.Pending[2], 0);

  // The same, but the trick is lost: the twenty waits.
  g = MakeScenario("trump=s; h1=Ah Jd; h2=Kh Qh 9c; lead=me");
  PlayCard(g, 2, SlotIn(g.Deal, 2, "Kh"));
  PlayCard(g, 1, SlotIn(g.Deal, 1, "Ah"));
  EXPECT_EQ(g.Deal.Taken[1], 15);
  EXPECT_EQ(g.Deal.Pending[2], 20);
  EXPECT_EQ(g.Deal.Taken[2], 0);
}

TEST(Marriage, LaterFortyReplacesPendingTwenty) {
  TGame g = MakeScenario("trump=s; h1=9h Jd; h2=Ks Qs 9c; lead=me; pending=0,20");
  PlayCard(g, 2, SlotIn(g.Deal, 2, "Ks"));
  EXPECT_EQ(g.Deal.Pending[2], 40);
  EXPECT_EQ(g.Deal.Taken[2], 0);
}

TEST(Marriage, ReachingSixtySixEndsTheDealWithoutTheTrick) {
  TGame g = MakeScenario("trump=s; h1=Kd Qd 9c; h2=9h Jh Ah; lead=co; taken=50,30");
  TEventLog log;
  g.SetListener(&log);
  PlayCard(g, 1, SlotIn(g.Deal, 1, "Kd"));
  EXPECT_EQ(g.Deal.Taken[1], 70);
  EXPECT_EQ(g.Deal.TurnState, kTurnDealOver);
  EXPECT_EQ(g.Deal.LeaderSeat(), 1);
  EXPECT_EQ(g.Match.FirstLeader, 1);
  EXPECT_EQ(g.Deal.GamePoints, 2);
  EXPECT_EQ(g.Deal.TableCard[1], test::C("Kd"));  // stays on the table
  EXPECT_EQ(Find(log, TEventKind::TrickResolved), nullptr);
  // One bubble only: "Twenty" + ". " + "I close game".
  int bubbles = 0;
  for (const auto& e : log.Events) {
    if (e.Kind != TEventKind::Bubble) continue;
    ++bubbles;
    EXPECT_EQ(e.Text, TText::FromRow(rows::kTwenty));
    EXPECT_EQ(e.Suffix, TText::FromRow(rows::kICloseGame));
  }
  EXPECT_EQ(bubbles, 1);
  const TEngineEvent* m = Find(log, TEventKind::Marriage);
  ASSERT_NE(m, nullptr);
  EXPECT_TRUE(m->Closes);
}

TEST(Marriage, NoMarriageCases) {
  const struct {
    const char* Name;
    const char* Scenario;
    int Seat;
    const char* Card;
  } cases[] = {
      {"follower plays a king holding its queen", "trump=s; h1=Kh Qh 9c; h2=9d; table2=9h", 1,
       "Kh"},
      {"queen already played", "trump=s; h1=Kh 9c; h2=9d Jd; lead=co; played=Qh 9s", 1, "Kh"},
      {"king and queen of different suits", "trump=s; h1=Kh Qd; h2=9d Jd; lead=co", 1, "Kh"},
      {"ace led", "trump=s; h1=Ah Kh Qh; h2=9d Jd Td; lead=co", 1, "Ah"},
  };
  for (const auto& c : cases) {
    TGame g = MakeScenario(c.Scenario);
    TEventLog log;
    g.SetListener(&log);
    PlayCard(g, c.Seat, SlotIn(g.Deal, c.Seat, c.Card));
    EXPECT_EQ(g.Deal.MarriageFlag, 0) << c.Name;
    EXPECT_EQ(g.Deal.Pending[c.Seat], 0) << c.Name;
    EXPECT_EQ(Find(log, TEventKind::Marriage), nullptr) << c.Name;
    const TEngineEvent* sound = Find(log, TEventKind::Sound);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->Name, "WHodsDo") << c.Name;
  }
}

TEST(Marriage, HasMarriageLooksAtSlotsOneToSix) {
  TGame g = MakeScenario("trump=s; h1=Kh Qh 9c; h2=9d");
  EXPECT_TRUE(HasMarriage(g.Deal.Hand[1], cp1251::kHearts));
  EXPECT_FALSE(HasMarriage(g.Deal.Hand[1], cp1251::kClubs));
  g.Deal.Hand[1][7] = test::C("Kc");  // beyond the game's six slots
  g.Deal.Hand[1][8] = test::C("Qc");
  EXPECT_FALSE(HasMarriage(g.Deal.Hand[1], cp1251::kClubs));
}

}  // namespace
}  // namespace zembra
