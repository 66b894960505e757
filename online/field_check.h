// The rules of the account's fields, shared by the game's account window
// and the club service: which characters a nick, a city, a password or an
// e-mail may hold, and the lamp that tells the player.
#pragma once

#include <cstddef>
#include <string_view>

namespace zembra {

enum class TFieldKind {
  Character = 0,  // one typed character: only the character rules
  Nick = 1,
  City = 2,
  Password = 3,
  EMail = 4,
};

// 1 red (refused), 2 yellow (accepted with a warning: Cyrillic letters,
// only in a city), 3 green. Texts are UTF-8.
int ValidateField(std::string_view utf8, TFieldKind kind);

// Characters of a UTF-8 text (a broken sequence counts as one).
size_t TextLength(std::string_view utf8);

// Latin letters, digits, Cyrillic letters (А..я, Ё, ё) and ! ( ) , - . @ _.
bool IsAllowedCharacter(char32_t c);
// The code point at byte i, advancing i; U+FFFD for a broken sequence.
char32_t NextCodePoint(std::string_view s, size_t& i);

}  // namespace zembra
