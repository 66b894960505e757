// The localisation table: every text the player sees, addressed by row
// number (0..1099) and language (0..9). Rows are never renumbered; rows 1065
// and up are this program's own.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zembra {

inline constexpr int kWordRows = 1100;
inline constexpr int kLanguages = 10;

class TWords {
 public:
  // Reads the table's text form: "row<TAB>text[<TAB>text ...]" per line,
  // one column per language; '#' lines are comments. Escapes: \n \r \t \\.
  // Returns false (keeping what was read) on a malformed line.
  bool Load(std::string_view text);

  // The cell; empty for a row or language outside the table.
  const std::string& Text(int row, int language) const;
  int RowsFilled(int language) const;

 private:
  std::vector<std::array<std::string, kLanguages>> Cells =
      std::vector<std::array<std::string, kLanguages>>(kWordRows);
};

std::string UnescapeCell(std::string_view cell);

// Three-letter codes of the languages, for per-language picture names
// ("Cap" + code); Japanese and Korean use the English pictures.
inline constexpr const char* kLanguageCodes[kLanguages] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                           "Chi", "Ita", "Cze", "Eng", "Eng"};
// The product's title per language, then the same in capitals.
inline constexpr const char* kProductTitles[2 * kLanguages] = {
    "Zembra", "Zembra", "Zembra", "Zembra", "Zembra", "Zembra", "Zembra", "Zembra", "Zembra", "Zembra",
    "ZEMBRA", "ZEMBRA", "ZEMBRA", "ZEMBRA", "ZEMBRA", "ZEMBRA", "ZEMBRA", "ZEMBRA", "ZEMBRA", "ZEMBRA"};
// The flag picture of the options dialog: "FlagO" + code, "FlagOJap", "FlagOKor".
std::string FlagPictureName(int language);
// A stored language index: 0..9, anything else is English.
int ValidLanguage(int index);

// The program's table and the current language (0 until the options are read).
TWords& Words();
int& Language();
// Row r in the current language.
const std::string& W(int row);
// A message of two consecutive rows: title r, text r + 1.
std::pair<std::string, std::string> WPair(int row);
// Two rows joined as one two-line message (line feed, then carriage return).
std::string WLines(int first, int second);

}  // namespace zembra
