// The program's HTTP client of the club service: posts a request's form to
// its endpoint as the game does (User-Agent "OrvSpecAccess", code page 1251,
// a 3-second read limit for the table and statistics reads) and fetches
// plain documents (the service file, photos). Every call blocks until the
// reply or a failure: run it off the window's thread.
#pragma once

#include <optional>
#include <string>

#include "online/requests.h"

namespace zembra {

// The four endpoints' addresses, in clear.
struct TServiceEndpoints {
  std::string Account, Records, Stats, Tour;
  // Photos: read by nick from Photo, sent to the FTP folder PhotoFtp.
  std::string Photo = {}, PhotoFtp = {};
  const std::string& Of(TServiceAddress endpoint) const;
};

// The endpoints the game uses without a service file: the built-in
// addresses, the records and statistics ones as the options give them.
TServiceEndpoints DefaultEndpoints(const std::string& recordsAddress, const std::string& statsAddress);

class TServiceClient {
 public:
  explicit TServiceClient(TServiceEndpoints endpoints) : Endpoints(std::move(endpoints)) {}

  // The reply in UTF-8; nothing on a transport error, a time-out or an HTTP
  // error status.
  std::optional<std::string> Post(const TServiceForm& form) const;
  // A transport for the requests that posts through this client.
  TPost Transport() const;
  const TServiceEndpoints& Addresses() const { return Endpoints; }

  // A document's bytes as they come; nothing on any failure.
  static std::optional<std::string> Get(const std::string& url, long timeoutMs = 10000);

  // How long a request may take in all: the short reads and the others.
  static constexpr long kShortReadMs = 3000;
  static constexpr long kRequestMs = 15000;

 private:
  TServiceEndpoints Endpoints;
};

}  // namespace zembra
