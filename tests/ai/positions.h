// Endgame positions for search tests and benchmarks.
#pragma once

#include <random>

#include "engine/game.h"

namespace zembra::test {

// Stock exhausted, n cards each (following: seat 2 has led one of its n),
// the other cards played, card points split at random, sometimes with a
// marriage credited; neither side at 66 yet.
TDealState RandomEndgame(std::mt19937_64& rng, int n, bool following);

// A real position: a seeded computer-against-computer deal played until the
// stock is gone and both hold six cards, seat 1 to lead. False when the
// deal ended before.
bool PlayedEndgame(uint64_t seed, TDealState& out);

}  // namespace zembra::test
