// The holiday table's layout: every record of the program reads, and lines
// that break the layout are refused.
#include <gtest/gtest.h>

#include <set>

#include "calendar/holiday_record.h"

namespace zembra {
namespace {

TEST(HolidayTable, EveryLineReadsWithTenTexts) {
  ASSERT_EQ(HolidayTable().size(), HolidayLines().size());
  EXPECT_EQ(HolidayTable().size(), 82u);
  for (const THolidayRecord& r : HolidayTable()) {
    EXPECT_EQ(r.Picture.size(), 9u) << r.DateField;
    EXPECT_EQ(r.Picture.rfind("R_", 0), 0u) << r.DateField;
    for (const std::string& t : r.Texts) {
      EXPECT_FALSE(t.empty()) << r.DateField;
      // Only the English texts write an apostrophe as a backquote.
      if (&t != &r.Texts[0]) {
        EXPECT_EQ(t.find('`'), std::string::npos) << t;
      }
      EXPECT_EQ(t.find('\''), std::string::npos) << t;
    }
  }
}

TEST(HolidayTable, EasterComesBeforeTheFeastsCountedFromIt) {
  std::set<TEasterKind> seen;
  for (const THolidayRecord& r : HolidayTable()) {
    if (r.Form != TDateForm::Easter) continue;
    if (r.Offset == 0) {
      seen.insert(r.Easter);
    } else {
      EXPECT_TRUE(seen.count(r.Easter)) << r.DateField;
    }
  }
  EXPECT_EQ(seen.size(), 2u);
}

TEST(HolidayRecord, ReadsTheFieldsAndTheTextsInTheProgramsOrder) {
  const auto r = ParseHolidayRecord("09.05.1945#RUS#R_RUSORDN#ru#en#de#fr#es#zh#it#cs#ja#ko#comment");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Form, TDateForm::Anniversary);
  EXPECT_EQ(r->Day, 9);
  EXPECT_EQ(r->Month, 5);
  EXPECT_EQ(r->Year, 1945);
  EXPECT_EQ(r->Country, "RUS");
  EXPECT_EQ(r->Picture, "R_RUSORDN");
  const std::array<std::string, kLanguages> texts = {"en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};
  EXPECT_EQ(r->Texts, texts);
}

TEST(HolidayRecord, DateForms) {
  struct TCase {
    const char* Field;
    TDateForm Form;
    int A, B, C;  // day/week/kind, month/weekday, year/remainder/offset
  } cases[] = {
      {"01.01.0000", TDateForm::Yearly, 1, 1, 0},
      {"28.07.0988", TDateForm::Anniversary, 28, 7, 988},
      {"20.01.4n+1", TDateForm::EveryFourthYear, 20, 1, 1},
      {"****3.2.01", TDateForm::Weekday, 3, 2, 1},
      {"****l.1.05", TDateForm::Weekday, 0, 1, 5},
      {"ORTHEAS+39", TDateForm::Easter, 1, 0, 39},
      {"ORTHEAS-07", TDateForm::Easter, 1, 0, -7},
      {"WESTEAS000", TDateForm::Easter, 0, 0, 0},
  };
  for (const TCase& c : cases) {
    const auto r = ParseHolidayRecord(std::string(c.Field) + "#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#");
    ASSERT_TRUE(r) << c.Field;
    EXPECT_EQ(r->Form, c.Form) << c.Field;
    switch (c.Form) {
      case TDateForm::Yearly:
      case TDateForm::Anniversary:
        EXPECT_EQ(r->Day, c.A);
        EXPECT_EQ(r->Month, c.B);
        EXPECT_EQ(r->Year, c.C);
        break;
      case TDateForm::EveryFourthYear:
        EXPECT_EQ(r->Day, c.A);
        EXPECT_EQ(r->Month, c.B);
        EXPECT_EQ(r->Remainder, c.C);
        break;
      case TDateForm::Weekday:
        EXPECT_EQ(r->Week, c.A);
        EXPECT_EQ(r->Weekday, c.B);
        EXPECT_EQ(r->Month, c.C);
        break;
      case TDateForm::Easter:
        EXPECT_EQ(r->Easter, c.A ? TEasterKind::Orthodox : TEasterKind::Western);
        EXPECT_EQ(r->Offset, c.C);
        break;
    }
  }
}

TEST(HolidayRecord, RefusesBrokenLines) {
  const char* broken[] = {
      "",
      "01.01.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#",       // nine texts
      "01.01.0000#ALL#R_NEWYEAR#a#b#c#d##f#g#h#i#j#",      // an empty text
      "01.01.0000ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#",      // a separator missing
      "32.01.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#",     // no such day
      "01.13.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#",     // no such month
      "01.01.19x5#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#",     // a year of letters
      "****6.2.01#USA#R_USAFLAG#a#b#c#d#e#f#g#h#i#j#",     // a sixth week
      "****3.8.01#USA#R_USAFLAG#a#b#c#d#e#f#g#h#i#j#",     // an eighth weekday
      "****3.2.13#USA#R_USAFLAG#a#b#c#d#e#f#g#h#i#j#",     // a thirteenth month
      "EASTERX000#PRA#R_EASTER0#a#b#c#d#e#f#g#h#i#j#",     // an unknown key
      "ORTHEAS*07#PRA#R_EASTER0#a#b#c#d#e#f#g#h#i#j#",     // an offset without sign
      "20.01.4n+7#USA#R_USAFLAG#a#b#c#d#e#f#g#h#i#j#",     // a remainder of four
  };
  for (const char* line : broken) EXPECT_FALSE(ParseHolidayRecord(line)) << line;
}

}  // namespace
}  // namespace zembra
