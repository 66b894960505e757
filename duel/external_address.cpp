#include "duel/external_address.h"

#include <curl/curl.h>

#include <cctype>

#include "duel/net_settings.h"

namespace zembra {
namespace {

size_t Collect(char* data, size_t size, size_t count, void* out) {
  auto* body = static_cast<std::string*>(out);
  const size_t n = size * count;
  if (body->size() + n > 256) return 0;  // no address is that long: stop reading
  body->append(data, n);
  return n;
}

}  // namespace

std::string ExternalAddressUrl(const std::string& serviceBase) {
  const size_t scheme = serviceBase.find("://");
  const size_t hostStart = scheme == std::string::npos ? 0 : scheme + 3;
  const size_t path = serviceBase.find('/', hostStart);
  return serviceBase.substr(0, path) + "/get_ip.php";
}

std::string FetchExternalAddress(const std::string& url, long timeoutMs) {
  CURL* curl = curl_easy_init();
  if (!curl) return {};
  std::string body;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "OrvSpecAccess");
  const CURLcode rc = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  if (rc != CURLE_OK) return {};
  // The text, without surrounding blanks and line ends.
  size_t a = 0, b = body.size();
  while (a < b && std::isspace(static_cast<unsigned char>(body[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(body[b - 1]))) --b;
  body = body.substr(a, b - a);
  if (!IsDuelAddress(body)) return {};
  for (char c : body)
    if (!(c == '.' || (c >= '0' && c <= '9'))) return {};
  return body;
}

}  // namespace zembra
