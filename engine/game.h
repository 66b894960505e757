// The game object the table holds: the deal and match records, the score
// boards, the general-score record and the listener that hears what
// happens. Every move source plays through the operations declared in
// dealing.h, rules.h and scoring.h on this one object.
#pragma once

#include "engine/deal_state.h"
#include "engine/events.h"
#include "engine/score_board.h"
#include "engine/scoring.h"

namespace zembra {

struct TGameOptions {
  bool GameTo8 = false;  // the option "Game to 8 numbers"
};

class TGame {
 public:
  TDealState Deal;
  TMatchState Match;
  TScoreBoards Boards;
  TCount Count;
  TGameOptions Options;

  void SetListener(TEngineEvents* listener) { Listener = listener ? listener : &NullEvents(); }
  void Emit(const TEngineEvent& e) const { Listener->OnEvent(e); }

 private:
  TEngineEvents* Listener = &NullEvents();
};

// The continue button's step for the current state: start play, collect
// the trick, score the deal, sum up the match, or deal the next deal
// (from nextDeck when given, else freshly shuffled).
void Continue(TGame& g, const TDeck* nextDeck = nullptr);

// Small event builders shared by the rule files.
void EmitSound(const TGame& g, const char* name);
void EmitBoard(const TGame& g, int player);
void EmitContinue(const TGame& g, bool enabled, TText caption = TText::None());

}  // namespace zembra
