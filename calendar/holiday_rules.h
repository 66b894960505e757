// Which holidays fall on a day and how each is worded: the movable dates
// resolved for the day's year, the day of the programmer (the 256th day of
// the year), the Orthodox feasts that follow the Julian calendar, and the
// text with its anniversary and its kind of holiday.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/calendar_date.h"
#include "calendar/holiday_record.h"

namespace zembra {

// The record's day in a year; nothing when it has none that year (an
// inauguration in a year without one, a fifth weekday the month lacks).
std::optional<TDate> RecordDate(const THolidayRecord& record, int year);

// The records that fall on a day, in table order.
std::vector<const THolidayRecord*> HolidaysOn(const TDate& date, const std::vector<THolidayRecord>& table);

// The record's text in a language for a year: the text, then in
// parentheses the anniversary and the kind of holiday when they exist,
// "text (80-th anniversary, Russian Festival)".
std::string HolidayText(const THolidayRecord& record, int language, int year);

}  // namespace zembra
