// The other player of a tournament table, as a seat of this side's match:
// its cards arrive from the tournament server and enter through the
// controller's checked entry; this side's card, its continue presses and
// its wish for the next deal go out to the server.
#pragma once

#include <functional>

#include "match/seat.h"

namespace zembra {

struct TTourSends {
  std::function<void(TCardCode)> Card;
  std::function<void()> Continue;  // "xslit"
  std::function<void()> NextDeal;  // "bnext"
};

class TTourSeat : public TSeat {
 public:
  explicit TTourSeat(TTourSends sends) : Sends(std::move(sends)) {}

  std::optional<int> OnTurn(const TDealState&, int) override { return std::nullopt; }

  void OnEvent(const TEngineEvent& e) override {
    if (e.Kind == TEventKind::CardPlayed && e.Player == 2 && Sends.Card) Sends.Card(e.Card);
  }

  void OnSignal(TMatchSignal s) override {
    if (s == TMatchSignal::Acknowledged && Sends.Continue) Sends.Continue();
    if (s == TMatchSignal::NextDeal && Sends.NextDeal) Sends.NextDeal();
  }

 private:
  TTourSends Sends;
};

}  // namespace zembra
