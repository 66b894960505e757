// How a match is played: against the computer, as the dealing or the
// receiving side of a duel, or at a tournament table; and what a match
// starts from. Each mode has its own rules for who may press the continue
// button and what pressing it tells the other side.
#pragma once

#include <array>
#include <optional>
#include <random>
#include <string>

#include "engine/dealing.h"

namespace zembra {

enum class TMatchMode : uint8_t {
  Local,       // against the computer (also an account's rating game)
  DuelServer,  // a duel, this side shuffles and deals
  DuelClient,  // a duel, the deals come from the peer
  Tournament,  // a tournament table, the deals come from the tournament server
};

const char* ModeName(TMatchMode mode);

// Whether this side deals its own deals.
inline bool DealsItself(TMatchMode m) { return m == TMatchMode::Local || m == TMatchMode::DuelServer; }

struct TMatchSetup {
  TMatchMode Mode = TMatchMode::Local;
  std::array<std::string, 3> Names;  // [1] the opponent, [2] the local player (UTF-8)
  int Target = 10;                   // 8 or 10; a received deal names its own
  TProfileValues Profile;            // the playing profile's stored values
  std::optional<TDeck> Deck;         // the first deal's deck in place of the shuffle
  std::mt19937_64* Random = nullptr; // the shuffle's generator; the process's when null
  int TournamentSeat = 1;            // the local player's seat at the tournament table
};

}  // namespace zembra
