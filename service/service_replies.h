// The service's replies in their few shapes. The bodies of refusals hold
// none of the markers "ok", "no" and "is", so a client that looks for a
// marker anywhere in the reply reads them as failures, and the status says
// the same to every other client.
#pragma once

#include <string>

#include "records/cp1251.h"
#include "service/club_service.h"

namespace zembra::service {

inline TServiceReply Reply(int status, std::string body) {
  TServiceReply r;
  r.Status = status;
  r.Body = std::move(body);
  return r;
}
inline TServiceReply Bad() { return Reply(400, "bad request"); }
inline TServiceReply Refused() { return Reply(403, "refused"); }
inline TServiceReply Failure() { return Reply(500, "failure"); }
// A text in UTF-8, sent in code page 1251 as the game reads it.
inline TServiceReply Text(const std::string& utf8) { return Reply(200, Utf8ToCp1251(utf8)); }

}  // namespace zembra::service
