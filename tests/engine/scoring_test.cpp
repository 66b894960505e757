#include <gtest/gtest.h>

#include <algorithm>

#include "engine/game.h"
#include "engine/rules.h"
#include "engine/scenario.h"
#include "engine/scoring.h"

namespace zembra {
namespace {

using test::MakeScenario;

TEST(DealResult, GamePointsFromTheLosersCardPoints) {
  const struct {
    int LoserTaken;
    int GamePoints;
  } cases[] = {{0, 3}, {1, 2}, {32, 2}, {33, 1}, {65, 1}};
  for (const auto& c : cases) EXPECT_EQ(DealGamePoints(c.LoserTaken), c.GamePoints) << c.LoserTaken;
}

TEST(DealResult, PendingMarriageDoesNotSaveTheLoser) {
  // Player 1 has a twenty pending and no card points when player 2 closes.
  TGame g = MakeScenario("trump=s; h1=9h Jd; h2=Ah Kc; lead=me; taken=0,60; pending=20,0");
  PlayCard(g, 2, test::SlotIn(g.Deal, 2, "Ah"));
  PlayCard(g, 1, test::SlotIn(g.Deal, 1, "9h"));
  EXPECT_EQ(g.Deal.TurnState, kTurnDealOver);
  EXPECT_EQ(g.Deal.GamePoints, 3);
  EXPECT_EQ(g.Deal.Loser, 1);
  EXPECT_EQ(g.Boards.Board[2].GamePoints, 3);
  EXPECT_TRUE(g.Boards.Board[2].Mark);
}

struct TScoreCase {
  const char* Name;
  int Target;
  int Before1, Before2;
  int Winner, GamePoints;
  int After1, After2;
  int TurnState;
};

TEST(DealScoring, MatchPointsCapAndTarget) {
  const TScoreCase cases[] = {
      {"target 8 caps at 8", 8, 0, 7, 2, 3, 0, 8, kTurnMatchOver},
      {"target 10 has no cap", 10, 0, 9, 2, 3, 0, 12, kTurnMatchOver},
      {"short of the target", 10, 4, 5, 1, 2, 6, 5, kTurnMatchContinues},
      {"exactly the target", 10, 9, 5, 1, 1, 10, 5, kTurnMatchOver},
  };
  for (const auto& c : cases) {
    TGame g = MakeScenario("trump=s; h1=9h; h2=Jh; lead=co; taken=40,20; pending=20,0");
    g.Match.MatchTarget = static_cast<uint8_t>(c.Target);
    g.Match.MatchPoints[1] = c.Before1;
    g.Match.MatchPoints[2] = c.Before2;
    g.Deal.Leader = LeaderOfSeat(c.Winner);
    g.Deal.GamePoints = static_cast<uint8_t>(c.GamePoints);
    g.Deal.TurnState = kTurnDealOver;
    TEventLog log;
    g.SetListener(&log);
    ScoreDeal(g);
    EXPECT_EQ(g.Match.MatchPoints[1], c.After1) << c.Name;
    EXPECT_EQ(g.Match.MatchPoints[2], c.After2) << c.Name;
    EXPECT_EQ(g.Deal.TurnState, c.TurnState) << c.Name;
    EXPECT_EQ(g.Match.TargetReached, c.TurnState == kTurnMatchOver) << c.Name;
    EXPECT_EQ(g.Deal.Pending[1], 0) << c.Name;
    // Boards: card points, match points, game-points field cleared.
    EXPECT_EQ(g.Boards.Board[1].Big, 40) << c.Name;
    EXPECT_EQ(g.Boards.Board[1].BigStyle, TBigFieldStyle::CardPoints) << c.Name;
    EXPECT_EQ(g.Boards.Board[2].MatchPoints, c.After2) << c.Name;
    EXPECT_FALSE(g.Boards.Board[c.Winner].GamePoints.has_value()) << c.Name;
    EXPECT_TRUE(g.Boards.Board[c.Winner].Mark) << c.Name;
    const TEngineEvent& last = log.Events.back();
    EXPECT_EQ(last.Kind, TEventKind::ContinueButton);
    EXPECT_EQ(last.Text, TText::FromRow(c.TurnState == kTurnMatchOver ? rows::kToSumUpOfGame
                                                                       : rows::kNextRound))
        << c.Name;
    EXPECT_EQ(log.Events.front().Kind, TEventKind::OpenHand);
  }
}

TEST(MatchSumUp, ResultTable) {
  const struct {
    int P1, P2, Target, Result;
  } cases[] = {
      {10, 7, 10, -380}, {0, 12, 10, 2000}, {0, 10, 10, 1520}, {9, 10, 10, 100},
      {0, 8, 8, 2000},   {8, 7, 8, -200},   {8, 0, 8, -2000},  {1, 8, 8, 1700},
      {10, 10, 10, 1},   {0, 13, 10, 1},    {13, 0, 10, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchResultFor(c.P1, c.P2, c.Target), c.Result) << c.P1 << ":" << c.P2;
}

// Every entry of both result tables, both ways round, through the sum-up
// step itself.
TEST(MatchSumUp, EveryEntryOfBothTables) {
  const int target10[] = {100, 240, 380, 520, 660, 800, 980, 1160, 1340, 1520, 1700, 2000};
  const int target8[] = {200, 450, 700, 950, 1200, 1450, 1700, 2000};
  auto sumUp = [](int target, int p1, int p2) {
    TGame g = MakeScenario("trump=s; h1=9h; h2=Jh; lead=co");
    g.Match.MatchTarget = static_cast<uint8_t>(target);
    g.Match.MatchPoints[1] = p1;
    g.Match.MatchPoints[2] = p2;
    g.Match.TargetReached = true;
    g.Deal.TurnState = kTurnMatchOver;
    Continue(g);
    return g.Match.MatchResult;
  };
  for (int d = 1; d <= 12; ++d) {
    // The winner holds at least the target; the loser d less.
    const int win = std::max(10, d);
    EXPECT_EQ(sumUp(10, win - d, win), target10[d - 1]) << "target 10, d " << d;
    EXPECT_EQ(sumUp(10, win, win - d), -target10[d - 1]) << "target 10, d " << d;
  }
  for (int d = 1; d <= 8; ++d) {
    EXPECT_EQ(sumUp(8, 8 - d, 8), target8[d - 1]) << "target 8, d " << d;
    EXPECT_EQ(sumUp(8, 8, 8 - d), -target8[d - 1]) << "target 8, d " << d;
  }
  // Beyond the tables, and a draw: one unit.
  EXPECT_EQ(sumUp(10, 0, 13), 1);
  EXPECT_EQ(sumUp(10, 13, 0), -1);
  EXPECT_EQ(sumUp(8, 8, 8), 1);
}

TEST(MatchSumUp, BoardsSoundCountAndButtons) {
  TGame g = MakeScenario("trump=s; h1=9h; h2=Jh; lead=co");
  g.Match.MatchNo = 31;
  g.Match.ScoreBefore = 1000;
  g.Match.RatingBefore = 1.5;
  g.Match.MatchTarget = 10;
  g.Match.MatchPoints[1] = 10;
  g.Match.MatchPoints[2] = 7;
  g.Match.TargetReached = true;
  g.Deal.TurnState = kTurnMatchOver;
  TEventLog log;
  g.SetListener(&log);
  Continue(g);
  EXPECT_EQ(g.Match.MatchResult, -380);
  EXPECT_TRUE(g.Match.MatchClosed);
  EXPECT_EQ(g.Match.ScoreAfter, 620);
  EXPECT_EQ(g.Boards.Board[1].Big, 380);
  EXPECT_TRUE(g.Boards.Board[1].Plus);
  EXPECT_EQ(g.Boards.Board[2].Big, -380);
  EXPECT_FALSE(g.Boards.Board[2].Plus);
  EXPECT_EQ(g.Boards.Board[2].BigStyle, TBigFieldStyle::Result);
  EXPECT_EQ(g.Boards.Board[1].MatchPoints, 10);

  EXPECT_EQ(g.Count.Count_KonAll, "31");
  EXPECT_EQ(g.Count.Count_KonCur, "1");
  EXPECT_EQ(g.Count.Count_ScoBeg, "1000");
  EXPECT_EQ(g.Count.Count_ScoCur, "-380");
  EXPECT_EQ(g.Count.Count_ScoAll, "620");
  EXPECT_EQ(g.Count.Count_ReiBeg, "1.500000");
  // (30 x 1.5 - 1.9) / 31 = 1.390322...
  EXPECT_EQ(g.Count.Count_ReiCur, "1.390323");

  std::vector<std::string> seen;
  for (const auto& e : log.Events) seen.push_back(ToString(e));
  const std::vector<std::string> expected = {
      "ScoreBoard 1", "ScoreBoard 2", "Sound WKoBads", "MatchSummedUp -380",
      "ContinueButton off -", "ExitButton on"};
  EXPECT_EQ(seen, expected);
  // A second click does nothing.
  log.Events.clear();
  Continue(g);
  EXPECT_TRUE(log.Events.empty());
}

TEST(RateMatch, AverageInUnitsOfTwoHundred) {
  const struct {
    int Before;
    double Rating;
    int Result, MatchNo;
    double Expected;
  } cases[] = {
      {0, 0.0, 520, 1, 2.6},
      {9, 1.5, -240, 10, 1.23},
      {0, 0.0, 30000, 1, 99.99},     // 150 is stored as 99.99
      {0, 0.0, -30000, 1, -99.99},
      {1, 0.000001, 0, 2, 0.0},      // 0.5 millionths: ties go to even
      {1, 0.000003, 0, 2, 0.000002}, // 1.5 millionths: up to the even 2
      {29, 2.0, 2000, 30, (29 * 2.0 + 10) / 30},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(RateMatch(c.Before, c.Rating, c.Result, c.MatchNo), c.Expected, 5e-7)
        << c.Before << " " << c.Rating << " " << c.Result;
  EXPECT_EQ(FormatRating(RateMatch(0, 0.0, 520, 1)), "2.600000");
  EXPECT_EQ(MatchInCycle(30), 30);
  EXPECT_EQ(MatchInCycle(31), 1);
  EXPECT_EQ(MatchInCycle(59), 29);
}

}  // namespace
}  // namespace zembra
