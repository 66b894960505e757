// What the engine tells the table: every picture, text and sound that the
// rules call for leaves as one event, in the order the rules give. The
// window turns events into drawing and sound; tools turn them into traces.
#pragma once

#include <string>
#include <vector>

#include "engine/cards.h"

namespace zembra {

// A text shown to the player: a row of the localisation table, a fixed
// text outside it, or the name of a seat's player.
struct TText {
  enum class TKind : uint8_t { None, Row, Literal, PlayerName };
  TKind Kind = TKind::None;
  int Row = -1;
  std::string Literal;
  int Player = 0;

  static TText None() { return {}; }
  static TText FromRow(int row) { return TText{TKind::Row, row, {}, 0}; }
  static TText Fixed(std::string s) { return TText{TKind::Literal, -1, std::move(s), 0}; }
  static TText NameOf(int player) { return TText{TKind::PlayerName, -1, {}, player}; }
  bool operator==(const TText&) const = default;
};

// Rows of the localisation table used by the rules.
namespace rows {
inline constexpr int kToBeginOfRound = 414;
inline constexpr int kNextRound = 417;
inline constexpr int kToSumUpOfGame = 427;
inline constexpr int kTwenty = 433;
inline constexpr int kForty = 434;
inline constexpr int kICloseGame = 443;
}  // namespace rows

// The continue button's caption "OK" after the start click is a fixed text.
inline const char* const kCaptionOk = "OK";

enum class TBubbleStyle : uint8_t { Blue, Green, Red, Yellow, Violet };

enum class TEventKind : uint8_t {
  DealDealt,       // a new deal lies on the table (hands, stock, boards, match-number image)
  PlayStarted,     // the start click: play is under way
  CardPlayed,      // Player's card left slot Slot for the table; Value = MarriageFlag
  Marriage,        // Player declared Value (20 or 40); Closes when it ended the deal
  TrickResolved,   // Player won the trick
  TrickCollected,  // the table is cleared towards Player, the trick winner
  CardDrawn,       // Player took Card from the stock
  StockEmpty,      // the last stock card has been drawn
  DealOver,        // Player won the deal, worth Value game points
  OpenHand,        // Player's remaining cards are shown face up
  DealScored,      // game points added to the match; Player is the deal's winner
  MatchSummedUp,   // Value = MatchResult; the general-score record is filled
  Bubble,          // Player's speech bubble shows Text (+ ". " + Suffix) in Style
  ScoreBoard,      // Player's score board is redrawn from the game's board data
  Sound,           // play the effect Name
  // The rules' continue step: Enabled when the next step is due (start,
  // trick, scoring, sum-up, next deal), Caption for the button (unchanged
  // when None). The match controller decides per mode who may press it.
  ContinueButton,
  ExitButton,      // the "Exit to menu" button: Enabled
};

struct TEngineEvent {
  explicit TEngineEvent(TEventKind kind, int player = 0) : Kind(kind), Player(player) {}

  TEventKind Kind;
  int Player = 0;
  int Slot = 0;
  TCardCode Card;
  int Value = 0;
  bool Closes = false;
  bool Enabled = false;
  TBubbleStyle Style = TBubbleStyle::Yellow;
  TText Text;
  TText Suffix;
  std::string Name;

  bool operator==(const TEngineEvent&) const = default;
};

// One line per event, for test failures and tools.
std::string ToString(const TEngineEvent& e);

class TEngineEvents {
 public:
  virtual ~TEngineEvents() = default;
  virtual void OnEvent(const TEngineEvent& e) = 0;
};

// Keeps every event; tests and tools read them back.
class TEventLog : public TEngineEvents {
 public:
  void OnEvent(const TEngineEvent& e) override { Events.push_back(e); }
  std::vector<TEngineEvent> Events;
};

// Sends every event to several listeners in turn.
class TEventFanout : public TEngineEvents {
 public:
  void Add(TEngineEvents* l) { Listeners.push_back(l); }
  void OnEvent(const TEngineEvent& e) override {
    for (auto* l : Listeners) l->OnEvent(e);
  }
  std::vector<TEngineEvents*> Listeners;
};

TEngineEvents& NullEvents();

}  // namespace zembra
