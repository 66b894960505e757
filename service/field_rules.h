// What the club service accepts in a field. Accounts follow the game's own
// lamp rules (a nick, a password or an e-mail in Latin letters, digits and a
// few marks; Cyrillic allowed in a city), and every text must keep the
// reply frames intact: no space where replies are space-separated, never
// "$", "*" or "~".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembra::service {

enum class TFieldKind { Nick, City, Password, EMail };

// 1 red (refused), 2 yellow (accepted with a warning), 3 green.
int FieldLamp(std::string_view utf8, TFieldKind kind);
bool FieldAccepted(std::string_view utf8, TFieldKind kind);

// Letters of the code page count once each.
size_t TextLength(std::string_view utf8);

// A text that fits a space-separated reply frame: at most maxLength
// characters, none of them a space, "$", "*" or "~".
bool IsFrameText(std::string_view utf8, size_t maxLength);
// A text that fits a "~"-separated frame: spaces allowed, "$" and "~" not.
bool IsInfoText(std::string_view utf8, size_t maxLength);

// The two-letter markers the game looks for in a whole reply.
bool HoldsMarker(std::string_view text, std::string_view marker);

// A country code: the continent digit 1..6, "-" and three digits.
bool IsCountryCode(std::string_view text);

std::optional<int64_t> ParseInteger(std::string_view text, int64_t min, int64_t max);
// A rating as the game writes it: a point or a comma, no exponent needed.
std::optional<double> ParseRating(std::string_view text);
// The shortest form that reads back the same, never with an exponent.
std::string FormatRating(double value);

}  // namespace zembra::service
