// The two Easters the holiday table counts feasts from: the Western one of
// the Gregorian calendar and the Orthodox one, reckoned in the Julian
// calendar and given here as its Gregorian day.
#pragma once

#include "calendar/calendar_date.h"

namespace zembra {

TDate WesternEaster(int year);
TDate OrthodoxEaster(int year);

}  // namespace zembra
