// The other player of a duel, as a seat of this side's match: its cards
// arrive as messages and enter through the controller's checked entry; what
// this side's player does goes out to it (the card played, the deal dealt
// by the server, the start click, each acknowledgement).
#pragma once

#include <functional>
#include <optional>

#include "engine/game.h"
#include "match/seat.h"

namespace zembra {

struct TDuelSends {
  std::function<void(TCardCode)> Card;
  std::function<void(const TDeck&, int firstLeader, int target)> Deal;
  std::function<void()> Start;
  std::function<void()> Ack;
};

class TDuelSeat : public TSeat {
 public:
  // dealer: this side shuffles and sends every deal (the server).
  TDuelSeat(const TGame& game, bool dealer, TDuelSends sends)
      : Game(game), Dealer(dealer), Sends(std::move(sends)) {}

  // The peer's card comes later, through the controller.
  std::optional<int> OnTurn(const TDealState&, int) override { return std::nullopt; }

  void OnEvent(const TEngineEvent& e) override {
    if (e.Kind == TEventKind::CardPlayed && e.Player == 2 && Sends.Card) Sends.Card(e.Card);
    if (e.Kind == TEventKind::DealDealt && Dealer && Sends.Deal)
      Sends.Deal(Game.Deal.DeckCard, Game.Match.FirstLeader, Game.Match.MatchTarget);
  }

  void OnSignal(TMatchSignal s) override {
    if (s == TMatchSignal::Started && Sends.Start) Sends.Start();
    if (s == TMatchSignal::Acknowledged && Sends.Ack) Sends.Ack();
  }

 private:
  const TGame& Game;
  bool Dealer;
  TDuelSends Sends;
};

}  // namespace zembra
