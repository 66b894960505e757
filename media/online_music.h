// The online music player's rules as plain data: the club's playlist (one
// track a line, "Artist~Title.mp3" with '_' for a space), when the player's
// buttons are offered, and what a press on the volume button does. Nothing
// is fetched or played here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zembra {

// The playlist and the tracks on the club's web server.
inline constexpr const char* kPlaylistPath = "/musik/_playlist.html";
inline constexpr const char* kMusicFolderPath = "/musik/";

struct TPlaylistTrack {
  std::string Artist;   // before the first '~', '_' shown as a space
  std::string Title;    // after it, cut before ".mp3"
  std::string Address;  // the server path: "/musik/" and the line as it is
};

// The tracks of a playlist in UTF-8, in order. Lines end in LF or CR LF;
// blank lines are no tracks, and a byte-order mark is skipped.
std::vector<TPlaylistTrack> ParsePlaylist(std::string_view utf8);

// The three buttons are offered only for more than four tracks.
bool PlayerOffered(size_t trackCount);

// The playlist's address on a service ("http://host:port").
std::string PlaylistUrl(const std::string& serviceBase);

// The volume of the streamed music, 0 to 100 in steps of 5.
inline constexpr int kStartVolume = 50;
inline constexpr int kVolumeStep = 5;
// The volume button's width at the base window size: a press is told apart
// by its x within it.
inline constexpr int kPlayerButtonSize = 61;

// A press at x (0 .. kPlayerButtonSize - 1, at the base size) on the volume
// button: above 34 louder, at 25 or below softer, between them nothing;
// the result stays within 0..100.
int VolumeAfterPress(int volume, int x);

}  // namespace zembra
