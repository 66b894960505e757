// The tournament window's seat buttons by their table of conditions, and
// the same-address rule for seat 2.
#include <gtest/gtest.h>

#include "tournament/seat_rules.h"

namespace zembra {
namespace {

TOrvTable Table(const char* nick1, const char* nick2) {
  TOrvTable t;
  t.Nick1 = nick1;
  t.Score1 = 12;
  t.Nick2 = nick2;
  t.Score2 = -3;
  return t;
}

TEST(SeatRules, EveryRowOfTheTable) {
  struct {
    const char* Name;
    TOrvTable T;
    int Seat, MyTable;
    TSeatCaption Caption;
    bool Enabled;
    const char* Occupant;
  } cases[] = {
      {"seat 1 mine", Table("Anna", "X"), 1, 4, TSeatCaption::LogOff, true, ""},
      {"seat 1 someone else's", Table("Boris", "X"), 1, 0, TSeatCaption::Occupant, false, "Boris : 12"},
      {"seat 1 free, no seat held", Table("X", "X"), 1, 0, TSeatCaption::TakePlace, true, ""},
      {"seat 1 free, a seat held", Table("X", "X"), 1, 2, TSeatCaption::TakePlace, false, ""},
      {"seat 2 occupied by me", Table("Boris", "Anna"), 2, 4, TSeatCaption::Occupant, false, "Anna : -3"},
      {"seat 2 free after seat 1", Table("Boris", "X"), 2, 0, TSeatCaption::TakePlace, true, ""},
      {"seat 2 free after seat 1, a seat held", Table("Boris", "X"), 2, 7, TSeatCaption::TakePlace, false, ""},
      {"seat 2 free, seat 1 free", Table("X", "X"), 2, 0, TSeatCaption::Free, false, ""},
  };
  for (const auto& c : cases) {
    const TSeatButton b = SeatButtonOf(c.T, 4, c.Seat, "Anna", c.MyTable, true);
    EXPECT_EQ(b.Caption, c.Caption) << c.Name;
    EXPECT_EQ(b.Enabled, c.Enabled) << c.Name;
    EXPECT_EQ(b.Occupant, c.Occupant) << c.Name;
  }
  const TSeatButton off = SeatButtonOf(Table("X", "X"), 4, 1, "Anna", 0, false);
  EXPECT_EQ(off.Caption, TSeatCaption::ServerOff);
  EXPECT_FALSE(off.Enabled);
}

TEST(SeatRules, SeatTwoRefusedToTheSameAddress) {
  EXPECT_TRUE(SameAddressRefused("85.1.2.3", "85.1.2.3", "club.example", false));
  EXPECT_FALSE(SameAddressRefused("85.1.2.3", "85.1.2.3", "127.0.0.1", false));  // the server's own machine
  EXPECT_FALSE(SameAddressRefused("85.1.2.3", "85.1.2.3", "club.example", true));  // the operator
  EXPECT_FALSE(SameAddressRefused("85.1.2.3", "85.1.2.4", "club.example", false));
  EXPECT_FALSE(SameAddressRefused("X", "", "club.example", false));  // own address unknown
}

}  // namespace
}  // namespace zembra
