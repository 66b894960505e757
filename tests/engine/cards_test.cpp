#include <gtest/gtest.h>

#include <set>

#include "engine/cards.h"

namespace zembra {
namespace {

struct TRankCase {
  TRank Rank;
  unsigned char Byte;
  int Order;
  int Points;
  const char* Suffix;
};

TEST(Cards, RankBytesOrdersPointsAndImageSuffixes) {
  const TRankCase cases[] = {
      {TRank::Nine, 0x39, 1, 0, "09"},  {TRank::Jack, 0xC2, 2, 2, "2J"},
      {TRank::Queen, 0xC4, 3, 3, "3Q"}, {TRank::King, 0xCA, 4, 4, "4K"},
      {TRank::Ten, 0x31, 5, 10, "10"},  {TRank::Ace, 0xD2, 6, 11, "5A"},
  };
  for (const auto& c : cases) {
    const TCardCode card = MakeCard(c.Rank, TSuit::Hearts);
    EXPECT_EQ(card.Rank, c.Byte);
    EXPECT_EQ(RankOrderOf(card), c.Order);
    EXPECT_EQ(CardPointsOf(card), c.Points);
    EXPECT_EQ(ImageName(card), std::string("Ch") + c.Suffix);
  }
}

TEST(Cards, SuitBytesAndImagePrefixes) {
  const struct {
    TSuit Suit;
    unsigned char Byte;
    const char* Prefix;
  } cases[] = {{TSuit::Hearts, 0xF7, "Ch"},
               {TSuit::Diamonds, 0xE1, "Bu"},
               {TSuit::Clubs, 0xEA, "Kr"},
               {TSuit::Spades, 0xEF, "Pi"}};
  for (const auto& c : cases) {
    const TCardCode card = MakeCard(TRank::Jack, c.Suit);
    EXPECT_EQ(card.Suit, c.Byte);
    EXPECT_EQ(ImageName(card), std::string(c.Prefix) + "2J");
    EXPECT_EQ(CodeBytes(card), std::string("\xC2") + static_cast<char>(c.Byte));
  }
}

TEST(Cards, TwentyFourDistinctCardsHoldOneHundredTwentyPoints) {
  std::set<std::string> seen;
  int points = 0;
  for (int n = 1; n <= 24; ++n) {
    const TCardCode c = CardOfNumber(n);
    seen.insert(CodeBytes(c));
    points += CardPointsOf(c);
  }
  EXPECT_EQ(seen.size(), 24u);
  EXPECT_EQ(points, kTotalCardPoints);
  // Groups of four: nines, tens, jacks, queens, kings, aces; suits h d c s.
  EXPECT_EQ(ToAscii(CardOfNumber(1)), "9h");
  EXPECT_EQ(ToAscii(CardOfNumber(4)), "9s");
  EXPECT_EQ(ToAscii(CardOfNumber(5)), "Th");
  EXPECT_EQ(ToAscii(CardOfNumber(10)), "Jd");
  EXPECT_EQ(ToAscii(CardOfNumber(15)), "Qc");
  EXPECT_EQ(ToAscii(CardOfNumber(17)), "Kh");
  EXPECT_EQ(ToAscii(CardOfNumber(24)), "As");
}

TEST(Cards, EmptyPlaceAndAsciiTokens) {
  EXPECT_TRUE(kNoCard.IsEmpty());
  EXPECT_EQ(CodeBytes(kNoCard), "##");
  EXPECT_EQ(RankOrderOf(kNoCard), 99);
  EXPECT_EQ(CardPointsOf(kNoCard), 99);
  EXPECT_EQ(ToAscii(kNoCard), "##");
  for (int n = 1; n <= 24; ++n) {
    const TCardCode c = CardOfNumber(n);
    EXPECT_EQ(CardFromAscii(ToAscii(c)), c);
  }
  for (const char* bad : {"", "T", "Tx", "1h", "th", "Thh", "##"})
    EXPECT_FALSE(CardFromAscii(bad).has_value()) << bad;
}

}  // namespace
}  // namespace zembra
