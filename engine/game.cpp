#include "engine/game.h"

#include "engine/dealing.h"
#include "engine/rules.h"

namespace zembra {

void EmitSound(const TGame& g, const char* name) {
  TEngineEvent e(TEventKind::Sound);
  e.Name = name;
  g.Emit(e);
}

void EmitBoard(const TGame& g, int player) {
  TEngineEvent e(TEventKind::ScoreBoard);
  e.Player = player;
  g.Emit(e);
}

void EmitContinue(const TGame& g, bool enabled, TText caption) {
  TEngineEvent e(TEventKind::ContinueButton);
  e.Enabled = enabled;
  e.Text = std::move(caption);
  g.Emit(e);
}

void Continue(TGame& g, const TDeck* nextDeck) {
  TDealState& d = g.Deal;
  if (!d.InDeal) return;
  if (d.PlayPhase == 1) {
    d.PlayPhase = 2;
    EmitContinue(g, false, TText::Fixed(kCaptionOk));
    g.Emit(TEngineEvent(TEventKind::PlayStarted));
    return;
  }
  switch (d.TurnState) {
    case kTurnTrickComplete: CollectTrick(g); break;
    case kTurnDealOver: ScoreDeal(g); break;
    case kTurnMatchOver:
      if (!g.Match.MatchClosed) SumUpMatch(g);
      break;
    case kTurnMatchContinues: {
      TDealOptions o;
      o.ContinueMatch = true;
      o.Deck = nextDeck;
      DealCards(g, o);
      break;
    }
    default: break;  // a player must move first
  }
}

}  // namespace zembra
