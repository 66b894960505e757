#include "calendar/easter.h"

namespace zembra {

TDate WesternEaster(int year) {
  // The golden number, the century, the solar and lunar corrections, the
  // epact and the Sunday after the paschal full moon.
  const int g = year % 19 + 1;
  const int c = year / 100 + 1;
  const int x = 3 * c / 4 - 12;
  const int z = (8 * c + 5) / 25 - 5;
  const int d = 5 * year / 4 - x - 10;
  int e = ((11 * g + 20 + z - x) % 30 + 30) % 30;
  if ((e == 25 && g > 11) || e == 24) ++e;
  int n = 44 - e;
  if (n < 21) n += 30;
  n = n + 7 - (d + n) % 7;
  return n > 31 ? TDate{year, 4, n - 31} : TDate{year, 3, n};
}

TDate OrthodoxEaster(int year) {
  // The Julian computus; the Julian day is then turned into the Gregorian
  // one (13 days later in 1900-2099, 14 from March 2100, 15 from March 2200).
  const int a = year % 19, b = year % 4, c = year % 7;
  const int d = (19 * a + 15) % 30;
  const int e = (2 * b + 4 * c + 6 * d + 6) % 7;
  return d + e <= 9 ? GregorianOfJulian(year, 3, 22 + d + e) : GregorianOfJulian(year, 4, d + e - 9);
}

}  // namespace zembra
