#include "engine/move_check.h"

namespace zembra {
namespace {

bool HoldsSuit(const TDealState& d, int seat, unsigned char suit) {
  for (int slot = 1; slot <= kHandSize; ++slot) {
    const TCardCode c = d.Hand[seat][slot];
    if (!c.IsEmpty() && c.Suit == suit) return true;
  }
  return false;
}

}  // namespace

TMoveVerdict CheckMove(const TDealState& d, int seat, int slot) {
  if (!d.InDeal) return TMoveVerdict::NotInDeal;
  if (d.PlayPhase != 2) return TMoveVerdict::PlayNotStarted;
  if ((seat != 1 && seat != 2) || d.TurnState != seat) return TMoveVerdict::NotYourTurn;
  if (slot < 1 || slot > kHandSize || d.Hand[seat][slot].IsEmpty()) return TMoveVerdict::NoSuchSlot;
  return FollowRule(d, seat, slot);
}

TMoveVerdict FollowRule(const TDealState& d, int seat, int slot) {
  if (d.LeaderSeat() == seat || d.LedSuit == kNoSuit) return TMoveVerdict::Ok;
  const unsigned char s = d.Hand[seat][slot].Suit;
  if (s == d.LedSuit) return TMoveVerdict::Ok;
  if (HoldsSuit(d, seat, d.LedSuit)) return TMoveVerdict::MustFollowSuit;
  if (s != d.Trump && HoldsSuit(d, seat, d.Trump)) return TMoveVerdict::MustTrump;
  return TMoveVerdict::Ok;
}

const char* VerdictName(TMoveVerdict v) {
  switch (v) {
    case TMoveVerdict::Ok: return "ok";
    case TMoveVerdict::NotInDeal: return "not in a deal";
    case TMoveVerdict::PlayNotStarted: return "play not started";
    case TMoveVerdict::NotYourTurn: return "not your turn";
    case TMoveVerdict::NoSuchSlot: return "no such slot";
    case TMoveVerdict::MustFollowSuit: return "must follow suit";
    case TMoveVerdict::MustTrump: return "must trump";
  }
  return "?";
}

}  // namespace zembra
