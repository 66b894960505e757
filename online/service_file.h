// The service file the club service publishes: plain text searched for
// keys; a value starts one character after its key and ends before the
// next "#". It names the endpoints (enciphered), pauses the club tables or
// the chat, and carries the news and the download links.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "online/service_client.h"

namespace zembra {

// The value after the key, or nothing when the key is absent.
std::optional<std::string> ServiceFileValue(std::string_view text, std::string_view key);

struct TNews {
  bool Show = false;  // the flag reads "Y"
  std::string Text, Second, Link;
};

struct TServiceFile {
  // Addresses in clear (deciphered); nothing when the key is absent.
  std::optional<std::string> AccPath, StatPath, WTGamesPatt;
  bool RecordsPaused = false;  // "WTGamesPause"
  bool ChatPaused = false;     // "CTGamesPause"
  TNews News;
  std::string DownloadLink, StoreLink;
};

TServiceFile ReadServiceFile(std::string_view text);

// The endpoints with the file's addresses in place of the defaults (the
// records address only while the club tables are not paused).
TServiceEndpoints WithServiceFile(TServiceEndpoints endpoints, const TServiceFile& file);

}  // namespace zembra
