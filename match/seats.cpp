#include "match/seats.h"

#include "engine/move_check.h"

namespace zembra {

int SlotOf(const TDealState& d, int seat, TCardCode card) {
  if (seat != 1 && seat != 2) return 0;
  for (int slot = 1; slot <= kHandSize; ++slot)
    if (!card.IsEmpty() && d.Hand[seat][slot] == card) return slot;
  return 0;
}

std::optional<int> TComputerSeat::OnTurn(const TDealState& deal, int seat) {
  const ai::TAiChoice choice = seat == 1 ? ai::ChooseMove(deal) : ai::ChooseMove(ai::MirrorView(deal));
  if (OnChoice) OnChoice(seat, choice);
  return choice.Slot;
}

std::optional<int> TFirstLegalSeat::OnTurn(const TDealState& deal, int seat) {
  for (int slot = 1; slot <= deal.HandCount[seat]; ++slot)
    if (FollowRule(deal, seat, slot) == TMoveVerdict::Ok) return slot;
  return 1;
}

std::optional<int> TScriptedSeat::OnTurn(const TDealState& deal, int seat) {
  if (Cards.empty()) return std::nullopt;
  const TCardCode card = Cards.front();
  Cards.pop_front();
  return SlotOf(deal, seat, card);
}

}  // namespace zembra
