// The rules of the login window's network section: what an address and a
// port must look like, and what typing into their fields does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zembra {

inline constexpr const char* kDefaultDuelAddress = "127.0.0.1";
inline constexpr const char* kDefaultDuelPort = "25666";
inline constexpr int kDuelAddressLength = 20;
inline constexpr int kDuelPortLength = 5;

// A server address as the client may use it: exactly three dots, four
// parts of one to three characters, not ending in a dot. The digits' range
// is not checked (older copies accept "999.999.999.999" too).
bool IsDuelAddress(std::string_view text);

// A port to listen on or connect to: one to five digits, 1 to 65535.
std::optional<uint16_t> DuelPort(std::string_view text);

// The address field after a change: anything but digits and dots puts the
// remembered address back. The remembered address then follows the field
// (for a client, when the field is not empty).
struct TFieldAfterTyping {
  std::string Field;
  std::string Remembered;
};
TFieldAfterTyping AddressTyped(std::string_view typed, std::string_view remembered, bool client);
// The port field after a change: anything but digits puts the remembered
// port back; the remembered port then follows the field.
TFieldAfterTyping PortTyped(std::string_view typed, std::string_view remembered);

}  // namespace zembra
