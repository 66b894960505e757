// The checked entry: every bad submission is refused with its verdict and
// leaves the deal and the table untouched; the continue button belongs to
// the local seat and opens only when a step is due.
#include <gtest/gtest.h>

#include "engine/scenario.h"
#include "match/autoplay.h"
#include "match/match_controller.h"
#include "match/seats.h"

namespace zembra {
namespace {

using test::MakeScenario;
using test::SlotIn;

struct TRefusal {
  const char* Name;
  const char* Scenario;
  int Seat;
  int Slot;           // used when Card is null
  const char* Card;   // a card of the seat's hand
  TMoveVerdict Verdict;
};

TEST(MoveEntry, RefusesBadSubmissionsAndChangesNothing) {
  const TRefusal cases[] = {
      {"out of turn", "trump=s; h1=9h Jc; h2=9d Ts Jh; lead=co", 2, 1, nullptr, TMoveVerdict::NotYourTurn},
      {"the computer out of turn", "trump=s; h1=9h Jc; h2=9d Ts Jh; lead=me", 1, 1, nullptr,
       TMoveVerdict::NotYourTurn},
      {"an empty slot", "trump=s; h1=9h Jc Qc; h2=9d Ts Jh; lead=me", 2, 5, nullptr, TMoveVerdict::NoSuchSlot},
      {"slot 7", "trump=s; h1=9h Jc; h2=9d Ts Jh; lead=me", 2, 7, nullptr, TMoveVerdict::NoSuchSlot},
      {"slot 0", "trump=s; h1=9h Jc; h2=9d Ts Jh; lead=me", 2, 0, nullptr, TMoveVerdict::NoSuchSlot},
      {"slot 9", "trump=s; h1=9h Jc; h2=9d Ts Jh; lead=me", 2, 9, nullptr, TMoveVerdict::NoSuchSlot},
      {"renounce", "trump=s; h2=9h Ts Jc; table1=Ah", 2, 0, "Jc", TMoveVerdict::MustFollowSuit},
      {"trump while holding the led suit", "trump=s; h2=9h Ts Jc; table1=Ah", 2, 0, "Ts",
       TMoveVerdict::MustFollowSuit},
      {"renounce by seat 1", "trump=s; h1=9h Ts Jc; h2=Qd; table2=Ah", 1, 0, "Jc", TMoveVerdict::MustFollowSuit},
      {"failing to trump", "trump=s; h2=Ts Jc Qd; table1=Ah", 2, 0, "Jc", TMoveVerdict::MustTrump},
      {"seat 1 failing to trump", "trump=s; h1=Ts Jc Qd; h2=9d; table2=Ah", 1, 0, "Qd", TMoveVerdict::MustTrump},
      {"no such seat", "trump=s; h1=9h Jc; h2=9d Ts Jh; lead=me", 3, 1, nullptr, TMoveVerdict::NotYourTurn},
  };
  for (const auto& c : cases) {
    TGame g = MakeScenario(c.Scenario);
    TWaitingSeat s1, s2;
    TMatchController controller(g, {}, s1, s2);
    const int slot = c.Card ? SlotIn(g.Deal, c.Seat, c.Card) : c.Slot;
    const std::string before = ToString(g.Deal);
    EXPECT_EQ(controller.Submit(c.Seat, slot), c.Verdict) << c.Name;
    EXPECT_EQ(ToString(g.Deal), before) << c.Name;
    EXPECT_TRUE(s1.Heard.empty() && s2.Heard.empty()) << c.Name;
  }
}

TEST(MoveEntry, RefusesBeforePlayAndAfterTheDeal) {
  TGame g = MakeScenario("trump=s; h1=9h; h2=Jh; lead=co");
  TWaitingSeat s1, s2;
  TMatchController controller(g, {}, s1, s2);

  g.Deal.PlayPhase = 1;
  EXPECT_EQ(controller.Submit(1, 1), TMoveVerdict::PlayNotStarted);
  g.Deal.PlayPhase = 2;
  g.Deal.InDeal = false;
  EXPECT_EQ(controller.Submit(1, 1), TMoveVerdict::NotInDeal);
  g.Deal.InDeal = true;

  // The last trick ends the deal; nothing more may be played.
  EXPECT_EQ(controller.Submit(1, 1), TMoveVerdict::Ok);
  EXPECT_EQ(controller.Submit(2, 1), TMoveVerdict::Ok);
  ASSERT_EQ(g.Deal.TurnState, kTurnDealOver);
  const std::string before = ToString(g.Deal);
  const size_t heard = s2.Heard.size();
  for (int seat = 1; seat <= 2; ++seat)
    EXPECT_EQ(controller.Submit(seat, 1), TMoveVerdict::NotYourTurn) << seat;
  EXPECT_EQ(ToString(g.Deal), before);
  EXPECT_EQ(s2.Heard.size(), heard);
}

TEST(MoveEntry, AcceptedCardsShowTheNameThenPlay) {
  TGame g = MakeScenario("trump=s; h1=9h Jc; h2=9d Ts Jh; lead=me");
  TWaitingSeat s1, s2;
  TMatchController controller(g, {}, s1, s2);
  EXPECT_EQ(controller.SubmitCard(2, test::C("Jh")), TMoveVerdict::Ok);
  ASSERT_GE(s2.Heard.size(), 2u);
  EXPECT_EQ(ToString(s2.Heard[0]), "Bubble 2 3 name2 -");
  EXPECT_EQ(ToString(s2.Heard[1]), "CardPlayed 2 Jh slot 1 m0");
  // A card by code that the seat does not hold.
  EXPECT_EQ(controller.SubmitCard(1, test::C("Ah")), TMoveVerdict::NoSuchSlot);
  EXPECT_EQ(controller.SubmitCard(1, test::C("9h")), TMoveVerdict::Ok);
  EXPECT_EQ(g.Deal.TurnState, kTurnTrickComplete);
}

TEST(MoveEntry, ContinueBelongsToTheLocalSeatAndWaitsForCards) {
  TGame g;
  TMatchSetup setup;
  setup.Deck = test::DeckFrom(
      "Kc Qc 9d Jd 9h 9s Ac Tc Ad Td Ah Th Jc 9c Kd Qd Kh Qh Jh Js Qs Ks Ts As");
  TWaitingSeat player;
  TComputerSeat computer;
  TMatchController c(g, setup, computer, player);
  EXPECT_EQ(c.Continue(2), TContinueVerdict::NotInDeal);
  c.Start();
  EXPECT_TRUE(c.ContinueOpen());
  EXPECT_EQ(c.Continue(1), TContinueVerdict::NotYours);
  EXPECT_EQ(c.Submit(1, 1), TMoveVerdict::PlayNotStarted);
  EXPECT_EQ(c.Continue(2), TContinueVerdict::Ok);
  EXPECT_FALSE(c.ContinueOpen());
  EXPECT_EQ(c.Continue(2), TContinueVerdict::NotNow);
  // The computer holds the nine of trumps and leads at the first tick.
  ASSERT_EQ(g.Deal.TurnState, kTurnPlayer1);
  EXPECT_TRUE(c.Tick());
  EXPECT_FALSE(c.Tick());  // the player's turn: the waiting seat has no card
  EXPECT_EQ(c.Continue(2), TContinueVerdict::NotNow);
  EXPECT_EQ(c.SubmitCard(2, test::C("Tc")), TMoveVerdict::Ok);
  EXPECT_TRUE(c.ContinueOpen());
  EXPECT_EQ(c.Continue(2), TContinueVerdict::Ok);
}

TEST(MoveEntry, AbandonRecordsNothing) {
  TGame g;
  TFirstLegalSeat a, b;
  TMatchController c(g, {}, a, b);
  c.Start();
  PlayUntil(c, [](const TGame& game) { return game.Match.DealNo == 2; });
  c.Abandon();
  EXPECT_TRUE(c.Abandoned());
  EXPECT_FALSE(c.Over());
  EXPECT_FALSE(g.Deal.InDeal);
  EXPECT_EQ(c.Submit(g.Deal.TurnState, 1), TMoveVerdict::NotInDeal);
  EXPECT_FALSE(StepAutomatically(c));
}

}  // namespace
}  // namespace zembra
