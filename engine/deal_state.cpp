#include "engine/deal_state.h"

#include <sstream>

namespace zembra {

std::string HandToString(const TDealState& d, int player) {
  std::string s;
  for (int i = 1; i <= d.HandCount[player]; ++i) {
    if (i > 1) s += ' ';
    s += ToAscii(d.Hand[player][i]);
  }
  return s;
}

std::string ToString(const TDealState& d) {
  std::ostringstream o;
  o << "trump " << SuitToAscii(d.Trump) << " stock " << int(d.StockPos) << " turn "
    << int(d.TurnState) << " phase " << int(d.PlayPhase) << " leader " << LeaderText(d.Leader)
    << " drawer " << int(d.FirstDrawer) << '\n';
  for (int p = 1; p <= 2; ++p) {
    o << "hand" << p << " [" << HandToString(d, p) << "] table " << ToAscii(d.TableCard[p])
      << " taken " << d.Taken[p] << " pending " << int(d.Pending[p]) << '\n';
  }
  o << "led " << SuitToAscii(d.LedSuit) << " played";
  for (int i = 1; i < d.PlayedPos && i <= kDeckSize; ++i) o << ' ' << ToAscii(d.PlayedCards[i]);
  o << '\n';
  return o.str();
}

std::string ToString(const TMatchState& m) {
  std::ostringstream o;
  o << "match " << m.MatchNo << " deal " << int(m.DealNo) << " first " << int(m.FirstLeader)
    << " points " << m.MatchPoints[1] << ':' << m.MatchPoints[2] << " target "
    << int(m.MatchTarget) << " result " << m.MatchResult << '\n';
  return o.str();
}

}  // namespace zembra
