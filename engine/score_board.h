// What each player's score board shows: the big field, the match points,
// the game points of a finished deal and the trick-winner mark. The
// engine keeps these contents; the window only draws them.
#pragma once

#include <optional>

#include "engine/one_based.h"

namespace zembra {

enum class TBigFieldStyle : uint8_t {
  CardPoints,  // magenta: card points taken in the deal
  Pending,     // green: a marriage value waiting for the first counted trick
  Result,      // red: the match result once the target is reached
};

struct TScoreBoard {
  int Big = 0;
  TBigFieldStyle BigStyle = TBigFieldStyle::CardPoints;
  bool Plus = false;                // "+" before a positive result
  int MatchPoints = 0;
  std::optional<int> GamePoints;    // empty: the field is cleared
  bool Mark = false;                // the trick-winner mark

  bool operator==(const TScoreBoard&) const = default;
};

struct TScoreBoards {
  TArray1<TScoreBoard, 2> Board;

  void MarkOn(int player) {
    Board[1].Mark = player == 1;
    Board[2].Mark = player == 2;
  }
};

}  // namespace zembra
