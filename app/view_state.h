// What the table shows beyond the game records: the screen, the bubbles'
// texts, cards still in flight or not yet shown, the open hand, the flying
// sprite and the wait banner. The window fills it from the engine's events.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <set>

#include "app/table_layout.h"
#include "engine/events.h"
#include "engine/game.h"

namespace zembra {

enum class TScreen : uint8_t { Intro, Menu, Table };

// The game as the table shows it: the records as they stood when the
// event being shown happened. The engine runs ahead; the table follows
// event by event, one card flight at a time.
struct TTableShown {
  TDealState Deal;
  TMatchState Match;
  TScoreBoards Boards;
};

inline TTableShown ShownOf(const TGame& g) { return {g.Deal, g.Match, g.Boards}; }

struct TBubbleView {
  QString Text;
  TBubbleStyle Style = TBubbleStyle::Yellow;
};

struct TViewState {
  TScreen Screen = TScreen::Intro;
  TTableShown Shown;
  int WindowSize = 1;
  TTableLayout Layout = MakeLayout(1);
  TBubbleView Bubble[3];
  bool OpenHand1 = false;             // player 1's cards face up after the scoring
  std::set<uint16_t> HiddenInHand;    // drawn cards still on their way to a hand
  bool TableHidden[3] = {false, false, false};
  int StockShown = -1;                // cards shown on the stock while draws fly; -1: the real count
  bool WaitBanner = false;
  int BannerRow = 153;  // "Please, wait..."
  int BackIndex = 1;
  int IntroTick = 0;
  int MenuTick = 0;
  int LastOrnamentMix = -1;
  int LastClock = -1;
  // The tournament's move clock: whose it is (0 none, 1 the opponent, 2
  // the player) and the seconds left.
  int ClockOwner = 0;
  int ClockSeconds = 0;

  // A refused card of the own hand shakes for a moment; the reason's row
  // (must follow suit, must trump) is the hand's hint.
  TCardCode Shaken;
  int ShakeOffset = 0;
  int RefusalRow = 0;
  // The duel's chat: the last four lines, in the colour of this side's role.
  QString ChatLines[4];
  QColor ChatColour{128, 0, 0};

  // The player has used the keys: the hand shows which key plays which card.
  bool KeyMarks = false;

  // The flying card, drawn over a picture of the table without it.
  bool Flying = false;
  QPixmap Snapshot;
  QPixmap Sprite;
  QPoint SpritePos;
};

inline uint16_t CardKey(TCardCode c) { return static_cast<uint16_t>(c.Rank << 8 | c.Suit); }

}  // namespace zembra
