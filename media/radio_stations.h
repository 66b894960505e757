// The internet radio's station list: a text file of lines, '#' at the start
// of a line marks a comment, a station line has six fields separated by '#'
// (country code, seven-character station identifier, name, country text,
// stream address, logo picture). The country filter's 28 entries, each a
// three-character code. Pure code: bytes in, records out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

// The list shipped with the radio pack, and the copy fetched from the club
// service when the list is read from the server.
inline constexpr const char* kRadioListFile = "OrvRadio.rad";
inline constexpr const char* kRadioServerListFile = "OrvRadio.ser";

struct TRadioCountry {
  const char* Code;  // three characters
  const char* Name;  // English, as the filter shows it
};

// The filter's entries 0..27 in their order.
inline constexpr int kRadioCountryCount = 28;
extern const std::array<TRadioCountry, kRadioCountryCount> kRadioCountries;

// The filter entry of a country code; nullopt for a code not in the table.
std::optional<int> RadioCountryIndex(std::string_view code);

struct TRadioStation {
  std::string CountryCode;  // field 0
  std::string Id;           // field 1, seven characters
  std::string Name;         // field 2
  std::string CountryText;  // field 3
  std::string Address;      // field 4
  std::string Logo;         // field 5
};

// One line (without its line end) as a station; nullopt for a comment, a
// blank line or a line with fewer than six fields. A '#' inside the stream
// address stays part of it: the logo is the last field.
std::optional<TRadioStation> ParseStationLine(std::string_view line);

// The stations of a list whose country code is the filter entry's, in the
// order of the file. Lines end in LF or CR LF; the text stays as stored.
std::vector<TRadioStation> StationsOfCountry(std::string_view list, int filterIndex);

// The first station with the identifier; nullopt when none has it.
std::optional<TRadioStation> FindStation(std::string_view list, std::string_view id);

// A station as a line of the list (without its line end).
std::string StationLine(const TRadioStation& s);

}  // namespace zembra
