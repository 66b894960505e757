// Item names the program asks a pack for.
#include <gtest/gtest.h>

#include "resources/pack_names.h"

namespace zembra {
namespace {

TCardCode Card(TRank r, TSuit s) { return MakeCard(r, s); }

TEST(PackNames, FacesBySetAndSizeClass) {
  struct TCase {
    int Set;
    TRank Rank;
    TSuit Suit;
    int SizeClass;
    const char* Name;
  } cases[] = {
      {0, TRank::Nine, TSuit::Hearts, 1, "Ch09"},         // built in, small
      {0, TRank::Queen, TSuit::Diamonds, 2, "Bu3QB"},     // built in, large
      {6, TRank::Nine, TSuit::Hearts, 0, "Ch09ModB"},     // set 6: pips "Mod"
      {6, TRank::Jack, TSuit::Hearts, 0, "Ch2JCorB"},     // courts: its own code
      {6, TRank::Ace, TSuit::Hearts, 0, "Ch5ACorB"},      // aces: "Cor"
      {1, TRank::Ten, TSuit::Spades, 1, "Pi10Med"},
      {25, TRank::Ace, TSuit::Clubs, 1, "Kr5ABoy"},
      {25, TRank::Ten, TSuit::Clubs, 1, "Kr10Rhi"},
      {27, TRank::King, TSuit::Diamonds, 2, "Bu4KUSRB"},
      {27, TRank::Nine, TSuit::Diamonds, 2, "Bu09BigB"},
      {40, TRank::Queen, TSuit::Spades, 1, "Pi3QFra"},    // set 40 shares set 9's code
      {47, TRank::Ace, TSuit::Spades, 0, "Pi5ACzeB"},
  };
  for (const TCase& c : cases) EXPECT_EQ(FaceItemName(c.Set, Card(c.Rank, c.Suit), c.SizeClass), c.Name) << c.Name;
  EXPECT_EQ(SuitSymbolName(11, TSuit::Hearts, false), "CherMod");  // set 11's symbols are "Mod"
  EXPECT_EQ(SuitSymbolName(20, TSuit::Spades, true), "PikiSeaB");
  EXPECT_EQ(FaceItemName(3, kNoCard, 1), "");
}

TEST(PackNames, SizeClassesAndCardSizes) {
  EXPECT_EQ(SizeClassOf(1.0), 1);
  EXPECT_EQ(SizeClassOf(1.29), 1);
  EXPECT_EQ(SizeClassOf(1.3), 0);
  EXPECT_EQ(SizeClassOf(1.99), 0);
  EXPECT_EQ(SizeClassOf(2.0), 2);
  EXPECT_EQ(CardSizeFor(1, 1.0, true).Width, 71);
  EXPECT_EQ(CardSizeFor(0, 1.5, false).Width, 92);   // 61 × 1.5 rounded
  EXPECT_EQ(CardSizeFor(0, 1.5, false).Height, 144);
  EXPECT_EQ(CardSizeFor(2, 2.0, false).Width, 126);
  EXPECT_EQ(CardSizeFor(2, 2.0, true).Width, 146);
  for (int s : {0, 1, 27, 40, 45}) EXPECT_TRUE(WideCardSet(s)) << s;
  for (int s : {28, 30, 39, 41, 44, 46, 47}) EXPECT_FALSE(WideCardSet(s)) << s;
}

TEST(PackNames, BacksAndBackgrounds) {
  EXPECT_EQ(BackItemName(1, 1, false, 1, false), "Ob01MoCl1");
  EXPECT_EQ(BackItemName(1, 1, true, 0, false), "Ob01MoRCl1B");
  EXPECT_EQ(BackItemName(0, 1, false, 0, true), "Ob01MoU");  // narrow set 30 at size 3, back set 0
  EXPECT_EQ(BackItemName(9, 10, false, 2, false), "Ob10XXFloB");
  EXPECT_EQ(BackItemName(9, 11, false, 2, false), "");
  EXPECT_EQ(BackCount(8), 10);
  EXPECT_EQ(BackCount(12), 7);
  EXPECT_EQ(BackgroundItemName(10, 6, 5), "Fon10FiB");
  EXPECT_EQ(BackgroundItemName(2, 0, 1), "FonG");
  EXPECT_EQ(BackgroundItemName(2, 0, 3), "FonGB");
  EXPECT_EQ(BackgroundItemName(1, 4, 1), "Fon01B1");
  EXPECT_EQ(BackgroundItemName(0, 3, 1), "");
}

TEST(PackNames, TheFaceEllipse) {
  // The small faces' box (10, 10)-(84, 59): 75 × 50 pixels.
  EXPECT_TRUE(InsideFaceEllipse(10, 10, 84, 59, 47, 34));   // the middle
  EXPECT_TRUE(InsideFaceEllipse(10, 10, 84, 59, 10, 34));   // the left end
  EXPECT_TRUE(InsideFaceEllipse(10, 10, 84, 59, 84, 34));   // the right end
  EXPECT_FALSE(InsideFaceEllipse(10, 10, 84, 59, 9, 34));
  EXPECT_FALSE(InsideFaceEllipse(10, 10, 84, 59, 12, 12));  // a corner of the box
  int inside = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 120; ++x) {
      inside += InsideFaceEllipse(10, 10, 84, 59, x, y);
      // Mirror images across the box's middle agree.
      EXPECT_EQ(InsideFaceEllipse(10, 10, 84, 59, x, y), InsideFaceEllipse(10, 10, 84, 59, 94 - x, 69 - y));
    }
  EXPECT_NEAR(inside, 3.14159 * 37.5 * 25, 30);  // the ellipse's area, whole
}

}  // namespace
}  // namespace zembra
