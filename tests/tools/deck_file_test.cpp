#include <gtest/gtest.h>

#include <sstream>

#include "tools/deck_file.h"

namespace zembra::tools {
namespace {

constexpr const char* kGood =
    "9h Jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As";

TEST(DeckFile, ParsesAGoodLine) {
  const TDeckParse p = ParseDeckLine(kGood);
  ASSERT_TRUE(p.Deck.has_value()) << p.Error;
  EXPECT_EQ(ToAscii((*p.Deck)[1]), "9h");
  EXPECT_EQ(ToAscii((*p.Deck)[24]), "As");
  EXPECT_EQ(FormatDeckLine(*p.Deck), kGood);
  EXPECT_TRUE(ParseDeckLine(std::string(kGood) + "\r").Deck.has_value());  // CR LF files
}

TEST(DeckFile, RefusesMalformedLines) {
  const struct {
    const char* Name;
    std::string Line;
    const char* Reason;
  } cases[] = {
      {"23 cards", "9h Jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts",
       "expected 24"},
      {"25 cards", std::string(kGood) + " 9h", "expected 24"},
      {"duplicate", "9h 9h Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As",
       "duplicate"},
      {"ten written 10", "9h Jh Qh Kh 10h Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As",
       "wrong card"},
      {"lower-case rank", "9h jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As",
       "wrong card"},
      {"unknown suit", "9h Jx Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As",
       "wrong card"},
      {"a comma", "9h,Jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As",
       "wrong card"},
  };
  for (const auto& c : cases) {
    const TDeckParse p = ParseDeckLine(c.Line);
    EXPECT_FALSE(p.Deck.has_value()) << c.Name;
    EXPECT_NE(p.Error.find(c.Reason), std::string::npos) << c.Name << ": " << p.Error;
  }
}

TEST(DeckFile, ReaderSkipsCommentsAndEmptyLinesAndCountsLines) {
  std::istringstream in(std::string("# decks\n\n   \n") + kGood + "\n# more\n" + kGood + "\n");
  TDeckReader r(in);
  std::string line;
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(r.LineNo(), 4);
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(r.LineNo(), 6);
  EXPECT_FALSE(r.Next(line));
}

}  // namespace
}  // namespace zembra::tools
