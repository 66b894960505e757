#include "online/service_file.h"

#include "records/options_file.h"

namespace zembra {

std::optional<std::string> ServiceFileValue(std::string_view text, std::string_view key) {
  const size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  const size_t start = at + key.size() + 1;  // the separator, "=" as a rule
  if (start > text.size()) return std::string();
  const size_t end = text.find('#', start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

TServiceFile ReadServiceFile(std::string_view text) {
  TServiceFile f;
  auto address = [&](std::string_view key) -> std::optional<std::string> {
    const auto v = ServiceFileValue(text, key);
    if (!v || v->empty()) return std::nullopt;
    const std::string clear = DecipherAddress(*v);
    if (clear.empty()) return std::nullopt;
    return clear;
  };
  f.RecordsPaused = text.find("WTGamesPause") != std::string_view::npos;
  f.ChatPaused = text.find("CTGamesPause") != std::string_view::npos;
  f.AccPath = address("AccPath");
  f.StatPath = address("StatPath");
  if (!f.RecordsPaused) f.WTGamesPatt = address("WTGamesPatt");
  // The news: five "#"-ended values after the key.
  const size_t news = text.find("NewsZembra5.3");
  if (news != std::string_view::npos) {
    std::string_view rest = text.substr(news + std::string_view("NewsZembra5.3").size());
    if (!rest.empty()) rest.remove_prefix(1);
    std::string values[4];
    for (std::string& v : values) {
      const size_t end = rest.find('#');
      v = std::string(rest.substr(0, end));
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    f.News = {values[0] == "Y", values[1], values[2], values[3]};
  }
  f.DownloadLink = ServiceFileValue(text, "DownLoad_Link_Zembra").value_or("");
  f.StoreLink = ServiceFileValue(text, "Google_Play_Link_Zembra").value_or("");
  return f;
}

TServiceEndpoints WithServiceFile(TServiceEndpoints e, const TServiceFile& f) {
  if (f.AccPath) {
    e.Account = *f.AccPath;
    // The club keeps the photos and the tournament beside the accounts.
    if (const std::string base = ServiceBaseOf(e.Account); !base.empty()) {
      e.Photo = base + "/photos/";
      e.Tour = base + "/TourService";
    }
  }
  if (f.StatPath) e.Stats = *f.StatPath;
  if (f.WTGamesPatt) e.Records = *f.WTGamesPatt;
  return e;
}

}  // namespace zembra
