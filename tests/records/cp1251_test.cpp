#include <gtest/gtest.h>

#include "records/cp1251.h"

namespace zembra {
namespace {

// Which typed characters the files cannot keep: names and passwords holding
// any of them are refused where they are typed.
TEST(Cp1251Misfits, NamesTheCharactersTheCodePageLacks) {
  struct Case {
    const char* text;
    const char* misfits;
  } cases[] = {
      {"Mr.X", ""},
      {"", ""},
      {"Иван Петров", ""},                     // Cyrillic
      {"Ёжик «№1» — €5", ""},                  // signs the code page has
      {"Jiří Novák", "říá"},                   // Czech letters it lacks
      {"Jiří Řezáč", "říŘáč"},                 // each character once, in order
      {"王小明", "王小明"},                    // Chinese
      {"ささき", "さき"},                      // Japanese: a repeated kana once
      {"김민수", "김민수"},                    // Korean
      {"Zoë", "ë"},
      {"ab\xff" "c", "\xEF\xBF\xBD"},          // malformed UTF-8
      {"a\xC3", "\xEF\xBF\xBD"},               // cut sequence at the end
  };
  for (const Case& c : cases) EXPECT_EQ(Cp1251Misfits(c.text), c.misfits) << c.text;
}

// What is accepted survives the round trip through the files unchanged.
TEST(Cp1251Misfits, AcceptedTextRoundTrips) {
  for (const char* text : {"Mr.X", "Иван Петров", "Ёжик «№1» — €5", "~!@#$%^&*()_+"}) {
    ASSERT_EQ(Cp1251Misfits(text), "");
    EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(text)), text);
  }
}

}  // namespace
}  // namespace zembra
