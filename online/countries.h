// The club's country table: six continents, each an ordered list whose
// positions are the country numbers of the country code "D-NNN" that the
// club stores and sends. Position 0 of every list is "Unknown".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zembra {

// Names are UTF-8. Short is the form that travels in the club's
// space-separated replies: no spaces and none of "$", "*", "~", "#".
struct TCountry {
  std::string_view English, Russian, Short;
};

// Continent digits of the country code.
enum TContinent : int {
  kEurope = 1,
  kAsia = 2,
  kNorthAmerica = 3,
  kSouthAmerica = 4,
  kOceania = 5,
  kAfrica = 6,
};
inline constexpr int kContinentCount = 6;

// The list of a continent 1..6, Unknown first; empty for any other number.
std::span<const TCountry> ContinentCountries(int continent);

// A country's place in the table.
struct TCountryPlace {
  int Continent = 0, Index = 0;
  bool operator==(const TCountryPlace&) const = default;
};

// The place named by a code of exactly five characters: a continent digit
// 1..6, "-", three decimal digits within that continent's list. Anything
// else (padding, signs, a number past the list) names nothing.
std::optional<TCountryPlace> ParseCountryCode(std::string_view code);
bool CountryCodeValid(std::string_view code);
std::optional<TCountry> CountryByCode(std::string_view code);

// "D-NNN" for a place in the table; nothing outside it.
std::optional<std::string> CountryCode(int continent, int index);

// The code of the country with this short name (exact spelling). "Unknown"
// stands in every list and gives the first, "1-000".
std::optional<std::string> CountryCodeOfShort(std::string_view shortName);

}  // namespace zembra
