// What a finished match leaves behind for the records: who played, the
// final match points, the result in score units and the values the
// profile started from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "match/match_mode.h"

namespace zembra {

struct TMatchOutcome {
  TMatchMode Mode = TMatchMode::Local;
  std::array<std::string, 3> Names;  // [1] the opponent, [2] the local player
  std::array<int, 3> MatchPoints{};  // [1], [2]
  int Target = 10;
  int Deals = 0;
  int32_t MatchNo = 1;
  int32_t MatchResult = 0;  // positive when the local player won
  int32_t ScoreBefore = 0;
  int32_t ScoreAfter = 0;
  double RatingBefore = 0.0;
};

}  // namespace zembra
