// The rating arithmetic of rated games and the cycle of 30.
#include <gtest/gtest.h>

#include "online/rating.h"

namespace zembra {
namespace {

TEST(Rating, TheFirstRatedGameOfANewAccount) {
  const TOrvGame announced = AnnouncedGame(TOrvGame());
  EXPECT_EQ(announced.Kon, 1);
  EXPECT_DOUBLE_EQ(announced.Rating, -2000 + 1.0 / 30);
  for (int result : {-380, 0, 520}) {
    const TOrvGame finished = FinishedGame(announced, 0, result, result);
    EXPECT_EQ(finished.Kon, 1);
    EXPECT_NEAR(finished.Rating, result + 1.0 / 30, 1e-9) << result;
    EXPECT_EQ(finished.KonL, 1);
    EXPECT_EQ(finished.Score, result);
  }
}

TEST(Rating, TheRatingIsTheMeanResultPlusAThirtiethPerGame) {
  TOrvGame g;
  g.Kon = 10;
  g.Rating = RatingOf(1000, 10);  // mean 100
  EXPECT_NEAR(g.Rating, 100 + 10.0 / 30, 1e-9);
  const TOrvGame after = FinishedGame(AnnouncedGame(g), 4, 210, 700);
  EXPECT_EQ(after.Kon, 11);
  EXPECT_NEAR(after.Rating, 1210.0 / 11 + 11.0 / 30, 1e-9);
  EXPECT_EQ(after.KonL, 5);
}

TEST(Rating, TheThirtiethGameCompletesTheCycle) {
  TOrvGame g;
  g.Kon = 59;
  g.Rating = 2;
  g.Best = 800;
  g.Sessions = 1;
  const struct {
    int CycleScore, Best;
  } cases[] = {{1200, 1200}, {300, 800}};
  for (const auto& c : cases) {
    const TOrvGame after = FinishedGame(AnnouncedGame(g), 29, 40, c.CycleScore);
    EXPECT_EQ(after.KonL, 0);
    EXPECT_EQ(after.Score, 0);
    EXPECT_EQ(after.Sessions, 2);
    EXPECT_EQ(after.Best, c.Best);
  }
}

}  // namespace
}  // namespace zembra
