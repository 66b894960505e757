// The animal of the year turns at the Chinese new year: the published new
// year days, and the animal the day before and on the day.
#include <gtest/gtest.h>

#include "calendar/calendar_texts.h"
#include "calendar/chinese_new_year.h"

namespace zembra {
namespace {

// New year days as almanacs publish them (Hong Kong Observatory tables).
constexpr TDate kNewYears[] = {
    {1900, 1, 31}, {1920, 2, 20}, {1985, 2, 20}, {1989, 2, 6},  {1990, 1, 27}, {1996, 2, 19}, {1997, 2, 7},
    {1998, 1, 28}, {1999, 2, 16}, {2000, 2, 5},  {2001, 1, 24}, {2002, 2, 12}, {2003, 2, 1},  {2004, 1, 22},
    {2005, 2, 9},  {2006, 1, 29}, {2007, 2, 18}, {2008, 2, 7},  {2009, 1, 26}, {2010, 2, 14}, {2011, 2, 3},
    {2012, 1, 23}, {2013, 2, 10}, {2014, 1, 31}, {2015, 2, 19}, {2016, 2, 8},  {2017, 1, 28}, {2018, 2, 16},
    {2019, 2, 5},  {2020, 1, 25}, {2021, 2, 12}, {2022, 2, 1},  {2023, 1, 22}, {2024, 2, 10}, {2025, 1, 29},
    {2026, 2, 17}, {2027, 2, 6},  {2028, 1, 26}, {2029, 2, 13}, {2030, 2, 3},  {2031, 1, 23}, {2032, 2, 11},
    {2033, 1, 31},
    // The leap eleventh month of 2033 puts the next new year on the third
    // new moon after the solstice.
    {2034, 2, 19},
};

TEST(ChineseNewYear, PublishedDays) {
  for (const TDate& d : kNewYears) EXPECT_EQ(ChineseNewYear(d.Year), d) << d.Year;
}

TEST(ChineseNewYear, AlwaysBetween21JanuaryAnd20February) {
  for (int y = 1900; y <= 2200; ++y) {
    const TDate d = ChineseNewYear(y);
    EXPECT_GE(d, (TDate{y, 1, 21})) << y;
    EXPECT_LE(d, (TDate{y, 2, 20})) << y;
  }
}

TEST(AnimalOfYear, TurnsOnTheNewYearsDay) {
  struct TCase {
    TDate Day;
    int Animal;
    const char* English;
  } cases[] = {
      {{2024, 12, 31}, 4, "Year Of The Dragon"}, {{2025, 1, 1}, 4, "Year Of The Dragon"},
      {{2025, 1, 28}, 4, "Year Of The Dragon"},  {{2025, 1, 29}, 5, "Year Of The Snake"},
      {{2026, 2, 16}, 5, "Year Of The Snake"},   {{2026, 2, 17}, 6, "Year Of The Horse"},
      {{2020, 1, 24}, 11, "Year Of The Pig"},    {{2020, 1, 25}, 0, "Year Of The Rat"},
      {{2021, 2, 12}, 1, "Year Of The Ox"},      {{2022, 2, 1}, 2, "Year Of The Tiger"},
      {{2023, 1, 22}, 3, "Year Of The Rabbit"},  {{2027, 2, 6}, 7, "Year Of The Goat"},
      {{2028, 1, 26}, 8, "Year Of The Monkey"},  {{2029, 2, 13}, 9, "Year Of The Rooster"},
      {{2030, 2, 3}, 10, "Year Of The Dog"},     {{2031, 1, 23}, 11, "Year Of The Pig"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(AnimalOfYear(c.Day), c.Animal) << ToString(c.Day);
    EXPECT_EQ(AnimalName(AnimalOfYear(c.Day), 0), c.English) << ToString(c.Day);
  }
  // The whole cycle: each published new year changes the animal by one.
  for (const TDate& d : kNewYears) {
    EXPECT_EQ(AnimalOfYear(d), AnimalOfChineseYear(d.Year)) << d.Year;
    EXPECT_EQ(AnimalOfYear(AddDays(d, -1)), (AnimalOfChineseYear(d.Year) + 11) % 12) << d.Year;
  }
}

}  // namespace
}  // namespace zembra
