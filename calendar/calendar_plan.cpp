#include "calendar/calendar_plan.h"

#include <cstdio>

#include "calendar/calendar_texts.h"
#include "calendar/chinese_new_year.h"
#include "calendar/holiday_rules.h"

namespace zembra {

std::string ZodiacPicture(int sign) {
  char name[8];
  std::snprintf(name, sizeof name, "R_%02d", sign);
  return name;
}

TCalendarPlan PlanCalendar(const TDate& today, int language, const std::vector<THolidayRecord>& table) {
  TCalendarPlan plan;
  plan.Date = today;
  plan.Sunday = WeekdayOf(today) == 1;
  plan.MonthText = MonthName(today.Month, language);
  plan.Zodiac = ZodiacSign(today.Month, today.Day);
  plan.Animal = AnimalOfYear(today);
  plan.Tiles.push_back({ZodiacPicture(plan.Zodiac), ZodiacName(plan.Zodiac, language)});
  plan.Tiles.push_back({kAnimalPictures[plan.Animal], AnimalName(plan.Animal, language)});
  for (const THolidayRecord* r : HolidaysOn(today, table))
    plan.Tiles.push_back({r->Picture, HolidayText(*r, language, today.Year)});
  return plan;
}

TCalendarPlan PlanCalendar(const TDate& today, int language) { return PlanCalendar(today, language, HolidayTable()); }

}  // namespace zembra
