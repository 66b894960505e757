#include "ai/endgame_search.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zembra::ai {

int GameValue(int loserPoints) {
  if (loserPoints == 0) return 3;
  if (loserPoints <= 32) return 2;
  return 1;
}

bool LeaderWinsTrick(TCardCode led, int p, TCardCode answer, int q, unsigned char trump) {
  if (led.Suit == answer.Suit) return p > q;
  if (led.Suit == trump) return true;
  if (answer.Suit == trump) return false;
  return true;
}

bool IsLegalAnswer(TCardCode led, TCardCode answer, const THand& hand, int n,
                   unsigned char trump) {
  if (answer.Suit == led.Suit) return true;
  bool hasLed = false, hasTrump = false;
  for (int i = 1; i <= n; ++i) {
    if (hand[i].Suit == led.Suit) hasLed = true;
    if (hand[i].Suit == trump) hasTrump = true;
  }
  if (hasLed) return false;
  if (answer.Suit == trump) return true;
  return !hasTrump;
}

int MarriageBonus(TCardCode led, const THand& rest, int n, unsigned char trump) {
  unsigned char partner;
  if (led.Rank == cp1251::kQueen)
    partner = cp1251::kKing;
  else if (led.Rank == cp1251::kKing)
    partner = cp1251::kQueen;
  else
    return 0;
  for (int i = 1; i <= n; ++i)
    if (rest[i] == TCardCode{partner, led.Suit}) return led.Suit == trump ? 40 : 20;
  return 0;
}

TSearchHand SearchHandOf(const TDealState& d, int player) {
  TSearchHand h;
  h.Card = d.Hand[player];
  h.Points = d.HandPoints[player];
  h.N = d.HandCount[player];
  return h;
}

std::string FormatValues(const std::vector<int>& values) {
  std::string s;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) s += ' ';
    s += std::to_string(values[i]);
  }
  return s;
}

namespace {

TSearchResult Best(std::vector<int> values) {
  TSearchResult r;
  r.Values = std::move(values);
  r.Value = r.Values.empty() ? 0 : r.Values[0];
  r.Slot = r.Values.empty() ? 0 : 1;
  for (size_t i = 1; i < r.Values.size(); ++i) {
    if (r.Values[i] > r.Value) {
      r.Value = r.Values[i];
      r.Slot = static_cast<int>(i) + 1;
    }
  }
  return r;
}

// ---------------------------------------------------------------------------
// Plain search: each node copies the hands; removing slot i moves slot n
// into it.

TSearchHand Without(const TSearchHand& h, int i) {
  TSearchHand r = h;
  r.Card[i] = h.Card[h.N];
  r.Points[i] = h.Points[h.N];
  r.Card[h.N] = kNoCard;
  r.Points[h.N] = kEmptyValue;
  r.N = h.N - 1;
  return r;
}

TSearchResult PlainFollow(const TSearchHand& F, const TSearchHand& L, TCardCode c, int p, int ptsL,
                          int ptsF, unsigned char trump);

TSearchResult PlainLead(const TSearchHand& L, const TSearchHand& F, int ptsL, int ptsF,
                        unsigned char trump) {
  std::vector<int> values(L.N);
  for (int i = 1; i <= L.N; ++i) {
    const TCardCode c = L.Card[i];
    const int p = L.Points[i];
    const TSearchHand rest = Without(L, i);
    const int t = ptsL + MarriageBonus(c, rest.Card, rest.N, trump);
    if (t >= 66)
      values[i - 1] = GameValue(ptsF);
    else
      values[i - 1] = -PlainFollow(F, rest, c, p, t, ptsF, trump).Value;
  }
  return Best(std::move(values));
}

TSearchResult PlainFollow(const TSearchHand& F, const TSearchHand& L, TCardCode c, int p, int ptsL,
                          int ptsF, unsigned char trump) {
  const int n = F.N;
  std::vector<int> values(n);
  for (int j = 1; j <= n; ++j) {
    const TCardCode a = F.Card[j];
    const int q = F.Points[j];
    if (!IsLegalAnswer(c, a, F.Card, n, trump)) {
      values[j - 1] = kIllegalAnswer;
      continue;
    }
    const TSearchHand Fr = Without(F, j);
    int v;
    if (LeaderWinsTrick(c, p, a, q, trump)) {
      const int u = ptsL + p + q;
      if (u >= 66) {
        v = -GameValue(ptsF);
      } else if (n >= 3) {
        v = -PlainLead(L, Fr, u, ptsF, trump).Value;
      } else {
        const bool leaderWins =
            LeaderWinsTrick(L.Card[1], L.Points[1], Fr.Card[1], Fr.Points[1], trump);
        v = leaderWins ? -GameValue(ptsF) : GameValue(u);
      }
    } else {
      const int u = ptsF + p + q;
      if (u >= 66) {
        v = GameValue(ptsL);
      } else if (n >= 3) {
        v = PlainLead(Fr, L, u, ptsL, trump).Value;
      } else {
        const bool answerWins =
            LeaderWinsTrick(Fr.Card[1], Fr.Points[1], L.Card[1], L.Points[1], trump);
        v = answerWins ? GameValue(ptsL) : -GameValue(u);
      }
    }
    values[j - 1] = v;
  }
  return Best(std::move(values));
}

// ---------------------------------------------------------------------------
// Fast search: the same tree with alpha-beta cut-offs inside each top-level
// choice. Every top-level choice is searched with the full window, so its
// value is exact; nothing above 3 exists, so a node that reaches 3 stops.
// Cards are one byte: suit index * 8 + rank order.

constexpr int kInf = 100;
constexpr int kMaxValue = 3;
constexpr std::array<int8_t, 8> kOrderPoints = {0, 0, 2, 3, 4, 10, 11, 0};

struct TFastHand {
  std::array<uint8_t, 6> C;
  int N;
};

inline int SuitOf(uint8_t c) { return c >> 3; }
inline int OrderOf(uint8_t c) { return c & 7; }
inline int PointsOf(uint8_t c) { return kOrderPoints[c & 7]; }

inline TFastHand Remove(const TFastHand& h, int i) {
  TFastHand r = h;
  r.C[i] = h.C[h.N - 1];
  r.N = h.N - 1;
  return r;
}

inline bool LeaderWins(uint8_t led, uint8_t answer, int trump) {
  if (SuitOf(led) == SuitOf(answer)) return OrderOf(led) > OrderOf(answer);
  if (SuitOf(led) == trump) return true;
  return SuitOf(answer) != trump;
}

inline int Bonus(uint8_t led, const TFastHand& rest, int trump) {
  const int order = OrderOf(led);
  if (order != 3 && order != 4) return 0;
  const uint8_t partner = static_cast<uint8_t>((led & ~7) | (order == 3 ? 4 : 3));
  for (int i = 0; i < rest.N; ++i)
    if (rest.C[i] == partner) return SuitOf(led) == trump ? 40 : 20;
  return 0;
}

struct TFastSearch {
  int Trump;

  int Lead(const TFastHand& L, const TFastHand& F, int ptsL, int ptsF, int alpha, int beta) const {
    int best = -kInf;
    for (int i = 0; i < L.N; ++i) {
      const uint8_t c = L.C[i];
      const TFastHand rest = Remove(L, i);
      const int t = ptsL + Bonus(c, rest, Trump);
      int v;
      if (t >= 66)
        v = GameValue(ptsF);
      else
        v = -Follow(F, rest, c, t, ptsF, -beta, -std::max(alpha, best));
      if (v > best) {
        best = v;
        if (best >= beta || best >= kMaxValue) return best;
      }
    }
    return best;
  }

  bool Legal(uint8_t led, uint8_t answer, const TFastHand& F) const {
    if (SuitOf(answer) == SuitOf(led)) return true;
    bool hasLed = false, hasTrump = false;
    for (int i = 0; i < F.N; ++i) {
      hasLed |= SuitOf(F.C[i]) == SuitOf(led);
      hasTrump |= SuitOf(F.C[i]) == Trump;
    }
    if (hasLed) return false;
    return SuitOf(answer) == Trump || !hasTrump;
  }

  // Value of answering with slot j (0-based), or kIllegalAnswer.
  int Answer(const TFastHand& F, int j, const TFastHand& L, uint8_t c, int ptsL, int ptsF,
             int alpha, int beta) const {
    const uint8_t a = F.C[j];
    if (!Legal(c, a, F)) return kIllegalAnswer;
    const int n = F.N;
    const TFastHand Fr = Remove(F, j);
    const int pq = PointsOf(c) + PointsOf(a);
    if (LeaderWins(c, a, Trump)) {
      const int u = ptsL + pq;
      if (u >= 66) return -GameValue(ptsF);
      if (n >= 3) return -Lead(L, Fr, u, ptsF, -beta, -alpha);
      return LeaderWins(L.C[0], Fr.C[0], Trump) ? -GameValue(ptsF) : GameValue(u);
    }
    const int u = ptsF + pq;
    if (u >= 66) return GameValue(ptsL);
    if (n >= 3) return Lead(Fr, L, u, ptsL, alpha, beta);
    return LeaderWins(Fr.C[0], L.C[0], Trump) ? GameValue(ptsL) : -GameValue(u);
  }

  int Follow(const TFastHand& F, const TFastHand& L, uint8_t c, int ptsL, int ptsF, int alpha,
             int beta) const {
    int best = -kInf;
    for (int j = 0; j < F.N; ++j) {
      const int v = Answer(F, j, L, c, ptsL, ptsF, std::max(alpha, best), beta);
      if (v > best) {
        best = v;
        if (best >= beta || best >= kMaxValue) return best;
      }
    }
    return best;
  }
};

uint8_t FastCard(TCardCode c) {
  const auto s = SuitOfChar(c.Suit);
  return static_cast<uint8_t>((s ? static_cast<int>(*s) : 7) * 8 + RankOrderOf(c) % 8);
}

TFastHand FastHand(const TSearchHand& h) {
  TFastHand f{};
  f.N = h.N;
  for (int i = 1; i <= h.N; ++i) f.C[i - 1] = FastCard(h.Card[i]);
  return f;
}

int FastTrump(unsigned char trump) {
  const auto s = SuitOfChar(trump);
  return s ? static_cast<int>(*s) : -1;
}

}  // namespace

TSearchResult SolveLeadPlain(const TSearchHand& L, const TSearchHand& F, int ptsL, int ptsF,
                             unsigned char trump) {
  return PlainLead(L, F, ptsL, ptsF, trump);
}

TSearchResult SolveFollowPlain(const TSearchHand& F, const TSearchHand& Lrest, TCardCode c, int p,
                               int ptsL, int ptsF, unsigned char trump) {
  return PlainFollow(F, Lrest, c, p, ptsL, ptsF, trump);
}

TSearchResult SolveLead(const TSearchHand& L, const TSearchHand& F, int ptsL, int ptsF,
                        unsigned char trump) {
  const TFastSearch s{FastTrump(trump)};
  const TFastHand fl = FastHand(L), ff = FastHand(F);
  std::vector<int> values(fl.N);
  for (int i = 0; i < fl.N; ++i) {
    const uint8_t c = fl.C[i];
    const TFastHand rest = Remove(fl, i);
    const int t = ptsL + Bonus(c, rest, s.Trump);
    values[i] = t >= 66 ? GameValue(ptsF) : -s.Follow(ff, rest, c, t, ptsF, -kInf, kInf);
  }
  return Best(std::move(values));
}

TSearchResult SolveFollow(const TSearchHand& F, const TSearchHand& Lrest, TCardCode c, int p,
                          int ptsL, int ptsF, unsigned char trump) {
  (void)p;  // the fast model derives a card's points from its rank
  const TFastSearch s{FastTrump(trump)};
  const TFastHand ff = FastHand(F), fl = FastHand(Lrest);
  const uint8_t led = FastCard(c);
  std::vector<int> values(ff.N);
  for (int j = 0; j < ff.N; ++j) values[j] = s.Answer(ff, j, fl, led, ptsL, ptsF, -kInf, kInf);
  return Best(std::move(values));
}

}  // namespace zembra::ai
