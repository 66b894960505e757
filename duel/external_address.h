// The machine's address as the internet sees it, asked of the club
// service ("get_ip.php"), for a server to tell the other player. Blocking:
// callers run it off the user-interface thread.
#pragma once

#include <string>

namespace zembra {

// The page's address on the service at base ("http://host:port/anything"
// keeps scheme, host and port).
std::string ExternalAddressUrl(const std::string& serviceBase);

// The address the service reports, or an empty text when the service does
// not answer in time, answers with an error, or answers with anything but
// a dotted IPv4 address.
std::string FetchExternalAddress(const std::string& url, long timeoutMs = 3000);

}  // namespace zembra
