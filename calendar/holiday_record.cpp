#include "calendar/holiday_record.h"

#include <cctype>

namespace zembra {
namespace {

bool Digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

int Number(std::string_view s) {
  int n = 0;
  for (char c : s) n = n * 10 + (c - '0');
  return n;
}

bool ParseDateField(std::string_view f, THolidayRecord& r) {
  if (f.size() != 10) return false;
  if (f.substr(0, 4) == "****") {
    // "****W.D.MM"
    if (f[5] != '.' || f[7] != '.' || !Digits(f.substr(8, 2)) || !Digits(f.substr(6, 1))) return false;
    r.Form = TDateForm::Weekday;
    if (f[4] == 'l' || f[4] == 'L') r.Week = 0;
    else if (f[4] >= '1' && f[4] <= '5') r.Week = f[4] - '0';
    else return false;
    r.Weekday = f[6] - '0';
    r.Month = Number(f.substr(8, 2));
    return r.Weekday >= 1 && r.Weekday <= 7 && r.Month >= 1 && r.Month <= 12;
  }
  for (const auto& [key, kind] : {std::pair{kOrthodoxEasterKey, TEasterKind::Orthodox},
                                  std::pair{kWesternEasterKey, TEasterKind::Western}}) {
    if (f.substr(0, 7) != key) continue;
    const std::string_view offset = f.substr(7);
    r.Form = TDateForm::Easter;
    r.Easter = kind;
    if (Digits(offset)) {
      r.Offset = Number(offset);
      return true;
    }
    if ((offset[0] != '+' && offset[0] != '-') || !Digits(offset.substr(1))) return false;
    r.Offset = (offset[0] == '-' ? -1 : 1) * Number(offset.substr(1));
    return true;
  }
  // "dd.mm.yyyy" or "dd.mm.4n+r"
  if (!Digits(f.substr(0, 2)) || f[2] != '.' || !Digits(f.substr(3, 2)) || f[5] != '.') return false;
  r.Day = Number(f.substr(0, 2));
  r.Month = Number(f.substr(3, 2));
  if (r.Month < 1 || r.Month > 12 || r.Day < 1 || r.Day > (r.Month == 2 ? 29 : 31)) return false;
  const std::string_view year = f.substr(6);
  if (year.substr(0, 3) == "4n+" && year[3] >= '0' && year[3] <= '3') {
    r.Form = TDateForm::EveryFourthYear;
    r.Remainder = year[3] - '0';
    return true;
  }
  if (!Digits(year)) return false;
  r.Year = Number(year);
  r.Form = r.Year == 0 ? TDateForm::Yearly : TDateForm::Anniversary;
  return true;
}

}  // namespace

std::optional<THolidayRecord> ParseHolidayRecord(std::string_view line) {
  if (line.size() < 25 || line[10] != '#' || line[14] != '#' || line[24] != '#') return std::nullopt;
  THolidayRecord r;
  r.DateField = std::string(line.substr(0, 10));
  r.Country = std::string(line.substr(11, 3));
  r.Picture = std::string(line.substr(15, 9));
  if (!ParseDateField(line.substr(0, 10), r)) return std::nullopt;
  // Stored Russian first, English second; the program's order has English first.
  static constexpr int kLanguageOfText[kLanguages] = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9};
  std::string_view rest = line.substr(25);
  for (int i = 0; i < kLanguages; ++i) {
    const size_t end = rest.find('#');
    if (end == std::string_view::npos || end == 0) return std::nullopt;
    r.Texts[kLanguageOfText[i]] = std::string(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  return r;
}

const std::vector<THolidayRecord>& HolidayTable() {
  static const std::vector<THolidayRecord> table = [] {
    std::vector<THolidayRecord> records;
    for (std::string_view line : HolidayLines())
      if (auto r = ParseHolidayRecord(line)) records.push_back(std::move(*r));
    return records;
  }();
  return table;
}

}  // namespace zembra
