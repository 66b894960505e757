// The club's country table: its six lists, the country codes and the short
// names that travel in replies.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "online/countries.h"
#include "online/field_check.h"
#include "records/options_file.h"

namespace zembra {
namespace {

TEST(Countries, ListSizes) {
  const struct {
    int Continent;
    size_t Size;
  } cases[] = {{kEurope, 49}, {kAsia, 52}, {kNorthAmerica, 36}, {kSouthAmerica, 15}, {kOceania, 24},
               {kAfrica, 55}, {0, 0},       {7, 0},             {-1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Continent);
    const auto list = ContinentCountries(c.Continent);
    ASSERT_EQ(list.size(), c.Size);
    if (c.Size) {
      EXPECT_EQ(list[0].Short, "Unknown");
    }
  }
}

TEST(Countries, Lookups) {
  const struct {
    const char* Code;
    const char* English;  // nullptr: the code names nothing
    const char* Short;
  } cases[] = {
      {"1-001", "Russia", "Russia"},
      {"1-000", "Unknown", "Unknown"},
      {"2-040", "South Korea", "South_Korea"},
      {"6-054", "Zimbabwe", "Zimbabwe"},
      {"6-012", "Congo Republic", "Congo_Rep."},
      {"6-024", "Ivory Coast (Cote Divoire)", "Cote_Divoire"},
      // the flags that the language selector borrows
      {"1-048", "United Kingdom", "United_Kingdom"},
      {"1-016", "Germany", "Germany"},
      {"1-015", "France", "France"},
      {"1-043", "Spain", "Spain"},
      {"1-024", "Italy", "Italy"},
      {"1-010", "Czech Republic", "Czech_Republic"},
      {"2-010", "China", "China"},
      {"2-020", "Japan", "Japan"},
      // the last of every list
      {"2-051", "Yemen", "Yemen"},
      {"3-035", "Virgin Islands", "Virgin_Islands"},
      {"4-014", "Venezuela", "Venezuela"},
      {"5-023", "Wallis and Futuna", "Wallis-Futuna"},
      // one past the end of every list
      {"1-049", nullptr, nullptr},
      {"2-052", nullptr, nullptr},
      {"3-036", nullptr, nullptr},
      {"4-015", nullptr, nullptr},
      {"5-024", nullptr, nullptr},
      {"6-055", nullptr, nullptr},
      {"6-999", nullptr, nullptr},
      // malformed
      {"7-001", nullptr, nullptr},
      {"0-001", nullptr, nullptr},
      {"1-01", nullptr, nullptr},
      {"1-0011", nullptr, nullptr},
      {"1_001", nullptr, nullptr},
      {"1- 01", nullptr, nullptr},
      {"1-01 ", nullptr, nullptr},
      {"1--01", nullptr, nullptr},
      {"1-+01", nullptr, nullptr},
      {"1-0a1", nullptr, nullptr},
      {"x-001", nullptr, nullptr},
      {"Russia", nullptr, nullptr},
      {"", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Code);
    const auto country = CountryByCode(c.Code);
    EXPECT_EQ(CountryCodeValid(c.Code), c.English != nullptr);
    if (!c.English) {
      EXPECT_FALSE(country);
      continue;
    }
    ASSERT_TRUE(country);
    EXPECT_EQ(country->English, c.English);
    EXPECT_EQ(country->Short, c.Short);
  }
  EXPECT_FALSE(CountryByCode(std::string_view("1-00\0", 5)));
}

TEST(Countries, CodesOfPlaces) {
  EXPECT_EQ(CountryCode(1, 1), "1-001");
  EXPECT_EQ(CountryCode(6, 54), "6-054");
  EXPECT_EQ(CountryCode(3, 0), "3-000");
  for (const auto& [continent, index] : {std::pair{1, 49}, {6, 55}, {0, 1}, {7, 0}, {1, -1}})
    EXPECT_FALSE(CountryCode(continent, index)) << continent << " " << index;
}

// Every entry: its code leads back to it, its short name leads to its
// code, and its short name is one word of a club reply.
TEST(Countries, EveryEntry) {
  std::set<std::string_view> shortNames;
  int entries = 0;
  for (int continent = 1; continent <= kContinentCount; ++continent) {
    const auto list = ContinentCountries(continent);
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
      const TCountry& c = list[i];
      SCOPED_TRACE(c.English);
      const auto code = CountryCode(continent, i);
      ASSERT_TRUE(code);
      EXPECT_EQ(ParseCountryCode(*code), (TCountryPlace{continent, i}));
      EXPECT_TRUE(IsValidCountry(*code)) << "the options file refuses " << *code;
      EXPECT_EQ(CountryCodeOfShort(c.Short), i == 0 ? "1-000" : *code);

      EXPECT_FALSE(c.Short.empty());
      EXPECT_EQ(c.Short.find_first_of(" $*~#\t"), std::string_view::npos) << c.Short;
      EXPECT_TRUE(i == 0 || shortNames.insert(c.Short).second) << "twice: " << c.Short;
      EXPECT_EQ(i == 0, c.Short == "Unknown");

      bool cyrillic = false;
      for (size_t at = 0; at < c.Russian.size();) {
        const char32_t ch = NextCodePoint(c.Russian, at);
        EXPECT_NE(ch, U'\uFFFD') << "broken UTF-8";
        cyrillic |= (ch >= U'А' && ch <= U'я') || ch == U'Ё' || ch == U'ё';
      }
      EXPECT_TRUE(cyrillic);
      ++entries;
    }
    // one past the end is refused by both checks
    char past[16];
    std::snprintf(past, sizeof past, "%d-%03zu", continent, list.size());
    EXPECT_FALSE(CountryCodeValid(past)) << past;
    EXPECT_FALSE(IsValidCountry(past)) << past;
  }
  EXPECT_EQ(entries, 231);
  EXPECT_FALSE(CountryCodeOfShort("Congo Republic"));
  EXPECT_FALSE(CountryCodeOfShort("russia"));
  EXPECT_FALSE(CountryCodeOfShort(""));
}

}  // namespace
}  // namespace zembra
