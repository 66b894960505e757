#include "tournament/seat_rules.h"

namespace zembra {

namespace {
bool Held(const std::string& nick) { return !nick.empty() && nick != "X"; }
}

TSeatButton SeatButtonOf(const TOrvTable& t, int table, int seat, const std::string& myNick, int myTable,
                         bool serverOn) {
  TSeatButton b;
  if (!serverOn) return b;  // "Server Off", disabled
  const std::string& nick = seat == 1 ? t.Nick1 : t.Nick2;
  const int score = seat == 1 ? t.Score1 : t.Score2;
  if (Held(nick)) {
    if (seat == 1 && nick == myNick && myTable == table) {
      b.Caption = TSeatCaption::LogOff;
      b.Enabled = true;
      return b;
    }
    b.Caption = TSeatCaption::Occupant;
    b.Occupant = nick + " : " + std::to_string(score);
    return b;
  }
  if (seat == 2 && !Held(t.Nick1)) {
    b.Caption = TSeatCaption::Free;
    return b;
  }
  b.Caption = TSeatCaption::TakePlace;
  b.Enabled = myTable == 0;
  return b;
}

bool SameAddressRefused(const std::string& seat1Ip, const std::string& myIp, const std::string& serverAddress,
                        bool operatorNick) {
  return !operatorNick && serverAddress != "127.0.0.1" && !myIp.empty() && seat1Ip == myIp;
}

}  // namespace zembra
