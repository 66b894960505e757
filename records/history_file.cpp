#include "records/history_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "records/club_file.h"
#include "records/cp1251.h"
#include "records/file_store.h"

namespace zembra {
namespace {

struct TKindText {
  THisKind Kind;
  char Letter;
  const char* Cell;
  THistoryColour Colour;
};
constexpr TKindText kKinds[] = {
    {THisKind::Local, 'L', "Local", THistoryColour::WindowText},
    {THisKind::Account, 'A', "Account", THistoryColour::Red},
    {THisKind::Tournament, 'T', "Tourney", THistoryColour::Blue},
    {THisKind::Net, 'N', "Net", THistoryColour::Green},
};

std::string RightAligned(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string_view Field(std::string_view line, size_t from, size_t length) {
  if (from - 1 >= line.size()) return {};
  return line.substr(from - 1, length);
}

// A line's share of the checksum line: the sums of its first 99 characters.
TThreeSums LineSums(std::string_view line) { return ThreeSums(line.substr(0, kHistorySummedLength)); }

std::string FilePath(const std::string& folder, int number) {
  return (std::filesystem::path(folder) / HistoryFileName(number)).string();
}

}  // namespace

std::string HistoryFileName(int number) {
  const std::string_view club = kClubFileName;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", std::clamp(number, 0, kHistoryLastFile));
  return std::string(club.substr(0, club.rfind('.'))) + "_I" + digits + ".hst";
}

std::string HistoryResultText(int32_t result) {
  return std::to_string(std::clamp<int64_t>(result, -999999999, 999999999));
}

std::string HistoryRatingText(double rating) {
  // Through millionths, so that 1.005 (stored as 1,005000) rounds up as
  // its digits say; halves away from zero.
  const int64_t micro = std::llround(std::clamp(rating, -999999.99, 999999.99) * 1e6);
  const int64_t hundredths = (std::llabs(micro) + 5000) / 10000;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%lld,%02lld", micro < 0 && hundredths != 0 ? "-" : "",
                static_cast<long long>(hundredths / 100), static_cast<long long>(hundredths % 100));
  return buf;
}

std::string HistoryLineChecksum(std::string_view line) {
  const TThreeSums s = LineSums(line);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%05lld%05lld%05lld", static_cast<long long>(s.All), static_cast<long long>(s.Even),
                static_cast<long long>(s.Third));
  return buf;
}

std::string HistoryDate(int year, int month, int day) {
  char date[16];
  std::snprintf(date, sizeof date, "%02d.%02d.%04d", std::clamp(day, 1, 31), std::clamp(month, 1, 12),
                std::clamp(year, 0, 9999));
  return date;
}

THistoryStamp HistoryStampAt(int year, int month, int day, int hour, int minute) {
  return THistoryStamp{hour, minute, HistoryDate(year, month, day)};
}

std::string HistoryEntryLine(const HisStr& entry, const THistoryStamp& stamp) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d", std::clamp(stamp.Hour, 0, 99), std::clamp(stamp.Minute, 0, 99));
  std::string date = Utf8ToCp1251(stamp.ShortDate);
  date = RightAligned(date.substr(0, 10), 10);
  std::string name = Utf8ToCp1251(entry.HName);
  std::replace(name.begin(), name.end(), '\r', ' ');
  std::replace(name.begin(), name.end(), '\n', ' ');
  name.resize(kHistoryNameLength, ' ');
  std::string kind = "L#########";
  for (const TKindText& k : kKinds)
    if (k.Kind == entry.Ac) kind[0] = k.Letter;

  std::string line = std::string(time) + date + name + RightAligned(std::to_string(std::clamp(entry.HKon, 0, 999)), 3) +
                     RightAligned(HistoryResultText(entry.HRes), 10) + RightAligned(HistoryRatingText(entry.HRei), 10) +
                     kind;
  return line + HistoryLineChecksum(line);
}

std::string HistoryEndLine() {
  std::string line = "$";
  line += kClubMarker;
  line.resize(kHistorySummedLength, '#');
  return line + HistoryLineChecksum(line);
}

std::string SealHistoryFile(const std::vector<std::string>& entryLines) {
  // The checksum line is summed from the lines' contents, as the check
  // does, so that an entry kept from an older file with a changed line
  // checksum cannot spoil the file it is copied into.
  std::vector<std::string> lines = entryLines;
  lines.push_back(HistoryEndLine());
  TThreeSums total;
  std::string out;
  for (const std::string& line : lines) {
    const TThreeSums s = LineSums(line);
    total.All += s.All;
    total.Even += s.Even;
    total.Third += s.Third;
    out += line + "\r\n";
  }
  char sums[64];
  std::snprintf(sums, sizeof sums, "%010lld%010lld%010lld", static_cast<long long>(total.All),
                static_cast<long long>(total.Even), static_cast<long long>(total.Third));
  return out + sums + "\r\n";
}

THistoryCheck CheckHistoryBytes(std::string_view bytes) {
  THistoryCheck r;
  const auto lines = SplitFileLines(bytes);
  TThreeSums total;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.size() < kHistoryLineLength) return THistoryCheck{};
    const TThreeSums s = LineSums(line);
    total.All += s.All;
    total.Even += s.Even;
    total.Third += s.Third;
    if (line.front() != '$') {
      r.EntryLines.emplace_back(line);
      continue;
    }
    if (i + 1 >= lines.size()) return THistoryCheck{};
    const std::string_view sums = lines[i + 1];
    if (sums.size() < kHistoryChecksumLineLength) return THistoryCheck{};
    const int64_t want[] = {total.All, total.Even, total.Third};
    for (int k = 0; k < 3; ++k) {
      const std::string_view digits = Field(sums, 1 + 10 * k, 10);
      if (digits.find_first_not_of("0123456789") != std::string_view::npos) return THistoryCheck{};
      if (std::stoll(std::string(digits)) != want[k]) return THistoryCheck{};
    }
    r.Valid = true;
    r.Entries = static_cast<int>(r.EntryLines.size());
    return r;
  }
  return THistoryCheck{};
}

THistoryCheck CheckHistoryFile(const std::string& folder, int number) {
  const std::string path = FilePath(folder, number);
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return THistoryCheck{};
  THistoryCheck r = CheckHistoryBytes(*bytes);
  struct stat st {};
  if (r.Valid && ::stat(path.c_str(), &st) == 0) r.Modified = static_cast<int64_t>(st.st_mtime);
  return r;
}

THistoryAdd AddHistory(const std::string& folder, const std::vector<HisStr>& entries, const THistoryStamp& stamp) {
  THistoryAdd r;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::filesystem::create_directory(folder, ec);
    if (ec) return r;
  }
  size_t next = 0;
  for (int number = 1; number <= kHistoryLastFile && next < entries.size(); ++number) {
    THistoryCheck file = CheckHistoryFile(folder, number);
    if (file.Valid && file.Entries >= kHistoryEntriesPerFile) continue;
    std::vector<std::string> lines = file.Valid ? std::move(file.EntryLines) : std::vector<std::string>{};
    while (next < entries.size() && lines.size() < static_cast<size_t>(kHistoryEntriesPerFile))
      lines.push_back(HistoryEntryLine(entries[next++], stamp));
    if (!WriteFileAtomically(FilePath(folder, number), SealHistoryFile(lines))) return r;
    r.LastFile = number;
  }
  if (next < entries.size()) return r;  // all 9999 files are full
  r.Outcome = THistorySave::Saved;
  return r;
}

// ---- The history window ----

int HistoryListWidth(int entries) { return entries <= 16 ? 180 : 193; }

std::vector<THistoryFileInfo> ListHistoryFiles(const std::string& folder) {
  std::vector<THistoryFileInfo> files;
  for (int number = 1; number <= kHistoryLastFile; ++number) {
    const THistoryCheck file = CheckHistoryFile(folder, number);
    if (!file.Valid) break;
    files.push_back(THistoryFileInfo{number, file.Entries, file.Modified});
  }
  return files;
}

std::string HistoryListLabel(int number, std::string_view dateUtf8) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", std::clamp(number, 0, kHistoryLastFile));
  return std::string("File I") + digits + " " + std::string(dateUtf8);
}

std::vector<THistoryRow> HistoryRows(const std::vector<std::string>& entryLines) {
  static constexpr size_t kFrom[] = {1, 6, 16, 67, 70, 80};
  static constexpr size_t kLength[] = {5, 10, 51, 3, 10, 10};
  std::vector<THistoryRow> rows;
  for (const std::string& line : entryLines) {
    THistoryRow row;
    for (size_t c = 0; c < std::size(kFrom); ++c) row.Cells[c] = Cp1251ToUtf8(Field(line, kFrom[c], kLength[c]));
    const std::string_view letter = Field(line, 90, 1);
    for (const TKindText& k : kKinds) {
      if (letter.size() == 1 && letter[0] == k.Letter) {
        row.Cells[6] = k.Cell;
        row.Colour = k.Colour;
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<std::vector<THistoryRow>> ReadHistoryRows(const std::string& folder, int number) {
  const THistoryCheck file = CheckHistoryFile(folder, number);
  if (!file.Valid) return std::nullopt;
  return HistoryRows(file.EntryLines);
}

}  // namespace zembra
