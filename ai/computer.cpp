#include "ai/computer.h"

#include <utility>

namespace zembra::ai {

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
