#include "app/card_flight.h"

#include <cmath>
#include <algorithm>
#include <cstdlib>

namespace zembra {

std::vector<TPoint> FlightPath(TPoint from, TPoint to) {
  const int dx = to.X - from.X, dy = to.Y - from.Y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  std::vector<TPoint> path;
  path.reserve(steps + 1);
  for (int i = 0; i <= steps; ++i) {
    if (steps == 0) {
      path.push_back(from);
      break;
    }
    path.push_back({from.X + static_cast<int>(std::lround(static_cast<double>(dx) * i / steps)),
                    from.Y + static_cast<int>(std::lround(static_cast<double>(dy) * i / steps))});
  }
  return path;
}

int SleepAfterStep(int speed, int step) {
  switch (speed) {
    case 1: return 2;
    case 2: return 1;
    case 3: return step % 2 == 1 ? 1 : 0;
    case 4: return step % 3 == 2 ? 1 : 0;
    default: return 0;
  }
}

bool DrawStep(int speed, int step) { return !(speed >= 6 && step == 0); }

int FlightDurationMs(int speed, int steps) {
  if (steps <= 0) return 1;
  // Drawing one step costs about a tenth of a millisecond.
  constexpr double kDrawMs = 0.1;
  double ms = 0;
  for (int i = 0; i < steps; ++i) {
    ms += SleepAfterStep(speed, i);
    if (DrawStep(speed, i)) ms += kDrawMs;
  }
  return std::max(1, static_cast<int>(std::lround(ms)));
}

}  // namespace zembra
