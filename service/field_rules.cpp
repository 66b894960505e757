#include "service/field_rules.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zembra::service {
namespace {

// The code point at i, and how many bytes it takes; U+FFFD for a broken
// sequence (forms arrive decoded from code page 1251, so none should be).
char32_t NextCodePoint(std::string_view s, size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(s[i]);
  size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (i + len > s.size()) len = 1;
  char32_t cp = len == 1 ? lead : len == 2 ? lead & 0x1F : len == 3 ? lead & 0x0F : lead & 0x07;
  for (size_t k = 1; k < len; ++k) cp = cp << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  if (len == 1 && lead >= 0x80) cp = 0xFFFD;
  i += len;
  return cp;
}

bool IsLatinOrDigit(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }
bool IsMark(char32_t c) { return c == '!' || c == '(' || c == ')' || c == ',' || c == '-' || c == '.' || c == '@' || c == '_'; }
bool IsCyrillic(char32_t c) { return c == 0x401 || c == 0x451 || (c >= 0x410 && c <= 0x44F); }

}  // namespace

size_t TextLength(std::string_view utf8) {
  size_t n = 0;
  for (size_t i = 0; i < utf8.size(); ++n) NextCodePoint(utf8, i);
  return n;
}

int FieldLamp(std::string_view utf8, TFieldKind kind) {
  const size_t length = TextLength(utf8);
  if (length <= 1) return 1;
  switch (kind) {
    case TFieldKind::Nick:
      if (length > 12) return 1;
      break;
    case TFieldKind::City:
      if (length > 15) return 1;
      break;
    case TFieldKind::Password:
      if (length > 12 || length < 4) return 1;
      break;
    case TFieldKind::EMail:
      if (length > 30) return 1;
      break;
  }
  int lamp = 3;
  for (size_t i = 0; i < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, i);
    if (IsCyrillic(c)) lamp = 2;
    else if (!IsLatinOrDigit(c) && !IsMark(c)) return 1;
  }
  if (lamp == 2 && kind != TFieldKind::City) return 1;
  if (kind == TFieldKind::EMail) {
    const size_t at = utf8.find('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == utf8.size()) return 1;
  }
  return lamp;
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
