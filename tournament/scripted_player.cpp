#include "tournament/scripted_player.h"

#include "duel/duel_messages.h"
#include "engine/dealing.h"
#include "engine/move_check.h"
#include "engine/rules.h"
#include "tournament/tour_frames.h"

namespace zembra {
namespace {

int SlotOfCard(const TDealState& d, int player, TCardCode card) {
  for (int s = 1; s <= d.HandCount[player]; ++s)
    if (d.Hand[player][s] == card) return s;
  return 0;
}

}  // namespace

bool TScriptedTourPlayer::Take(const std::string& m) {
  if (m.empty()) return false;
  if (m[0] == 'b') {
    const auto deal = ReadDealMessage(m);
    if (!deal) return false;
    TDealOptions o;
    o.Kind = TDealKind::Tournament;
    o.ContinueMatch = G.Match.DealNo > 0;
    o.Deck = &deal->Deck;
    o.TournamentSeat2 = Seat == 2;
    DealCards(G, o);
    Continue(G);  // play starts
    Waiting = false;
    return true;
  }
  const std::string text = FrameText(m);
  if (m.starts_with("hhod")) {
    const auto card = ReadCardMessage(std::string_view(m).substr(0, kCardMessageLength));
    if (!card) return false;
    const int slot = SlotOfCard(G.Deal, 1, *card);
    if (slot == 0 || PlayCard(G, 1, slot) != TMoveVerdict::Ok) return false;
    std::vector<std::string> none;
    Settle(&none);
    return true;
  }
  if (text == "a" || text.starts_with("T")) Left = true;
  return true;
}

void TScriptedTourPlayer::Settle(std::vector<std::string>* out) {
  for (int guard = 0; guard < 6; ++guard) {
    const uint8_t t = G.Deal.TurnState;
    if (t == kTurnTrickComplete || t == kTurnDealOver) {
      Continue(G);
    } else if (t == kTurnMatchContinues) {
      if (!Waiting) out->push_back(TourFrame("bnext", Seat));
      Waiting = true;
      return;
    } else if (t == kTurnMatchOver) {
      if (!G.Match.MatchClosed) Continue(G);
      Done = true;
      return;
    } else {
      return;
    }
  }
}

std::vector<std::string> TScriptedTourPlayer::Act() {
  std::vector<std::string> out;
  TDealState& d = G.Deal;
  if (Waiting && d.TurnState == kTurnMatchContinues) return out;
  Settle(&out);
  if (!d.InDeal || d.TurnState != kTurnPlayer2 || Done) return out;
  for (int s = 1; s <= d.HandCount[2]; ++s) {
    if (CheckMove(d, 2, s) != TMoveVerdict::Ok) continue;
    const TCardCode c = d.Hand[2][s];
    if (PlayCard(G, 2, s) != TMoveVerdict::Ok) break;
    out.push_back(TourFrame(CardMessage(c), Seat));
    Settle(&out);
    break;
  }
  return out;
}

TOrvUser ScriptedMember(const std::string& nick, const std::string& sex) {
  TOrvUser u;
  u.Nick = nick;
  u.Pw = "pw" + nick;
  u.City = "Tver";
  u.Country1 = "Russia";
  u.Country2 = "1-001";
  u.Sex = sex;
  u.EMail = nick + "@example.org";
  return u;
}

}  // namespace zembra
