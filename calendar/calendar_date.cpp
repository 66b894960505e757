#include "calendar/calendar_date.h"

#include <chrono>
#include <cstdio>

namespace zembra {
namespace {

namespace chr = std::chrono;

chr::year_month_day Ymd(const TDate& d) {
  return chr::year_month_day{chr::year{d.Year}, chr::month{static_cast<unsigned>(d.Month)},
                             chr::day{static_cast<unsigned>(d.Day)}};
}

TDate FromYmd(const chr::year_month_day& d) {
  return {static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
          static_cast<int>(static_cast<unsigned>(d.day()))};
}

// Julian day number of 1 January 1970.
constexpr long kJdnOf1970 = 2440588;

// Julian day number of a day of the Julian calendar.
long JdnOfJulian(int year, int month, int day) {
  const long a = (14 - month) / 12;
  const long y = year + 4800L - a;
  const long m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const TDate& d) { return d.Month >= 1 && d.Month <= 12 && d.Day >= 1 && d.Day <= DaysInMonth(d.Year, d.Month); }

long DayNumber(const TDate& date) { return chr::sys_days{Ymd(date)}.time_since_epoch().count(); }

TDate DateOfDayNumber(long days) { return FromYmd(chr::year_month_day{chr::sys_days{chr::days{days}}}); }

TDate AddDays(const TDate& date, int days) { return DateOfDayNumber(DayNumber(date) + days); }

int WeekdayOf(const TDate& date) {
  return static_cast<int>(chr::weekday{chr::sys_days{Ymd(date)}}.c_encoding()) + 1;
}

TDate GregorianOfJulian(int year, int month, int day) {
  return DateOfDayNumber(JdnOfJulian(year, month, day) - kJdnOf1970);
}

TDate JulianOfGregorian(const TDate& date) {
  // From the Julian day number back to the Julian calendar.
  const long c = DayNumber(date) + kJdnOf1970 + 32082;
  const long d = (4 * c + 3) / 1461;
  const long e = c - 1461 * d / 4;
  const long m = (5 * e + 2) / 153;
  return {static_cast<int>(d - 4800 + m / 10), static_cast<int>(m + 3 - 12 * (m / 10)),
          static_cast<int>(e - (153 * m + 2) / 5 + 1)};
}

std::optional<TDate> NthWeekdayOfMonth(int year, int month, int weekday, int n, bool last) {
  if (month < 1 || month > 12 || weekday < 1 || weekday > 7) return std::nullopt;
  const TDate first{year, month, 1};
  const int toFirst = (weekday - WeekdayOf(first) + 7) % 7;
  const int days = DaysInMonth(year, month);
  if (last) {
    int day = 1 + toFirst;
    while (day + 7 <= days) day += 7;
    return TDate{year, month, day};
  }
  if (n < 1 || n > 5) return std::nullopt;
  const int day = 1 + toFirst + 7 * (n - 1);
  if (day > days) return std::nullopt;
  return TDate{year, month, day};
}

std::string ToString(const TDate& date) {
  char text[24];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.Day, date.Month, date.Year);
  return text;
}

}  // namespace zembra
