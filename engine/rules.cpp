#include "engine/rules.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "engine/game.h"

namespace zembra {
namespace {

bool IsKingOrQueen(TCardCode c) { return c.Rank == cp1251::kKing || c.Rank == cp1251::kQueen; }

void ShowCardPoints(TGame& g, int player) {
  TScoreBoard& b = g.Boards.Board[player];
  if (g.Deal.Pending[player] != 0) {
    b.Big = g.Deal.Pending[player];
    b.BigStyle = TBigFieldStyle::Pending;
  } else {
    b.Big = g.Deal.Taken[player];
    b.BigStyle = TBigFieldStyle::CardPoints;
  }
  b.Plus = false;
}

void Announce(TGame& g, int player, int value, bool closes) {
  TEngineEvent m(TEventKind::Marriage);
  m.Player = player;
  m.Value = value;
  m.Closes = closes;
  g.Emit(m);

  TEngineEvent bubble(TEventKind::Bubble);
  bubble.Player = player;
  bubble.Style = TBubbleStyle::Blue;
  bubble.Text = TText::FromRow(value == 40 ? rows::kForty : rows::kTwenty);
  if (closes) bubble.Suffix = TText::FromRow(rows::kICloseGame);
  g.Emit(bubble);

  g.Boards.MarkOn(player);
  ShowCardPoints(g, player);
  EmitBoard(g, player);
  EmitSound(g, value == 40 ? "WSays40" : "WSays20");
}

void TakeFromStock(TDealState& d, int player) {
  const int slot = d.HandCount[player] + 1;
  const int pos = d.StockPos;
  d.Hand[player][slot] = d.DeckCard[pos];
  d.HandOrder[player][slot] = d.DeckOrder[pos];
  d.HandPoints[player][slot] = d.DeckPoints[pos];
  d.HandCount[player] = static_cast<uint8_t>(slot);
  ++d.StockPos;
}

}  // namespace

bool IsIllegalCard(const TDealState& d, int player, int slot) {
  return FollowRule(d, player, slot) != TMoveVerdict::Ok;
}

bool IsIllegalFollow(const TDealState& d, int slot) {
  if (d.Leader != TLeader::Co) return false;
  return IsIllegalCard(d, 2, slot);
}

bool HasMarriage(const THand& hand, unsigned char suit) {
  bool king = false, queen = false;
  for (int slot = 1; slot <= kHandSize; ++slot) {
    if (hand[slot] == TCardCode{cp1251::kKing, suit}) king = true;
    if (hand[slot] == TCardCode{cp1251::kQueen, suit}) queen = true;
  }
  return king && queen;
}

int SuitRank(unsigned char suit, unsigned char trump) {
  using namespace cp1251;
  // Suit order per trump, slot 1 first; the trump always comes last.
  static constexpr std::array<std::array<unsigned char, 4>, 4> kOrder = {{
      {kClubs, kDiamonds, kSpades, kHearts},   // trump hearts
      {kClubs, kHearts, kSpades, kDiamonds},   // trump diamonds
      {kHearts, kSpades, kDiamonds, kClubs},   // trump clubs
      {kHearts, kClubs, kDiamonds, kSpades},   // trump spades
  }};
  const auto t = SuitOfChar(trump);
  if (!t) return 4;
  const auto& order = kOrder[static_cast<int>(*t)];
  for (int i = 0; i < 4; ++i)
    if (order[i] == suit) return i;
  return 4;
}

void SortHand(TDealState& d, int player) {
  struct TSlot {
    TCardCode Card;
    uint8_t Order, Points;
  };
  std::array<TSlot, kHandSlots> cards;
  int n = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (!d.Hand[player][slot].IsEmpty())
      cards[n++] = {d.Hand[player][slot], d.HandOrder[player][slot], d.HandPoints[player][slot]};
  }
  std::stable_sort(cards.begin(), cards.begin() + n, [&](const TSlot& a, const TSlot& b) {
    const int sa = SuitRank(a.Card.Suit, d.Trump), sb = SuitRank(b.Card.Suit, d.Trump);
    if (sa != sb) return sa < sb;
    return a.Order < b.Order;
  });
  d.Hand[player].Fill(kNoCard);
  d.HandOrder[player].Fill(kEmptyValue);
  d.HandPoints[player].Fill(kEmptyValue);
  for (int i = 0; i < n; ++i) {
    d.Hand[player][i + 1] = cards[i].Card;
    d.HandOrder[player][i + 1] = cards[i].Order;
    d.HandPoints[player][i + 1] = cards[i].Points;
  }
  d.HandCount[player] = static_cast<uint8_t>(n);
}

TMoveVerdict PlayCard(TGame& g, int player, int slot) {
  TDealState& d = g.Deal;
  const TMoveVerdict verdict = CheckMove(d, player, slot);
  // Every move source checks first; an unchecked bad card is a fault of
  // the caller, caught in checked builds and refused everywhere.
  assert(verdict == TMoveVerdict::Ok);
  if (verdict != TMoveVerdict::Ok) return verdict;
  const int leader = d.LeaderSeat();
  const TCardCode card = d.Hand[player][slot];

  d.TableCard[player] = card;
  d.TableOrder[player] = d.HandOrder[player][slot];
  d.TablePoints[player] = d.HandPoints[player][slot];
  if (player == leader) d.LedSuit = card.Suit;

  // Marriage: tested while the played card still counts as held.
  d.MarriageFlag = 0;
  int marriage = 0;
  if (player == leader && IsKingOrQueen(card) && HasMarriage(d.Hand[player], d.LedSuit)) {
    marriage = d.LedSuit == d.Trump ? 40 : 20;
    d.MarriageFlag = marriage == 40 ? 2 : 1;
    if (d.Taken[player] == 0)
      d.Pending[player] = static_cast<uint8_t>(marriage);  // replaces, never adds
    else
      d.Taken[player] += marriage;
  }

  --d.HandCount[player];
  d.Hand[player][slot] = kNoCard;
  d.HandOrder[player][slot] = kEmptyValue;
  d.HandPoints[player][slot] = kEmptyValue;
  SortHand(d, player);

  TEngineEvent played(TEventKind::CardPlayed);
  played.Player = player;
  played.Slot = slot;
  played.Card = card;
  played.Value = d.MarriageFlag;
  g.Emit(played);

  // Only a marriage can lift Taken to 66 inside a play: the deal ends at
  // once and the trick on the table is not resolved.
  const bool closes = d.Taken[player] >= kWinningPoints;

  if (marriage)
    Announce(g, player, marriage, closes);
  else
    EmitSound(g, "WHodsDo");

  if (player != leader)
    d.TurnState = kTurnTrickComplete;
  else
    d.TurnState = static_cast<uint8_t>(OtherSeat(player));

  if (d.TurnState == kTurnTrickComplete || closes) {
    if (!closes) ResolveTrick(g);
    if (d.Taken[1] >= kWinningPoints || d.Taken[2] >= kWinningPoints || d.HandCount[1] == 0)
      EndDeal(g, closes);
  }

  if (d.TurnState == kTurnTrickComplete || d.TurnState == kTurnDealOver) EmitContinue(g, true);
  return TMoveVerdict::Ok;
}

void ResolveTrick(TGame& g) {
  TDealState& d = g.Deal;
  const int leader = d.LeaderSeat();
  const int follower = OtherSeat(leader);
  const TCardCode led = d.TableCard[leader];
  const TCardCode answer = d.TableCard[follower];

  int winner = leader;
  if (led.Suit == answer.Suit) {
    winner = d.TableOrder[follower] > d.TableOrder[leader] ? follower : leader;
  } else if (answer.Suit == d.Trump) {
    winner = follower;
  }

  d.Leader = LeaderOfSeat(winner);
  d.Taken[winner] += d.TablePoints[1] + d.TablePoints[2];
  for (int p = 1; p <= 2; ++p) {
    if (d.Taken[p] != 0 && d.Pending[p] != 0) {
      d.Taken[p] += d.Pending[p];
      d.Pending[p] = 0;
    }
  }

  TEngineEvent resolved(TEventKind::TrickResolved);
  resolved.Player = winner;
  g.Emit(resolved);
  g.Boards.MarkOn(winner);
  ShowCardPoints(g, 1);
  ShowCardPoints(g, 2);
  EmitBoard(g, 1);
  EmitBoard(g, 2);
}

void CollectTrick(TGame& g) {
  TDealState& d = g.Deal;
  const int winner = d.LeaderSeat();

  TEngineEvent collected(TEventKind::TrickCollected);
  collected.Player = winner;
  g.Emit(collected);
  for (int p = 1; p <= 2; ++p) {
    TEngineEvent name(TEventKind::Bubble);
    name.Player = p;
    name.Style = TBubbleStyle::Yellow;
    name.Text = TText::NameOf(p);
    g.Emit(name);
  }

  d.TurnState = static_cast<uint8_t>(winner);
  if (d.PlayedPos + 1 <= kDeckSize) {
    d.PlayedCards[d.PlayedPos] = d.TableCard[2];
    d.PlayedCards[d.PlayedPos + 1] = d.TableCard[1];
  }
  d.PlayedPos = static_cast<uint8_t>(d.PlayedPos + 2);
  d.TableCard[1] = d.TableCard[2] = kNoCard;
  d.LedSuit = kNoSuit;

  if (d.StockPos <= kTrumpCardPos) {
    const int first = d.FirstDrawer;
    const int second = OtherSeat(first);
    const TCardCode firstCard = d.DeckCard[d.StockPos];
    TakeFromStock(d, first);
    const TCardCode secondCard = d.DeckCard[d.StockPos];
    TakeFromStock(d, second);
    SortHand(d, 1);
    SortHand(d, 2);
    d.FirstDrawer = static_cast<uint8_t>(winner);

    TEngineEvent drawn(TEventKind::CardDrawn);
    drawn.Player = first;
    drawn.Card = firstCard;
    g.Emit(drawn);
    drawn.Player = second;
    drawn.Card = secondCard;
    g.Emit(drawn);
  }

  if (d.StockExhausted() && !d.StockEmptyAnnounced) {
    d.StockEmptyAnnounced = true;
    g.Emit(TEngineEvent(TEventKind::StockEmpty));
    EmitSound(g, "WKoloNo");
  }
  EmitContinue(g, false);
}

}  // namespace zembra
