#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "records/file_store.h"
#include "records/history_file.h"

namespace zembra {
namespace {

namespace fs = std::filesystem;

// Every file write of this process fails while it lives, as on a full disk.
class TFullDisk {
 public:
  TFullDisk() {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &Old);
    rlimit none = Old;
    none.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &none);
  }
  ~TFullDisk() { setrlimit(RLIMIT_FSIZE, &Old); }

 private:
  rlimit Old{};
};

const THistoryStamp kStamp{9, 5, "21.03.2024"};
const HisStr kAnna{"Anna", 1, 520, 2.6, THisKind::Local};
const HisStr kDuel{"Anna/Boris", 1, -380, -1.23, THisKind::Net};

// Worked out separately: the two entries above written at kStamp, the end
// line, and the checksum lines of files holding them.
const std::string kAnnaLine = "09:0521.03.2024Anna" + std::string(47, ' ') +
                              "  1       520      2,60L#########039070192101332";
const std::string kDuelLine = "23:5921.03.2024Anna/Boris" + std::string(41, ' ') +
                              "  1      -380     -1,23N#########043080210301447";
const std::string kEndLine = "$l}" + std::string(96, '#') + "036290178801245";
const std::string kAnnaFileSums = "000000753600000037090000002577";
const std::string kTwoEntryFileSums = "000001184400000058120000004024";

std::string Crlf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

TEST(HistoryLines, EntryLinesWorkedOutByHand) {
  EXPECT_EQ(HistoryEntryLine(kAnna, kStamp), kAnnaLine);
  EXPECT_EQ(HistoryEntryLine(kDuel, THistoryStamp{23, 59, "21.03.2024"}), kDuelLine);
  EXPECT_EQ(HistoryEndLine(), kEndLine);
  EXPECT_EQ(SealHistoryFile({kAnnaLine, kDuelLine}), Crlf({kAnnaLine, kDuelLine, kEndLine, kTwoEntryFileSums}));
}

TEST(HistoryLines, Fields) {
  struct TCase {
    const char* Name;
    HisStr Entry;
    THistoryStamp Stamp;
    size_t From;  // position counted from 1
    std::string Field;
  } const cases[] = {
      {"a rating of 2.6", {"A", 1, 0, 2.6, THisKind::Local}, kStamp, 80, "      2,60"},
      {"a rating of 0", {"A", 1, 0, 0.0, THisKind::Local}, kStamp, 80, "      0,00"},
      {"a rating below 0.10", {"A", 1, 0, 0.05, THisKind::Local}, kStamp, 80, "      0,05"},
      {"a tiny negative rating is 0,00", {"A", 1, 0, -0.004, THisKind::Local}, kStamp, 80, "      0,00"},
      {"a negative rating", {"A", 1, 0, -1.234, THisKind::Local}, kStamp, 80, "     -1,23"},
      {"a stored 1,005000 rounds up", {"A", 1, 0, 1.005, THisKind::Local}, kStamp, 80, "      1,01"},
      {"the rating limit", {"A", 1, 0, -99.99, THisKind::Local}, kStamp, 80, "    -99,99"},
      {"a result of -380", {"A", 1, -380, 0, THisKind::Local}, kStamp, 70, "      -380"},
      {"a result of 2000", {"A", 1, 2000, 0, THisKind::Local}, kStamp, 70, "      2000"},
      {"a result of 0", {"A", 1, 0, 0, THisKind::Local}, kStamp, 70, "         0"},
      {"matches covered", {"A", 1, 0, 0, THisKind::Local}, kStamp, 67, "  1"},
      {"a long name is cut to 51", {std::string(40, 'x') + std::string(20, 'y'), 1, 0, 0, THisKind::Local},
       kStamp, 16, std::string(40, 'x') + std::string(11, 'y')},
      {"a Cyrillic name in code page 1251", {"Иван", 1, 0, 0, THisKind::Local}, kStamp, 16,
       "\xC8\xE2\xE0\xED" + std::string(47, ' ')},
      {"a short date longer than 10 keeps its first 10", kAnna, {9, 5, "Wednesday, 21 March 2024"}, 6,
       "Wednesday,"},
      {"a short date of 6 is right-aligned", kAnna, {9, 5, "3/4/24"}, 6, "    3/4/24"},
      {"midnight", kAnna, {0, 0, "21.03.2024"}, 1, "00:00"},
      {"account", {"A", 1, 0, 0, THisKind::Account}, kStamp, 90, "A#########"},
      {"tournament", {"A", 1, 0, 0, THisKind::Tournament}, kStamp, 90, "T#########"},
      {"net duel", {"A", 1, 0, 0, THisKind::Net}, kStamp, 90, "N#########"},
  };
  for (const auto& c : cases) {
    const std::string line = HistoryEntryLine(c.Entry, c.Stamp);
    EXPECT_EQ(line.size(), kHistoryLineLength) << c.Name;
    EXPECT_EQ(line.substr(c.From - 1, c.Field.size()), c.Field) << c.Name;
  }
}

TEST(HistoryLines, CheckingFiles) {
  const std::string good = SealHistoryFile({kAnnaLine, kDuelLine});
  auto changed = [&](size_t offset, char c) {
    std::string s = good;
    EXPECT_NE(s[offset], c);
    s[offset] = c;
    return s;
  };
  const size_t second = kHistoryLineLength + 2;  // start of the second line
  struct TCase {
    const char* Name;
    std::string Bytes;
    bool Valid;
    int Entries;
  } const cases[] = {
      {"two entries", good, true, 2},
      {"no entries", SealHistoryFile({}), true, 0},
      {"a name letter changed", changed(second + 17, 'x'), false, 0},
      {"the kind letter changed", changed(second + 89, 'L'), false, 0},
      {"a line checksum changed", changed(second + 104, '9'), true, 2},
      {"an end-line filler changed", changed(2 * second + 50, '*'), false, 0},
      {"a line of 113 characters", Crlf({kAnnaLine.substr(0, 113), kEndLine, kAnnaFileSums}), false, 0},
      {"no checksum line", Crlf({kAnnaLine, kDuelLine, kEndLine}), false, 0},
      {"no end line", Crlf({kAnnaLine, kDuelLine}), false, 0},
      {"a checksum line of 29", Crlf({kAnnaLine, kEndLine, kAnnaFileSums.substr(0, 29)}), false, 0},
      {"a checksum line with a letter", Crlf({kAnnaLine, kEndLine, "O" + kAnnaFileSums.substr(1)}), false, 0},
      {"anything after the checksum line", good + "scribbles\r\n", true, 2},
      {"an empty file", "", false, 0},
  };
  for (const auto& c : cases) {
    const THistoryCheck r = CheckHistoryBytes(c.Bytes);
    EXPECT_EQ(r.Valid, c.Valid) << c.Name;
    EXPECT_EQ(r.Entries, c.Entries) << c.Name;
  }
}

TEST(HistoryLines, DatesKeepTheirYearInEveryLocale) {
  struct TCase {
    int Year, Month, Day;
    std::string Date;
  } const cases[] = {
      {2026, 12, 10, "10.12.2026"},  // "10 Dec 2026" in English would lose its last digit
      {2024, 3, 4, "04.03.2024"},    // single-digit day and month
      {2024, 3, 21, "21.03.2024"},
      {2000, 1, 1, "01.01.2000"},
      {1999, 12, 31, "31.12.1999"},
      {987, 7, 9, "09.07.0987"},     // a short year still fills four digits
      {12026, 13, 0, "01.12.9999"},  // out of range: held to the nearest valid value
  };
  for (const auto& c : cases) {
    const std::string name = c.Date + " from " + std::to_string(c.Year) + "-" + std::to_string(c.Month) + "-" +
                             std::to_string(c.Day);
    EXPECT_EQ(HistoryDate(c.Year, c.Month, c.Day), c.Date) << name;
    const std::string line = HistoryEntryLine(kAnna, HistoryStampAt(c.Year, c.Month, c.Day, 7, 3));
    ASSERT_EQ(line.size(), kHistoryLineLength) << name;
    EXPECT_EQ(line.substr(0, 15), "07:03" + c.Date) << name;
    EXPECT_EQ(line.substr(15, 4), "Anna") << name;
    EXPECT_EQ(HistoryRows({line}).at(0).Cells[1], c.Date) << name;
  }
}

TEST(HistoryLines, OlderDatesAreReadAsStored) {
  // Lines written with the system's short date: cut to ten, or right-aligned.
  struct TCase {
    std::string ShortDate, Field;
  } const cases[] = {
      {"10 Dec 2026", "10 Dec 202"},
      {"3/4/24", "    3/4/24"},
      {"21.03.2024", "21.03.2024"},
  };
  for (const auto& c : cases) {
    const std::string line = HistoryEntryLine(kAnna, THistoryStamp{9, 5, c.ShortDate});
    const std::vector<THistoryRow> rows = HistoryRows({line});
    ASSERT_EQ(rows.size(), 1u) << c.ShortDate;
    EXPECT_EQ(rows[0].Cells[1], c.Field) << c.ShortDate;
    EXPECT_EQ(rows[0].Cells[0], "09:05") << c.ShortDate;
  }
}

TEST(HistoryLines, NamesAndWindowTexts) {
  EXPECT_EQ(HistoryFileName(1), "Zembra_I0001.hst");
  EXPECT_EQ(HistoryFileName(9999), "Zembra_I9999.hst");
  EXPECT_EQ(HistoryListLabel(3, "21.03.2024"), "File I0003 21.03.2024");
  EXPECT_EQ(HistoryListWidth(16), 180);
  EXPECT_EQ(HistoryListWidth(17), 193);
}

class HistoryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("zembra-history-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
           std::to_string(::getpid()));
    fs::remove_all(Dir);
    fs::create_directories(Dir);
    Folder = (Dir / kHistoryFolder).string();
  }
  void TearDown() override { fs::remove_all(Dir); }

  std::string FileOf(int number) const { return (fs::path(Folder) / HistoryFileName(number)).string(); }
  std::vector<int> Listed() const {
    std::vector<int> numbers;
    for (const auto& f : ListHistoryFiles(Folder)) numbers.push_back(f.Number);
    return numbers;
  }

  fs::path Dir;
  std::string Folder;
};

TEST_F(HistoryFileTest, FirstMatchEver) {
  const THistoryAdd r = AddHistory(Folder, {kAnna}, kStamp);
  EXPECT_EQ(r.Outcome, THistorySave::Saved);
  EXPECT_EQ(r.LastFile, 1);
  EXPECT_EQ(*ReadWholeFile(FileOf(1)), Crlf({kAnnaLine, kEndLine, kAnnaFileSums}));
  const THistoryCheck check = CheckHistoryFile(Folder, 1);
  EXPECT_TRUE(check.Valid);
  EXPECT_GT(check.Modified, 0);
}

// What lies in the folder before an entry is added.
enum class TFile { Missing, OneEntry, AlmostFull, Full, Damaged, ChangedLineChecksum };

TEST_F(HistoryFileTest, WhichFileTheNextEntryGoesTo) {
  struct TCase {
    const char* Name;
    std::map<int, TFile> Before;
    std::vector<int> ListedBefore;
    int WrittenTo;
    int EntriesThen;
    std::vector<int> ListedAfter;
  } const cases[] = {
      {"no folder yet", {}, {}, 1, 1, {1}},
      {"839 entries: the 840th joins them", {{1, TFile::AlmostFull}}, {1}, 1, 840, {1}},
      {"after 840 entries a new file", {{1, TFile::Full}}, {1}, 2, 1, {1, 2}},
      {"1 full, 2 missing, 3 valid", {{1, TFile::Full}, {3, TFile::OneEntry}}, {1}, 2, 1, {1, 2, 3}},
      {"1 full, 2 damaged, 3 valid", {{1, TFile::Full}, {2, TFile::Damaged}, {3, TFile::OneEntry}}, {1}, 2, 1,
       {1, 2, 3}},
      {"a damaged first file is started anew", {{1, TFile::Damaged}, {2, TFile::OneEntry}}, {}, 1, 1, {1, 2}},
      {"a changed line checksum is continued", {{1, TFile::ChangedLineChecksum}}, {1}, 1, 2, {1}},
  };
  for (const auto& c : cases) {
    fs::remove_all(Folder);
    for (const auto& [number, kind] : c.Before) {
      fs::create_directories(Folder);
      std::string bytes;
      switch (kind) {
        case TFile::Missing: continue;
        case TFile::OneEntry: bytes = SealHistoryFile({kDuelLine}); break;
        case TFile::AlmostFull: bytes = SealHistoryFile(std::vector<std::string>(839, kDuelLine)); break;
        case TFile::Full: bytes = SealHistoryFile(std::vector<std::string>(840, kDuelLine)); break;
        case TFile::Damaged: bytes = SealHistoryFile({kDuelLine}).replace(20, 1, "#"); break;
        case TFile::ChangedLineChecksum: bytes = SealHistoryFile({kDuelLine}).replace(101, 1, "7"); break;
      }
      ASSERT_TRUE(WriteFileAtomically(FileOf(number), bytes)) << c.Name;
    }
    EXPECT_EQ(Listed(), c.ListedBefore) << c.Name;
    const auto third = ReadWholeFile(FileOf(3));

    const THistoryAdd r = AddHistory(Folder, {kAnna}, kStamp);
    EXPECT_EQ(r.Outcome, THistorySave::Saved) << c.Name;
    EXPECT_EQ(r.LastFile, c.WrittenTo) << c.Name;
    const THistoryCheck written = CheckHistoryFile(Folder, c.WrittenTo);
    EXPECT_EQ(written.Entries, c.EntriesThen) << c.Name;
    ASSERT_FALSE(written.EntryLines.empty()) << c.Name;
    EXPECT_EQ(written.EntryLines.back(), kAnnaLine) << c.Name;
    if (c.EntriesThen > 1) {
      EXPECT_EQ(written.EntryLines.front().substr(0, 99), kDuelLine.substr(0, 99)) << c.Name;
    }
    EXPECT_EQ(Listed(), c.ListedAfter) << c.Name;
    EXPECT_EQ(ReadWholeFile(FileOf(3)), third) << c.Name;  // later files stay as they were
  }
}

TEST_F(HistoryFileTest, MoreEntriesThanRoomGoOnIntoTheNextFile) {
  const THistoryAdd r = AddHistory(Folder, std::vector<HisStr>(841, kAnna), kStamp);
  EXPECT_EQ(r.Outcome, THistorySave::Saved);
  EXPECT_EQ(r.LastFile, 2);
  EXPECT_EQ(CheckHistoryFile(Folder, 1).Entries, 840);
  EXPECT_EQ(CheckHistoryFile(Folder, 2).Entries, 1);
}

TEST_F(HistoryFileTest, FailuresToSave) {
  struct TCase {
    const char* Name;
    std::string Folder;
  } const cases[] = {
      {"the folder's parent does not exist", (Dir / "gone" / kHistoryFolder).string()},
      {"a file where the folder should be", (Dir / "plain-file").string()},
  };
  ASSERT_TRUE(WriteFileAtomically((Dir / "plain-file").string(), "x"));
  for (const auto& c : cases) {
    const THistoryAdd r = AddHistory(c.Folder, {kAnna}, kStamp);
    EXPECT_EQ(r.Outcome, THistorySave::CannotSave) << c.Name;
    EXPECT_FALSE(fs::exists(fs::path(c.Folder) / HistoryFileName(1))) << c.Name;
  }
}

TEST_F(HistoryFileTest, AFailedWriteLeavesThePreviousFile) {
  ASSERT_EQ(AddHistory(Folder, {kAnna}, kStamp).Outcome, THistorySave::Saved);
  const std::string before = *ReadWholeFile(FileOf(1));
  THistoryAdd r;
  {
    TFullDisk full;
    r = AddHistory(Folder, {kDuel}, kStamp);
  }
  EXPECT_EQ(r.Outcome, THistorySave::CannotSave);
  EXPECT_EQ(*ReadWholeFile(FileOf(1)), before);
  EXPECT_EQ(CheckHistoryFile(Folder, 1).Entries, 1);
}

TEST_F(HistoryFileTest, GridRows) {
  const std::vector<HisStr> entries = {kAnna, kDuel, {"Anna", 1, 240, 12.0, THisKind::Account},
                                       {"Anna/Cyril", 1, -18, 1500.0, THisKind::Tournament}};
  ASSERT_EQ(AddHistory(Folder, entries, kStamp).Outcome, THistorySave::Saved);
  const auto rows = ReadHistoryRows(Folder, 1);
  ASSERT_TRUE(rows.has_value());
  ASSERT_EQ(rows->size(), 4u);
  const std::array<std::string, 7> first = {"09:05",      "21.03.2024", "Anna" + std::string(47, ' '), "  1",
                                            "       520", "      2,60", "Local"};
  EXPECT_EQ((*rows)[0].Cells, first);
  struct TCase {
    std::string Type;
    THistoryColour Colour;
    std::string Rating;
  } const kinds[] = {{"Local", THistoryColour::WindowText, "      2,60"},
                     {"Net", THistoryColour::Green, "     -1,23"},
                     {"Account", THistoryColour::Red, "     12,00"},
                     {"Tourney", THistoryColour::Blue, "   1500,00"}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ((*rows)[i].Cells[6], kinds[i].Type);
    EXPECT_EQ((*rows)[i].Colour, kinds[i].Colour) << kinds[i].Type;
    EXPECT_EQ((*rows)[i].Cells[5], kinds[i].Rating) << kinds[i].Type;
  }
  ASSERT_TRUE(WriteFileAtomically(FileOf(2), "damaged\r\n"));
  EXPECT_FALSE(ReadHistoryRows(Folder, 2).has_value());
}

}  // namespace
}  // namespace zembra
