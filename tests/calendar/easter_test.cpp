// Both Easters for 1900-2200 against a second, independent reckoning (the
// Meeus-Jones-Butcher computus for the Gregorian Easter, the Julian computus
// with the century difference for the Orthodox one) and against dates
// published by the churches.
#include <gtest/gtest.h>

#include <chrono>

#include "calendar/easter.h"

namespace zembra {
namespace {

using namespace std::chrono;

TDate Of(const year_month_day& d) {
  return {static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
          static_cast<int>(static_cast<unsigned>(d.day()))};
}

// The anonymous Gregorian algorithm.
TDate GregorianEasterMeeus(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
  return {y, month, day};
}

// The Julian Easter (Meeus), moved by the days the Julian calendar lags
// behind in that year's spring.
TDate OrthodoxEasterMeeus(int y) {
  const int a = y % 4, b = y % 7, c = y % 19, d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
  const int month = (d + e + 114) / 31, day = (d + e + 114) % 31 + 1;
  const int lag = y / 100 - y / 400 - 2;
  return Of(year_month_day{sys_days{year{y} / month / day} + days{lag}});
}

TEST(Easter, WesternMatchesASecondComputusFrom1900To2200) {
  for (int y = 1900; y <= 2200; ++y) EXPECT_EQ(WesternEaster(y), GregorianEasterMeeus(y)) << y;
}

TEST(Easter, OrthodoxMatchesTheJulianComputusFrom1900To2200) {
  for (int y = 1900; y <= 2200; ++y) EXPECT_EQ(OrthodoxEaster(y), OrthodoxEasterMeeus(y)) << y;
}

TEST(Easter, PublishedDates) {
  struct TCase {
    int Year;
    TDate Western, Orthodox;
  } cases[] = {
      {2000, {2000, 4, 23}, {2000, 4, 30}}, {2008, {2008, 3, 23}, {2008, 4, 27}},
      {2010, {2010, 4, 4}, {2010, 4, 4}},   {2011, {2011, 4, 24}, {2011, 4, 24}},
      {2013, {2013, 3, 31}, {2013, 5, 5}},  {2019, {2019, 4, 21}, {2019, 4, 28}},
      {2021, {2021, 4, 4}, {2021, 5, 2}},   {2023, {2023, 4, 9}, {2023, 4, 16}},
      {2024, {2024, 3, 31}, {2024, 5, 5}},  {2025, {2025, 4, 20}, {2025, 4, 20}},
      {2026, {2026, 4, 5}, {2026, 4, 12}},  {2038, {2038, 4, 25}, {2038, 4, 25}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(WesternEaster(c.Year), c.Western) << c.Year;
    EXPECT_EQ(OrthodoxEaster(c.Year), c.Orthodox) << c.Year;
  }
  // The earliest and latest Western Easters of the range.
  EXPECT_EQ(WesternEaster(2008), (TDate{2008, 3, 23}));
  EXPECT_EQ(WesternEaster(2038), (TDate{2038, 4, 25}));
  EXPECT_EQ(WesternEaster(2285), (TDate{2285, 3, 22}));
}

TEST(Easter, OrthodoxEasterMovesWithTheJulianLag) {
  // Julian 18 April 2100 is 2 May: fourteen days from March 2100 (thirteen
  // would give a Saturday).
  EXPECT_EQ(OrthodoxEaster(2100), (TDate{2100, 5, 2}));
  for (int y = 1900; y <= 2200; ++y) {
    const TDate e = OrthodoxEaster(y);
    EXPECT_EQ(WeekdayOf(e), 1) << y;
    EXPECT_EQ(WeekdayOf(WesternEaster(y)), 1) << y;
    EXPECT_GE(e, WesternEaster(y)) << y;  // never before the Western one
  }
}

}  // namespace
}  // namespace zembra
