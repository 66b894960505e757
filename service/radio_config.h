// The club radio's server configuration as text: the Icecast server's
// configuration (loopback only, its own port, passwords of this service's
// own) and one ezstream configuration for each of the club's stations,
// which loops the music folder's MP3 files onto its mount. Pure code.
#pragma once

#include <string>
#include <vector>

#include "media/club_stations.h"

namespace zembra::service {

struct TRadioServerConfig {
  std::string Host = "127.0.0.1";
  int Port = kClubRadioPort;
  std::string SourcePassword;
  std::string AdminPassword;
  // Icecast's basic folder (it writes nothing there; logs go to standard
  // error).
  std::string BaseFolder;
};

std::string IcecastConfig(const TRadioServerConfig& config);

// The station's ezstream configuration, streaming the playlist file as it
// is (MP3, no re-encoding), forever.
std::string EzstreamConfig(const TRadioServerConfig& config, const TClubStation& station,
                           const std::string& playlistPath);

// An M3U playlist of the files, one absolute path a line, in the order given.
std::string RadioPlaylist(const std::vector<std::string>& files);

// "name=value" lines of the passwords file kept in the data folder; a
// missing or damaged one gives empty passwords, which the caller replaces.
struct TRadioPasswords {
  std::string Source;
  std::string Admin;
};
TRadioPasswords ReadRadioPasswords(const std::string& text);
std::string WriteRadioPasswords(const TRadioPasswords& passwords);

}  // namespace zembra::service
