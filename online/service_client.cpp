#include "online/service_client.h"

#include <curl/curl.h>

#include "records/cp1251.h"

namespace zembra {
namespace {

size_t Append(char* data, size_t size, size_t count, void* out) {
  auto* s = static_cast<std::string*>(out);
  // A reply larger than any the service sends is cut off (and fails).
  if (s->size() + size * count > (4u << 20)) return 0;
  s->append(data, size * count);
  return size * count;
}

// One transfer; body null for a GET.
std::optional<std::string> Transfer(const std::string& url, const std::string* body, long timeoutMs) {
  if (url.empty()) return std::nullopt;
  CURL* curl = curl_easy_init();
  if (!curl) return std::nullopt;
  std::string reply;
  curl_slist* headers = nullptr;
  headers = curl_slist_append(headers, "Accept: text/html, */*");
  if (body) headers = curl_slist_append(headers, "Content-Type: application/x-www-form-urlencoded");
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "OrvSpecAccess");
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Append);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, std::min(timeoutMs, 5000L));
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 3L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  if (body) {
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body->data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body->size()));
  }
  const CURLcode rc = curl_easy_perform(curl);
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  if (rc != CURLE_OK) return std::nullopt;
  return reply;
}

}  // namespace

const std::string& TServiceEndpoints::Of(TServiceAddress endpoint) const {
  switch (endpoint) {
    case TServiceAddress::RecordsService: return Records;
    case TServiceAddress::StatsService: return Stats;
    case TServiceAddress::TourService: return Tour;
    case TServiceAddress::PhotoBase: return Photo;
    case TServiceAddress::PhotoUpload: return PhotoFtp;
    default: return Account;
  }
}

TServiceEndpoints DefaultEndpoints(const std::string& recordsAddress, const std::string& statsAddress) {
  TServiceEndpoints e;
  e.Account = BuiltInAddress(TServiceAddress::AccountService);
  e.Records = recordsAddress.empty() ? BuiltInAddress(TServiceAddress::RecordsService) : recordsAddress;
  e.Stats = statsAddress.empty() ? BuiltInAddress(TServiceAddress::StatsService) : statsAddress;
  e.Tour = BuiltInAddress(TServiceAddress::TourService);
  e.Photo = BuiltInAddress(TServiceAddress::PhotoBase);
  e.PhotoFtp = BuiltInAddress(TServiceAddress::PhotoUpload);
  return e;
}

std::optional<std::string> TServiceClient::Post(const TServiceForm& form) const {
  const std::string body = EncodeForm(form);
  const auto reply = Transfer(Endpoints.Of(form.Endpoint), &body, form.ShortTimeout ? kShortReadMs : kRequestMs);
  if (!reply) return std::nullopt;
  return Cp1251ToUtf8(*reply);
}

TPost TServiceClient::Transport() const {
  return [this](const TServiceForm& form) { return Post(form); };
}

std::optional<std::string> TServiceClient::Get(const std::string& url, long timeoutMs) {
  return Transfer(url, nullptr, timeoutMs);
}

}  // namespace zembra
