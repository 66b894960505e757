// The tournament's Elo rating: every member starts at 1500; after a match
// each player's rating moves by K = 32 times the difference between what
// happened (1 a win, 0 a loss) and what the ratings expected,
// E = 1 / (1 + 10^((Ropponent - Rplayer) / 400)), rounded to a whole number.
// The two changes cancel out up to the rounding.
#pragma once

#include <cstdint>
#include <utility>

namespace zembra::service {

inline constexpr int kEloK = 32;

// The winner's and the loser's ratings after their match.
std::pair<int64_t, int64_t> EloAfterMatch(int64_t winner, int64_t loser);

}  // namespace zembra::service
