#include "engine/scoring.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/game.h"

namespace zembra {
namespace {

constexpr std::array<int, 12> kTarget10 = {100, 240, 380, 520, 660, 800,
                                           980, 1160, 1340, 1520, 1700, 2000};
constexpr std::array<int, 8> kTarget8 = {200, 450, 700, 950, 1200, 1450, 1700, 2000};

// Rounds num / den to the nearest integer, ties to even (den > 0).
int64_t DivideHalfEven(int64_t num, int64_t den) {
  int64_t q = num / den;
  int64_t r = num % den;
  if (r < 0) {  // floor division
    r += den;
    --q;
  }
  if (2 * r > den || (2 * r == den && (q % 2 != 0))) ++q;
  return q;
}

}  // namespace

int DealGamePoints(int loserTaken) {
  if (loserTaken == 0) return 3;
  if (loserTaken <= 32) return 2;
  return 1;
}

int32_t MatchResultFor(int points1, int points2, int target) {
  int d = std::abs(points2 - points1);
  int s = points2 < points1 ? -1 : 1;
  int value = 1;
  if (target == 8) {
    if (d >= 1 && d <= static_cast<int>(kTarget8.size())) value = kTarget8[d - 1];
  } else {
    if (d >= 1 && d <= static_cast<int>(kTarget10.size())) value = kTarget10[d - 1];
  }
  return s * value;
}

double RateMatch(int finishedBefore, double oldRating, int32_t matchResult, int32_t matchNo) {
  if (matchNo <= 0) return oldRating;
  // Ratings carry 6 decimals, so the sum is exact in millionths:
  // (n * r + R / 200) * 1000000 = n * r_micro + R * 5000.
  const int64_t rMicro = std::llround(oldRating * 1e6);
  const int64_t num = int64_t{finishedBefore} * rMicro + int64_t{matchResult} * 5000;
  double v = static_cast<double>(DivideHalfEven(num, matchNo)) / 1e6;
  if (v > kRatingLimit) v = kRatingLimit;
  if (v < -kRatingLimit) v = -kRatingLimit;
  return v;
}

std::string FormatRating(double rating) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", rating);
  return buf;
}

int MatchInCycle(int32_t matchNo) {
  int m = matchNo % kCycleLength;
  return m == 0 ? kCycleLength : m;
}

void EndDeal(TGame& g, bool byMarriage) {
  TDealState& d = g.Deal;
  d.TurnState = kTurnDealOver;
  const int winner = d.LeaderSeat();
  const int loser = OtherSeat(winner);
  g.Match.FirstLeader = static_cast<uint8_t>(winner);
  d.Loser = static_cast<uint8_t>(loser);
  d.GamePoints = static_cast<uint8_t>(DealGamePoints(d.Taken[loser]));

  TEngineEvent over(TEventKind::DealOver);
  over.Player = winner;
  over.Value = d.GamePoints;
  g.Emit(over);

  if (!byMarriage) {
    TEngineEvent bubble(TEventKind::Bubble);
    bubble.Player = winner;
    bubble.Style = TBubbleStyle::Blue;
    bubble.Text = TText::FromRow(rows::kICloseGame);
    g.Emit(bubble);
  }
  EmitSound(g, winner == 1 ? "WKoBadX" : "WKoGutX");
  g.Boards.MarkOn(winner);
  g.Boards.Board[winner].GamePoints = d.GamePoints;
  EmitBoard(g, winner);
}

void ScoreDeal(TGame& g) {
  TDealState& d = g.Deal;
  TMatchState& m = g.Match;
  const int winner = d.LeaderSeat();

  TEngineEvent open(TEventKind::OpenHand);
  open.Player = 1;
  g.Emit(open);

  m.MatchPoints[winner] += d.GamePoints;
  if (m.MatchTarget == 8 && m.MatchPoints[winner] > 8) m.MatchPoints[winner] = 8;

  TEngineEvent scored(TEventKind::DealScored);
  scored.Player = winner;
  scored.Value = d.GamePoints;
  g.Emit(scored);

  for (int p = 1; p <= 2; ++p) {
    TScoreBoard& b = g.Boards.Board[p];
    b.Big = d.Taken[p];
    b.BigStyle = TBigFieldStyle::CardPoints;
    b.Plus = false;
    b.MatchPoints = m.MatchPoints[p];
    b.GamePoints.reset();
  }
  g.Boards.MarkOn(winner);
  EmitBoard(g, 1);
  EmitBoard(g, 2);

  if (m.MatchPoints[1] >= m.MatchTarget || m.MatchPoints[2] >= m.MatchTarget) {
    m.TargetReached = true;
    d.TurnState = kTurnMatchOver;
    EmitContinue(g, true, TText::FromRow(rows::kToSumUpOfGame));
  } else {
    d.TurnState = kTurnMatchContinues;
    EmitContinue(g, true, TText::FromRow(rows::kNextRound));
  }
  d.Pending[1] = 0;
  d.Pending[2] = 0;
}

TCount BuildCount(const TGame& g) {
  const TMatchState& m = g.Match;
  TCount c;
  c.Count_KonAll = std::to_string(m.MatchNo);
  c.Count_KonCur = std::to_string(MatchInCycle(m.MatchNo));
  c.Count_ScoBeg = std::to_string(m.ScoreBefore);
  c.Count_ScoCur = std::to_string(m.MatchResult);
  c.Count_ScoAll = std::to_string(m.ScoreBefore + m.MatchResult);
  c.Count_ReiBeg = FormatRating(m.RatingBefore);
  c.Count_ReiCur =
      FormatRating(RateMatch(m.MatchNo - 1, m.RatingBefore, m.MatchResult, m.MatchNo));
  return c;
}

void SumUpMatch(TGame& g) {
  TMatchState& m = g.Match;
  m.MatchResult = MatchResultFor(m.MatchPoints[1], m.MatchPoints[2], m.MatchTarget);

  const int shown[3] = {0, -m.MatchResult, m.MatchResult};
  for (int p = 1; p <= 2; ++p) {
    TScoreBoard& b = g.Boards.Board[p];
    b.Big = shown[p];
    b.BigStyle = TBigFieldStyle::Result;
    b.Plus = shown[p] > 0;
    b.MatchPoints = m.MatchPoints[p];
    b.GamePoints.reset();
  }
  EmitBoard(g, 1);
  EmitBoard(g, 2);
  EmitSound(g, m.MatchResult > 0 ? "WKoGood" : "WKoBads");

  m.MatchClosed = true;
  m.ScoreAfter = m.ScoreBefore + m.MatchResult;
  g.Count = BuildCount(g);

  TEngineEvent summed(TEventKind::MatchSummedUp);
  summed.Value = m.MatchResult;
  g.Emit(summed);
  EmitContinue(g, false);
  TEngineEvent exitOn(TEventKind::ExitButton);
  exitOn.Enabled = true;
  g.Emit(exitOn);
}

}  // namespace zembra
