// The tournament window's seat buttons by their table of conditions: the
// first player at a table takes seat 1, a second joins only once seat 1 is
// taken, the player at seat 2 cannot leave through the button, and a
// player who holds a seat sees every free seat disabled. Pure code.
#pragma once

#include <string>

#include "online/orv_records.h"

namespace zembra {

enum class TSeatCaption { LogOff, Occupant, TakePlace, Free, ServerOff };

struct TSeatButton {
  TSeatCaption Caption = TSeatCaption::ServerOff;
  std::string Occupant;  // "Nick : Score" for TSeatCaption::Occupant
  bool Enabled = false;
};

// myTable 0 when the player holds no seat; serverOn: both reads succeeded
// and the server's state is "Y".
TSeatButton SeatButtonOf(const TOrvTable& t, int table, int seat, const std::string& myNick, int myTable,
                         bool serverOn);

// Seat 2 is refused to a player whose external address is seat 1's, unless
// the game server runs on "127.0.0.1" or the player is the operator.
bool SameAddressRefused(const std::string& seat1Ip, const std::string& myIp, const std::string& serverAddress,
                        bool operatorNick);

}  // namespace zembra
