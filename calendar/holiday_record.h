// One dated record of the holiday table in its fixed text layout:
//
//   date field (10) '#' country (3) '#' picture (9) '#' ten texts, each
//   followed by '#', Russian first, then English, German, French, Spanish,
//   Chinese, Italian, Czech, Japanese, Korean; the rest is a comment.
//
// Date fields: "dd.mm.0000" every year; "dd.mm.yyyy" every year with the
// anniversary counted from yyyy; "dd.mm.4n+r" every year that leaves r when
// divided by four; "****W.D.MM" the W-th (1..5, 'l' the last) weekday D
// (1 = Sunday) of month MM; an Easter key ("ORTHEAS" Orthodox, "WESTEAS"
// Western) followed by a signed day offset ("000", "-07", "+39").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/words.h"

namespace zembra {

enum class TDateForm { Yearly, Anniversary, EveryFourthYear, Weekday, Easter };
enum class TEasterKind { Western, Orthodox };

struct THolidayRecord {
  std::string DateField;  // as written
  std::string Country;    // "ALL", "RUS", "USA", "PRA", ... or another code
  std::string Picture;    // the calendar pack's picture
  // In the program's language order: 0 English, 1 Russian, 2 German, ...
  std::array<std::string, kLanguages> Texts;

  // The date field taken apart.
  TDateForm Form = TDateForm::Yearly;
  int Day = 0, Month = 0;    // Yearly, Anniversary, EveryFourthYear, Weekday (month)
  int Year = 0;              // Anniversary: the year counted from
  int Remainder = 0;         // EveryFourthYear
  int Week = 0;              // Weekday: 1..5, 0 = the last
  int Weekday = 0;           // Weekday: 1 = Sunday .. 7
  TEasterKind Easter = TEasterKind::Western;
  int Offset = 0;            // Easter: days from Easter Sunday
};

// Keys of the movable Easter records.
inline constexpr std::string_view kOrthodoxEasterKey = "ORTHEAS";
inline constexpr std::string_view kWesternEasterKey = "WESTEAS";

// The record of one line; nothing for a line that breaks the layout (a
// date field of no known form, a missing separator, fewer than ten texts).
std::optional<THolidayRecord> ParseHolidayRecord(std::string_view line);

// The program's table in its order, parsed once.
const std::vector<THolidayRecord>& HolidayTable();
// Its lines as written (holiday_table.cpp).
const std::vector<std::string_view>& HolidayLines();

}  // namespace zembra
