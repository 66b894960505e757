// Exhaustive search of the rest of a deal with both hands known, in the
// search's own small model of the rules: no pending marriages, the last
// trick decides the deal with the loser's current points. Values are game
// points for the side to move (+1..+3 won, -1..-3 lost, -10 for an answer
// the follow rule forbids).
#pragma once

#include <string>
#include <vector>

#include "engine/deal_state.h"

namespace zembra::ai {

inline constexpr int kIllegalAnswer = -10;

int GameValue(int loserPoints);
// True when the led card (with points p) beats the answer (points q).
bool LeaderWinsTrick(TCardCode led, int p, TCardCode answer, int q, unsigned char trump);
// hand: the answering side's cards in slots 1..n.
bool IsLegalAnswer(TCardCode led, TCardCode answer, const THand& hand, int n, unsigned char trump);
// rest: the leader's other cards in slots 1..n.
int MarriageBonus(TCardCode led, const THand& rest, int n, unsigned char trump);

// One side's cards for the search: slots 1..N with their points.
struct TSearchHand {
  THand Card;
  THandValues Points;
  int N = 0;
};

TSearchHand SearchHandOf(const TDealState& d, int player);

struct TSearchResult {
  int Value = 0;            // the best value
  int Slot = 0;             // the first slot reaching it
  std::vector<int> Values;  // every top-level slot's value, slot 1 first
};

// The side to move leads from L (n cards) against F (n cards).
TSearchResult SolveLead(const TSearchHand& L, const TSearchHand& F, int ptsL, int ptsF,
                        unsigned char trump);
// The side to move answers the led card c (points p) from F (n cards);
// Lrest holds the leader's other n - 1 cards.
TSearchResult SolveFollow(const TSearchHand& F, const TSearchHand& Lrest, TCardCode c, int p,
                          int ptsL, int ptsF, unsigned char trump);

// The same searches as written in the rules, plain recursion without any
// pruning. Slow; kept as the definition the fast search must match.
TSearchResult SolveLeadPlain(const TSearchHand& L, const TSearchHand& F, int ptsL, int ptsF,
                             unsigned char trump);
TSearchResult SolveFollowPlain(const TSearchHand& F, const TSearchHand& Lrest, TCardCode c, int p,
                               int ptsL, int ptsF, unsigned char trump);

// "v1 v2 ... vn": the evaluation report of the debug view.
std::string FormatValues(const std::vector<int>& values);

}  // namespace zembra::ai
