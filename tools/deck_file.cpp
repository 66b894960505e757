#include "tools/deck_file.h"

namespace zembra::tools {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

}  // namespace

bool IsSkippedLine(std::string_view line) {
  line = Trim(line);
  return line.empty() || line.front() == '#';
}

TDeckParse ParseDeckLine(std::string_view line) {
  TDeckParse result;
  line = Trim(line);
  TDeck deck;
  int count = 0;
  size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    if (pos >= line.size()) break;
    size_t end = pos;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
    const std::string_view token = line.substr(pos, end - pos);
    pos = end;
    const auto card = CardFromAscii(token);
    if (!card) {
      result.Error = "wrong card token '" + std::string(token) + "'";
      return result;
    }
    ++count;
    if (count > kDeckSize) continue;  // counted, reported below
    for (int i = 1; i < count; ++i) {
      if (deck[i] == *card) {
        result.Error = "duplicate card " + std::string(token);
        return result;
      }
    }
    deck[count] = *card;
  }
  if (count != kDeckSize) {
    result.Error = "expected 24 cards, found " + std::to_string(count);
    return result;
  }
  result.Deck = deck;
  return result;
}

std::string FormatDeckLine(const TDeck& deck) {
  std::string s;
  for (int i = 1; i <= kDeckSize; ++i) {
    if (i > 1) s += ' ';
    s += ToAscii(deck[i]);
  }
  return s;
}

bool TDeckReader::Next(std::string& line) {
  while (std::getline(In, line)) {
    ++Line;
    if (!IsSkippedLine(line)) return true;
  }
  return false;
}

}  // namespace zembra::tools
