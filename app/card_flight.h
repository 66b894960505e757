// A card's flight along a straight line, one pixel a step along the longer
// axis, paced by the speed setting: 1 sleeps 2 ms a step, 2 sleeps 1 ms a
// step, 3 every second step, 4 every third, 5 never, 6 never and skips
// drawing the first step.
#pragma once

#include <vector>

namespace zembra {

struct TPoint {
  int X = 0, Y = 0;
  bool operator==(const TPoint&) const = default;
};

// The positions the sprite takes, first to last (the start included).
std::vector<TPoint> FlightPath(TPoint from, TPoint to);

// Milliseconds to sleep after drawing step i (0-based).
int SleepAfterStep(int speed, int step);

// Whether step i is drawn at all.
bool DrawStep(int speed, int step);

// How long a flight of the given number of steps lasts: what the steps'
// sleeps add up to, and for the speeds that never sleep the time drawing
// takes (a little less at 6, which skips the first step).
int FlightDurationMs(int speed, int steps);

}  // namespace zembra
