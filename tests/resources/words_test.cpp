// The localisation table as the program compiles it in: its text form, its
// conventions, and the look-up rules.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "resources/words.h"

namespace zembra {
namespace {

const TWords& Table() {
  static TWords words = [] {
    std::ifstream in(ZEMBRA_WORDS_FILE, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    TWords w;
    EXPECT_TRUE(w.Load(s.str()));
    return w;
  }();
  return words;
}

TEST(Words, LoadsRowsAndLanguagesWithEscapes) {
  TWords w;
  EXPECT_TRUE(w.Load("# comment\n5\tHistory\tИстория\n14\ta\\n\\rb\n7\t x \\t \\\\ \n"));
  EXPECT_EQ(w.Text(5, 0), "History");
  EXPECT_EQ(w.Text(5, 1), "История");
  EXPECT_EQ(w.Text(5, 2), "");
  EXPECT_EQ(w.Text(14, 0), "a\n\rb");
  EXPECT_EQ(w.Text(7, 0), " x \t \\ ");
  // Outside the table: empty, never a failure.
  EXPECT_EQ(w.Text(-1, 0), "");
  EXPECT_EQ(w.Text(1065, 0), "");
  EXPECT_EQ(w.Text(5, 10), "");
  EXPECT_FALSE(w.Load("abc\tdef\n"));
  EXPECT_FALSE(w.Load("2000\tdef\n"));
}

TEST(Words, TableConventions) {
  const TWords& w = Table();
  // A line break inside a text is LF then CR.
  for (int row : {14, 91, 291}) {
    const std::string& t = w.Text(row, 0);
    EXPECT_NE(t.find("\n\r"), std::string::npos) << row;
    EXPECT_EQ(t.find("\r\n"), std::string::npos) << row;
  }
  EXPECT_EQ(w.Text(96, 0), "Can`t save options!");
  EXPECT_EQ(w.Text(7, 0), " The members of club    Games    Score ");
  EXPECT_EQ(w.Text(8, 0), " The members of club    Games   Rating ");
  EXPECT_EQ(w.Text(433, 0), "Twenty");
  EXPECT_EQ(w.Text(74, 0), "Mr.X");
  // The English cells of rows 1058 to 1064 are empty.
  for (int row = 1058; row <= 1064; ++row) EXPECT_EQ(w.Text(row, 0), "") << row;
}

}  // namespace
}  // namespace zembra
