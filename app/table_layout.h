// Geometry of the table: the base layout at 760 x 500, its scaling to the
// five window sizes, the card size, the fan of a hand and its hit areas.
// Pure arithmetic, no drawing.
#pragma once

#include <vector>

namespace zembra {

struct TRect {
  int X = 0, Y = 0, W = 0, H = 0;
  bool Contains(int px, int py) const { return px >= X && py >= Y && px < X + W && py < Y + H; }
  int Right() const { return X + W; }
  int Bottom() const { return Y + H; }
  bool operator==(const TRect&) const = default;
};

struct TScale {
  double Sx = 1.0, Sy = 1.0, S = 1.0;
};

inline constexpr int kBaseWidth = 760;
inline constexpr int kBaseHeight = 500;

// Client size of a window size 1..5 (2 fills the given screen).
TRect ClientRect(int windowSize, int screenW, int screenH);
TScale ScaleOf(int windowSize, int screenW, int screenH);

// A base rectangle scaled: proportions kept (scale S) and centred on its
// scaled position when the axes scale differently.
TRect ScaleRect(const TRect& base, const TScale& sc);

// Size class of the pictures: 1 small below 1.3, 0 medium from 1.3, 2 large from 2.0.
int SizeClass(double s);

struct TCardSize {
  int W = 69, H = 94;
};
TCardSize CardSize(double s);

enum class TElement {
  Hand1, Hand2, Board1, Board2, Bubble1, Bubble2, Stock, Table, MatchNumber, Continue, Exit
};

struct TTableLayout {
  TScale Scale;
  TRect Client;
  TCardSize Card;
  TRect Hand[3], Board[3], Bubble[3];
  TRect Stock, Table, MatchNumber, Continue, Exit;
  TRect TableCard[3];  // in window coordinates
  TRect TrumpCard;     // the face-up trump card under the stock, window coordinates
  TRect StockPile;     // the top card of the pile
  TRect HandHit[3];    // where a hand's cards can be pointed at: its image and its cards

  const TRect& Of(TElement e) const;
};

// The layout of a window size in the room the screen leaves for the client
// area (screenW x screenH): size 2 fills it; a fixed size that would not
// fit is shrunk into it with its proportions.
TTableLayout MakeLayout(int windowSize, int screenW = 1920, int screenH = 1080);

// Left edges of n cards of width c in a hand image of width w.
std::vector<int> FanLefts(int w, int n, int c);

// The slot 1..n whose visible strip holds x (relative to the hand image),
// or 0. Slot i covers its left edge up to the next slot's; the last card
// its full width.
int CardAtX(int w, int n, int c, int x);

// Pile thickness steps for k cards left in the stock (0 with only the trump card).
int StockLayers(int k);

}  // namespace zembra
