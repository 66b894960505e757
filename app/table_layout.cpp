#include "app/table_layout.h"

#include "resources/pack_names.h"

#include <algorithm>
#include <cmath>

namespace zembra {
namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

constexpr TRect kHand1{125, 10, 510, 96}, kHand2{125, 394, 510, 96};
constexpr TRect kBoard1{53, 120, 155, 95}, kBoard2{53, 285, 155, 95};
constexpr TRect kBubble1{300, 115, 160, 20}, kBubble2{300, 370, 160, 20};
constexpr TRect kStock{581, 128, 100, 170}, kTable{343, 150, 74, 200};
constexpr TRect kMatchNumber{53, 220, 155, 60};

}  // namespace

namespace {

// The fixed client sizes 1, 3, 4 and 5.
TRect NominalClient(int windowSize) {
  switch (windowSize) {
    case 3: return {0, 0, 990, 650};
    case 4: return {0, 0, 1290, 850};
    case 5: return {0, 0, 1520, 1000};
    default: return {0, 0, kBaseWidth, kBaseHeight};
  }
}

// A fixed size larger than the room the screen leaves is shrunk to fit it,
// keeping its proportions.
bool FixedFits(int windowSize, int roomW, int roomH) {
  const TRect n = NominalClient(windowSize);
  return n.W <= roomW && n.H <= roomH;
}

double FittedScale(int roomW, int roomH) {
  return std::min(static_cast<double>(roomW) / kBaseWidth, static_cast<double>(roomH) / kBaseHeight);
}

}  // namespace

TRect ClientRect(int windowSize, int screenW, int screenH) {
  if (windowSize == 2) return {0, 0, screenW, screenH};
  if (FixedFits(windowSize, screenW, screenH)) return NominalClient(windowSize);
  const double s = FittedScale(screenW, screenH);
  return {0, 0, Round(kBaseWidth * s), Round(kBaseHeight * s)};
}

TScale ScaleOf(int windowSize, int screenW, int screenH) {
  if (windowSize == 2) {
    const double sx = static_cast<double>(screenW) / kBaseWidth;
    const double sy = static_cast<double>(screenH) / kBaseHeight;
    return {sx, sy, std::min(sx, sy)};
  }
  if (!FixedFits(windowSize, screenW, screenH)) {
    const double s = FittedScale(screenW, screenH);
    return {s, s, s};
  }
  switch (windowSize) {
    case 3: return {1.3, 1.3, 1.3};
    case 4: return {1.7, 1.7, 1.7};
    case 5: return {2.0, 2.0, 2.0};
    default: return {1.0, 1.0, 1.0};
  }
}

TRect ScaleRect(const TRect& b, const TScale& sc) {
  return {Round(b.X * sc.Sx) + Round((sc.Sx - sc.S) * b.W / 2),
          Round(b.Y * sc.Sy) + Round((sc.Sy - sc.S) * b.H / 2), Round(b.W * sc.S),
          Round(b.H * sc.S)};
}

int SizeClass(double s) {
  return SizeClassOf(s);
}

TCardSize CardSize(double s) {
  switch (SizeClass(s)) {
    case 2: return {146, 198};
    case 0: return {Round(s * 71), Round(s * 96)};
    default: return {69, 94};
  }
}

const TRect& TTableLayout::Of(TElement e) const {
  switch (e) {
    case TElement::Hand1: return Hand[1];
    case TElement::Hand2: return Hand[2];
    case TElement::Board1: return Board[1];
    case TElement::Board2: return Board[2];
    case TElement::Bubble1: return Bubble[1];
    case TElement::Bubble2: return Bubble[2];
    case TElement::Stock: return Stock;
    case TElement::Table: return Table;
    case TElement::MatchNumber: return MatchNumber;
    case TElement::Continue: return Continue;
    case TElement::Exit: return Exit;
  }
  return Table;
}

TTableLayout MakeLayout(int windowSize, int screenW, int screenH) {
  TTableLayout l;
  l.Scale = ScaleOf(windowSize, screenW, screenH);
  l.Client = ClientRect(windowSize, screenW, screenH);
  l.Card = CardSize(l.Scale.S);
  const TScale& sc = l.Scale;
  l.Hand[1] = ScaleRect(kHand1, sc);
  l.Hand[2] = ScaleRect(kHand2, sc);
  l.Board[1] = ScaleRect(kBoard1, sc);
  l.Board[2] = ScaleRect(kBoard2, sc);
  l.Bubble[1] = ScaleRect(kBubble1, sc);
  l.Bubble[2] = ScaleRect(kBubble2, sc);
  l.Stock = ScaleRect(kStock, sc);
  l.Table = ScaleRect(kTable, sc);
  l.MatchNumber = ScaleRect(kMatchNumber, sc);
  l.Continue = {Round(550 * sc.Sx), Round(310 * sc.Sy), Round(160 * sc.Sx), Round(30 * sc.S)};
  l.Exit = {Round(550 * sc.Sx), Round(340 * sc.Sy), Round(160 * sc.Sx), Round(30 * sc.S)};

  // Inside the table image player 1's card lies at (d, 0), player 2's at
  // (d, 100 scaled); the built-in faces are wide, so d is 0.
  const int d = 0;
  l.TableCard[1] = {l.Table.X + d, l.Table.Y, l.Card.W, l.Card.H};
  l.TableCard[2] = {l.Table.X + d, l.Table.Y + Round(100 * sc.S), l.Card.W, l.Card.H};

  // The stock: the pile upright near the top, the trump card crosswise
  // below it, partly under the pile; the count underneath.
  const int pileX = l.Stock.X + (l.Stock.W - l.Card.W) / 2;
  l.StockPile = {pileX, l.Stock.Y + Round(6 * sc.S), l.Card.W, l.Card.H};
  l.TrumpCard = {l.Stock.X + (l.Stock.W - l.Card.H) / 2, l.StockPile.Y + Round(l.Card.H * 0.72),
                 l.Card.H, l.Card.W};
  // Large cards stand a little beyond their hand image: player 1's hang
  // from its top, player 2's stand on its bottom.
  l.HandHit[1] = l.Hand[1];
  l.HandHit[1].H = std::max(l.Hand[1].H, l.Card.H);
  l.HandHit[2] = l.Hand[2];
  if (l.Card.H > l.Hand[2].H) {
    l.HandHit[2].Y = l.Hand[2].Bottom() - l.Card.H;
    l.HandHit[2].H = l.Card.H;
  }
  return l;
}

std::vector<int> FanLefts(int w, int n, int c) {
  std::vector<int> lefts;
  if (n <= 0) return lefts;
  const int step = c + 3;
  if (n * step <= w) {
    for (int i = 1; i <= n; ++i)
      lefts.push_back(Round(w / 2.0 - n * step / 2.0 + (i - 1) * step));
  } else {
    const int gap = n > 1 ? (w - step) / (n - 1) : 0;
    for (int i = 1; i <= n; ++i) lefts.push_back((i - 1) * gap);
  }
  return lefts;
}

int CardAtX(int w, int n, int c, int x) {
  const std::vector<int> lefts = FanLefts(w, n, c);
  for (int i = n; i >= 1; --i) {
    const int left = lefts[i - 1];
    const int right = i == n ? left + c : lefts[i];
    if (x >= left && x < right) return i;
  }
  return 0;
}

int StockLayers(int k) {
  if (k <= 1) return 0;
  if (k == 2) return 1;
  return (k + 1) / 2;  // 3-4: 2, 5-6: 3, 7-8: 4, 9-10: 5, 11-12: 6
}

}  // namespace zembra
