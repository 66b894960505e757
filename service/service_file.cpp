#include "service/service_file.h"

#include "records/options_file.h"

namespace zembra::service {

std::string DefaultServiceTemplate() {
  // No comments: the game finds keys by plain search, so a key named in a
  // comment would count as present.
  return "AccPath={enc:/AccountService}#\n"
         "StatPath={enc:/StatsService}#\n"
         "WTGamesPatt={enc:/RecordsService}#\n"
         "NewsZembra5.3=N#Welcome to the club!#Play for the world rating and meet the club in the chat.#"
         "{url:/}#0#\n"
         "DownLoad_Link_Zembra={url:/downloads/progr/cards/}#\n"
         "Google_Play_Link_Zembra={url:/}#\n";
}

std::string ExpandServiceTemplate(std::string_view tmpl, std::string_view publicBase) {
  std::string base(publicBase);
  while (!base.empty() && base.back() == '/') base.pop_back();
  std::string out;
  size_t i = 0;
  while (i < tmpl.size()) {
    const size_t open = tmpl.find('{', i);
    if (open == std::string_view::npos) break;
    const size_t close = tmpl.find('}', open);
    if (close == std::string_view::npos) break;
    const std::string_view inner = tmpl.substr(open + 1, close - open - 1);
    out.append(tmpl.substr(i, open - i));
    if (inner.rfind("enc:", 0) == 0) out += EncipherAddress(base + std::string(inner.substr(4)));
    else if (inner.rfind("url:", 0) == 0) out += base + std::string(inner.substr(4));
    else out.append(tmpl.substr(open, close - open + 1));  // not ours: left as written
    i = close + 1;
  }
  out.append(tmpl.substr(i));
  return out;
}

}  // namespace zembra::service
