#include "engine/cards.h"

#include <array>

namespace zembra {
namespace {

constexpr std::array<unsigned char, 6> kRankBytes = {cp1251::kNine, cp1251::kJack, cp1251::kQueen,
                                                     cp1251::kKing, cp1251::kTen,  cp1251::kAce};
constexpr std::array<unsigned char, 4> kSuitBytes = {cp1251::kHearts, cp1251::kDiamonds,
                                                     cp1251::kClubs, cp1251::kSpades};
constexpr std::array<uint8_t, 6> kRankPoints = {0, 2, 3, 4, 10, 11};
constexpr std::array<const char*, 6> kRankImage = {"09", "2J", "3Q", "4K", "10", "5A"};
constexpr std::array<const char*, 4> kSuitImage = {"Ch", "Bu", "Kr", "Pi"};
constexpr std::string_view kRankAscii = "9JQKTA";
constexpr std::string_view kSuitAscii = "hdcs";

}  // namespace

unsigned char RankChar(TRank r) { return kRankBytes[static_cast<int>(r) - 1]; }
unsigned char SuitChar(TSuit s) { return kSuitBytes[static_cast<int>(s)]; }

std::optional<TRank> RankOf(TCardCode c) {
  for (int i = 0; i < 6; ++i)
    if (kRankBytes[i] == c.Rank) return static_cast<TRank>(i + 1);
  return std::nullopt;
}

std::optional<TSuit> SuitOfChar(unsigned char suit) {
  for (int i = 0; i < 4; ++i)
    if (kSuitBytes[i] == suit) return static_cast<TSuit>(i);
  return std::nullopt;
}

TCardCode MakeCard(TRank r, TSuit s) { return TCardCode{RankChar(r), SuitChar(s)}; }

uint8_t RankOrderOf(TCardCode c) {
  auto r = RankOf(c);
  if (!r || !SuitOfChar(c.Suit)) return kEmptyValue;
  return static_cast<uint8_t>(*r);
}

uint8_t PointsOfRank(TRank r) { return kRankPoints[static_cast<int>(r) - 1]; }

uint8_t CardPointsOf(TCardCode c) {
  auto r = RankOf(c);
  if (!r || !SuitOfChar(c.Suit)) return kEmptyValue;
  return PointsOfRank(*r);
}

std::string ImageName(TCardCode c) {
  auto r = RankOf(c);
  auto s = SuitOfChar(c.Suit);
  if (!r || !s) return {};
  return std::string(kSuitImage[static_cast<int>(*s)]) + kRankImage[static_cast<int>(*r) - 1];
}

std::string CodeBytes(TCardCode c) {
  return std::string{static_cast<char>(c.Rank), static_cast<char>(c.Suit)};
}

char SuitToAscii(unsigned char suit) {
  auto s = SuitOfChar(suit);
  return s ? kSuitAscii[static_cast<int>(*s)] : '#';
}

std::string ToAscii(TCardCode c) {
  auto r = RankOf(c);
  auto s = SuitOfChar(c.Suit);
  if (!r || !s) return "##";
  return std::string{kRankAscii[static_cast<int>(*r) - 1], kSuitAscii[static_cast<int>(*s)]};
}

std::optional<unsigned char> SuitFromAscii(char c) {
  auto i = kSuitAscii.find(c);
  if (i == std::string_view::npos) return std::nullopt;
  return kSuitBytes[i];
}

std::optional<TCardCode> CardFromAscii(std::string_view token) {
  if (token.size() != 2) return std::nullopt;
  auto r = kRankAscii.find(token[0]);
  auto s = kSuitAscii.find(token[1]);
  if (r == std::string_view::npos || s == std::string_view::npos) return std::nullopt;
  return TCardCode{kRankBytes[r], kSuitBytes[s]};
}

TCardCode CardOfNumber(int n) {
  // Groups of four in the order nine, ten, jack, queen, king, ace.
  static constexpr std::array<TRank, 6> kGroups = {TRank::Nine, TRank::Ten,  TRank::Jack,
                                                   TRank::Queen, TRank::King, TRank::Ace};
  if (n < 1 || n > 24) return kNoCard;
  return MakeCard(kGroups[(n - 1) / 4], static_cast<TSuit>((n - 1) % 4));
}

}  // namespace zembra
