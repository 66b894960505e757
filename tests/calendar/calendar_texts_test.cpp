// The calendar's own texts and the signs of the zodiac.
#include <gtest/gtest.h>

#include "calendar/calendar_texts.h"
#include "resources/words.h"

namespace zembra {
namespace {

TEST(CalendarTexts, EveryEntryIsWrittenInEveryLanguage) {
  for (int i = 0; i < kCalendarTexts; ++i) EXPECT_FALSE(CalendarText(i).empty()) << i;
  EXPECT_TRUE(CalendarText(-1).empty());
  EXPECT_TRUE(CalendarText(kCalendarTexts).empty());
  // The layout: entry 12 x language + month - 1, signs from 120, animals
  // from 240, kinds from 360, suffixes from 440.
  EXPECT_EQ(CalendarText(12 * 1 + 4), "мая");
  EXPECT_EQ(CalendarText(120), "Aries");
  EXPECT_EQ(CalendarText(240 + 11), "Year Of The Pig");
  EXPECT_EQ(CalendarText(360 + 1), "Russian Festival");
  EXPECT_EQ(CalendarText(441), "-я годовщина");
}

TEST(CalendarTexts, KindsOfHoliday) {
  const char* english[] = {"Holiday UK", "Russian Festival", "German holiday", "French holiday", "Spanish holiday",
                           "Holiday United States", "The Orthodox holiday", "Catholic feast"};
  const char* codes[] = {"ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(HolidayKindName(codes[i], 0), english[i]);
  for (const char* other : {"ALL", "RU-", "XYZ", ""}) EXPECT_EQ(HolidayKindName(other, 0), std::nullopt);
  for (int l = 0; l < kLanguages; ++l) EXPECT_NE(HolidayKindName("PRA", l), HolidayKindName("KAT", l)) << l;
}

TEST(CalendarTexts, MonthNamesForDates) {
  EXPECT_EQ(MonthName(1, 0), "January");
  EXPECT_EQ(MonthName(9, 1), "сентября");
  EXPECT_EQ(MonthName(3, 7), "března");
  EXPECT_EQ(MonthName(12, 9), "12월");
  EXPECT_TRUE(MonthName(13, 0).empty());
}

TEST(Zodiac, EveryBoundary) {
  // The first and the last day of each sign.
  struct TCase {
    int Sign;
    int FirstMonth, FirstDay, LastMonth, LastDay;
    const char* English;
  } cases[] = {
      {1, 3, 21, 4, 20, "Aries"},         {2, 4, 21, 5, 20, "Taurus"},      {3, 5, 21, 6, 21, "Gemini"},
      {4, 6, 22, 7, 22, "Cancer"},        {5, 7, 23, 8, 23, "Leo"},         {6, 8, 24, 9, 23, "Virgo"},
      {7, 9, 24, 10, 23, "Libra"},        {8, 10, 24, 11, 22, "Scorpio"},   {9, 11, 23, 12, 21, "Sagittarius"},
      {10, 12, 22, 1, 20, "Capricorn"},   {11, 1, 21, 2, 20, "Aquarius"},   {12, 2, 21, 3, 20, "Pisces"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ZodiacSign(c.FirstMonth, c.FirstDay), c.Sign) << c.English;
    EXPECT_EQ(ZodiacSign(c.LastMonth, c.LastDay), c.Sign) << c.English;
    EXPECT_EQ(ZodiacName(c.Sign, 0), c.English);
    // The day before the first belongs to the sign before.
    const TDate before = AddDays({2023, c.FirstMonth, c.FirstDay}, -1);
    EXPECT_EQ(ZodiacSign(before.Month, before.Day), (c.Sign + 10) % 12 + 1) << c.English;
  }
  EXPECT_EQ(ZodiacSign(2, 29), 12);
  EXPECT_EQ(ZodiacSign(12, 31), 10);
  EXPECT_EQ(ZodiacSign(1, 1), 10);
  // Every day of a leap year has one sign, and each sign about a month.
  int days[13] = {};
  for (TDate d{2024, 1, 1}; d.Year == 2024; d = AddDays(d, 1)) ++days[ZodiacSign(d.Month, d.Day)];
  EXPECT_EQ(days[0], 0);
  for (int s = 1; s <= 12; ++s) {
    EXPECT_GE(days[s], 29) << s;
    EXPECT_LE(days[s], 32) << s;
  }
}

}  // namespace
}  // namespace zembra
