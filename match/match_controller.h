// One match, whoever sits at the table: the controller deals, asks the
// seat to move, takes every card through the checked entry, keeps the
// continue button's pacing for its mode, and yields the outcome. It knows
// no window; the window is a view and one of the seats.
#pragma once

#include <optional>
#include <vector>

#include "engine/game.h"
#include "engine/move_check.h"
#include "match/match_mode.h"
#include "match/match_outcome.h"
#include "match/seat.h"

namespace zembra {

enum class TContinueVerdict : uint8_t {
  Ok,
  NotInDeal,  // no deal on the table
  NotYours,   // the button belongs to the local player (seat 2)
  NotNow,     // the button is not open: a card is due, or the other side goes first
};

const char* VerdictName(TContinueVerdict v);

class TMatchController : private TEngineEvents {
 public:
  // The game is the caller's (the window paints it); the seats must
  // outlive the controller.
  TMatchController(TGame& game, TMatchSetup setup, TSeat& seat1, TSeat& seat2);
  ~TMatchController() override;
  TMatchController(const TMatchController&) = delete;
  TMatchController& operator=(const TMatchController&) = delete;

  // Watchers besides the seats (a trace, a recording) hear every event.
  void AddListener(TEngineEvents* listener) { Listeners.push_back(listener); }

  // Deals the first deal (a side that deals itself); a receiving side
  // waits for ReceiveDeal.
  void Start();

  // The checked entry: seat plays the card in slot of its hand.
  TMoveVerdict Submit(int seat, int slot);
  // The same by the card's code (a peer's message names the card).
  TMoveVerdict SubmitCard(int seat, TCardCode card);

  // The continue button, pressed by seat.
  TContinueVerdict Continue(int seat);
  bool ContinueOpen() const { return Open; }

  // The seat to move, when it decides by itself, plays now (the window's
  // timer tick). True when a card was played.
  bool Tick();

  // The deck of the next deal in place of the shuffle (tools, tests).
  void SetNextDeck(const TDeck& deck) { NextDeck = deck; }

  // Messages from the other side of a duel or a tournament table.
  void PeerStarted();       // the server's start click
  void PeerAcknowledged();  // the other side collected or scored: this side may continue
  // A deal from the dealing side: its deck in deck order, the first leader
  // in the sender's seats, the target. False when it is not expected.
  bool ReceiveDeal(const TDeck& deck, int senderFirstLeader, int target);

  // Leaves the match: nothing of it is recorded.
  void Abandon();
  bool Abandoned() const { return WasAbandoned; }

  // Summed up: the outcome is ready.
  bool Over() const { return Outcome_.has_value(); }
  const std::optional<TMatchOutcome>& Outcome() const { return Outcome_; }

  const TGame& Game() const { return G; }
  const TMatchSetup& Setup() const { return Set; }
  TMatchMode Mode() const { return Set.Mode; }

 private:
  void OnEvent(const TEngineEvent& e) override;
  void Broadcast(const TEngineEvent& e);
  void Signal(TMatchSignal s);
  void SetOpen(bool open, TText caption = TText::None());
  void Deal(bool continueMatch, const TDeck* received, int leader, int target);
  TSeat& SeatAt(int seat) { return seat == 1 ? Seat1 : Seat2; }

  TGame& G;
  TMatchSetup Set;
  TSeat& Seat1;
  TSeat& Seat2;
  std::vector<TEngineEvents*> Listeners;
  std::optional<TDeck> NextDeck;
  std::optional<TMatchOutcome> Outcome_;
  bool Open = false;
  bool WasAbandoned = false;
  bool Dealt = false;   // a deal of this match has been dealt
  bool Acting = false;  // inside an engine step: no second move may start
};

}  // namespace zembra
