#include "tools/sim_trace.h"

#include "ai/endgame_search.h"
#include "engine/game.h"

namespace zembra::tools {

void TSimTrace::Evaluation(const std::vector<int>& values) {
  Out << "S " << ai::FormatValues(values) << '\n';
}

void TSimTrace::OnEvent(const TEngineEvent& e) {
  const TDealState& d = Game.Deal;
  const TMatchState& m = Game.Match;
  switch (e.Kind) {
    case TEventKind::DealDealt:
      Out << "DEAL " << int(m.DealNo) << " TRUMP " << SuitToAscii(d.Trump) << " LEAD "
          << int(m.FirstLeader) << '\n';
      for (int p = 1; p <= 2; ++p) Out << 'H' << p << ' ' << HandToString(d, p) << '\n';
      break;
    case TEventKind::CardPlayed:
      Out << "P " << e.Player << ' ' << ToAscii(e.Card);
      if (e.Value == 1) Out << " M20";
      if (e.Value == 2) Out << " M40";
      Out << '\n';
      break;
    case TEventKind::TrickResolved:
      Out << "T " << e.Player << ' ' << d.Taken[1] << ' ' << d.Taken[2] << '\n';
      break;
    case TEventKind::CardDrawn: Out << "D " << e.Player << ' ' << ToAscii(e.Card) << '\n'; break;
    case TEventKind::DealOver:
      Out << "END " << e.Player << ' ' << e.Value << ' ' << d.Taken[1] << ' ' << d.Taken[2] << '\n';
      break;
    case TEventKind::DealScored:
      if (MatchMode) Out << "MP " << m.MatchPoints[1] << ' ' << m.MatchPoints[2] << '\n';
      break;
    case TEventKind::MatchSummedUp:
      if (MatchMode) Out << "RESULT " << m.MatchResult << '\n';
      break;
    default: break;
  }
}

}  // namespace zembra::tools
