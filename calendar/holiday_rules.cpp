#include "calendar/holiday_rules.h"

#include "calendar/calendar_texts.h"
#include "calendar/easter.h"

namespace zembra {
namespace {

// The Russian text that marks the day of the programmer.
constexpr std::string_view kProgrammersDay = "День программиста";

// A fixed Orthodox feast is written as its Gregorian day of 1900-2099; it
// is kept on the same day of the Julian calendar, which drifts a day later
// in each century that is not a leap century (from March 2100, 2200, ...).
std::optional<TDate> OrthodoxFixedDate(int month, int day, int year) {
  const TDate reference = JulianOfGregorian({2001, month, day});  // 2000 for dates in early January
  const int julianYear = year + (reference.Year - 2001);
  const TDate date = GregorianOfJulian(julianYear, reference.Month, reference.Day);
  if (date.Year != year) return std::nullopt;
  return date;
}

}  // namespace

std::optional<TDate> RecordDate(const THolidayRecord& r, int year) {
  switch (r.Form) {
    case TDateForm::Yearly:
    case TDateForm::Anniversary:
      if (r.Texts[1].rfind(kProgrammersDay, 0) == 0) return AddDays({year, 1, 1}, 255);
      if (r.Country == "PRA") return OrthodoxFixedDate(r.Month, r.Day, year);
      if (r.Day > DaysInMonth(year, r.Month)) return std::nullopt;  // 29 February
      return TDate{year, r.Month, r.Day};
    case TDateForm::EveryFourthYear:
      if (((year % 4) + 4) % 4 != r.Remainder) return std::nullopt;
      return TDate{year, r.Month, r.Day};
    case TDateForm::Weekday:
      return NthWeekdayOfMonth(year, r.Month, r.Weekday, r.Week, r.Week == 0);
    case TDateForm::Easter: {
      const TDate easter = r.Easter == TEasterKind::Orthodox ? OrthodoxEaster(year) : WesternEaster(year);
      return AddDays(easter, r.Offset);
    }
  }
  return std::nullopt;
}

std::vector<const THolidayRecord*> HolidaysOn(const TDate& date, const std::vector<THolidayRecord>& table) {
  std::vector<const THolidayRecord*> found;
  for (const THolidayRecord& r : table)
    if (RecordDate(r, date.Year) == date) found.push_back(&r);
  return found;
}

std::string HolidayText(const THolidayRecord& r, int language, int year) {
  const int lang = language >= 0 && language < kLanguages ? language : 0;
  std::string text = r.Texts[lang];
  std::string extra;
  // A clock set before the event's first year shows no anniversary.
  if (r.Form == TDateForm::Anniversary && year - r.Year >= 1) extra = AnniversaryText(year - r.Year, lang);
  if (const auto kind = HolidayKindName(r.Country, lang)) extra += (extra.empty() ? "" : ", ") + *kind;
  if (!extra.empty()) text += " (" + extra + ")";
  return text;
}

}  // namespace zembra
