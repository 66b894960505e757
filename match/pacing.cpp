#include "match/pacing.h"

namespace zembra {

bool ContinueOpenFor(TMatchMode mode, int tournamentSeat, const TDealState& d) {
  if (!d.InDeal) return false;
  const bool local = mode == TMatchMode::Local;
  if (d.PlayPhase == 1) return DealsItself(mode);
  switch (d.TurnState) {
    case kTurnTrickComplete:
      // The side whose seat 1 won the trick collects first.
      return local || d.Leader == TLeader::Co;
    case kTurnDealOver:
      if (mode == TMatchMode::Tournament) return tournamentSeat == 1;
      return mode != TMatchMode::DuelServer;
    case kTurnMatchOver:
    case kTurnMatchContinues:
      return DealsItself(mode);
    default: return false;
  }
}

std::optional<TMatchSignal> SignalBefore(TMatchMode mode, const TDealState& d) {
  if (mode == TMatchMode::Local || !d.InDeal) return std::nullopt;
  if (d.PlayPhase == 1) {
    if (mode == TMatchMode::DuelServer) return TMatchSignal::Started;
    return std::nullopt;
  }
  switch (d.TurnState) {
    case kTurnTrickComplete:
      // The trick winner's side leads next and waits for this.
      if (d.Leader == TLeader::Co) return TMatchSignal::Acknowledged;
      return std::nullopt;
    case kTurnDealOver:
      if (mode == TMatchMode::DuelServer) return std::nullopt;
      return TMatchSignal::Acknowledged;
    case kTurnMatchContinues:
      if (mode == TMatchMode::Tournament) return TMatchSignal::NextDeal;
      return std::nullopt;
    case kTurnMatchOver:
      // At a tournament table the summing-up lets the other side sum up too.
      if (mode == TMatchMode::Tournament) return TMatchSignal::Acknowledged;
      return std::nullopt;
    default: return std::nullopt;
  }
}

std::optional<TMatchSignal> SignalAfter(TMatchMode mode, uint8_t turnBefore, const TDealState& after) {
  if (mode == TMatchMode::DuelServer && turnBefore == kTurnDealOver && after.TurnState == kTurnMatchOver)
    return TMatchSignal::Acknowledged;
  return std::nullopt;
}

const char* ModeName(TMatchMode mode) {
  switch (mode) {
    case TMatchMode::Local: return "local";
    case TMatchMode::DuelServer: return "duel server";
    case TMatchMode::DuelClient: return "duel client";
    case TMatchMode::Tournament: return "tournament";
  }
  return "?";
}

}  // namespace zembra
