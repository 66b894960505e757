// The order in which the table hears of a deal: every picture, text and
// sound the rules call for, checked as a sequence.
#include <gtest/gtest.h>

#include "engine/dealing.h"
#include "engine/game.h"
#include "engine/rules.h"
#include "engine/scenario.h"

namespace zembra {
namespace {

std::vector<std::string> Lines(const TEventLog& log) {
  std::vector<std::string> out;
  for (const auto& e : log.Events) out.push_back(ToString(e));
  return out;
}

TEST(Events, DealingAndTheStartClick) {
  TGame g;
  TEventLog log;
  g.SetListener(&log);
  const TDeck deck =
      test::DeckFrom("9s Jh Qh Kh Th Ah Js Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9h 9d Qs Ks Ts As");
  TDealOptions o;
  o.Deck = &deck;
  DealCards(g, o);
  Continue(g);
  const std::vector<std::string> expected = {
      "DealDealt 1 1", "ScoreBoard 1", "ScoreBoard 2", "Bubble 1 3 name1 -",
      "Bubble 2 3 name2 -", "Sound WTasoKo", "ExitButton off", "ContinueButton on row414",
      "ContinueButton off \"OK\"", "PlayStarted"};
  EXPECT_EQ(Lines(log), expected);
  EXPECT_TRUE(g.Boards.Board[1].Mark);  // the first leader's board
  EXPECT_EQ(g.Deal.PlayPhase, 2);
}

TEST(Events, ATrickWithAMarriageAndItsCollection) {
  TGame g = test::MakeScenario(
      "trump=s; h1=9h Ad 9c; h2=Kh Qh Tc; lead=me; stock=23; taken=0,0");
  // Stock: positions 23 and 24 remain.
  g.Deal.DeckCard[23] = test::C("Jc");
  g.Deal.DeckCard[24] = test::C("As");
  g.Deal.DeckOrder[23] = 2;
  g.Deal.DeckPoints[23] = 2;
  g.Deal.DeckOrder[24] = 6;
  g.Deal.DeckPoints[24] = 11;
  g.Deal.StockEmptyAnnounced = false;
  TEventLog log;
  g.SetListener(&log);
  PlayCard(g, 2, test::SlotIn(g.Deal, 2, "Qh"));
  PlayCard(g, 1, test::SlotIn(g.Deal, 1, "9h"));
  Continue(g);
  const std::vector<std::string> expected = {
      "CardPlayed 2 Qh slot 1 m1",
      "Marriage 2 20",
      "Bubble 2 0 row433 -",
      "ScoreBoard 2",
      "Sound WSays20",
      "CardPlayed 1 9h slot 1 m0",
      "Sound WHodsDo",
      "TrickResolved 2",
      "ScoreBoard 1",
      "ScoreBoard 2",
      "ContinueButton on -",
      "TrickCollected 2",
      "Bubble 1 3 name1 -",
      "Bubble 2 3 name2 -",
      "CardDrawn 2 Jc",
      "CardDrawn 1 As",
      "StockEmpty",
      "Sound WKoloNo",
      "ContinueButton off -",
  };
  EXPECT_EQ(Lines(log), expected);
  EXPECT_EQ(g.Deal.Taken[2], 23);
  EXPECT_EQ(g.Deal.TurnState, 2);
}

TEST(Events, BoardsThroughADeal) {
  // While a marriage is pending the board shows it in green; the deal-over
  // board carries the game points.
  TGame g = test::MakeScenario("trump=s; h1=9h Jd; h2=Kh Qh; lead=me");
  PlayCard(g, 2, test::SlotIn(g.Deal, 2, "Kh"));
  EXPECT_EQ(g.Boards.Board[2].BigStyle, TBigFieldStyle::Pending);
  EXPECT_EQ(g.Boards.Board[2].Big, 20);
  EXPECT_TRUE(g.Boards.Board[2].Mark);
  PlayCard(g, 1, test::SlotIn(g.Deal, 1, "9h"));
  // Player 2 wins 4 + 0 and the twenty.
  EXPECT_EQ(g.Boards.Board[2].BigStyle, TBigFieldStyle::CardPoints);
  EXPECT_EQ(g.Boards.Board[2].Big, 24);
  Continue(g);
  TEventLog log;
  g.SetListener(&log);
  PlayCard(g, 2, 1);
  PlayCard(g, 1, 1);
  ASSERT_EQ(g.Deal.TurnState, kTurnDealOver);
  const std::vector<std::string> all = Lines(log);
  const std::vector<std::string> tail(all.end() - 6, all.end());
  const std::vector<std::string> expected = {"ScoreBoard 2", "DealOver 2 3", "Bubble 2 0 row443 -",
                                             "Sound WKoGutX", "ScoreBoard 2",
                                             "ContinueButton on -"};
  EXPECT_EQ(tail, expected);
  EXPECT_EQ(g.Boards.Board[2].GamePoints, 3);  // player 1 took nothing
}

}  // namespace
}  // namespace zembra
