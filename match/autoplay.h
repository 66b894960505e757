// The play loop, written once: the seat to move plays when it decides by
// itself, otherwise the local side presses continue when it may. Tools and
// tests drive whole deals and matches with it; the window does the same
// step by step from its timer and its buttons.
#pragma once

#include "match/match_controller.h"

namespace zembra {

// One automatic step; false when nothing can happen without a person or
// a peer (or the match is over).
bool StepAutomatically(TMatchController& c);

// Steps until stop(game) holds before a step, or nothing more happens.
// Returns the number of steps taken.
template <typename F>
int PlayUntil(TMatchController& c, F&& stop) {
  int steps = 0;
  while (!stop(c.Game()) && StepAutomatically(c)) ++steps;
  return steps;
}

}  // namespace zembra
