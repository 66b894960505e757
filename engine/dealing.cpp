#include "engine/dealing.h"

#include <array>

#include "engine/game.h"
#include "engine/rules.h"

namespace zembra {

std::mt19937_64& ProcessRandom() {
  // 24! needs 80 bits; seed the whole state from the entropy source.
  static std::mt19937_64 rng = [] {
    std::random_device rd;
    std::array<std::random_device::result_type, 16> words;
    for (auto& w : words) w = rd();
    std::seed_seq seq(words.begin(), words.end());
    return std::mt19937_64(seq);
  }();
  return rng;
}

void LoadDeck(TDealState& d, const TDeck& deck) {
  for (int i = 1; i <= kDeckSize; ++i) {
    d.DeckCard[i] = deck[i];
    d.DeckOrder[i] = RankOrderOf(deck[i]);
    d.DeckPoints[i] = CardPointsOf(deck[i]);
  }
}

void ShuffleDeck(TDealState& d, std::mt19937_64& rng) {
  // Each position draws a number 1..24, again until it differs from every
  // number drawn before: a uniform permutation.
  std::uniform_int_distribution<int> draw(1, kDeckSize);
  std::array<bool, kDeckSize + 1> used{};
  TDeck deck;
  for (int pos = 1; pos <= kDeckSize; ++pos) {
    int n;
    do {
      n = draw(rng);
    } while (used[n]);
    used[n] = true;
    deck[pos] = CardOfNumber(n);
  }
  LoadDeck(d, deck);
}

void ShuffleDeck(TDealState& d) { ShuffleDeck(d, ProcessRandom()); }

void SeatHands(TDealState& d, bool mirrored) {
  for (int seat = 1; seat <= 2; ++seat) {
    const int p = mirrored ? OtherSeat(seat) : seat;
    d.Hand[p].Fill(kNoCard);
    d.HandOrder[p].Fill(kEmptyValue);
    d.HandPoints[p].Fill(kEmptyValue);
    for (int slot = 1; slot <= kHandSize; ++slot) {
      const int pos = (seat - 1) * kHandSize + slot;
      d.Hand[p][slot] = d.DeckCard[pos];
      d.HandOrder[p][slot] = d.DeckOrder[pos];
      d.HandPoints[p][slot] = d.DeckPoints[pos];
    }
    d.HandCount[p] = kHandSize;
  }
  d.Trump = d.DeckCard[kTrumpCardPos].Suit;
}

int LowestTrumpOrder(const TDealState& d, int player) {
  int lowest = 10;
  for (int slot = 1; slot <= kHandSize; ++slot) {
    const TCardCode c = d.Hand[player][slot];
    if (!c.IsEmpty() && c.Suit == d.Trump && RankOrderOf(c) < lowest) lowest = RankOrderOf(c);
  }
  return lowest;
}

TCardCode LowestTrump(const TDealState& d, int player) {
  const int order = LowestTrumpOrder(d, player);
  if (order > 6) return kNoCard;
  return MakeCard(static_cast<TRank>(order), *SuitOfChar(d.Trump));
}

int DecideFirstLeader(const TDealState& d, bool tournamentSeat2) {
  const int low1 = LowestTrumpOrder(d, 1);
  const int low2 = LowestTrumpOrder(d, 2);
  if (low1 < low2) return 1;
  if (low2 < low1) return 2;
  return tournamentSeat2 ? 1 : 2;
}

void DealCards(TGame& g, const TDealOptions& o) {
  TDealState& d = g.Deal;
  TMatchState& m = g.Match;

  if (!o.ContinueMatch) {
    m.MatchPoints[1] = 0;
    m.MatchPoints[2] = 0;
    m.DealNo = 0;
    m.MatchResult = 0;
    m.ScoreAfter = 0;
    d.RevealCards = false;
    m.MatchNo = o.Profile.MatchNo;
    m.ScoreBefore = o.Profile.ScoreBefore;
    m.RatingBefore = o.Profile.RatingBefore;
    for (int p = 1; p <= 2; ++p) g.Boards.Board[p] = TScoreBoard{};
  }
  ++m.DealNo;

  if (o.Kind == TDealKind::Local) {
    m.MatchTarget = g.Options.GameTo8 ? 8 : 10;
    if (o.Deck) {
      LoadDeck(d, *o.Deck);
    } else if (o.Random) {
      ShuffleDeck(d, *o.Random);
    } else {
      ShuffleDeck(d);
    }
    SeatHands(d);
  } else {
    if (o.Kind == TDealKind::Tournament) m.MatchTarget = 8;
    if (o.Kind == TDealKind::NetClient && (o.Target == 8 || o.Target == 10)) m.MatchTarget = o.Target;
    if (o.Deck) {
      LoadDeck(d, *o.Deck);
      SeatHands(d, o.Kind == TDealKind::NetClient || o.TournamentSeat2);
    }
  }
  if (o.Kind == TDealKind::NetClient && (o.FirstLeader == 1 || o.FirstLeader == 2))
    m.FirstLeader = o.FirstLeader;
  if (o.Kind != TDealKind::NetClient && m.DealNo == 1) {
    m.FirstLeader = static_cast<uint8_t>(DecideFirstLeader(d, o.TournamentSeat2));
  }

  d.TableCard[1] = d.TableCard[2] = kNoCard;
  d.LedSuit = kNoSuit;
  d.Taken[1] = d.Taken[2] = 0;
  d.Pending[1] = d.Pending[2] = 0;
  d.MarriageFlag = 0;
  d.PlayedPos = 1;
  d.PlayedCards.Fill(kNoCard);
  m.MatchClosed = false;
  m.TargetReached = false;
  d.StockPos = kFirstStockPos;
  d.StockEmptyAnnounced = false;
  d.DecidingCard = kNoCard;
  d.GamePoints = 0;
  d.Loser = 0;

  SortHand(d, 1);
  SortHand(d, 2);

  if (m.DealNo == 1 && m.FirstLeader == 1 && !d.RevealCards) d.DecidingCard = LowestTrump(d, 1);

  d.TurnState = m.FirstLeader;
  d.Leader = LeaderOfSeat(m.FirstLeader);
  d.FirstDrawer = m.FirstLeader;
  d.PlayPhase = 1;
  d.InDeal = true;

  // The table: fresh boards, names in yellow bubbles, the deal sound, and
  // the continue button waiting for the start click.
  for (int p = 1; p <= 2; ++p) {
    TScoreBoard& b = g.Boards.Board[p];
    b.Big = 0;
    b.BigStyle = TBigFieldStyle::CardPoints;
    b.Plus = false;
    b.MatchPoints = m.MatchPoints[p];
  }
  g.Boards.MarkOn(m.FirstLeader);

  TEngineEvent dealt(TEventKind::DealDealt);
  dealt.Value = m.DealNo;
  dealt.Player = m.FirstLeader;
  g.Emit(dealt);
  EmitBoard(g, 1);
  EmitBoard(g, 2);
  for (int p = 1; p <= 2; ++p) {
    TEngineEvent name(TEventKind::Bubble);
    name.Player = p;
    name.Style = TBubbleStyle::Yellow;
    name.Text = TText::NameOf(p);
    g.Emit(name);
  }
  EmitSound(g, "WTasoKo");
  TEngineEvent exitOff(TEventKind::ExitButton);
  exitOff.Enabled = false;
  g.Emit(exitOff);
  EmitContinue(g, true, TText::FromRow(rows::kToBeginOfRound));
}

}  // namespace zembra
