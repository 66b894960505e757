#include "ai/computer.h"

#include <utility>

#include "ai/endgame_search.h"

namespace zembra::ai {

std::optional<TAiChoice> EndgameChoice(const TDealState& d,
                                       const std::function<TSearchResult()>& search) {
  TAiChoice choice;
  const int n = d.HandCount[1];
  if (n <= 1) {
    choice.Slot = 1;
    return choice;
  }
  if (n <= 5 || d.StockPos >= 25) {
    const TSearchResult r = search();
    choice.Slot = r.Slot;
    choice.Searched = true;
    choice.Values = r.Values;
    return choice;
  }
  return std::nullopt;
}

TAiChoice ChooseMove(const TDealState& d) {
  return d.Leader == TLeader::Co ? ChooseLead(d) : ChooseFollow(d);
}

TDealState MirrorView(const TDealState& d) {
  TDealState m = d;
  std::swap(m.Hand[1], m.Hand[2]);
  std::swap(m.HandOrder[1], m.HandOrder[2]);
  std::swap(m.HandPoints[1], m.HandPoints[2]);
  std::swap(m.HandCount[1], m.HandCount[2]);
  std::swap(m.TableCard[1], m.TableCard[2]);
  std::swap(m.TableOrder[1], m.TableOrder[2]);
  std::swap(m.TablePoints[1], m.TablePoints[2]);
  std::swap(m.Taken[1], m.Taken[2]);
  std::swap(m.Pending[1], m.Pending[2]);
  m.Leader = d.Leader == TLeader::Co ? TLeader::Me : TLeader::Co;
  return m;
}

}  // namespace zembra::ai
