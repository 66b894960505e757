#include "online/photo_upload.h"

#include <curl/curl.h>

#include <cstring>

#include "online/service_client.h"

namespace zembra {
namespace {

struct TSource {
  const std::string* Bytes;
  size_t At = 0;
};

size_t ReadChunk(char* out, size_t size, size_t count, void* source) {
  auto* s = static_cast<TSource*>(source);
  const size_t n = std::min(size * count, s->Bytes->size() - s->At);
  std::memcpy(out, s->Bytes->data() + s->At, n);
  s->At += n;
  return n;
}

// Nicks travel in the path: only the characters the nick rules allow.
bool SafeNick(const std::string& nick) {
  if (nick.empty() || nick.size() > 48) return false;
  for (char c : nick)
    if (c == '/' || c == '\\' || c == '?' || c == '#' || c == '%' || static_cast<unsigned char>(c) < 0x20) return false;
  return nick != "." && nick != "..";
}

}  // namespace

bool UploadPhoto(const std::string& ftpFolder, const std::string& nick, const std::string& jpeg) {
  if (!SafeNick(nick) || jpeg.empty()) return false;
  CURL* curl = curl_easy_init();
  if (!curl) return false;
  TSource source{&jpeg};
  const std::string url = ftpFolder + nick + ".jpg";
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, &ReadChunk);
  curl_easy_setopt(curl, CURLOPT_READDATA, &source);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(jpeg.size()));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 30000L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 5000L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, 1L);  // passive
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp,ftps");
  const CURLcode rc = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  return rc == CURLE_OK;
}

std::optional<std::string> DownloadPhoto(const std::string& photoBase, const std::string& nick) {
  if (!SafeNick(nick)) return std::nullopt;
  return TServiceClient::Get(photoBase + nick + ".jpg");
}

}  // namespace zembra
