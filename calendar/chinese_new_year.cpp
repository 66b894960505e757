#include "calendar/chinese_new_year.h"

#include <cmath>

namespace zembra {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSynodicMonth = 29.530588861;
constexpr long kJdnOf1970 = 2440588;

double Rad(double degrees) { return degrees * kPi / 180.0; }
double Normal(double degrees) { return degrees - 360.0 * std::floor(degrees / 360.0); }

// Terrestrial minus universal time in seconds (the polynomial fits to the
// observed values and their extrapolation).
double DeltaT(double year) {
  const double u = (year - 1820) / 100;
  if (year < 1900) return -20 + 32 * u * u;
  if (year < 1920) {
    const double t = year - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (year < 1941) {
    const double t = year - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (year < 1961) {
    const double t = year - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (year < 1986) {
    const double t = year - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (year < 2005) {
    const double t = year - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
           0.00002373599 * t * t * t * t * t;
  }
  if (year < 2050) {
    const double t = year - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  if (year < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - year);
  return -20 + 32 * u * u;
}

double YearOfJd(double jd) { return 2000.0 + (jd - 2451545.0) / 365.25; }

// Dynamical time of a moment given in universal time, as a Julian date.
double Dynamical(double jdUt) { return jdUt + DeltaT(YearOfJd(jdUt)) / 86400.0; }

// The new moon of lunation k (k = 0: 6 January 2000), in universal time.
double NewMoon(long k) {
  const double kk = static_cast<double>(k);
  const double t = kk / 1236.85;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  double jde = 2451550.09766 + kSynodicMonth * kk + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  const double m = Rad(Normal(2.5534 + 29.10535670 * kk - 0.0000014 * t2 - 0.00000011 * t3));
  const double mm = Rad(Normal(201.5643 + 385.81693528 * kk + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4));
  const double f = Rad(Normal(160.7108 + 390.67050284 * kk - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4));
  const double om = Rad(Normal(124.7746 - 1.56375588 * kk + 0.0020672 * t2 + 0.00000215 * t3));
  jde += -0.40720 * std::sin(mm) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mm) +
         0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mm - m) - 0.00514 * e * std::sin(mm + m) +
         0.00208 * e * e * std::sin(2 * m) - 0.00111 * std::sin(mm - 2 * f) - 0.00057 * std::sin(mm + 2 * f) +
         0.00056 * e * std::sin(2 * mm + m) - 0.00042 * std::sin(3 * mm) + 0.00042 * e * std::sin(m + 2 * f) +
         0.00038 * e * std::sin(m - 2 * f) - 0.00024 * e * std::sin(2 * mm - m) - 0.00017 * std::sin(om) -
         0.00007 * std::sin(mm + 2 * m) + 0.00004 * std::sin(2 * mm - 2 * f) + 0.00004 * std::sin(3 * m) +
         0.00003 * std::sin(mm + m - 2 * f) + 0.00003 * std::sin(2 * mm + 2 * f) -
         0.00003 * std::sin(mm + m + 2 * f) + 0.00003 * std::sin(mm - m + 2 * f) -
         0.00002 * std::sin(mm - m - 2 * f) - 0.00002 * std::sin(3 * mm + m) + 0.00002 * std::sin(4 * mm);
  // The planetary arguments.
  static constexpr double kA[14][3] = {
      {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
      {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110},  {141.74, 53.303771, 0.000062},
      {207.14, 2.453732, 0.000060},  {154.84, 7.306860, 0.000056},  {34.52, 27.261239, 0.000047},
      {207.19, 0.121824, 0.000042},  {291.34, 1.844379, 0.000040},  {161.72, 24.198154, 0.000037},
      {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023}};
  for (int i = 0; i < 14; ++i) {
    double arg = kA[i][0] + kA[i][1] * kk;
    if (i == 0) arg -= 0.009173 * t2;
    jde += kA[i][2] * std::sin(Rad(Normal(arg)));
  }
  return jde - DeltaT(YearOfJd(jde)) / 86400.0;
}

// The first new moon at or after a moment, and the last one before it.
double NewMoonAtOrAfter(double jdUt) {
  long k = static_cast<long>(std::floor((jdUt - 2451550.09766) / kSynodicMonth)) - 1;
  while (NewMoon(k) < jdUt) ++k;
  return NewMoon(k);
}

double NewMoonBefore(double jdUt) {
  long k = static_cast<long>(std::floor((jdUt - 2451550.09766) / kSynodicMonth)) + 1;
  while (NewMoon(k) >= jdUt) --k;
  return NewMoon(k);
}

// The sun's apparent longitude in degrees at a moment in universal time.
double SolarLongitude(double jdUt) {
  const double t = (Dynamical(jdUt) - 2451545.0) / 36525.0;
  const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
  const double m = Rad(357.52911 + 35999.05029 * t - 0.0001537 * t * t);
  const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                   (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
  const double om = Rad(125.04 - 1934.136 * t);
  return Normal(l0 + c - 0.00569 - 0.00478 * std::sin(om));
}

// Days are Julian day numbers of civil days in China: Beijing's mean time
// until 1928, then the zone eight hours east of Greenwich.
long Jdn(const TDate& d) { return DayNumber(d) + kJdnOf1970; }

double ChinaOffsetDays(long day) {
  static const long since1929 = Jdn({1929, 1, 1});
  return day < since1929 ? (7 + 45.0 / 60 + 40.0 / 3600) / 24 : 8.0 / 24;
}

double MidnightInChina(long day) { return day - 0.5 - ChinaOffsetDays(day); }

long ChinaDay(double jdUt) {
  const long rough = static_cast<long>(std::floor(jdUt + 0.5 + 8.0 / 24));
  return static_cast<long>(std::floor(jdUt + 0.5 + ChinaOffsetDays(rough)));
}

long NewMoonOnOrAfter(long day) { return ChinaDay(NewMoonAtOrAfter(MidnightInChina(day))); }
long NewMoonBeforeDay(long day) { return ChinaDay(NewMoonBefore(MidnightInChina(day))); }

// The major solar term (1..12, the winter solstice's is 11) in force at the
// start of a day.
int MajorTerm(long day) {
  const int n = (2 + static_cast<int>(std::floor(SolarLongitude(MidnightInChina(day)) / 30))) % 12;
  return n == 0 ? 12 : n;
}

// A month beginning on day holds no major solar term.
bool NoMajorTerm(long day) { return MajorTerm(day) == MajorTerm(NewMoonOnOrAfter(day + 1)); }

// The day in China of the winter solstice in December of a year.
long WinterSolstice(int year) {
  long day = Jdn({year, 12, 17});
  while (SolarLongitude(MidnightInChina(day + 1)) < 270) ++day;
  return day;
}

long WinterSolsticeOnOrBefore(long day) {
  const int year = DateOfDayNumber(day - kJdnOf1970).Year;
  const long solstice = WinterSolstice(year);
  return solstice <= day ? solstice : WinterSolstice(year - 1);
}

// The new year of the solar year (from one winter solstice to the next)
// that holds day.
long NewYearInSui(long day) {
  const long s1 = WinterSolsticeOnOrBefore(day);
  const long s2 = WinterSolsticeOnOrBefore(s1 + 370);
  const long m12 = NewMoonOnOrAfter(s1 + 1);
  const long m13 = NewMoonOnOrAfter(m12 + 1);
  const long nextM11 = NewMoonBeforeDay(s2 + 1);
  const bool leapYear = std::lround((nextM11 - m12) / kSynodicMonth) == 12;
  if (leapYear && (NoMajorTerm(m12) || NoMajorTerm(m13))) return NewMoonOnOrAfter(m13 + 1);
  return m13;
}

long NewYearOnOrBefore(long day) {
  const long year = NewYearInSui(day);
  return day >= year ? year : NewYearInSui(day - 180);
}

}  // namespace

TDate ChineseNewYear(int year) { return DateOfDayNumber(NewYearOnOrBefore(Jdn({year, 7, 1})) - kJdnOf1970); }

int AnimalOfChineseYear(int year) { return ((year - 4) % 12 + 12) % 12; }

int AnimalOfYear(const TDate& date) {
  return AnimalOfChineseYear(date < ChineseNewYear(date.Year) ? date.Year - 1 : date.Year);
}

}  // namespace zembra
