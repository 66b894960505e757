// The localisation table: every text the player sees, addressed by row
// number (0..1064) and language (0..9). Rows are never renumbered.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

inline constexpr int kWordRows = 1065;
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

// The program's table and the current language (0 until the options are read).
TWords& Words();
int& Language();
// Row r in the current language.
const std::string& W(int row);

}  // namespace zembra
