#include "match/autoplay.h"

namespace zembra {

bool StepAutomatically(TMatchController& c) {
  if (c.Tick()) return true;
  return c.Continue(2) == TContinueVerdict::Ok;
}

}  // namespace zembra
