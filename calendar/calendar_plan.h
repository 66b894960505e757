// What the calendar shows on a day, before any picture is drawn: the date
// tile (day, month name, sign of the zodiac), the year tile (the animal of
// the year) and one tile per holiday of the day, each with its hint text.
#pragma once

#include <string>
#include <vector>

#include "calendar/calendar_date.h"
#include "calendar/holiday_record.h"

namespace zembra {

// The pack's pictures: the tile's base, the signs "R_01" .. "R_12", the
// animals from the Rat.
inline constexpr const char* kTileBasePicture = "R_BASE";
inline constexpr const char* kAnimalPictures[12] = {"R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB",
                                                    "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA",
                                                    "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};
std::string ZodiacPicture(int sign);  // "R_01" .. "R_12"

struct TCalendarTile {
  std::string Picture;  // drawn on the base: the sign, the animal or the holiday's picture
  std::string Text;     // the hint
};

struct TCalendarPlan {
  TDate Date;
  bool Sunday = false;
  std::string MonthText;  // the month's name for dates
  int Zodiac = 0;         // 1 (Aries) .. 12
  int Animal = 0;         // 0 (Rat) .. 11
  // Tile 1 the date, tile 2 the year, then every holiday of the day in
  // table order; none is dropped however many fall on one day.
  std::vector<TCalendarTile> Tiles;
};

TCalendarPlan PlanCalendar(const TDate& today, int language, const std::vector<THolidayRecord>& table);
TCalendarPlan PlanCalendar(const TDate& today, int language);  // the program's table

}  // namespace zembra
