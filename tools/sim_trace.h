// The simulator's trace: one line per engine event, in the order the
// engine reports them (DEAL, H1, H2, P, T, D, END, MP, RESULT).
#pragma once

#include <ostream>
#include <vector>

#include "engine/events.h"

namespace zembra {
class TGame;
}

namespace zembra::tools {

class TSimTrace : public TEngineEvents {
 public:
  TSimTrace(const TGame& game, std::ostream& out, bool matchMode)
      : Game(game), Out(out), MatchMode(matchMode) {}
  void OnEvent(const TEngineEvent& e) override;
  // "S v1 ... vn" before a card the endgame search chose.
  void Evaluation(const std::vector<int>& values);

 private:
  const TGame& Game;
  std::ostream& Out;
  bool MatchMode;
};

}  // namespace zembra::tools
