// The tournament's rules on the service's side: the Elo rating and the
// seats of the ten tables.
#include <gtest/gtest.h>

#include "service/tour_hall.h"
#include "service/tour_rating.h"

namespace zembra::service {
namespace {

TEST(TourRating, EloMovesByWhatTheRatingsExpected) {
  struct {
    int64_t Winner, Loser, WinnerAfter, LoserAfter;
  } cases[] = {
      {1500, 1500, 1516, 1484},  // equals: half of K
      {1900, 1500, 1903, 1497},  // the favourite gains little
      {1500, 1900, 1529, 1871},  // the outsider gains much
      {1500, 2700, 1532, 2668},  // never more than K
  };
  for (const auto& c : cases) {
    const auto [w, l] = EloAfterMatch(c.Winner, c.Loser);
    EXPECT_EQ(w, c.WinnerAfter) << c.Winner << " beats " << c.Loser;
    EXPECT_EQ(l, c.LoserAfter) << c.Winner << " beats " << c.Loser;
    EXPECT_EQ(w + l, c.Winner + c.Loser);
  }
}

TTourClient Player(const char* nick) {
  TTourClient c;
  c.Nick = nick;
  return c;
}

TEST(TourHall, SeatOneFirstOneSeatAPlayerAndLeavingFrees) {
  TTourHall hall;
  int freed = 0;
  hall.OnSeatFreed = [&](int, int) { ++freed; };
  EXPECT_EQ(hall.Take(3, 2, Player("Anna")), TSeatResult::Refused);  // seat 1 is free
  EXPECT_EQ(hall.Take(3, 1, Player("Anna")), TSeatResult::Taken);
  EXPECT_EQ(hall.Take(3, 1, Player("Boris")), TSeatResult::Occupied);
  EXPECT_EQ(hall.Take(4, 1, Player("Anna")), TSeatResult::Refused);  // already seated
  EXPECT_EQ(hall.Take(3, 2, Player("Boris")), TSeatResult::Taken);
  EXPECT_EQ(hall.Client(3, 2)->Nick, "Boris");
  for (auto [table, seat] : {std::pair{0, 1}, {11, 1}, {3, 0}, {3, 3}})
    EXPECT_EQ(hall.Take(table, seat, Player("Vera")), TSeatResult::Refused) << table << "/" << seat;
  EXPECT_EQ(hall.Leave(3, 2), TSeatResult::Taken);
  EXPECT_EQ(hall.Leave(3, 2), TSeatResult::Refused);  // nobody there
  EXPECT_EQ(hall.Clear(3, 1), TSeatResult::Taken);
  EXPECT_EQ(hall.Clear(3, 1), TSeatResult::Taken);  // clearing twice is fine
  EXPECT_EQ(freed, 2);
  EXPECT_FALSE(hall.Client(3, 1));
}

}  // namespace
}  // namespace zembra::service
