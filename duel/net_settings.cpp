#include "duel/net_settings.h"

#include <algorithm>

namespace zembra {

bool IsDuelAddress(std::string_view text) {
  if (std::count(text.begin(), text.end(), '.') != 3 || text.empty() || text.back() == '.') return false;
  size_t start = 0;
  for (int part = 0; part < 4; ++part) {
    const size_t dot = text.find('.', start);
    const size_t end = dot == std::string_view::npos ? text.size() : dot;
    const size_t length = end - start;
    if (length < 1 || length > 3) return false;
    start = end + 1;
  }
  return true;
}

std::optional<uint16_t> DuelPort(std::string_view text) {
  if (text.empty() || text.size() > static_cast<size_t>(kDuelPortLength)) return std::nullopt;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  const int port = std::stoi(std::string(text));
  if (port < 1 || port > 65535) return std::nullopt;
  return static_cast<uint16_t>(port);
}

TFieldAfterTyping AddressTyped(std::string_view typed, std::string_view remembered, bool client) {
  const bool clean =
      std::all_of(typed.begin(), typed.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
  TFieldAfterTyping r{std::string(clean ? typed : remembered), std::string(remembered)};
  if (clean && client && !typed.empty()) r.Remembered = std::string(typed);
  return r;
}

TFieldAfterTyping PortTyped(std::string_view typed, std::string_view remembered) {
  const bool clean = std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; });
  const std::string field(clean ? typed : remembered);
  return {field, field};
}

}  // namespace zembra
