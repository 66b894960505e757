// A player of a tournament table without a window, for tests and the load
// tool: it keeps its own copy of the game from the server's deals, applies
// the other player's cards, plays the first card it may and asks for the
// next deal, as the program would. Pure: messages in, frames out.
#pragma once

#include <string>
#include <vector>

#include "engine/game.h"
#include "online/orv_records.h"

namespace zembra {

class TScriptedTourPlayer {
 public:
  explicit TScriptedTourPlayer(int seat) : Seat(seat) {}

  // A whole message from the server; false when it cannot be taken.
  bool Take(const std::string& message);
  // What to send now (its own card, the ask for the next deal), if anything.
  std::vector<std::string> Act();

  bool Over() const { return Done; }
  bool HeardLeft() const { return Left; }
  const TGame& Game() const { return G; }
  int SeatNumber() const { return Seat; }

 private:
  void Settle(std::vector<std::string>* out);
  int Seat;
  TGame G;
  bool Done = false, Left = false, Waiting = false;
};

// The club member a scripted player plays as: password "pw" + nick, from
// Tver in Russia, mail at example.org.
TOrvUser ScriptedMember(const std::string& nick, const std::string& sex = "M");

}  // namespace zembra
