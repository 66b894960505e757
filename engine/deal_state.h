// The deal and the match as plain records: every field the rules, the
// table, the computer opponent and the duel read and write. Arrays are
// 1-based (deck positions 1..24, hand slots 1..64, players 1..2).
#pragma once

#include <cstdint>
#include <string>

#include "engine/cards.h"
#include "engine/one_based.h"

namespace zembra {

inline constexpr int kDeckSize = 24;
inline constexpr int kHandSlots = 64;  // the game uses slots 1..6
inline constexpr int kHandSize = 6;
inline constexpr int kFirstStockPos = 13;
inline constexpr int kTrumpCardPos = 24;

// Who leads the current trick; after a trick it names the trick winner.
// Written "co" (player 1) and "me" (player 2).
enum class TLeader : uint8_t { Co = 1, Me = 2 };

inline int SeatOf(TLeader l) { return static_cast<int>(l); }
inline TLeader LeaderOfSeat(int seat) { return seat == 1 ? TLeader::Co : TLeader::Me; }
inline const char* LeaderText(TLeader l) { return l == TLeader::Co ? "co" : "me"; }
inline int OtherSeat(int seat) { return 3 - seat; }

using THand = TArray1<TCardCode, kHandSlots>;
using THandValues = TArray1<uint8_t, kHandSlots>;
using TDeck = TArray1<TCardCode, kDeckSize>;

// TurnState values.
enum : uint8_t {
  kTurnPlayer1 = 1,
  kTurnPlayer2 = 2,
  kTurnTrickComplete = 3,
  kTurnDealOver = 4,
  kTurnMatchOver = 5,
  kTurnMatchContinues = 6,
};

struct TDealState {
  TDeck DeckCard;
  TArray1<uint8_t, kDeckSize> DeckOrder;
  TArray1<uint8_t, kDeckSize> DeckPoints;
  uint8_t StockPos = kFirstStockPos;
  unsigned char Trump = kNoSuit;

  TArray1<THand, 2> Hand;
  TArray1<THandValues, 2> HandOrder;
  TArray1<THandValues, 2> HandPoints;
  TArray1<uint8_t, 2> HandCount;

  TArray1<TCardCode, 2> TableCard;
  TArray1<uint8_t, 2> TableOrder;
  TArray1<uint8_t, 2> TablePoints;
  unsigned char LedSuit = kNoSuit;
  TLeader Leader = TLeader::Me;

  uint8_t TurnState = 0;
  uint8_t PlayPhase = 0;
  uint8_t FirstDrawer = 0;
  TArray1<int32_t, 2> Taken;
  TArray1<uint8_t, 2> Pending;
  uint8_t MarriageFlag = 0;  // 0 none, 1 twenty, 2 forty

  TArray1<TCardCode, kDeckSize> PlayedCards;
  uint8_t PlayedPos = 1;

  uint8_t GamePoints = 0;
  uint8_t Loser = 0;
  bool StockEmptyAnnounced = false;
  TCardCode DecidingCard;
  bool InDeal = false;
  bool RevealCards = false;  // debug view: computer's cards open, search values shown

  TArray1<int32_t, 2> TableX;
  TArray1<int32_t, 2> TableY;

  int LeaderSeat() const { return SeatOf(Leader); }
  bool StockExhausted() const { return StockPos > kTrumpCardPos; }
  int StockLeft() const { return StockExhausted() ? 0 : kTrumpCardPos + 1 - StockPos; }
};

struct TMatchState {
  int32_t MatchNo = 1;
  uint8_t DealNo = 0;
  uint8_t FirstLeader = 2;
  TArray1<int32_t, 2> MatchPoints;
  uint8_t MatchTarget = 10;
  bool TargetReached = false;
  bool MatchClosed = false;
  int32_t ScoreBefore = 0;
  int32_t MatchResult = 0;
  int32_t ScoreAfter = 0;
  double RatingBefore = 0.0;
};

// Multi-line, readable dump for test failures and tools.
std::string ToString(const TDealState& d);
std::string ToString(const TMatchState& m);
std::string HandToString(const TDealState& d, int player);

}  // namespace zembra
