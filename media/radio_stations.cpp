#include "media/radio_stations.h"

namespace zembra {

const std::array<TRadioCountry, kRadioCountryCount> kRadioCountries = {{
    {"RUS", "Russian Federation"}, {"UA0", "Ukraine"},     {"BEL", "Belarus"},        {"MOL", "Moldova"},
    {"EST", "Estonia"},            {"LAT", "Latvia"},      {"LIT", "Lithuania"},      {"ARM", "Armenia"},
    {"GEO", "Georgia"},            {"AZE", "Azerbaijan"},  {"KZ0", "Kazakhstan"},     {"UZ0", "Uzbekistan"},
    {"USA", "USA"},                {"CAN", "Canada"},      {"UK0", "United Kingdom"}, {"AUS", "Australia"},
    {"DE0", "Deutschland"},        {"FRA", "France"},      {"ITA", "Italy"},          {"NED", "Netherlands"},
    {"SWE", "Sweden"},             {"CZ0", "Czech Republic"}, {"ESP", "Spain"},       {"BRA", "Brazil"},
    {"IND", "India"},              {"CHI", "China"},       {"JAP", "Japan"},          {"SK0", "South Korea"},
}};

std::optional<int> RadioCountryIndex(std::string_view code) {
  for (int i = 0; i < kRadioCountryCount; ++i)
    if (code == kRadioCountries[static_cast<size_t>(i)].Code) return i;
  return std::nullopt;
}

namespace {

// Calls f with each line of the text, its line end removed.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (f(line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

std::optional<TRadioStation> ParseStationLine(std::string_view line) {
  if (line.empty() || line.front() == '#') return std::nullopt;
  std::vector<std::string_view> fields;
  while (true) {
    const size_t at = line.find('#');
    fields.push_back(line.substr(0, at));
    if (at == std::string_view::npos) break;
    line.remove_prefix(at + 1);
  }
  if (fields.size() < 6) return std::nullopt;
  TRadioStation s;
  s.CountryCode = fields[0];
  s.Id = fields[1];
  s.Name = fields[2];
  s.CountryText = fields[3];
  // Everything between the country text and the logo is the address.
  for (size_t i = 4; i + 1 < fields.size(); ++i) {
    if (i > 4) s.Address += '#';
    s.Address += fields[i];
  }
  s.Logo = fields.back();
  return s;
}

std::vector<TRadioStation> StationsOfCountry(std::string_view list, int filterIndex) {
  std::vector<TRadioStation> out;
  if (filterIndex < 0 || filterIndex >= kRadioCountryCount) return out;
  const std::string_view code = kRadioCountries[static_cast<size_t>(filterIndex)].Code;
  ForEachLine(list, [&](std::string_view line) {
    std::optional<TRadioStation> s = ParseStationLine(line);
    if (s && s->CountryCode == code) out.push_back(std::move(*s));
    return false;
  });
  return out;
}

std::optional<TRadioStation> FindStation(std::string_view list, std::string_view id) {
  std::optional<TRadioStation> found;
  ForEachLine(list, [&](std::string_view line) {
    std::optional<TRadioStation> s = ParseStationLine(line);
    if (s && s->Id == id) found = std::move(s);
    return found.has_value();
  });
  return found;
}

std::string StationLine(const TRadioStation& s) {
  return s.CountryCode + '#' + s.Id + '#' + s.Name + '#' + s.CountryText + '#' + s.Address + '#' + s.Logo;
}

}  // namespace zembra
