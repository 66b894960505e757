// What the calendar shows on a day: the date tile, the year tile and the
// day's holidays, however many.
#include <gtest/gtest.h>

#include "calendar/calendar_plan.h"

namespace zembra {
namespace {

TEST(CalendarPlan, ADayWithoutHolidaysHasTwoTiles) {
  const TCalendarPlan plan = PlanCalendar({2025, 3, 3}, 0);
  ASSERT_EQ(plan.Tiles.size(), 2u);
  EXPECT_EQ(plan.Tiles[0].Picture, "R_12");
  EXPECT_EQ(plan.Tiles[0].Text, "Pisces");
  EXPECT_EQ(plan.Tiles[1].Picture, "R_VOSSNAK");
  EXPECT_EQ(plan.Tiles[1].Text, "Year Of The Snake");
  EXPECT_EQ(plan.MonthText, "March");
  EXPECT_FALSE(plan.Sunday);
}

TEST(CalendarPlan, TilesInTheLanguageAsked) {
  const TCalendarPlan plan = PlanCalendar({2025, 5, 9}, 1);
  ASSERT_EQ(plan.Tiles.size(), 3u);
  EXPECT_EQ(plan.Tiles[0].Text, "Телец");
  EXPECT_EQ(plan.Tiles[1].Text, "Год Змеи");
  EXPECT_EQ(plan.Tiles[2].Picture, "R_RUSORDN");
  EXPECT_EQ(plan.Tiles[2].Text, "День Победы в Великой Отечественной войне (80-я годовщина, российский праздник)");
  EXPECT_EQ(plan.MonthText, "мая");
  const TCalendarPlan sunday = PlanCalendar({2025, 5, 4}, 0);
  EXPECT_TRUE(sunday.Sunday);
}

TEST(CalendarPlan, EveryHolidayOfACrowdedDayGetsATile) {
  // Eight records on one day: none is dropped, they keep the table's order.
  std::vector<THolidayRecord> table;
  for (int i = 0; i < 8; ++i) {
    const std::string n = std::to_string(i);
    table.push_back(*ParseHolidayRecord("14.06.0000#ALL#R_LOVE00" + n + "#r" + n + "#e" + n + "#d#f#s#c#i#z#j#k#"));
  }
  table.push_back(*ParseHolidayRecord("15.06.0000#ALL#R_LOVE009#r#other#d#f#s#c#i#z#j#k#"));
  const TCalendarPlan plan = PlanCalendar({2025, 6, 14}, 0, table);
  ASSERT_EQ(plan.Tiles.size(), 10u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(plan.Tiles[2 + i].Text, "e" + std::to_string(i));
    EXPECT_EQ(plan.Tiles[2 + i].Picture, "R_LOVE00" + std::to_string(i));
  }
}

}  // namespace
}  // namespace zembra
