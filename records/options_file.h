// The options file "Zembra.ini": 35 lines of code page 1251 ended by CR LF.
// Reading takes values line by line and stops at the first line that
// fails its check, keeping the defaults of everything after it. Bytes in,
// bytes out; the file itself is read and replaced by options_store.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "records/settings.h"

namespace zembra {

inline constexpr int kOptionsLines = 35;
inline constexpr const char* kOptionsFileName = "Zembra.ini";

struct TOptionsRead {
  TSettings Settings;
  // How far reading got: the last line whose value was taken (0 when
  // nothing was). The service addresses are refreshed only past line 30.
  int LastLine = 0;
  bool ReachedIdentity = false;  // line 30 accepted
};

// Defaults as a fresh start has them (before any file).
TSettings DefaultSettings();

// fileBytes: the whole file, or nullopt when it could not be opened.
TOptionsRead ReadOptions(const std::optional<std::string>& fileBytes);
std::string WriteOptions(const TSettings& s);

// The 20 flag characters of line 2.
std::string GeneralFlags(const TSettings& s);

// Our own reversible form of the service addresses in the file.
std::string EncipherAddress(std::string_view plain);
std::string DecipherAddress(std::string_view enciphered);

// Is a five-character line 28 a valid country ("1-001" .. "6-054")?
bool IsValidCountry(std::string_view line);

}  // namespace zembra
