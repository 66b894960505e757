// The animal of the year follows the Chinese calendar: a year begins on the
// day, in China's time, of the second new moon after the winter solstice
// (the third when a leap month falls right after the solstice, as in the
// winter of 2033), somewhere between 21 January and 20 February. The moon's
// phases and the sun's longitude come from the standard series of
// astronomical almanacs, ample to tell the day.
#pragma once

#include "calendar/calendar_date.h"

namespace zembra {

// The Gregorian day on which the Chinese year that begins in the given
// Gregorian year begins.
TDate ChineseNewYear(int year);

// The animal of the year on a day: 0 Rat, 1 Ox, 2 Tiger, 3 Rabbit, 4 Dragon,
// 5 Snake, 6 Horse, 7 Goat, 8 Monkey, 9 Rooster, 10 Dog, 11 Pig.
int AnimalOfYear(const TDate& date);

// The animal of the Chinese year that begins in a Gregorian year (2024:
// Dragon).
int AnimalOfChineseYear(int year);

}  // namespace zembra
