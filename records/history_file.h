// The game history: every finished match as one 114-character line in the
// numbered files "Zembra_I0001.hst" .. "Zembra_I9999.hst" of the "History"
// folder, each closed by an end line and a checksum line. The time and the
// date come in from the caller, so the same entry always gives the same line.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

inline constexpr const char* kHistoryFolder = "History";
inline constexpr int kHistoryEntriesPerFile = 840;
inline constexpr int kHistoryLastFile = 9999;
inline constexpr size_t kHistoryLineLength = 114;
inline constexpr size_t kHistorySummedLength = 99;  // the characters a line checksum covers
inline constexpr size_t kHistoryChecksumLineLength = 30;
inline constexpr size_t kHistoryNameLength = 51;

// Fixed texts outside the localisation table.
inline constexpr const char* kCantSaveHistory = "Cann`t save history!";
inline constexpr const char* kNoHistoryFiles = "No History Files";

// Kind of game, the letter at position 90.
enum class THisKind : uint8_t { Local = 0, Account = 1, Tournament = 2, Net = 3 };

// One history entry.
struct HisStr {
  std::string HName;  // UTF-8; a duel or tournament joins both names with "/"
  int32_t HKon = 1;   // matches the entry covers
  int32_t HRes = 0;   // the match result (a tournament: the change of its score)
  double HRei = 0.0;  // the rating after the match
  THisKind Ac = THisKind::Local;
};

// When an entry is written: the clock's hour and minute, and today's date
// as HistoryDate writes it. Files written before hold the system's short
// date of the day (as "10 Dec 202" when it was longer than the field); they
// are read as they are.
struct THistoryStamp {
  int Hour = 0;
  int Minute = 0;
  std::string ShortDate;  // UTF-8
};

// "dd.MM.yyyy" whatever the locale: ten characters, the width of the date
// field, so the year is always kept whole ("04.03.2024", "10.12.2026").
// The year is taken as 0..9999, the month as 1..12, the day as 1..31.
std::string HistoryDate(int year, int month, int day);
THistoryStamp HistoryStampAt(int year, int month, int day, int hour, int minute);

// "Zembra_I0001.hst": the club file's base name, "_I", four digits.
std::string HistoryFileName(int number);

// Line pieces, all in code page 1251.
std::string HistoryResultText(int32_t result);  // "-380"
std::string HistoryRatingText(double rating);   // "2,60", "0,05", "-1,23"
std::string HistoryLineChecksum(std::string_view line);  // 15 digits over the first 99 characters
std::string HistoryEntryLine(const HisStr& entry, const THistoryStamp& stamp);
std::string HistoryEndLine();
// The entry lines, the end line and the checksum line, each ended by CR LF.
std::string SealHistoryFile(const std::vector<std::string>& entryLines);

struct THistoryCheck {
  bool Valid = false;
  int Entries = 0;
  std::vector<std::string> EntryLines;  // as stored, without line ends
  int64_t Modified = 0;  // seconds since 1970 of the last change; the window formats the date
};

// The lines must be at least 114 characters up to the first "$" line, and
// the line after it must carry the three sums of all of them.
THistoryCheck CheckHistoryBytes(std::string_view bytes);
// folder: the program's folder + "History".
THistoryCheck CheckHistoryFile(const std::string& folder, int number);

enum class THistorySave : uint8_t {
  Saved,
  CannotSave,  // show kCantSaveHistory and go on
};
struct THistoryAdd {
  THistorySave Outcome = THistorySave::CannotSave;
  int LastFile = 0;  // the number of the file the last entry went to
};

// Continues the first valid file with fewer than 840 entries, or starts
// the first missing or damaged one anew; full files are passed over. More
// entries than a file has room for go on into the next one. The folder is
// created when it is missing (its parent must exist).
THistoryAdd AddHistory(const std::string& folder, const std::vector<HisStr>& entries, const THistoryStamp& stamp);

// ---- The history window ----

inline constexpr int kHistoryTitleRow = 401;
inline constexpr int kHistoryColumns = 7;
inline constexpr std::array<int, kHistoryColumns> kHistoryColumnTitleRows = {402, 403, 404, 405, 406, 407, 408};
inline constexpr std::array<int, kHistoryColumns> kHistoryColumnWidths = {45, 65, 210, 45, 55, 55, 80};
// The file list is 180 pixels wide up to 16 entries, then 193 to make room
// for its scroll bar; the Ok button below it follows.
int HistoryListWidth(int entries);

struct THistoryFileInfo {
  int Number = 0;
  int Entries = 0;
  int64_t Modified = 0;
};
// Files 1, 2, ... as long as each one is valid.
std::vector<THistoryFileInfo> ListHistoryFiles(const std::string& folder);
// "File I0001 " + the date.
std::string HistoryListLabel(int number, std::string_view dateUtf8);

enum class THistoryColour : uint8_t { WindowText, Green, Red, Blue };

struct THistoryRow {
  // Time, date, player, games, result, rating (UTF-8, as the line holds
  // them) and "Local", "Net", "Account" or "Tourney".
  std::array<std::string, kHistoryColumns> Cells;
  THistoryColour Colour = THistoryColour::WindowText;
};
std::vector<THistoryRow> HistoryRows(const std::vector<std::string>& entryLines);
// The rows of file number, checked again; nullopt when it is not valid.
std::optional<std::vector<THistoryRow>> ReadHistoryRows(const std::string& folder, int number);

}  // namespace zembra
