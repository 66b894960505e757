#include "media/radio_flags.h"

#include <array>

#include "media/radio_stations.h"
#include "online/countries.h"
#include "resources/country_flags.h"

namespace zembra {
namespace {

// The club's short country name of each filter entry, in the filter's order.
constexpr std::array<const char*, kRadioCountryCount> kClubShort = {
    "Russia",  "Ukraine", "Belarus",     "Moldova",        "Estonia", "Latvia",         "Lithuania",
    "Armenia", "Georgia", "Azerbaijan",  "Kazakhstan",     "Uzbekistan", "USA",         "Canada",
    "United_Kingdom", "Australia", "Germany", "France",    "Italy",   "Netherlands",    "Sweden",
    "Czech_Republic", "Spain", "Brazil", "India",          "China",   "Japan",          "South_Korea",
};

// The club's country code of a filter entry; "Unknown" outside the filter.
std::string ClubCode(int filterIndex) {
  if (filterIndex >= 0 && filterIndex < kRadioCountryCount)
    if (auto code = CountryCodeOfShort(kClubShort[static_cast<size_t>(filterIndex)])) return *code;
  return "1-000";
}

}  // namespace

void DrawRadioFlag(QPainter& p, const QRectF& r, int filterIndex) {
  DrawCountryFlag(p, r.toAlignedRect(), ClubCode(filterIndex));
}

QPixmap RadioFlag(int filterIndex, int width, int height) {
  return CountryFlag(ClubCode(filterIndex), width, height);
}

QPixmap RadioFlagOfCode(const std::string& code, int width, int height) {
  const std::optional<int> index = RadioCountryIndex(code);
  if (!index) return QPixmap();
  return RadioFlag(*index, width, height);
}

}  // namespace zembra
