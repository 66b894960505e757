// The calendar's day arithmetic: leap years, weekdays in the table's
// numbering, the n-th and last weekday of a month, the Julian calendar.
#include <gtest/gtest.h>

#include "calendar/calendar_date.h"

namespace zembra {
namespace {

TEST(CalendarDate, LeapYears) {
  struct {
    int Year;
    bool Leap;
  } cases[] = {{1900, false}, {2000, true}, {2023, false}, {2024, true}, {2100, false}, {2400, true}};
  for (const auto& c : cases) EXPECT_EQ(IsLeapYear(c.Year), c.Leap) << c.Year;
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
}

TEST(CalendarDate, WeekdaysCountFromSunday) {
  EXPECT_EQ(WeekdayOf({2025, 5, 4}), 1);   // a Sunday
  EXPECT_EQ(WeekdayOf({2025, 1, 20}), 2);  // a Monday
  EXPECT_EQ(WeekdayOf({2025, 11, 27}), 5); // a Thursday
  EXPECT_EQ(WeekdayOf({2000, 1, 1}), 7);   // a Saturday
}

TEST(CalendarDate, DaysAcrossMonthsAndYears) {
  EXPECT_EQ(AddDays({2024, 2, 28}, 1), (TDate{2024, 2, 29}));
  EXPECT_EQ(AddDays({2023, 2, 28}, 1), (TDate{2023, 3, 1}));
  EXPECT_EQ(AddDays({2010, 4, 4}, 39), (TDate{2010, 5, 13}));
  EXPECT_EQ(AddDays({2025, 1, 1}, -1), (TDate{2024, 12, 31}));
  EXPECT_EQ(DateOfDayNumber(DayNumber({1900, 3, 1})), (TDate{1900, 3, 1}));
}

TEST(CalendarDate, NthAndLastWeekday) {
  struct TCase {
    int Year, Month, Weekday, N;
    bool Last;
    std::optional<TDate> Day;
  } cases[] = {
      {2025, 1, 2, 3, false, TDate{2025, 1, 20}},   // third Monday
      {2025, 11, 5, 4, false, TDate{2025, 11, 27}}, // fourth Thursday
      {2024, 11, 5, 4, false, TDate{2024, 11, 28}},
      {2025, 5, 1, 0, true, TDate{2025, 5, 25}},    // last Sunday
      {2024, 2, 5, 0, true, TDate{2024, 2, 29}},    // last Thursday of a leap February
      {2024, 2, 5, 5, false, TDate{2024, 2, 29}},   // ... which is its fifth
      {2023, 2, 5, 5, false, std::nullopt},         // no fifth Thursday in 2023
      {2023, 2, 3, 0, true, TDate{2023, 2, 28}},    // last Tuesday of a common February
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(NthWeekdayOfMonth(c.Year, c.Month, c.Weekday, c.N, c.Last), c.Day)
        << c.Year << "-" << c.Month << " weekday " << c.Weekday << " n " << c.N;
  }
}

TEST(CalendarDate, JulianCalendar) {
  // Christmas of the Julian calendar: 7 January until 2100, then 8 January.
  EXPECT_EQ(GregorianOfJulian(2024, 12, 25), (TDate{2025, 1, 7}));
  EXPECT_EQ(GregorianOfJulian(2100, 12, 25), (TDate{2101, 1, 8}));
  // The lag grows on the Julian 29 February 2100 (Gregorian 14 March).
  EXPECT_EQ(GregorianOfJulian(2100, 2, 28), (TDate{2100, 3, 13}));
  EXPECT_EQ(GregorianOfJulian(2100, 2, 29), (TDate{2100, 3, 14}));
  EXPECT_EQ(GregorianOfJulian(2100, 3, 1), (TDate{2100, 3, 15}));
  EXPECT_EQ(GregorianOfJulian(1918, 1, 31), (TDate{1918, 2, 13}));
  for (const TDate d : {TDate{2025, 1, 7}, TDate{2100, 3, 14}, TDate{1918, 2, 14}, TDate{2200, 12, 31}}) {
    const TDate j = JulianOfGregorian(d);
    EXPECT_EQ(GregorianOfJulian(j.Year, j.Month, j.Day), d) << ToString(d);
  }
  EXPECT_EQ(JulianOfGregorian({1918, 2, 14}), (TDate{1918, 2, 1}));
}

}  // namespace
}  // namespace zembra
