// Shuffling and dealing: a uniformly random deck, six cards each, the
// trump card under the stock, the first leader of a match by the lowest
// trump, and the reset of the trick state for a new deal.
#pragma once

#include <random>

#include "engine/deal_state.h"

namespace zembra {

class TGame;

enum class TDealKind : uint8_t {
  Local,       // a game against the computer, or the dealing side of a duel
  NetClient,   // deck, hands, first leader and target came from the peer
  Tournament,  // deck and hands came from the tournament server; target 8
};

// The playing profile's stored values, loaded when a match starts.
struct TProfileValues {
  int32_t MatchNo = 1;  // stored number of matches plus 1
  int32_t ScoreBefore = 0;
  double RatingBefore = 0.0;
};

struct TDealOptions {
  bool ContinueMatch = false;
  TDealKind Kind = TDealKind::Local;
  bool TournamentSeat2 = false;      // the local player holds seat 2 of the tournament table
  // Local: a stacked deck in place of the shuffle. NetClient, Tournament:
  // the deck the sender dealt (when null, the caller has filled the deal).
  const TDeck* Deck = nullptr;
  uint8_t FirstLeader = 0;           // NetClient: the leader the deal names, in this side's seats
  uint8_t Target = 0;                // NetClient: the target the deal names (8 or 10)
  TProfileValues Profile;            // used when a new match starts
  std::mt19937_64* Random = nullptr; // the shuffle's generator; a process-wide one when null
};

// A generator seeded from the system's entropy source.
std::mt19937_64& ProcessRandom();

// Fills DeckCard, DeckOrder and DeckPoints with a uniformly random order.
void ShuffleDeck(TDealState& d, std::mt19937_64& rng);
void ShuffleDeck(TDealState& d);
void LoadDeck(TDealState& d, const TDeck& deck);

// Positions 1..6 to player 1, 7..12 to player 2, trump from position 24.
// Mirrored, for the side that receives the deal: 1..6 to its own seat 2.
void SeatHands(TDealState& d, bool mirrored = false);

// Lowest trump rank order in slots 1..6 of a hand (10 when none).
int LowestTrumpOrder(const TDealState& d, int player);
TCardCode LowestTrump(const TDealState& d, int player);
int DecideFirstLeader(const TDealState& d, bool tournamentSeat2);

void DealCards(TGame& g, const TDealOptions& options);

}  // namespace zembra
