// Dates of the holiday calendar: a Gregorian day, leap years, weekdays in
// the numbering the holiday table uses (1 = Sunday), day arithmetic, and
// days of the Julian calendar the Orthodox church keeps.
#pragma once

#include <compare>
#include <optional>
#include <string>

namespace zembra {

struct TDate {
  int Year = 2000;
  int Month = 1;  // 1..12
  int Day = 1;    // 1..31
  auto operator<=>(const TDate&) const = default;
};

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const TDate& date);

// Days since 1 January 1970 (negative before), and back.
long DayNumber(const TDate& date);
TDate DateOfDayNumber(long days);
TDate AddDays(const TDate& date, int days);

// 1 = Sunday, 2 = Monday ... 7 = Saturday.
int WeekdayOf(const TDate& date);

// The Gregorian day of a day of the Julian calendar (year, month, day there).
TDate GregorianOfJulian(int year, int month, int day);
// The Julian calendar's year, month and day of a Gregorian day.
TDate JulianOfGregorian(const TDate& date);

// The n-th (1..5) weekday of a month, or with last set its last such
// weekday; nothing when the month has no n-th one.
std::optional<TDate> NthWeekdayOfMonth(int year, int month, int weekday, int n, bool last);

// "dd.mm.yyyy", for messages and test names.
std::string ToString(const TDate& date);

}  // namespace zembra
