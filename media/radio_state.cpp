#include "media/radio_state.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "media/club_stations.h"
#include "media/radio_stations.h"

namespace zembra {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A decimal number within [low, high], blanks around it allowed.
std::optional<int> NumberIn(std::string_view text, int low, int high) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

bool UsableText(const std::string& s) {
  return !s.empty() && s.find_first_of("\r\n") == std::string::npos;
}

}  // namespace

TRadioState DefaultRadioState() {
  const TClubStation& first = kClubStations[0];
  TRadioState s;
  s.StationName = first.Name;
  s.StreamAddress = ClubStationAddress(first);
  s.CountryText = kClubStationCountry;
  s.Logo = first.Logo;
  return s;
}

TRadioState ReadRadioState(std::string_view bytes) {
  TRadioState s = DefaultRadioState();
  const std::vector<std::string_view> lines = Lines(bytes);
  auto line = [&](size_t i) -> std::optional<std::string_view> {
    if (i < lines.size()) return lines[i];
    return std::nullopt;
  };
  std::string* texts[] = {&s.StationName, &s.StreamAddress, &s.CountryText, &s.Logo};
  for (size_t i = 0; i < 4; ++i)
    if (auto l = line(i); l && !l->empty()) *texts[i] = std::string(*l);
  if (auto l = line(4)) s.Playing = *l == "1";
  if (auto l = line(5))
    if (auto v = NumberIn(*l, 0, 100)) s.Volume = *v;
  if (auto l = line(6))
    if (auto v = NumberIn(*l, 0, kRadioCountryCount - 1)) s.FilterIndex = *v;
  return s;
}

std::string WriteRadioState(const TRadioState& state) {
  TRadioState s = state;
  if (!UsableText(s.StationName) || !UsableText(s.StreamAddress) || !UsableText(s.CountryText) ||
      !UsableText(s.Logo)) {
    const TRadioState d = DefaultRadioState();
    s.StationName = d.StationName;
    s.StreamAddress = d.StreamAddress;
    s.CountryText = d.CountryText;
    s.Logo = d.Logo;
  }
  s.Volume = std::clamp(s.Volume, 0, 100);
  s.FilterIndex = std::clamp(s.FilterIndex, 0, kRadioCountryCount - 1);
  std::string out;
  for (const std::string& line : {s.StationName, s.StreamAddress, s.CountryText, s.Logo,
                                  std::string(s.Playing ? "1" : "0"), std::to_string(s.Volume),
                                  std::to_string(s.FilterIndex)})
    out += line + "\r\n";
  return out;
}

int RadioVolumeUp(int volume) { return std::min(100, std::clamp(volume, 0, 100) + kRadioVolumeStep); }

int RadioVolumeDown(int volume) { return std::max(0, std::clamp(volume, 0, 100) - kRadioVolumeStep); }

std::string RadioVolumePicture(int volume) {
  const int v = std::clamp(volume, 0, 100);
  const int step = (v + 9) / 10;  // 0, 1..10 -> 1, 11..20 -> 2, ...
  return std::string("RRADIO_VOLUME") + static_cast<char>('0' + step / 10) + static_cast<char>('0' + step % 10);
}

const char* RadioMainPicture(bool playing) { return playing ? "RRADIO_MAING" : "RRADIO_MAINR"; }

const char* ActiveRadioList(bool fromServer) { return fromServer ? kRadioServerListFile : kRadioListFile; }

bool RadioListPresent(bool fromServer, bool downloaded, bool shippedListFound) {
  return fromServer ? downloaded : shippedListFound;
}

}  // namespace zembra
