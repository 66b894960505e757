#include "match/match_controller.h"

#include "engine/rules.h"
#include "match/pacing.h"
#include "match/seats.h"

namespace zembra {

const char* VerdictName(TContinueVerdict v) {
  switch (v) {
    case TContinueVerdict::Ok: return "ok";
    case TContinueVerdict::NotInDeal: return "not in a deal";
    case TContinueVerdict::NotYours: return "not yours";
    case TContinueVerdict::NotNow: return "not now";
  }
  return "?";
}

TMatchController::TMatchController(TGame& game, TMatchSetup setup, TSeat& seat1, TSeat& seat2)
    : G(game), Set(std::move(setup)), Seat1(seat1), Seat2(seat2) {
  G.Options.GameTo8 = Set.Target == 8;
  G.SetListener(this);
}

TMatchController::~TMatchController() { G.SetListener(nullptr); }

void TMatchController::Broadcast(const TEngineEvent& e) {
  Seat1.OnEvent(e);
  if (&Seat2 != &Seat1) Seat2.OnEvent(e);
  for (TEngineEvents* l : Listeners) l->OnEvent(e);
}

void TMatchController::Signal(TMatchSignal s) {
  Seat1.OnSignal(s);
  if (&Seat2 != &Seat1) Seat2.OnSignal(s);
}

void TMatchController::SetOpen(bool open, TText caption) {
  Open = open;
  TEngineEvent e(TEventKind::ContinueButton);
  e.Enabled = open;
  e.Text = std::move(caption);
  Broadcast(e);
}

void TMatchController::OnEvent(const TEngineEvent& e) {
  switch (e.Kind) {
    case TEventKind::ContinueButton:
      // The rules say a step is due; the mode says whether this side's
      // button may take it now.
      SetOpen(e.Enabled && ContinueOpenFor(Set.Mode, Set.TournamentSeat, G.Deal), e.Text);
      return;
    case TEventKind::MatchSummedUp: {
      const TMatchState& m = G.Match;
      TMatchOutcome o;
      o.Mode = Set.Mode;
      o.Names = Set.Names;
      o.MatchPoints = {0, m.MatchPoints[1], m.MatchPoints[2]};
      o.Target = m.MatchTarget;
      o.Deals = m.DealNo;
      o.MatchNo = m.MatchNo;
      o.MatchResult = m.MatchResult;
      o.ScoreBefore = m.ScoreBefore;
      o.ScoreAfter = m.ScoreAfter;
      o.RatingBefore = m.RatingBefore;
      Outcome_ = o;
      break;
    }
    default: break;
  }
  Broadcast(e);
}

void TMatchController::Deal(bool continueMatch, const TDeck* received, int leader, int target) {
  TDealOptions o;
  o.ContinueMatch = continueMatch;
  o.Profile = Set.Profile;
  o.Random = Set.Random;
  std::optional<TDeck> deck;
  switch (Set.Mode) {
    case TMatchMode::Local:
    case TMatchMode::DuelServer:
      o.Kind = TDealKind::Local;
      deck = continueMatch ? NextDeck : Set.Deck;
      NextDeck.reset();
      if (deck) o.Deck = &*deck;
      break;
    case TMatchMode::DuelClient:
      o.Kind = TDealKind::NetClient;
      o.Deck = received;
      o.FirstLeader = static_cast<uint8_t>(leader);
      o.Target = static_cast<uint8_t>(target);
      break;
    case TMatchMode::Tournament:
      o.Kind = TDealKind::Tournament;
      o.Deck = received;
      o.TournamentSeat2 = Set.TournamentSeat == 2;
      break;
  }
  Dealt = true;
  DealCards(G, o);
  // At a tournament table play starts with the deal.
  if (Set.Mode == TMatchMode::Tournament) zembra::Continue(G);
}

void TMatchController::Start() {
  if (Acting || Dealt || !DealsItself(Set.Mode)) return;
  Acting = true;
  Deal(false, nullptr, 0, 0);
  Acting = false;
}

TMoveVerdict TMatchController::Submit(int seat, int slot) {
  // A seat that answers while an engine step is still running waits its turn.
  if (Acting) return TMoveVerdict::NotYourTurn;
  const TMoveVerdict v = CheckMove(G.Deal, seat, slot);
  if (v != TMoveVerdict::Ok) return v;
  Acting = true;
  TEngineEvent name(TEventKind::Bubble);
  name.Player = seat;
  name.Style = TBubbleStyle::Yellow;
  name.Text = TText::NameOf(seat);
  Broadcast(name);
  const TMoveVerdict played = PlayCard(G, seat, slot);
  Acting = false;
  return played;
}

TMoveVerdict TMatchController::SubmitCard(int seat, TCardCode card) {
  if (seat != 1 && seat != 2) return TMoveVerdict::NotYourTurn;
  return Submit(seat, SlotOf(G.Deal, seat, card));
}

TContinueVerdict TMatchController::Continue(int seat) {
  TDealState& d = G.Deal;
  if (seat != 2) return TContinueVerdict::NotYours;
  if (!d.InDeal) return TContinueVerdict::NotInDeal;
  if (!Open || Acting) return TContinueVerdict::NotNow;
  const std::optional<TMatchSignal> before = SignalBefore(Set.Mode, d);
  const uint8_t turnBefore = d.PlayPhase == 1 ? 0 : d.TurnState;
  Acting = true;
  if (turnBefore == kTurnMatchContinues) {
    if (DealsItself(Set.Mode)) {
      Deal(true, nullptr, 0, 0);
    } else {
      SetOpen(false);  // the next deal comes from the other side
    }
  } else {
    zembra::Continue(G);
  }
  Acting = false;
  if (before) Signal(*before);
  if (const auto after = SignalAfter(Set.Mode, turnBefore, d)) Signal(*after);
  return TContinueVerdict::Ok;
}

bool TMatchController::Tick() {
  const TDealState& d = G.Deal;
  if (Acting || !d.InDeal || d.PlayPhase != 2) return false;
  if (d.TurnState != kTurnPlayer1 && d.TurnState != kTurnPlayer2) return false;
  const int seat = d.TurnState;
  const std::optional<int> slot = SeatAt(seat).OnTurn(d, seat);
  if (!slot) return false;
  return Submit(seat, *slot) == TMoveVerdict::Ok;
}

void TMatchController::PeerStarted() {
  if (Acting || Set.Mode == TMatchMode::Local || !G.Deal.InDeal || G.Deal.PlayPhase != 1) return;
  Acting = true;
  zembra::Continue(G);
  Acting = false;
}

void TMatchController::PeerAcknowledged() {
  const TDealState& d = G.Deal;
  if (Acting || Set.Mode == TMatchMode::Local || !d.InDeal || G.Match.MatchClosed) return;
  // Only a step that is due may be opened: a stray acknowledgement does
  // not let this side skip a card.
  if (d.PlayPhase != 2 || d.TurnState < kTurnTrickComplete) return;
  SetOpen(true);
}

bool TMatchController::ReceiveDeal(const TDeck& deck, int senderFirstLeader, int target) {
  if (Acting || DealsItself(Set.Mode) || Over() || WasAbandoned) return false;
  const TDealState& d = G.Deal;
  const bool first = !Dealt;
  if (!first && d.TurnState != kTurnMatchContinues) return false;
  if (senderFirstLeader != 1 && senderFirstLeader != 2) return false;
  Acting = true;
  Deal(!first, &deck, OtherSeat(senderFirstLeader), target);
  Acting = false;
  return true;
}

void TMatchController::Abandon() {
  WasAbandoned = true;
  Open = false;
  G.Deal.InDeal = false;
}

}  // namespace zembra
