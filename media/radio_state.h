// The radio's state (`RadioState`) as plain data: the current station, the
// playing flag, the volume and the country filter, kept between runs in
// "OrvRadio.ini" (seven lines). The volume's steps and pictures, and when
// the radio is available. Texts stay in the 8-bit form the files store.
#pragma once

#include <string>
#include <string_view>

namespace zembra {

inline constexpr const char* kRadioStateFile = "OrvRadio.ini";
// The logo shown while a chosen station is being looked up.
inline constexpr const char* kUnknownStationLogo = "RRADIO_LOGO_RADIOUN";

inline constexpr int kRadioVolumeStep = 10;
inline constexpr int kRadioDefaultVolume = 30;

struct TRadioState {
  std::string StationName;
  std::string StreamAddress;
  std::string CountryText;
  std::string Logo;
  bool Playing = false;
  int Volume = kRadioDefaultVolume;  // 0..100
  int FilterIndex = 0;               // 0..27

  bool operator==(const TRadioState&) const = default;
};

// The club's first station, silent, volume 30, the first country.
TRadioState DefaultRadioState();

// The state a file's bytes give: the default for every line that is
// missing or unreadable (a volume or filter that is no number or out of
// range). Lines end in CR LF or LF; only "1" in line 5 means playing.
TRadioState ReadRadioState(std::string_view bytes);

// The file's seven lines, each ended by CR LF. When any of the four texts
// is empty, or holds a line break, the default station is written instead.
std::string WriteRadioState(const TRadioState& state);

// One step of 10 up or down, within 0..100.
int RadioVolumeUp(int volume);
int RadioVolumeDown(int volume);

// "RRADIO_VOLUME" + two digits: "00" for 0, "01" for 1-10, "02" for
// 11-20, ... "10" for 91-100.
std::string RadioVolumePicture(int volume);

// The radio's own picture in its window: playing or silent.
const char* RadioMainPicture(bool playing);

// Which list the radio reads: the server copy when the list comes from the
// server, else the shipped one.
const char* ActiveRadioList(bool fromServer);

// The list is present: from the server only when its download succeeded
// (a shipped list on disk does not count then), else when the shipped list
// was found.
bool RadioListPresent(bool fromServer, bool downloaded, bool shippedListFound);

// The radio is available when its pack loads and its list is present.
inline bool RadioAvailable(bool packLoadable, bool listPresent) { return packLoadable && listPresent; }

}  // namespace zembra
