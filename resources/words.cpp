#include "resources/words.h"

#include <charconv>

namespace zembra {

std::string UnescapeCell(std::string_view cell) {
  std::string out;
  out.reserve(cell.size());
  for (size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] != '\\' || i + 1 == cell.size()) {
      out += cell[i];
      continue;
    }
    switch (cell[++i]) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default:
        out += '\\';
        out += cell[i];
        break;
    }
  }
  return out;
}

bool TWords::Load(std::string_view text) {
  bool ok = true;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    int row = -1;
    const auto [p, ec] = std::from_chars(line.data(), line.data() + (tab == line.npos ? line.size() : tab), row);
    if (ec != std::errc() || row < 0 || row >= kWordRows || tab == line.npos) {
      ok = false;
      continue;
    }
    (void)p;
    std::string_view rest = line.substr(tab + 1);
    for (int lang = 0; lang < kLanguages; ++lang) {
      const size_t next = rest.find('\t');
      Cells[row][lang] = UnescapeCell(rest.substr(0, next));
      if (next == std::string_view::npos) break;
      rest = rest.substr(next + 1);
    }
  }
  return ok;
}

const std::string& TWords::Text(int row, int language) const {
  static const std::string empty;
  if (row < 0 || row >= kWordRows || language < 0 || language >= kLanguages) return empty;
  return Cells[row][language];
}

int TWords::RowsFilled(int language) const {
  int n = 0;
  for (const auto& r : Cells) n += !r[language].empty();
  return n;
}

TWords& Words() {
  static TWords words;
  return words;
}

int& Language() {
  static int language = 0;
  return language;
}

const std::string& W(int row) { return Words().Text(row, ValidLanguage(Language())); }

std::pair<std::string, std::string> WPair(int row) { return {W(row), W(row + 1)}; }

std::string WLines(int first, int second) { return W(first) + "\n\r" + W(second); }

int ValidLanguage(int index) { return index >= 0 && index < kLanguages ? index : 0; }

std::string FlagPictureName(int language) {
  switch (ValidLanguage(language)) {
    case 8: return "FlagOJap";
    case 9: return "FlagOKor";
    default: return std::string("FlagO") + kLanguageCodes[ValidLanguage(language)];
  }
}

}  // namespace zembra
