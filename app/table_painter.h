// Drawing of the table: background, hands with their fan, stock, the
// played cards, score boards, speech bubbles, the match-number image and
// the wait banner, all at the current window size.
#pragma once

#include <QPainter>

#include "app/view_state.h"
#include "engine/game.h"
#include "records/settings.h"

namespace zembra {

struct TPaintContext {
  const TViewState& View;
  const TTableShown& Game;
  const TSettings& Settings;
};

// The window's plain colour when no background picture is shown: the
// purple main-menu design on the menu, the background pattern 0 in its
// chosen colour; invalid (the picture) otherwise.
QColor WindowColour(const TPaintContext& c);
void PaintBackground(QPainter& p, const TPaintContext& c);
void PaintTable(QPainter& p, const TPaintContext& c);
// The duel's last four chat lines beside the table.
void PaintChat(QPainter& p, const TPaintContext& c);
void PaintHand(QPainter& p, const TPaintContext& c, int player);
void PaintStock(QPainter& p, const TPaintContext& c);
void PaintTableCards(QPainter& p, const TPaintContext& c);
void PaintScoreBoard(QPainter& p, const TPaintContext& c, int player);
void PaintBubble(QPainter& p, const TPaintContext& c, int player);
void PaintMatchNumber(QPainter& p, const TPaintContext& c);
void PaintWaitBanner(QPainter& p, const TPaintContext& c, const QString& text);

// Player 1's deciding trump lies face up at the last card position.
bool DecidingShown(const TPaintContext& c);
// The rectangle of a hand slot in window coordinates (fan of n cards).
TRect HandSlotRect(const TTableLayout& l, int player, int n, int slot);

// The bubble font's pixel height: 18 scaled, then 16 and 14 when the text
// is wider than 150 scaled.
int BubbleFontHeight(const QString& text, const TSettings& s, double scale);

}  // namespace zembra
