#include "service/tour_rating.h"

#include <cmath>

namespace zembra::service {

std::pair<int64_t, int64_t> EloAfterMatch(int64_t winner, int64_t loser) {
  const double expected = 1.0 / (1.0 + std::pow(10.0, static_cast<double>(loser - winner) / 400.0));
  const auto change = static_cast<int64_t>(std::lround(kEloK * (1.0 - expected)));
  return {winner + change, loser - change};
}

}  // namespace zembra::service
