// The calendar's own texts in the ten languages: month names for dates
// (genitive where the language has one), the signs of the zodiac, the
// animals of the year, the kinds of holiday by country code and the
// anniversary suffix. One table of 450 entries grouped per language in the
// program's language order:
//
//   0-119 months (12 x language + month - 1), 120-239 zodiac signs from
//   Aries, 240-359 animals from the Rat, 360-439 holiday kinds in the order
//   "ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT", 440-449 the
//   anniversary suffix.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/calendar_date.h"

namespace zembra {

inline constexpr int kCalendarTexts = 450;

// The entry; empty outside the table.
const std::string& CalendarText(int index);

// 1..12; the language is clamped to the table (English outside it).
const std::string& MonthName(int month, int language);
// Signs 1 (Aries) .. 12 (Pisces).
const std::string& ZodiacName(int sign, int language);
// Animals 0 (Rat) .. 11 (Pig).
const std::string& AnimalName(int animal, int language);
// The kind of holiday of a country code, when it is one of the eight.
std::optional<std::string> HolidayKindName(std::string_view country, int language);
// The anniversary after its number: "80-th anniversary", "80-я годовщина".
std::string AnniversaryText(int years, int language);

// The sign of the zodiac of a day, 1 (Aries, from 21 March) .. 12 (Pisces).
int ZodiacSign(int month, int day);

}  // namespace zembra
