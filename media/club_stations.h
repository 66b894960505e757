// The club's own radio stations: endless playlists of the club's music that
// the club service sends through an Icecast server on this machine, so the
// radio plays without the internet. The station list names them first and
// the radio starts on the first of them.
#pragma once

#include <array>
#include <string>

namespace zembra {

// The club service's radio server listens here unless told otherwise.
inline constexpr int kClubRadioPort = 25800;

struct TClubStation {
  const char* Id;     // seven characters
  const char* Name;
  const char* Mount;  // the stream's path on the radio server
  const char* Logo;   // picture in the radio pack
  bool Shuffle;       // the tracks in a random order, else in the folder's
};

inline constexpr std::array<TClubStation, 3> kClubStations = {{
    {"ZEM0001", "Zembra Club FM", "/club.mp3", "RRADIO_LOGO_ZEMBRA1", false},
    {"ZEM0002", "Zembra Lounge", "/lounge.mp3", "RRADIO_LOGO_ZEMBRA2", true},
    {"ZEM0003", "Zembra Night Table", "/night.mp3", "RRADIO_LOGO_ZEMBRA3", true},
}};

// The country text the list shows for them.
inline constexpr const char* kClubStationCountry = "Zembra club, this computer";

// "http://127.0.0.1:<port><mount>".
inline std::string ClubStationAddress(const TClubStation& s, int port = kClubRadioPort) {
  return "http://127.0.0.1:" + std::to_string(port) + s.Mount;
}

}  // namespace zembra
