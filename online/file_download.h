// Fetching a file from the club service into a folder: packs and the radio
// station list. The file appears whole or not at all (a temporary file
// beside it, renamed when complete), so a broken download never leaves a
// half pack that would count as present.
#pragma once

#include <string>

namespace zembra {

// "<service>/downloads/progr/cards/<file>" for the service behind a form
// address (the records address of the options).
std::string PackDownloadUrl(const std::string& serviceAddress, const std::string& fileName);

// Blocks until done: call it off the window's thread. False on any failure
// (no answer, an HTTP error, a write error); an older file of the same name
// is kept then.
bool DownloadToFile(const std::string& url, const std::string& path, long timeoutMs = 120000);

}  // namespace zembra
