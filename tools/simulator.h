// Plays deals from a deck file seat against seat, with the computer
// opponent or the first legal card for each seat, and writes the trace.
#pragma once

#include <istream>
#include <memory>
#include <ostream>

#include "match/seat.h"

namespace zembra::tools {

enum class TPolicy : uint8_t { Ai, First };

struct TSimOptions {
  bool Match = false;
  int Target = 10;
  TPolicy Policy1 = TPolicy::Ai;
  TPolicy Policy2 = TPolicy::Ai;
  bool Evals = false;
};

// Exit status: 0 on success, 2 on a malformed deck line or missing deals.
int RunSimulation(std::istream& decks, std::ostream& out, std::ostream& err,
                  const TSimOptions& options);

}  // namespace zembra::tools
