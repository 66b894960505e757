// The localisation table as the program compiles it in: its text form, its
// conventions, and the look-up rules.
#include <gtest/gtest.h>

#include <cctype>
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
  EXPECT_EQ(w.Text(kWordRows, 0), "");
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
  // The English cells of rows 1058 to 1062 are empty; 1063 and 1064 head the
  // top-ten window for games against the computer and for net duels.
  for (int row = 1058; row <= 1062; ++row) EXPECT_EQ(w.Text(row, 0), "") << row;
  EXPECT_EQ(w.Text(1063, 0), "WINDOWS. LOCAL GAMES WITH PC");
  EXPECT_EQ(w.Text(1064, 0), "WINDOWS. NET GAMES");
}

// Only the English cells write an apostrophe as a backquote; every other
// language writes the typographic one, never a backquote or an ASCII quote.
TEST(Words, NoBackquoteOutsideEnglish) {
  const TWords& w = Table();
  int english = 0;
  for (int row = 0; row < kWordRows; ++row) {
    english += w.Text(row, 0).find('`') != std::string::npos;
    for (int lang = 1; lang < kLanguages; ++lang) {
      const std::string& t = w.Text(row, lang);
      EXPECT_EQ(t.find('`'), std::string::npos) << "row " << row << " language " << lang << ": " << t;
      EXPECT_EQ(t.find('\''), std::string::npos) << "row " << row << " language " << lang << ": " << t;
    }
  }
  EXPECT_GT(english, 0);  // the English convention is still there
  EXPECT_NE(w.Text(96, 3).find("d’enregistrer"), std::string::npos) << w.Text(96, 3);
  EXPECT_NE(w.Text(61, 6).find("dell’Ordine"), std::string::npos) << w.Text(61, 6);
}

TEST(Words, EveryListedRowInEveryLanguage) {
  const TWords& w = Table();
  for (int lang = 0; lang < kLanguages; ++lang) {
    for (int row = 0; row < 1058; ++row) {
      if (w.Text(row, 0).empty()) continue;  // a row this program does not use
      const std::string& t = w.Text(row, lang);
      EXPECT_FALSE(t.empty()) << "row " << row << " language " << lang;
      // Line breaks stay LF then CR in every language.
      EXPECT_EQ(t.find("\r\n"), std::string::npos) << "row " << row << " language " << lang;
      EXPECT_EQ(t.find("\n\r") != std::string::npos, w.Text(row, 0).find("\n\r") != std::string::npos)
          << "row " << row << " language " << lang;
    }
    // Rows 1058 to 1062: only the Russian cell.
    for (int row = 1058; row <= 1062; ++row)
      EXPECT_EQ(w.Text(row, lang).empty(), lang != 1) << "row " << row << " language " << lang;
  }
}

// The top-ten headings and this program's own rows (1065 and up) are filled in
// every language, keep the English placeholders, and are translated: only a
// few short names may read the same as the English.
TEST(Words, OwnRowsInEveryLanguage) {
  const TWords& w = Table();
  struct TRange {
    int First, Last;
  };
  for (const TRange r : {TRange{1063, 1064}, TRange{1065, 1078}})
    for (int row = r.First; row <= r.Last; ++row) {
      const std::string& english = w.Text(row, 0);
      ASSERT_FALSE(english.empty()) << row;
      const bool placeholder = english.find("%1") != std::string::npos;
      for (int lang = 1; lang < kLanguages; ++lang) {
        const std::string& t = w.Text(row, lang);
        EXPECT_FALSE(t.empty()) << "row " << row << " language " << lang;
        EXPECT_EQ(t.find("%1") != std::string::npos, placeholder) << "row " << row << " language " << lang;
        // "Version" is also the German and French word.
        if (row != 1069 || (lang != 2 && lang != 3)) {
          EXPECT_NE(t, english) << "row " << row << " language " << lang;
        }
      }
    }
  // The two headings keep the product line's name in capitals.
  for (int lang = 0; lang < kLanguages; ++lang)
    for (int row : {1063, 1064}) EXPECT_EQ(w.Text(row, lang).rfind("WINDOWS. ", 0), 0u) << row << " " << lang;
}

// Glossary terms that once were left in English or mistaken: the word for
// rating in Spanish, Italian and Czech, and the card backs (not faces) of
// the Chinese deck chooser.
TEST(Words, GlossaryTerms) {
  const TWords& w = Table();
  struct TTerm {
    int Language;
    const char* Stem;  // the glossary word as it begins in these rows
  };
  for (const TTerm term : {TTerm{4, "Valora"}, TTerm{6, "Valuta"}, TTerm{7, "odnocen"}}) {
    for (int row : {87, 88, 217, 407, 1055})
      EXPECT_NE(w.Text(row, term.Language).find(term.Stem), std::string::npos)
          << "row " << row << " language " << term.Language << ": " << w.Text(row, term.Language);
    for (int row = 0; row < kWordRows; ++row) {
      std::string t = w.Text(row, term.Language);
      for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_EQ(t.find("rating"), std::string::npos) << "row " << row << " language " << term.Language << ": " << t;
    }
  }
  for (int row : {39, 279}) {
    EXPECT_NE(w.Text(row, 5).find("牌背"), std::string::npos) << row;
    EXPECT_EQ(w.Text(row, 5).find("牌面"), std::string::npos) << row;
  }
  EXPECT_EQ(w.Text(1072, 5), "牌面");
}

TEST(Words, FixedRussianTextsAndPaddedHeadings) {
  const TWords& w = Table();
  EXPECT_EQ(w.Text(433, 1), "Двадцать");
  EXPECT_EQ(w.Text(434, 1), "Сорок");
  EXPECT_EQ(w.Text(443, 1), "Закрываю игру");
  EXPECT_EQ(w.Text(6, 1), "Режим");
  EXPECT_EQ(w.Text(5, 1), "История");
  // The club list headings keep the English width in every Latin/Cyrillic language.
  auto columns = [](const std::string& s) {
    int n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;  // code points
    return n;
  };
  // The second heading ends at column 29 and the third at column 38, over the
  // right-aligned numbers, with a blank before each.
  auto word_ends = [](const std::string& s) {  // columns where a word ends
    std::vector<int> ends;
    int column = 0;
    for (size_t i = 0; i + 1 < s.size(); ++i) {
      column += (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
      if (s[i] != ' ' && s[i + 1] == ' ') ends.push_back(column);
    }
    return ends;
  };
  for (int lang : {0, 1, 2, 3, 4, 6, 7})
    for (int row : {7, 8}) {
      const std::string& t = w.Text(row, lang);
      EXPECT_EQ(columns(t), 39) << "row " << row << " language " << lang << ": [" << t << "]";
      EXPECT_EQ(t.front(), ' ');
      EXPECT_EQ(t.back(), ' ');
      const std::vector<int> ends = word_ends(t);
      ASSERT_GE(ends.size(), 2u) << "row " << row << " language " << lang;
      EXPECT_EQ(ends[ends.size() - 2], 29) << "row " << row << " language " << lang << ": [" << t << "]";
      EXPECT_EQ(ends.back(), 38) << "row " << row << " language " << lang << ": [" << t << "]";
    }
}

TEST(Words, LanguagesAndTitles) {
  EXPECT_EQ(ValidLanguage(9), 9);
  EXPECT_EQ(ValidLanguage(10), 0);
  EXPECT_EQ(ValidLanguage(-1), 0);
  EXPECT_STREQ(kLanguageCodes[8], "Eng");
  EXPECT_STREQ(kProductTitles[13], "ZEMBRA");
  EXPECT_EQ(FlagPictureName(1), "FlagORus");
  EXPECT_EQ(FlagPictureName(8), "FlagOJap");
  EXPECT_EQ(FlagPictureName(9), "FlagOKor");
  Language() = 12;  // a stored index above 9 reads as English
  EXPECT_EQ(W(0), Words().Text(0, 0));
  Language() = 0;
}

}  // namespace
}  // namespace zembra
