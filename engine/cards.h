// Card codes: two Windows-1251 bytes, rank then suit, exactly as they are
// stored in files and sent to a peer. Rank orders, card points and the
// names of the face images all derive from the code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembra {

enum class TSuit : uint8_t { Hearts, Diamonds, Clubs, Spades };
enum class TRank : uint8_t { Nine = 1, Jack, Queen, King, Ten, Ace };  // value = rank order

// The bytes of the code (code page 1251).
namespace cp1251 {
inline constexpr unsigned char kNine = 0x39;   // "9"
inline constexpr unsigned char kJack = 0xC2;   // "В"
inline constexpr unsigned char kQueen = 0xC4;  // "Д"
inline constexpr unsigned char kKing = 0xCA;   // "К"
inline constexpr unsigned char kTen = 0x31;    // "1"
inline constexpr unsigned char kAce = 0xD2;    // "Т"
inline constexpr unsigned char kHearts = 0xF7;    // "ч"
inline constexpr unsigned char kDiamonds = 0xE1;  // "б"
inline constexpr unsigned char kClubs = 0xEA;     // "к"
inline constexpr unsigned char kSpades = 0xEF;    // "п"
inline constexpr unsigned char kEmpty = '#';
}  // namespace cp1251

inline constexpr uint8_t kEmptyValue = 99;  // rank order and points of an empty slot
inline constexpr int kTotalCardPoints = 120;

struct TCardCode {
  unsigned char Rank = cp1251::kEmpty;
  unsigned char Suit = cp1251::kEmpty;

  constexpr bool IsEmpty() const { return Rank == cp1251::kEmpty; }
  constexpr bool operator==(const TCardCode&) const = default;
};

inline constexpr TCardCode kNoCard{};
inline constexpr unsigned char kNoSuit = cp1251::kEmpty;

unsigned char RankChar(TRank r);
unsigned char SuitChar(TSuit s);
std::optional<TRank> RankOf(TCardCode c);
std::optional<TSuit> SuitOfChar(unsigned char suit);
TCardCode MakeCard(TRank r, TSuit s);

// Rank order 1..6 (nine .. ace) and card points 0, 2, 3, 4, 10, 11;
// both 99 for an empty or unknown code.
uint8_t RankOrderOf(TCardCode c);
uint8_t CardPointsOf(TCardCode c);
uint8_t PointsOfRank(TRank r);

// "Ch09", "Pi2J", "Bu5A": the face picture's resource name.
std::string ImageName(TCardCode c);

// The two stored bytes.
std::string CodeBytes(TCardCode c);

// ASCII tokens used by tools and tests: ranks 9 J Q K T A, suits h d c s
// ("Th" is the ten of hearts). The empty place is "##".
std::string ToAscii(TCardCode c);
char SuitToAscii(unsigned char suit);
std::optional<TCardCode> CardFromAscii(std::string_view token);
std::optional<unsigned char> SuitFromAscii(char c);

// Shuffle numbering: 1..4 nines, 5..8 tens, 9..12 jacks, 13..16 queens,
// 17..20 kings, 21..24 aces; suits hearts, diamonds, clubs, spades in a group.
TCardCode CardOfNumber(int n);

}  // namespace zembra
