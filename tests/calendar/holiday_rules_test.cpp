// Which holidays fall on a day and how they read, as tables of days with
// the texts the calendar shows.
#include <gtest/gtest.h>

#include "calendar/holiday_rules.h"

namespace zembra {
namespace {

// The English texts of a day, in table order.
std::vector<std::string> EnglishOn(const TDate& d) {
  std::vector<std::string> texts;
  for (const THolidayRecord* r : HolidaysOn(d, HolidayTable())) texts.push_back(HolidayText(*r, 0, d.Year));
  return texts;
}

struct TDayCase {
  TDate Day;
  std::vector<std::string> Texts;
};

void PrintTo(const TDayCase& c, std::ostream* os) { *os << ToString(c.Day); }

class HolidaysOnDay : public testing::TestWithParam<TDayCase> {};

TEST_P(HolidaysOnDay, EnglishTexts) { EXPECT_EQ(EnglishOn(GetParam().Day), GetParam().Texts); }

INSTANTIATE_TEST_SUITE_P(
    Days, HolidaysOnDay,
    testing::Values(
        // 2010: both Easters on 4 April; the Orthodox Ascension on the
        // fortieth day (a Thursday), Trinity on the fiftieth (a Sunday).
        TDayCase{{2010, 4, 4}, {"Easter (The Orthodox holiday)", "Easter (Catholic feast)"}},
        TDayCase{{2010, 3, 28}, {"The entry into Jerusalem (The Orthodox holiday)"}},
        TDayCase{{2010, 5, 13}, {"Ascension Of Our Lord (The Orthodox holiday)"}},
        TDayCase{{2010, 5, 23}, {"Trinity Sunday (The Orthodox holiday)"}},
        TDayCase{{2010, 5, 14}, {}},
        TDayCase{{2010, 5, 24}, {"The day of Slavonic Literature and culture (Russian Festival)"}},
        // The programmer's day is the 256th day of the year.
        TDayCase{{2024, 9, 12}, {"Programmer`s day"}},
        TDayCase{{2024, 9, 13}, {}},
        TDayCase{{2023, 9, 13}, {"Programmer`s day"}},
        TDayCase{{2023, 9, 12}, {}},
        TDayCase{{2025, 5, 9}, {"Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"}},
        TDayCase{{2026, 5, 9}, {"Victory day in Great Patriotic war (81-st anniversary, Russian Festival)"}},
        // The third Monday of January 2025 is the inauguration's day too.
        TDayCase{{2025, 1, 20},
                 {"Inauguration day (Holiday United States)", "Martin Luther King Jr. day (Holiday United States)"}},
        TDayCase{{2026, 1, 20}, {}},
        TDayCase{{2026, 1, 19}, {"Martin Luther King Jr. day (Holiday United States)", "Epiphany (The Orthodox holiday)"}},
        TDayCase{{2029, 1, 20}, {"Inauguration day (Holiday United States)"}},
        TDayCase{{2025, 3, 3}, {}},
        TDayCase{{2025, 11, 27}, {"Thanksgiving (Holiday United States)"}},
        TDayCase{{2025, 5, 25}, {"Chemist`s day (Russian Festival)"}},
        TDayCase{{2025, 5, 29}, {"Ascension Of Our Lord (The Orthodox holiday)"}},
        TDayCase{{2025, 6, 22}, {"Day of remembrance and mourning"}},
        TDayCase{{2025, 1, 7}, {"Christmas (The Orthodox holiday)"}},
        TDayCase{{2025, 12, 25}, {"Christmas (Catholic feast)"}},
        TDayCase{{2025, 7, 28}, {"The day of the baptism of RUS` (1037-th anniversary, Russian Festival)"}},
        TDayCase{{2025, 9, 8},
                 {"Borodino day (213-th anniversary, Russian Festival)", "Nativity of the Mother of God (Catholic feast)"}},
        TDayCase{{2025, 9, 21},
                 {"The day of the victory of Russian regiments in the battle of Kulikovo (645-th anniversary, "
                  "Russian Festival)",
                  "Nativity Of The Virgin (The Orthodox holiday)"}},
        // The fixed Orthodox feasts keep their Julian day: a day later from 2101.
        TDayCase{{2101, 1, 7}, {}},
        TDayCase{{2101, 1, 8}, {"Christmas (The Orthodox holiday)"}},
        TDayCase{{2100, 1, 7}, {"Christmas (The Orthodox holiday)"}},
        TDayCase{{2100, 4, 8}, {"Annunciation to the Most Holy Theotokos (The Orthodox holiday)"}},
        TDayCase{{2100, 5, 2}, {"Day Of Madrid (Spanish holiday)", "Easter (The Orthodox holiday)"}}));

TEST(HolidayRules, AnniversaryAndKindInEveryLanguage) {
  const THolidayRecord* victory = nullptr;
  for (const THolidayRecord& r : HolidayTable())
    if (r.DateField == "09.05.1945") victory = &r;
  ASSERT_NE(victory, nullptr);
  EXPECT_EQ(HolidayText(*victory, 1, 2025),
            "День Победы в Великой Отечественной войне (80-я годовщина, российский праздник)");
  EXPECT_EQ(HolidayText(*victory, 2, 2025),
            "Tag des Sieges im Großen Vaterländischen Krieg (80. Jahrestag, russischer Feiertag)");
  EXPECT_EQ(HolidayText(*victory, 5, 2025), "伟大卫国战争胜利日 (80周年, 俄罗斯节日)");
  // A language outside the table reads English.
  EXPECT_EQ(HolidayText(*victory, 12, 2025), HolidayText(*victory, 0, 2025));
  // A clock set to the event's own year or before it: no anniversary.
  for (int year : {1945, 1943})
    EXPECT_EQ(HolidayText(*victory, 0, year), victory->Texts[0] + " (Russian Festival)") << year;
}

TEST(HolidayRules, EnglishOrdinals) {
  const THolidayRecord victory = *ParseHolidayRecord("09.05.1945#RUS#R_RUSORDN#a#b#c#d#e#f#g#h#i#j#");
  struct {
    int Year;
    const char* Text;
  } cases[] = {{1946, "b (1-st anniversary, Russian Festival)"},   {1956, "b (11-th anniversary, Russian Festival)"},
               {1957, "b (12-th anniversary, Russian Festival)"},  {1967, "b (22-nd anniversary, Russian Festival)"},
               {2048, "b (103-rd anniversary, Russian Festival)"}, {2058, "b (113-th anniversary, Russian Festival)"}};
  for (const auto& c : cases) EXPECT_EQ(HolidayText(victory, 0, c.Year), c.Text);
}

TEST(HolidayRules, LastWeekOfFebruaryInLeapAndCommonYears) {
  // The last Thursday of February: the 29th in 2024, the 23rd in 2023.
  const std::vector<THolidayRecord> table = {*ParseHolidayRecord("****l.5.02#XYZ#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#")};
  struct {
    TDate Day;
    bool Shown;
  } cases[] = {{{2024, 2, 29}, true}, {{2024, 2, 22}, false}, {{2023, 2, 23}, true},
               {{2023, 2, 16}, false}, {{2025, 2, 27}, true}, {{2028, 2, 24}, true}};
  for (const auto& c : cases) EXPECT_EQ(HolidaysOn(c.Day, table).size(), c.Shown ? 1u : 0u) << ToString(c.Day);
  // The last Tuesday of a common February is its 28th, of a leap one the 27th.
  const std::vector<THolidayRecord> tuesday = {*ParseHolidayRecord("****l.3.02#XYZ#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#")};
  EXPECT_EQ(HolidaysOn({2023, 2, 28}, tuesday).size(), 1u);
  EXPECT_EQ(HolidaysOn({2024, 2, 27}, tuesday).size(), 1u);
  EXPECT_EQ(HolidaysOn({2024, 2, 20}, tuesday).size(), 0u);
}

TEST(HolidayRules, TwentyNinthOfFebruaryOnlyInLeapYears) {
  const std::vector<THolidayRecord> table = {*ParseHolidayRecord("29.02.0000#XYZ#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#")};
  EXPECT_EQ(HolidaysOn({2024, 2, 29}, table).size(), 1u);
  EXPECT_EQ(RecordDate(table[0], 2023), std::nullopt);
}

}  // namespace
}  // namespace zembra
