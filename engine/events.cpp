#include "engine/events.h"

#include <sstream>

namespace zembra {
namespace {

const char* KindName(TEventKind k) {
  switch (k) {
    case TEventKind::DealDealt: return "DealDealt";
    case TEventKind::PlayStarted: return "PlayStarted";
    case TEventKind::CardPlayed: return "CardPlayed";
    case TEventKind::Marriage: return "Marriage";
    case TEventKind::TrickResolved: return "TrickResolved";
    case TEventKind::TrickCollected: return "TrickCollected";
    case TEventKind::CardDrawn: return "CardDrawn";
    case TEventKind::StockEmpty: return "StockEmpty";
    case TEventKind::DealOver: return "DealOver";
    case TEventKind::OpenHand: return "OpenHand";
    case TEventKind::DealScored: return "DealScored";
    case TEventKind::MatchSummedUp: return "MatchSummedUp";
    case TEventKind::Bubble: return "Bubble";
    case TEventKind::ScoreBoard: return "ScoreBoard";
    case TEventKind::Sound: return "Sound";
    case TEventKind::ContinueButton: return "ContinueButton";
    case TEventKind::ExitButton: return "ExitButton";
  }
  return "?";
}

std::string TextString(const TText& t) {
  switch (t.Kind) {
    case TText::TKind::None: return "-";
    case TText::TKind::Row: return "row" + std::to_string(t.Row);
    case TText::TKind::Literal: return '"' + t.Literal + '"';
    case TText::TKind::PlayerName: return "name" + std::to_string(t.Player);
  }
  return "?";
}

}  // namespace

std::string ToString(const TEngineEvent& e) {
  std::ostringstream o;
  o << KindName(e.Kind);
  switch (e.Kind) {
    case TEventKind::CardPlayed:
      o << ' ' << e.Player << ' ' << ToAscii(e.Card) << " slot " << e.Slot << " m" << e.Value;
      break;
    case TEventKind::CardDrawn: o << ' ' << e.Player << ' ' << ToAscii(e.Card); break;
    case TEventKind::Marriage:
      o << ' ' << e.Player << ' ' << e.Value << (e.Closes ? " closes" : "");
      break;
    case TEventKind::Bubble:
      o << ' ' << e.Player << ' ' << int(e.Style) << ' ' << TextString(e.Text) << ' '
        << TextString(e.Suffix);
      break;
    case TEventKind::Sound: o << ' ' << e.Name; break;
    case TEventKind::ContinueButton:
      o << ' ' << (e.Enabled ? "on" : "off") << ' ' << TextString(e.Text);
      break;
    case TEventKind::ExitButton: o << ' ' << (e.Enabled ? "on" : "off"); break;
    default:
      if (e.Player) o << ' ' << e.Player;
      if (e.Value) o << ' ' << e.Value;
      break;
  }
  return o.str();
}

TEngineEvents& NullEvents() {
  class TNull : public TEngineEvents {
   public:
    void OnEvent(const TEngineEvent&) override {}
  };
  static TNull null;
  return null;
}

}  // namespace zembra
