#include <gtest/gtest.h>

#include <algorithm>

#include "engine/dealing.h"
#include "engine/game.h"
#include "engine/rules.h"
#include "engine/scenario.h"

namespace zembra {
namespace {

using test::MakeScenario;
using test::SlotIn;

struct TFollowCase {
  const char* Name;
  const char* Scenario;
  const char* Card;
  bool Illegal;
};

TEST(FollowRule, StrictFollowThenTrumpThenAnything) {
  const TFollowCase cases[] = {
      {"trump refused while holding the led suit", "trump=s; h2=9h Ts Jc; table1=Ah", "Ts", true},
      {"any heart accepted, even a low one", "trump=s; h2=9h Ts Jc; table1=Ah", "9h", false},
      {"void in the led suit: side suit refused", "trump=s; h2=Ts Jc Qd; table1=Ah", "Jc", true},
      {"void in the led suit: trump accepted", "trump=s; h2=Ts Jc Qd; table1=Ah", "Ts", false},
      {"trump led, no trump held: anything", "trump=s; h2=9h Jc Qd; table1=Js", "9h", false},
      {"trump led, trump held: side refused", "trump=s; h2=9h 9s; table1=Js", "9h", true},
      {"void in both: anything", "trump=s; h2=Jc Qd; table1=Ah", "Qd", false},
      {"first trick, full stock", "trump=s; stock=13; h2=9h Jh Ts Jc Qd Kd; table1=Ah", "Ts", true},
  };
  for (const auto& c : cases) {
    const TGame g = MakeScenario(c.Scenario);
    EXPECT_EQ(IsIllegalFollow(g.Deal, SlotIn(g.Deal, 2, c.Card)), c.Illegal) << c.Name;
  }
}

TEST(FollowRule, LeadingIsNeverRefused) {
  TGame g = MakeScenario("trump=s; h1=9h Jc; h2=9d Ts Jc; lead=me");
  for (int s = 1; s <= 3; ++s) EXPECT_FALSE(IsIllegalFollow(g.Deal, s));
  // Player 2 led: the check is not made for player 2 at all.
  g = MakeScenario("trump=s; h1=9h Jc; h2=9d Ts Jh; table2=Ah");
  EXPECT_FALSE(IsIllegalFollow(g.Deal, SlotIn(g.Deal, 2, "Ts")));
  EXPECT_TRUE(IsIllegalCard(g.Deal, 1, SlotIn(g.Deal, 1, "Jc")));
}

struct TTrickCase {
  const char* Name;
  const char* Scenario;  // player 2 led table2; player 1 plays Answer
  const char* Answer;
  int Winner;
  int Points;
};

TEST(ResolveTrick, WinnerAndPoints) {
  const TTrickCase cases[] = {
      {"ten beats king", "trump=s; h1=Th; h2=9c; table2=Kh", "Th", 1, 14},
      {"king loses to led ten", "trump=s; h1=Kh; h2=9c; table2=Th", "Kh", 2, 14},
      {"other side suit: leader wins, nine over ace", "trump=s; h1=Ac; h2=9c; table2=9h", "Ac", 2,
       11},
      {"trump beats ace", "trump=s; h1=9s; h2=9c; table2=Ah", "9s", 1, 11},
      {"led trump beats side ace", "trump=s; h1=Ah; h2=9c; table2=9s", "Ah", 2, 11},
  };
  for (const auto& c : cases) {
    TGame g = MakeScenario(c.Scenario);
    PlayCard(g, 1, SlotIn(g.Deal, 1, c.Answer));
    EXPECT_EQ(g.Deal.LeaderSeat(), c.Winner) << c.Name;
    EXPECT_EQ(g.Deal.Taken[c.Winner], c.Points) << c.Name;
    EXPECT_EQ(g.Deal.Taken[OtherSeat(c.Winner)], 0) << c.Name;
  }
}

TEST(SortHand, SuitOrderPutsTrumpLast) {
  const struct {
    char Trump;
    const char* Sorted;
  } cases[] = {
      {'h', "Jc 9d Ad Ks 9h Th"},
      {'d', "Jc 9h Th Ks 9d Ad"},
      {'c', "9h Th Ks 9d Ad Jc"},
      {'s', "9h Th Jc 9d Ad Ks"},
  };
  for (const auto& c : cases) {
    TGame g = MakeScenario(std::string("trump=") + c.Trump + "; h1=Th Ad Ks 9h Jc 9d; h2=Qh");
    EXPECT_EQ(HandToString(g.Deal, 1), c.Sorted) << c.Trump;
    EXPECT_EQ(g.Deal.HandCount[1], 6);
    EXPECT_EQ(g.Deal.HandOrder[1][7], 99);
  }
}

TEST(PlayCard, HandStaysCompactedSortedAndTurnAdvances) {
  TGame g = MakeScenario("trump=s; h1=9h Jc Qd; h2=Th Ac Kd; lead=me");
  PlayCard(g, 2, 2);  // Ac
  EXPECT_EQ(HandToString(g.Deal, 2), "Th Kd");
  EXPECT_EQ(g.Deal.Hand[2][3], kNoCard);
  EXPECT_EQ(g.Deal.HandPoints[2][3], 99);
  EXPECT_EQ(g.Deal.TurnState, 1);
  EXPECT_EQ(g.Deal.LedSuit, cp1251::kClubs);
  PlayCard(g, 1, SlotIn(g.Deal, 1, "Jc"));
  EXPECT_EQ(g.Deal.TurnState, kTurnTrickComplete);
  CollectTrick(g);
  EXPECT_EQ(g.Deal.TurnState, 2);
  // Player 2's card first, then player 1's.
  EXPECT_EQ(g.Deal.PlayedCards[1], test::C("Ac"));
  EXPECT_EQ(g.Deal.PlayedCards[2], test::C("Jc"));
  EXPECT_EQ(g.Deal.PlayedPos, 3);
  EXPECT_EQ(g.Deal.TableCard[1], kNoCard);
  EXPECT_EQ(g.Deal.LedSuit, kNoSuit);
}

TEST(PlayCard, LastTrickWinnerWinsTheDealWithFewerPoints) {
  TGame g = MakeScenario("trump=s; h1=9h; h2=Jh; lead=co; taken=60,50");
  PlayCard(g, 1, 1);
  PlayCard(g, 2, 1);
  EXPECT_EQ(g.Deal.TurnState, kTurnDealOver);
  EXPECT_EQ(g.Deal.LeaderSeat(), 2);
  EXPECT_EQ(g.Deal.Taken[2], 52);
  EXPECT_EQ(g.Match.FirstLeader, 2);
  EXPECT_EQ(g.Deal.GamePoints, 1);  // the loser holds 60
}

TEST(PlayCard, ZeroPointTrickKeepsMarriagePending) {
  TGame g = MakeScenario("trump=s; h1=9h Jd; h2=9c Qd; lead=me; pending=0,20");
  PlayCard(g, 2, SlotIn(g.Deal, 2, "9c"));
  PlayCard(g, 1, SlotIn(g.Deal, 1, "9h"));
  EXPECT_EQ(g.Deal.LeaderSeat(), 2);
  EXPECT_EQ(g.Deal.Taken[2], 0);
  EXPECT_EQ(g.Deal.Pending[2], 20);
  EXPECT_EQ(g.Boards.Board[2].BigStyle, TBigFieldStyle::Pending);
  EXPECT_EQ(g.Boards.Board[2].Big, 20);
}

TEST(PlayCard, SixtySixAfterATrickEndsTheDeal) {
  TGame g = MakeScenario("trump=s; h1=9h Jd Qd; h2=Ah Kc Qc; lead=me; taken=10,50");
  PlayCard(g, 2, SlotIn(g.Deal, 2, "Ah"));
  PlayCard(g, 1, SlotIn(g.Deal, 1, "9h"));
  EXPECT_EQ(g.Deal.Taken[2], 61);
  EXPECT_EQ(g.Deal.TurnState, kTurnTrickComplete);
  CollectTrick(g);
  g = MakeScenario("trump=s; h1=9h Jd Qd; h2=Ah Kc Qc; lead=me; taken=10,55");
  PlayCard(g, 2, SlotIn(g.Deal, 2, "Ah"));
  PlayCard(g, 1, SlotIn(g.Deal, 1, "9h"));
  EXPECT_EQ(g.Deal.Taken[2], 66);
  EXPECT_EQ(g.Deal.TurnState, kTurnDealOver);
  EXPECT_EQ(g.Deal.GamePoints, 2);  // the loser holds 10
}

// Deck: player 1 gets 9h..Ah, player 2 9d..Ad, stock 9c Jc Qc Kc Tc Ac 9s
// Js Qs Ks Ts, trump card As. Both seats play their first card; after each
// trick the cards drawn are checked against the draw order.
TEST(CollectTrick, DrawOrderAndTheTrumpCard) {
  TGame g;
  const TDeck deck =
      test::DeckFrom("9h Jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As");
  TDealOptions o;
  o.Deck = &deck;
  DealCards(g, o);
  TEventLog log;
  g.SetListener(&log);
  Continue(g);
  int sixthLeader = 0;
  for (int trick = 1; trick <= 6; ++trick) {
    const int leader = g.Deal.TurnState;
    PlayCard(g, leader, 1);
    const int follower = OtherSeat(leader);
    int slot = 1;
    while (IsIllegalCard(g.Deal, follower, slot)) ++slot;
    PlayCard(g, follower, slot);
    if (g.Deal.TurnState == kTurnDealOver) GTEST_SKIP() << "deal ended early";
    if (trick == 6) sixthLeader = leader;
    // The leader of the collected trick draws first.
    const int firstDrawer = g.Deal.FirstDrawer;
    EXPECT_EQ(firstDrawer, leader);
    log.Events.clear();
    Continue(g);
    std::vector<TEngineEvent> draws;
    for (const auto& e : log.Events)
      if (e.Kind == TEventKind::CardDrawn) draws.push_back(e);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].Player, leader);
    EXPECT_EQ(draws[0].Card, deck[11 + 2 * trick]);
    EXPECT_EQ(draws[1].Card, deck[12 + 2 * trick]);
    const int sounds = static_cast<int>(std::count_if(
        log.Events.begin(), log.Events.end(),
        [](const TEngineEvent& e) { return e.Kind == TEventKind::Sound && e.Name == "WKoloNo"; }));
    EXPECT_EQ(sounds, trick == 6 ? 1 : 0);
    if (trick == 6) {
      EXPECT_EQ(draws[0].Card, test::C("Ts"));  // the 23rd card to trick 6's leader
      EXPECT_EQ(draws[1].Player, OtherSeat(sixthLeader));
      EXPECT_EQ(draws[1].Card, test::C("As"));  // the trump card to the follower
    }
  }
  EXPECT_EQ(g.Deal.StockPos, 25);
  EXPECT_TRUE(g.Deal.StockEmptyAnnounced);
  // Later tricks draw nothing and stay quiet.
  const int leader = g.Deal.TurnState;
  PlayCard(g, leader, 1);
  int slot = 1;
  while (IsIllegalCard(g.Deal, OtherSeat(leader), slot)) ++slot;
  PlayCard(g, OtherSeat(leader), slot);
  if (g.Deal.TurnState == kTurnTrickComplete) {
    log.Events.clear();
    Continue(g);
    for (const auto& e : log.Events) {
      EXPECT_NE(e.Kind, TEventKind::CardDrawn);
      EXPECT_NE(e.Kind, TEventKind::StockEmpty);
    }
    EXPECT_EQ(g.Deal.HandCount[1], 5);
  }
}

}  // namespace
}  // namespace zembra
