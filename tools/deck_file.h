// Deck files for the command-line tools: one deck a line, 24 ASCII card
// tokens (rank 9 J Q K T A, suit h d c s) in deck order; empty lines and
// lines starting with '#' are skipped.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "engine/deal_state.h"

namespace zembra::tools {

struct TDeckParse {
  std::optional<TDeck> Deck;
  std::string Error;  // why the line was refused
};

bool IsSkippedLine(std::string_view line);
TDeckParse ParseDeckLine(std::string_view line);
std::string FormatDeckLine(const TDeck& deck);

// Reads deck lines one at a time, counting physical lines for messages.
class TDeckReader {
 public:
  explicit TDeckReader(std::istream& in) : In(in) {}
  // The next non-skipped line; false at the end of the input.
  bool Next(std::string& line);
  int LineNo() const { return Line; }

 private:
  std::istream& In;
  int Line = 0;
};

}  // namespace zembra::tools
