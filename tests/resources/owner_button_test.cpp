// The program's own button without Qt: colours, pieces and sizes, gradient
// rows, glyph and caption places, focus marks. Every expected number below
// was worked out by hand from the button's colour and size tables.
#include <gtest/gtest.h>

#include <string>

#include "resources/owner_button.h"

namespace zembra {
namespace {

using C = TColorSB;

struct TTintCase {
  const char* name;
  TRgb base;
  TColorSB colour;
  int light;
  TRgb want;
};

const TTintCase kTintCases[] = {
    // The plain swap of every colour for one base.
    {"red", {200, 100, 50}, C::DRed, 0, {200, 100, 50}},
    {"green", {200, 100, 50}, C::DGreen, 0, {100, 200, 50}},
    {"blue", {200, 100, 50}, C::DBlue, 0, {50, 200, 200}},
    {"navy", {200, 100, 50}, C::DNavy, 0, {50, 100, 200}},
    {"yellow", {200, 100, 50}, C::DYellow, 0, {200, 200, 50}},
    {"violet", {200, 100, 50}, C::DViolet, 0, {200, 100, 200}},
    {"orange", {200, 100, 50}, C::DOrang, 0, {200, 101, 35}},
    {"cards", {200, 100, 50}, C::DCards, 0, {140, 0, 200}},
    // Orange: b' = rnd(0.7 b), g' = b' + rnd(0.4 |r - b'|), only when g and b
    // are both below r; 0.7 * 5 = 3.5 rounds up.
    {"orange gradient row", {176, 80, 80}, C::DOrang, 0, {176, 104, 56}},
    {"orange pure red", {238, 0, 0}, C::DOrang, 0, {238, 95, 0}},
    {"orange half", {100, 0, 5}, C::DOrang, 0, {100, 42, 4}},
    {"orange green not below", {100, 150, 20}, C::DOrang, 0, {100, 150, 20}},
    {"orange blue equal", {100, 20, 100}, C::DOrang, 0, {100, 20, 100}},
    {"cards half", {25, 0, 0}, C::DCards, 0, {18, 0, 25}},
    // Lightening after the swap.
    {"light 50", {238, 0, 0}, C::DRed, 50, {247, 128, 128}},
    {"light 50 dark", {17, 0, 0}, C::DRed, 50, {136, 128, 128}},
    {"light 100", {238, 0, 0}, C::DRed, 100, {255, 255, 255}},
    {"green light 50", {200, 100, 50}, C::DGreen, 50, {178, 228, 153}},
    {"cards light 100", {200, 100, 50}, C::DCards, 100, {255, 255, 255}},
};

TEST(OwnerButtonTint, ColoursByTable) {
  for (const TTintCase& c : kTintCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TintColour(c.base, c.colour, c.light), c.want);
    // An old-style picture pixel is tinted exactly like a gradient row.
    EXPECT_EQ(TintPixel(c.base, c.colour, c.light, false), c.want);
  }
}

TEST(OwnerButtonTint, NearRedIsBelowDistance180) {
  EXPECT_TRUE(IsNearRed({255, 0, 0}));
  EXPECT_TRUE(IsNearRed({255, 179, 0}));
  EXPECT_FALSE(IsNearRed({255, 180, 0}));      // exactly 180
  EXPECT_FALSE(IsNearRed({220, 180, 60}));     // the gold edge
  EXPECT_FALSE(IsNearRed({0, 0, 0}));
}

TEST(OwnerButtonTint, NewStylePixels) {
  struct TCase {
    const char* name;
    TRgb base;
    TColorSB colour;
    int light;
    TRgb want;
  };
  const TCase cases[] = {
      {"cards near red", {230, 40, 40}, C::DCards, 0, {138, 28, 230}},
      {"cards near red lightened", {230, 40, 40}, C::DCards, 50, {197, 142, 243}},
      {"cards far keeps colour", {220, 180, 60}, C::DCards, 50, {220, 180, 60}},
      {"green near red lightened", {230, 40, 40}, C::DGreen, 50, {148, 243, 148}},
      {"green far swapped only", {220, 180, 60}, C::DGreen, 50, {180, 220, 60}},
      {"red far unchanged", {220, 180, 60}, C::DRed, 50, {220, 180, 60}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TintPixel(c.base, c.colour, c.light, true), c.want);
  }
  // The same pixels in the old style: cards swap and lightening apply to all.
  EXPECT_EQ(TintPixel({230, 40, 40}, C::DCards, 0, false), (TRgb{161, 0, 230}));
  EXPECT_EQ(TintPixel({220, 180, 60}, C::DGreen, 50, false), (TRgb{218, 238, 158}));
}

TEST(OwnerButtonTint, OnlyPlainRedSkipsTinting) {
  EXPECT_FALSE(PiecesNeedTint(C::DRed, 0));
  EXPECT_TRUE(PiecesNeedTint(C::DRed, 1));
  EXPECT_TRUE(PiecesNeedTint(C::DGreen, 0));
}

struct TPieceCase {
  int height;
  const char* old_middle;
  const char* new_left;
  int c;
  int q;
  int size_index;
};

const TPieceCase kPieceCases[] = {
    {20, "R29_2", "Q29_L", 8, 5, 0},   {30, "R29_2", "Q29_L", 8, 8, 1},   {35, "R44_2", "Q44_L", 13, 10, 0},
    {45, "R44_2", "Q44_L", 13, 13, 2}, {50, "R59_2", "Q59_L", 17, 14, 0}, {60, "R59_2", "Q59_L", 17, 17, 3},
    {70, "R59_2", "Q59_L", 17, 20, 0},
    {90, "R59_2", "Q59_L", 17, 26, 0},  // 25.5 rounds up
};

TEST(OwnerButtonPieces, NamesWidthsAndSizeIndexByHeight) {
  for (const TPieceCase& c : kPieceCases) {
    SCOPED_TRACE(c.height);
    const TButtonPieces old = PiecesFor(c.height, false);
    EXPECT_EQ(old.Middle, c.old_middle);
    EXPECT_EQ(old.EndWidth, c.c);
    const TButtonPieces neu = PiecesFor(c.height, true);
    EXPECT_EQ(neu.Left, c.new_left);
    EXPECT_EQ(neu.EndWidth, c.c);
    EXPECT_EQ(EndWidthAt(c.height), c.q);
    EXPECT_EQ(SizeIndex(c.height), c.size_index);
  }
  const TButtonPieces p = PiecesFor(45, false);
  EXPECT_EQ(p.Left, "R44_L");
  EXPECT_EQ(p.Right, "R44_R");
  EXPECT_EQ(p.NominalHeight, 45);
  EXPECT_EQ(PiecesFor(60, true).Right, "Q59_R");
  EXPECT_EQ(PiecesFor(30, true).Middle, "Q29_2");
  EXPECT_EQ(SizeIndex(29), 0);
  EXPECT_EQ(SizeIndex(31), 0);
}

TEST(OwnerButtonPieces, GradientMiddleOnlyOldStyleStandardNotCards) {
  EXPECT_TRUE(GradientMiddle(30, false, C::DRed));
  EXPECT_TRUE(GradientMiddle(60, false, C::DOrang));
  EXPECT_FALSE(GradientMiddle(35, false, C::DRed));
  EXPECT_FALSE(GradientMiddle(45, true, C::DRed));
  EXPECT_FALSE(GradientMiddle(30, false, C::DCards));
}

TEST(OwnerButtonGradient, TablesByHeight) {
  struct TEntry {
    int height;
    int row;
    TRgb want;
  };
  const TEntry entries[] = {
      {30, 0, {128, 0, 0}},  {30, 3, {232, 173, 173}}, {30, 14, {152, 36, 36}}, {30, 27, {238, 0, 0}},
      {30, 28, {128, 0, 0}}, {45, 0, {128, 0, 0}},     {45, 22, {153, 34, 34}}, {45, 42, {244, 0, 0}},
      {45, 43, {128, 0, 0}}, {60, 0, {128, 0, 0}},     {60, 3, {243, 183, 183}}, {60, 29, {150, 33, 33}},
      {60, 57, {246, 0, 0}}, {60, 58, {128, 0, 0}},
  };
  for (const TEntry& e : entries) {
    SCOPED_TRACE(std::to_string(e.height) + " row " + std::to_string(e.row));
    EXPECT_EQ(GradientTable(e.height)[e.row], e.want);
  }
  EXPECT_EQ(GradientTable(30).size(), 29u);
  EXPECT_EQ(GradientTable(45).size(), 44u);
  EXPECT_EQ(GradientTable(60).size(), 59u);
  EXPECT_TRUE(GradientTable(35).empty());
}

TEST(OwnerButtonHeight, StandardHeights) {
  EXPECT_EQ(HeightOf(THeightSB::D30), 30);
  EXPECT_EQ(HeightOf(THeightSB::D45), 45);
  EXPECT_EQ(HeightOf(THeightSB::D60), 60);
}

TEST(OwnerButtonGlyph, OffsetsIndentsAndSpots) {
  struct TCase {
    int height, offset, indent;
  };
  const TCase cases[] = {{30, 15, 25}, {45, 18, 28}, {60, 20, 30}, {20, 8, 18}, {35, 16, 26}, {50, 22, 32}, {70, 32, 42}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.height);
    EXPECT_EQ(GlyphOffset(c.height), c.offset);
    EXPECT_EQ(CaptionIndent(c.height), c.indent);
  }
  EXPECT_EQ(GlyphSpot(100, 30, 16, 16, TGlyphLayout::Left), (TSpot{15, 6}));
  EXPECT_EQ(GlyphSpot(100, 30, 16, 16, TGlyphLayout::Right), (TSpot{69, 6}));
  EXPECT_EQ(GlyphSpot(100, 30, 16, 16, TGlyphLayout::Bottom), (TSpot{41, 6}));
  EXPECT_EQ(GlyphSpot(100, 35, 16, 16, TGlyphLayout::Left), (TSpot{16, 9}));
  EXPECT_EQ(GlyphSpot(120, 60, 32, 32, TGlyphLayout::Right), (TSpot{68, 13}));
}

TEST(OwnerButtonCaption, Boxes) {
  struct TCase {
    const char* name;
    TCaptionInput in;
    TCaptionBox want;
  };
  const TCase cases[] = {
      {"centred", {100, 30, 16, TGlyphLayout::Left, -1, false, false}, {0, 0, 100, 30, false}},
      {"new style one pixel higher", {100, 30, 0, TGlyphLayout::Left, -1, true, false}, {0, -1, 100, 30, false}},
      {"pressed new style", {100, 30, 0, TGlyphLayout::Left, -1, true, true}, {1, 0, 100, 30, false}},
      {"margin after left glyph", {100, 30, 16, TGlyphLayout::Left, 0, false, false}, {16 + 25, 0, 59, 30, true}},
      {"margin at 60", {150, 60, 32, TGlyphLayout::Left, 4, false, false}, {32 + 30, 0, 88, 60, true}},
      {"margin at 35", {100, 35, 16, TGlyphLayout::Left, 2, false, false}, {16 + 26, 0, 58, 35, true}},
      {"margin right glyph", {100, 30, 16, TGlyphLayout::Right, 0, false, false}, {0, 0, 59, 30, true}},
      {"margin pressed", {100, 30, 16, TGlyphLayout::Left, 0, false, true}, {42, 1, 59, 30, true}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TCaptionBox got = CaptionBox(c.in);
    EXPECT_EQ(got.X, c.want.X);
    EXPECT_EQ(got.Y, c.want.Y);
    EXPECT_EQ(got.W, c.want.W);
    EXPECT_EQ(got.H, c.want.H);
    EXPECT_EQ(got.LeftAligned, c.want.LeftAligned);
  }
}

TEST(OwnerButtonFocus, FrameByHeight) {
  struct TCase {
    int height;
    TFocusFrame want;
  };
  const TCase cases[] = {
      {30, {7, 4, 7}},   {45, {9, 5, 9}},    {60, {11, 6, 11}},  {20, {4, 3, 6}},
      {25, {6, 4, 8}},   {35, {8, 5, 10}},   {50, {11, 5, 10}},  {70, {16, 6, 12}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.height);
    EXPECT_EQ(FocusFrame(c.height), c.want);
  }
}

TEST(OwnerButtonFocus, DotsByHeight) {
  const std::pair<int, int> diameters[] = {{20, 3}, {21, 4}, {30, 4}, {31, 5}, {45, 5}, {46, 6}, {60, 6}, {61, 7}};
  for (const auto& [height, d] : diameters) EXPECT_EQ(DotDiameter(height), d) << height;
  EXPECT_EQ(FocusDots(100, 30), (TFocusDots{10, 85, 12, 4}));
  EXPECT_EQ(FocusDots(120, 45), (TFocusDots{13, 101, 19, 5}));
  EXPECT_EQ(FocusDots(150, 60), (TFocusDots{15, 128, 26, 6}));
  EXPECT_EQ(FocusDots(100, 35), (TFocusDots{10, 84, 14, 5}));  // q from each end
}

TEST(OwnerButtonFocus, ColoursByBarColour) {
  struct TCase {
    TColorSB colour;
    TRgb frame, dot;
  };
  const TCase cases[] = {
      {C::DRed, {255, 200, 200}, {255, 255, 0}},      {C::DGreen, {200, 200, 255}, {0, 0, 255}},
      {C::DBlue, {200, 255, 200}, {0, 0, 255}},       {C::DNavy, {200, 255, 200}, {0, 255, 0}},
      {C::DYellow, {255, 200, 200}, {255, 0, 0}},     {C::DViolet, {255, 255, 200}, {255, 255, 255}},
      {C::DOrang, {255, 128, 64}, {255, 255, 255}},   {C::DCards, {200, 175, 50}, {220, 180, 255}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.colour));
    EXPECT_EQ(FrameColour(c.colour), c.frame);
    EXPECT_EQ(DotColour(c.colour), c.dot);
  }
}

}  // namespace
}  // namespace zembra
