#include "media/online_music.h"

#include <algorithm>

namespace zembra {
namespace {

std::string Spaced(std::string text) {
  std::replace(text.begin(), text.end(), '_', ' ');
  return text;
}

bool Blank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::vector<TPlaylistTrack> ParsePlaylist(std::string_view utf8) {
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  std::vector<TPlaylistTrack> tracks;
  while (!utf8.empty()) {
    const size_t end = utf8.find('\n');
    std::string_view line = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (Blank(line)) continue;
    const size_t tilde = line.find('~');
    std::string title(tilde == std::string_view::npos ? std::string_view() : line.substr(tilde + 1));
    if (const size_t mp3 = title.find(".mp3"); mp3 != std::string::npos) title.erase(mp3);
    tracks.push_back({Spaced(std::string(line.substr(0, tilde))), Spaced(std::move(title)),
                      std::string(kMusicFolderPath) + std::string(line)});
  }
  return tracks;
}

bool PlayerOffered(size_t trackCount) { return trackCount > 4; }

std::string PlaylistUrl(const std::string& serviceBase) { return serviceBase + kPlaylistPath; }

int VolumeAfterPress(int volume, int x) {
  if (x > 34) return std::min(100, volume + kVolumeStep);
  if (x <= 25) return std::max(0, volume - kVolumeStep);
  return volume;
}

}  // namespace zembra
