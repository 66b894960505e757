#include <gtest/gtest.h>

#include "app/card_flight.h"
#include "app/table_layout.h"

namespace zembra {
namespace {

struct TGeometryCase {
  int Size;
  TElement Element;
  TRect Expected;
};

// Base layout scaled with s: left [x s], top [y s], size [w s] x [h s].
TEST(TableLayout, EveryElementAtEveryWindowSize) {
  const TGeometryCase cases[] = {
      {1, TElement::Hand1, {125, 10, 510, 96}},   {1, TElement::Hand2, {125, 394, 510, 96}},
      {1, TElement::Board1, {53, 120, 155, 95}},  {1, TElement::Board2, {53, 285, 155, 95}},
      {1, TElement::Bubble1, {300, 115, 160, 20}}, {1, TElement::Bubble2, {300, 370, 160, 20}},
      {1, TElement::Stock, {581, 128, 100, 170}}, {1, TElement::Table, {343, 150, 74, 200}},
      {1, TElement::MatchNumber, {53, 220, 155, 60}}, {1, TElement::Continue, {550, 310, 160, 30}},
      {1, TElement::Exit, {550, 340, 160, 30}},
      {3, TElement::Hand1, {163, 13, 663, 125}},  {3, TElement::Stock, {755, 166, 130, 221}},
      {3, TElement::Continue, {715, 403, 208, 39}},
      {4, TElement::Hand2, {213, 670, 867, 163}}, {4, TElement::Board1, {90, 204, 264, 162}},
      {4, TElement::Bubble2, {510, 629, 272, 34}},
      {5, TElement::Hand1, {250, 20, 1020, 192}}, {5, TElement::Table, {686, 300, 148, 400}},
      {5, TElement::MatchNumber, {106, 440, 310, 120}}, {5, TElement::Exit, {1100, 680, 320, 60}},
  };
  for (const auto& c : cases) {
    const TTableLayout l = MakeLayout(c.Size);
    EXPECT_EQ(l.Of(c.Element), c.Expected) << "size " << c.Size << " element " << int(c.Element);
  }
}

TEST(TableLayout, FullScreenOnAWideScreenCentresHorizontally) {
  // 1920 x 1080: sx 2.526, sy 2.16, s 2.16; elements keep proportions.
  const TTableLayout l = MakeLayout(2, 1920, 1080);
  EXPECT_EQ(l.Client, (TRect{0, 0, 1920, 1080}));
  EXPECT_DOUBLE_EQ(l.Scale.S, 2.16);
  const TRect stock = l.Stock;
  EXPECT_EQ(stock.W, 216);
  EXPECT_EQ(stock.H, 367);
  // left = [581 sx] + [(sx - s) 100 / 2]
  EXPECT_EQ(stock.X, 1468 + 18);
  EXPECT_EQ(stock.Y, 276);
  // The continue button spans by the horizontal scale.
  EXPECT_EQ(l.Continue.W, 404);
  EXPECT_EQ(l.Continue.H, 65);
}

TEST(TableLayout, CardSizesBySizeClass) {
  EXPECT_EQ(MakeLayout(1).Card.W, 69);
  EXPECT_EQ(MakeLayout(1).Card.H, 94);
  EXPECT_EQ(MakeLayout(3).Card.W, 92);  // 1.3 x 71
  EXPECT_EQ(MakeLayout(3).Card.H, 125);
  EXPECT_EQ(MakeLayout(4).Card.W, 121);
  EXPECT_EQ(MakeLayout(5).Card.W, 146);
  EXPECT_EQ(MakeLayout(5).Card.H, 198);
  EXPECT_EQ(SizeClass(1.29), 1);
  EXPECT_EQ(SizeClass(1.3), 0);
  EXPECT_EQ(SizeClass(2.0), 2);
}

TEST(HandFan, SideBySideCentredOrOverlapping) {
  // Six cards at size 1: 6 x 72 = 432 <= 510, centred with 3 px between.
  EXPECT_EQ(FanLefts(510, 6, 69), (std::vector<int>{39, 111, 183, 255, 327, 399}));
  // The hand stays centred as it shrinks.
  EXPECT_EQ(FanLefts(510, 1, 69), (std::vector<int>{219}));
  EXPECT_EQ(FanLefts(510, 3, 69), (std::vector<int>{147, 219, 291}));
  // Too wide: even overlap, trunc((W - step) / (n - 1)).
  EXPECT_EQ(FanLefts(400, 6, 69), (std::vector<int>{0, 65, 130, 195, 260, 325}));
}

TEST(HandFan, CardAtOnFullAndShrinkingHands) {
  const struct {
    int W, N, X, Slot;
  } cases[] = {
      {510, 6, 39, 1},  {510, 6, 110, 1},  {510, 6, 111, 2}, {510, 6, 38, 0},
      {510, 6, 467, 6}, {510, 6, 468, 0},  // the gap right of the last card selects nothing
      {510, 1, 219, 1}, {510, 1, 287, 1},  {510, 1, 288, 0}, {510, 1, 218, 0},
      {400, 6, 64, 1},  {400, 6, 65, 2},   {400, 6, 393, 6}, {400, 6, 394, 0},
      {510, 0, 250, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CardAtX(c.W, c.N, 69, c.X), c.Slot) << c.W << " " << c.N << " " << c.X;
}

TEST(Stock, ThicknessSteps) {
  const int layers[] = {0, 0, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6};
  for (int k = 0; k <= 12; ++k) EXPECT_EQ(StockLayers(k), layers[k]) << k;
}

TEST(CardFlight, PathAndPacing) {
  const auto path = FlightPath({0, 0}, {10, 4});
  ASSERT_EQ(path.size(), 11u);
  EXPECT_EQ(path.front(), (TPoint{0, 0}));
  EXPECT_EQ(path[5], (TPoint{5, 2}));
  EXPECT_EQ(path.back(), (TPoint{10, 4}));
  EXPECT_EQ(FlightPath({3, 3}, {3, 3}).size(), 1u);

  auto total = [](int speed) {
    int ms = 0;
    for (int i = 0; i < 300; ++i) ms += SleepAfterStep(speed, i);
    return ms;
  };
  EXPECT_EQ(total(1), 600);
  EXPECT_EQ(total(2), 300);
  EXPECT_EQ(total(3), 150);
  EXPECT_EQ(total(4), 100);
  EXPECT_EQ(total(5), 0);
  EXPECT_EQ(total(6), 0);
  EXPECT_FALSE(DrawStep(6, 0));
  EXPECT_TRUE(DrawStep(6, 1));
  EXPECT_TRUE(DrawStep(5, 0));
}

}  // namespace
}  // namespace zembra
