#include "online/field_check.h"

namespace zembra {
namespace {

bool IsLatinOrDigit(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }
bool IsMark(char32_t c) {
  return c == '!' || c == '(' || c == ')' || c == ',' || c == '-' || c == '.' || c == '@' || c == '_';
}
bool IsCyrillic(char32_t c) { return c == 0x401 || c == 0x451 || (c >= 0x410 && c <= 0x44F); }

}  // namespace

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

size_t TextLength(std::string_view utf8) {
  size_t n = 0;
  for (size_t i = 0; i < utf8.size(); ++n) NextCodePoint(utf8, i);
  return n;
}

bool IsAllowedCharacter(char32_t c) { return IsLatinOrDigit(c) || IsMark(c) || IsCyrillic(c); }

int ValidateField(std::string_view utf8, TFieldKind kind) {
  const size_t length = TextLength(utf8);
  if (length == 0) return 1;
  if (kind != TFieldKind::Character && length == 1) return 1;
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
    case TFieldKind::Character: break;
  }
  int lamp = 3;
  for (size_t i = 0; i < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, i);
    if (!IsAllowedCharacter(c)) return 1;
    if (IsCyrillic(c)) lamp = 2;
  }
  // Cyrillic letters are accepted, with the yellow lamp, only in a city.
  if (lamp == 2 && (kind == TFieldKind::Nick || kind == TFieldKind::Password || kind == TFieldKind::EMail))
    return 1;
  if (kind == TFieldKind::EMail) {
    const size_t at = utf8.find('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == utf8.size()) return 1;
  }
  return lamp;
}

}  // namespace zembra
