#include "service/field_rules.h"

#include "online/field_check.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zembra::service {

size_t TextLength(std::string_view utf8) { return zembra::TextLength(utf8); }

int FieldLamp(std::string_view utf8, TFieldKind kind) {
  // The game's own rules, so that what its lamps show green is accepted.
  switch (kind) {
    case TFieldKind::Nick: return ValidateField(utf8, zembra::TFieldKind::Nick);
    case TFieldKind::City: return ValidateField(utf8, zembra::TFieldKind::City);
    case TFieldKind::Password: return ValidateField(utf8, zembra::TFieldKind::Password);
    case TFieldKind::EMail: return ValidateField(utf8, zembra::TFieldKind::EMail);
  }
  return 1;
}

bool FieldAccepted(std::string_view utf8, TFieldKind kind) { return FieldLamp(utf8, kind) >= 2; }

bool IsFrameText(std::string_view utf8, size_t maxLength) {
  if (TextLength(utf8) > maxLength) return false;
  return utf8.find_first_of(" $*~") == std::string_view::npos;
}

bool IsInfoText(std::string_view utf8, size_t maxLength) {
  if (TextLength(utf8) > maxLength) return false;
  return utf8.find_first_of("$~") == std::string_view::npos;
}

bool HoldsMarker(std::string_view text, std::string_view marker) { return text.find(marker) != std::string_view::npos; }

bool IsCountryCode(std::string_view t) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return t.size() == 5 && t[0] >= '1' && t[0] <= '6' && t[1] == '-' && digit(t[2]) && digit(t[3]) && digit(t[4]);
}

std::optional<int64_t> ParseInteger(std::string_view text, int64_t min, int64_t max) {
  int64_t v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (text.empty() || ec != std::errc() || ptr != end || v < min || v > max) return std::nullopt;
  return v;
}

std::optional<double> ParseRating(std::string_view text) {
  if (text.empty() || text.size() > 40) return std::nullopt;
  std::string s(text);
  for (char& c : s) {
    if (c == ',') c = '.';
    else if (!(c >= '0' && c <= '9') && c != '.' && c != '-' && c != 'e' && c != 'E' && c != '+') return std::nullopt;
  }
  double v = 0;
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v) || std::fabs(v) > 1e9) return std::nullopt;
  return v;
}

std::string FormatRating(double value) {
  if (std::fabs(value) < 0.00001) return "0";
  char buf[64];
  // Fixed notation with enough digits to read back, trailing zeros cut.
  std::snprintf(buf, sizeof buf, "%.10f", value);
  std::string s(buf);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

}  // namespace zembra::service
