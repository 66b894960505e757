#include "online/file_download.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cstdio>

#include "online/service_addresses.h"

namespace zembra {
namespace {

size_t WriteChunk(char* data, size_t size, size_t count, void* out) {
  return std::fwrite(data, size, count, static_cast<std::FILE*>(out)) * size;
}

}  // namespace

std::string PackDownloadUrl(const std::string& serviceAddress, const std::string& fileName) {
  std::string base = ServiceBaseOf(serviceAddress);
  if (base.empty()) base = ServiceBaseOf(BuiltInAddress(TServiceAddress::ServiceFile));
  return base + "/downloads/progr/cards/" + fileName;
}

bool DownloadToFile(const std::string& url, const std::string& path, long timeoutMs) {
  const std::string partial = path + ".part";
  std::FILE* out = std::fopen(partial.c_str(), "wb");
  if (!out) return false;
  CURL* curl = curl_easy_init();
  CURLcode rc = CURLE_FAILED_INIT;
  if (curl) {
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteChunk);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, out);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 10000L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "OrvSpecAccess");
    rc = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
  }
  const bool written = std::fflush(out) == 0 && fsync(fileno(out)) == 0;
  std::fclose(out);
  if (rc != CURLE_OK || !written || std::rename(partial.c_str(), path.c_str()) != 0) {
    std::remove(partial.c_str());
    return false;
  }
  return true;
}

}  // namespace zembra
