// The shared rules by which the club service's replies are read: markers,
// "$"-frames, fields, the number after the last "$", decimals, and the
// statistics acknowledgement. Replies are UTF-8 here (the client converts
// them from code page 1251 first).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

// Whether the two-letter marker ("ok", "no", "is") stands in the reply
// outside its "$" frames: letters inside a frame are data (a city, a
// message) and never count as a marker.
bool FindMarker(std::string_view reply, std::string_view marker);

// The frame that begins after the "$" at byte position start (0-based) and
// ends before the next terminator; with no terminator it ends one character
// before the reply's end (the reply's last character never belongs to a
// frame). Empty when start is not a "$" or is the last character.
std::string ReadFrame(std::string_view reply, size_t start, char terminator);

// The frame's fields, 1-based: item 0 is empty, items 1.. are the fields in
// order (empty fields count).
std::vector<std::string> SplitFields(std::string_view frame, char separator);

// The first "$...terminator" frame of the reply, split; empty when there is
// no "$" (or only a last-character one).
std::vector<std::string> FirstFrameFields(std::string_view reply, char terminator, char separator);
// Up to ten "$...*" frames from the left, each split by spaces.
std::vector<std::vector<std::string>> ListFrameFields(std::string_view reply, size_t most = 10);

// The run of digits after the last "$" that is not the reply's last
// character (stopping before the last character); nothing when there is no
// such "$" or no digits.
std::optional<long long> NumberAfterDollar(std::string_view reply);

// "12.5" and "12,5" alike; the first character that is not a digit, a space
// or "-" is the decimal separator. Nothing for a text that is no number.
std::optional<double> ParseDecimal(std::string_view text);
// The shortest general form with a point, never an exponent; values below
// 0.00001 in size are 0.
std::string FormatDecimal(double x);

// The statistics post was taken: the text after the last "$" that is not
// the last character, up to "#", reads "ok" at its second and third places.
bool StatAcknowledged(std::string_view reply);

// A field as an integer, a decimal, or a character, with a default for an
// absent or unreadable one; "#" is the service's mark of an empty text.
long long FieldInt(const std::vector<std::string>& f, size_t i, long long fallback);
double FieldDecimal(const std::vector<std::string>& f, size_t i, double fallback);
std::string FieldText(const std::vector<std::string>& f, size_t i, const std::string& fallback);

}  // namespace zembra
