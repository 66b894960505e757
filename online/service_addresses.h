// The club service's addresses built into the game, stored enciphered in the
// game's own reversible form and deciphered just before use. They name our
// own service on this machine; a club's players reach their club's server
// through the records address of the options (the service file found beside
// it names every other endpoint).
#pragma once

#include <string>

namespace zembra {

enum class TServiceAddress {
  ServiceFile,     // GET: the keys, news and links
  AccountService,  // POST forms
  RecordsService,
  StatsService,
  TourService,
  PhotoBase,  // GET + nick + ".jpg"
  PhotoUpload,  // FTP, with its user and password, + nick + ".jpg"
};

inline constexpr int kServiceDefaultPort = 25680;
inline constexpr int kPhotoFtpDefaultPort = 25621;

// The built-in value, enciphered, and in clear.
const char* BuiltInAddressEnciphered(TServiceAddress which);
std::string BuiltInAddress(TServiceAddress which);

// "scheme://host:port" of an address; empty when it has no host.
std::string ServiceBaseOf(const std::string& address);
// Where the service file of the service behind a form address lies.
std::string ServiceFileUrlFor(const std::string& formAddress);

}  // namespace zembra
