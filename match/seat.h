// A seat at the table: whoever plays one side of a match. The computer,
// the window's player, a duel peer and the tournament server are all
// seats; the match controller asks the seat to move and tells it what
// happened, and every card a seat plays comes back through the
// controller's checked entry.
#pragma once

#include <optional>

#include "engine/deal_state.h"
#include "engine/events.h"

namespace zembra {

// What this side did that the other side of a duel or tournament table
// must hear besides the cards (the remote seat turns them into messages).
enum class TMatchSignal : uint8_t {
  Started,       // the start click of a deal (a duel's server)
  Acknowledged,  // a trick collected or a deal scored: the other side may continue
  NextDeal,      // the next deal is wanted from the tournament server
};

class TSeat {
 public:
  virtual ~TSeat() = default;

  // It is this seat's turn. A seat that decides by itself answers with the
  // slot of its card now; a seat whose card comes later (a click, a peer's
  // message) answers nothing and submits through the controller.
  virtual std::optional<int> OnTurn(const TDealState& deal, int seat) = 0;

  // Everything that happens at the table, in the rules' order.
  virtual void OnEvent(const TEngineEvent&) {}

  // What this side did that a remote side must hear.
  virtual void OnSignal(TMatchSignal) {}
};

}  // namespace zembra
