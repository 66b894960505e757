// The station list: its lines, the country filter's order and choice, and
// the look-up of a chosen station by its identifier.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/club_stations.h"
#include "media/radio_stations.h"

namespace zembra {
namespace {

TEST(RadioCountries, TheFiltersEntriesInOrder) {
  const char* codes[] = {"RUS", "UA0", "BEL", "MOL", "EST", "LAT", "LIT", "ARM", "GEO", "AZE",
                         "KZ0", "UZ0", "USA", "CAN", "UK0", "AUS", "DE0", "FRA", "ITA", "NED",
                         "SWE", "CZ0", "ESP", "BRA", "IND", "CHI", "JAP", "SK0"};
  ASSERT_EQ(std::size(codes), static_cast<size_t>(kRadioCountryCount));
  for (int i = 0; i < kRadioCountryCount; ++i) {
    EXPECT_STREQ(kRadioCountries[static_cast<size_t>(i)].Code, codes[i]) << i;
    EXPECT_EQ(RadioCountryIndex(codes[i]), i);
  }
  EXPECT_STREQ(kRadioCountries[14].Name, "United Kingdom");
  EXPECT_STREQ(kRadioCountries[27].Name, "South Korea");
  EXPECT_EQ(RadioCountryIndex("GER"), std::nullopt);
  EXPECT_EQ(RadioCountryIndex("rus"), std::nullopt);
}

struct TLineCase {
  const char* Name;
  const char* Line;
  bool Station;
  const char* Id;
  const char* Address;
  const char* Logo;
};

class StationLineParse : public ::testing::TestWithParam<TLineCase> {};

TEST_P(StationLineParse, ParsesOrSkips) {
  const TLineCase& c = GetParam();
  const auto s = ParseStationLine(c.Line);
  ASSERT_EQ(s.has_value(), c.Station);
  if (!s) return;
  EXPECT_EQ(s->Id, c.Id);
  EXPECT_EQ(s->Address, c.Address);
  EXPECT_EQ(s->Logo, c.Logo);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StationLineParse,
    ::testing::Values(
        TLineCase{"Plain", "FRA#FRA0001#Info#France#http://a.example/x.mp3#RRADIO_LOGO_NEWS", true, "FRA0001",
                  "http://a.example/x.mp3", "RRADIO_LOGO_NEWS"},
        TLineCase{"Comment", "#RUS#RUS0001#Commented#Russia#http://x#L", false, "", "", ""},
        TLineCase{"Blank", "", false, "", "", ""},
        TLineCase{"FiveFields", "RUS#RUS0001#Name#Russia#http://x", false, "", "", ""},
        TLineCase{"HashInsideTheAddress", "USA#USA0001#N#USA#http://h/p#frag#LOGO", true, "USA0001",
                  "http://h/p#frag", "LOGO"},
        TLineCase{"EmptyLogo", "DE0#DE00001#N#Deutschland#http://h/#", true, "DE00001", "http://h/", ""}),
    [](const ::testing::TestParamInfo<TLineCase>& i) { return std::string(i.param.Name); });

constexpr const char* kList =
    "# A station list for the tests\r\n"
    "RUS#ZEM0001#Zembra Club FM#Zembra club#http://127.0.0.1:25800/club.mp3#RRADIO_LOGO_ZEMBRA1\r\n"
    "DE0#DE00001#Kultur#Deutschland#http://de.example/k.mp3#RRADIO_LOGO_CLASSIC\r\n"
    "#DE0#DE00009#Old#Deutschland#http://de.example/old.mp3#RRADIO_LOGO_POP\r\n"
    "RUS#RUS0002#Second#Russian Federation#http://ru.example/2.mp3#RRADIO_LOGO_POP\n"
    "broken line\r\n"
    "DE0#DE00002#Nachrichten#Deutschland#http://de.example/n.mp3#RRADIO_LOGO_NEWS";  // no line end

struct TFilterCase {
  int Filter;
  std::vector<std::string> Names;
};

class CountryFilter : public ::testing::TestWithParam<TFilterCase> {};

TEST_P(CountryFilter, ListsThatCountrysStationsInFileOrder) {
  std::vector<std::string> names;
  for (const TRadioStation& s : StationsOfCountry(kList, GetParam().Filter)) names.push_back(s.Name);
  EXPECT_EQ(names, GetParam().Names);
}

INSTANTIATE_TEST_SUITE_P(Filters, CountryFilter,
                         ::testing::Values(TFilterCase{0, {"Zembra Club FM", "Second"}},
                                           TFilterCase{16, {"Kultur", "Nachrichten"}},
                                           TFilterCase{17, {}},
                                           TFilterCase{-1, {}},
                                           TFilterCase{28, {}}));

TEST(StationLookup, FindsTheStationByItsIdentifier) {
  const auto s = FindStation(kList, "DE00002");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->Name, "Nachrichten");
  EXPECT_EQ(s->CountryText, "Deutschland");
  EXPECT_EQ(s->Address, "http://de.example/n.mp3");
  // A commented-out station is not found, nor an unknown identifier.
  EXPECT_FALSE(FindStation(kList, "DE00009"));
  EXPECT_FALSE(FindStation(kList, "XXX0000"));
}

TEST(StationListLine, WritesWhatItReads) {
  for (const TClubStation& c : kClubStations) {
    const TRadioStation s{"RUS", c.Id, c.Name, kClubStationCountry, ClubStationAddress(c), c.Logo};
    EXPECT_EQ(s.Id.size(), 7u);
    const auto back = ParseStationLine(StationLine(s));
    ASSERT_TRUE(back);
    EXPECT_EQ(StationLine(*back), StationLine(s));
  }
}

}  // namespace
}  // namespace zembra
