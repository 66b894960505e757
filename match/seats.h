// Seats that decide by themselves: the computer opponent, the first legal
// card, and a script of cards for tests.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ai/computer.h"
#include "match/seat.h"

namespace zembra {

// The computer opponent, in either seat (in seat 2 it sees the deal
// mirrored). OnChoice hears each choice before the card is played.
class TComputerSeat : public TSeat {
 public:
  std::optional<int> OnTurn(const TDealState& deal, int seat) override;
  std::function<void(int seat, const ai::TAiChoice&)> OnChoice;
};

// The first card of the hand the follow rule allows.
class TFirstLegalSeat : public TSeat {
 public:
  std::optional<int> OnTurn(const TDealState& deal, int seat) override;
};

// Plays the given cards in order, by their codes (tests). A card not in the
// hand is offered as slot 0, so the controller's refusal shows; when the
// script has run out the seat waits.
class TScriptedSeat : public TSeat {
 public:
  explicit TScriptedSeat(std::vector<TCardCode> cards) : Cards(cards.begin(), cards.end()) {}
  std::optional<int> OnTurn(const TDealState& deal, int seat) override;
  bool Done() const { return Cards.empty(); }

 private:
  std::deque<TCardCode> Cards;
};

// A seat whose cards come from outside: the window's player, a peer. It
// records what it hears, for tests.
class TWaitingSeat : public TSeat {
 public:
  std::optional<int> OnTurn(const TDealState&, int) override { return std::nullopt; }
  void OnEvent(const TEngineEvent& e) override { Heard.push_back(e); }
  void OnSignal(TMatchSignal s) override { Signals.push_back(s); }
  std::vector<TEngineEvent> Heard;
  std::vector<TMatchSignal> Signals;
};

// The slot of a card in a seat's hand, 0 when it is not there.
int SlotOf(const TDealState& d, int seat, TCardCode card);

}  // namespace zembra
