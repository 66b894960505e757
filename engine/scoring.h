// Deal result, deal scoring and the match sum-up: game points from the
// loser's card points, match points towards the target, the match result
// in score units and the local profile's rating.
#pragma once

#include <cstdint>
#include <string>

namespace zembra {

class TGame;

// General-score record shown at the end of a match.
struct TCount {
  std::string Count_KonAll;
  std::string Count_KonCur;
  std::string Count_ScoBeg;
  std::string Count_ScoCur;
  std::string Count_ScoAll;
  std::string Count_ReiBeg;
  std::string Count_ReiCur;
};

inline constexpr int kCycleLength = 30;
inline constexpr int kWinningPoints = 66;
inline constexpr double kRatingLimit = 99.99;

// 3 when the loser took no card points, 2 for 1..32, 1 for 33 or more.
int DealGamePoints(int loserTaken);

// The match result for a final score (MatchPoints[1], MatchPoints[2]),
// positive when player 2 won; s x 1 for a draw or a difference beyond
// the table.
int32_t MatchResultFor(int points1, int points2, int target);

// New rating of a local profile: the average match result in units of 200
// over matchNo matches, to 6 decimals (ties to even), within +-99.99.
// finishedBefore is the number of matches the profile had finished.
double RateMatch(int finishedBefore, double oldRating, int32_t matchResult, int32_t matchNo);

// Rating text with 6 decimals.
std::string FormatRating(double rating);

// Number of the match within its cycle of 30 (30 in place of 0).
int MatchInCycle(int32_t matchNo);

// End of the deal inside PlayCard: winner is the player named by Leader.
void EndDeal(TGame& g, bool byMarriage);

// The continue button at TurnState 4: adds the game points, redraws the
// boards and moves to 5 (target reached) or 6.
void ScoreDeal(TGame& g);

// The continue button at TurnState 5: match result, boards, general-score
// record; only "Exit to menu" remains.
void SumUpMatch(TGame& g);

// TCount from the current match values.
TCount BuildCount(const TGame& g);

}  // namespace zembra
