#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "records/club_file.h"
#include "records/file_store.h"

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

struct TPlayer {
  std::string Name;
  double Rating;
  int32_t Matches;
  int32_t Score;
  std::string Password;
};

std::string Line(const TPlayer& p) {
  return MakeProfileLine(p.Name, p.Rating, p.Matches, p.Score, EncodePassword(p.Password));
}

std::string TopTen(const std::string& name, int score) {
  std::string s = std::to_string(score);
  return (name + std::string(20 - name.size(), ' ')) + std::string(6 - s.size(), ' ') + s;
}

// A sealed club: recent players best first, then the top ten (missing
// places are blank names with score 0).
TClubLines Club(const std::vector<TPlayer>& recent, const std::vector<std::pair<std::string, int>>& top = {}) {
  TClubLines lines = *ParseClubFile(InitialClubFile());
  for (size_t i = 0; i < recent.size(); ++i) lines[i + 1] = Line(recent[i]);
  for (size_t i = 0; i < top.size(); ++i) lines[kTopTenFirstLine + i] = TopTen(top[i].first, top[i].second);
  SealClubLines(lines);
  return lines;
}

std::vector<std::string> RecentNames(const TClubLines& lines) {
  std::vector<std::string> names;
  for (int n = 1; n <= kRecentPlayers; ++n) {
    const auto p = ReadProfileLine(lines[n]);
    names.push_back(p ? p->Name : "-");
  }
  return names;
}

std::vector<std::string> TopTenEntries(const TClubLines& lines) {
  std::vector<std::string> entries;
  for (const TTopTenRow& row : TopTenRows(lines)) {
    std::string name = row.Name;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    std::string score = row.Score;
    while (!score.empty() && score.front() == ' ') score.erase(0, 1);
    entries.push_back(name + " " + score);
  }
  return entries;
}

class ClubFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("zembra-club-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
           std::to_string(::getpid()));
    fs::remove_all(Dir);
    fs::create_directories(Dir);
    Path = (Dir / kClubFileName).string();
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(Path, fs::perms::owner_all, ec);
    fs::remove_all(Dir, ec);
  }
  void Put(const TClubLines& lines) { ASSERT_TRUE(WriteFileAtomically(Path, JoinClubLines(lines))); }
  TClubLines Stored() const {
    const auto lines = ReadClubFile(Path);
    EXPECT_TRUE(lines.has_value());
    return lines.value_or(TClubLines{});
  }

  fs::path Dir;
  std::string Path;
};

const std::vector<std::pair<std::string, int>> kTopTen = {{"T1", 1500}, {"T2", 1200}, {"T3", 900}, {"T4", 700},
                                                          {"T5", 500},  {"T6", 300},  {"T7", 100}, {"T8", 0},
                                                          {"T9", -100}, {"T10", -200}};

TEST(ClubLines, ProfileLineLayout) {
  struct TCase {
    const char* Name;
    TPlayer Player;
    std::string Expected;
  } const cases[] = {
      {"first match of a new player", {"Anna", 2.6, 1, 520, "abc"},
       "Anna                  2,600000      1    520414415416349349"},
      {"negative rating and score, empty password", {"Ivan", -1.23, 10, -240, ""},
       "Ivan                 -1,230000     10   -240349349349349349"},
      {"the rating limits", {"Max", 99.99, 1234567, 60000, "12345"},
       "Max                  99,9900001234567  60000366367368369370"},
      {"a long name is cut to 20", {"Konstantin Konstantinopolsky", -99.99, 30, 0, "x"},
       "Konstantin Konstanti-99,990000     30      0437349349349349"},
      {"Cyrillic in code page 1251, a password cut to 5", {"Иван", 0.0, 2, 100, "пароль"},
       "\xC8\xE2\xE0\xED                  0,000000      2    100556541557555552"},
  };
  for (const auto& c : cases) {
    const std::string line = Line(c.Player);
    EXPECT_EQ(line, c.Expected) << c.Name;
    EXPECT_EQ(line.size(), kProfileLineLength) << c.Name;
  }
}

TEST(ClubLines, ProfileLineReadsBack) {
  const TPlayer players[] = {{"Anna", 2.6, 1, 520, "abc"},
                             {"Ivan", -1.23, 10, -240, ""},
                             {"Марина", 99.99, 9999999, -60000, "пар"}};
  for (const auto& p : players) {
    const auto read = ReadProfileLine(Line(p));
    ASSERT_TRUE(read.has_value()) << p.Name;
    EXPECT_EQ(read->Name, p.Name);
    ASSERT_TRUE(read->Rating.has_value()) << p.Name;
    EXPECT_DOUBLE_EQ(*read->Rating, p.Rating);
    EXPECT_EQ(read->MatchesPlayed, p.Matches);
    EXPECT_EQ(read->CycleScore, p.Score);
    const TProfileValues v = MatchStartValues(*read);
    EXPECT_EQ(v.MatchNo, p.Matches + 1);
    EXPECT_EQ(v.ScoreBefore, p.Score);
    EXPECT_DOUBLE_EQ(v.RatingBefore, p.Rating);
  }
  EXPECT_FALSE(ReadProfileLine(kEmptyProfileLine).has_value());
  // "#" in position 30: a profile without rating starts from 0.
  std::string unrated = Line({"Olga", 0.0, 4, 80, ""});
  unrated.replace(20, 10, "         #");
  const auto read = ReadProfileLine(unrated);
  ASSERT_TRUE(read.has_value());
  EXPECT_FALSE(read->Rating.has_value());
  EXPECT_EQ(MatchStartValues(*read).RatingBefore, 0.0);
  EXPECT_EQ(MatchStartValues(*read).MatchNo, 5);
  const TProfileValues fresh = NewPlayerValues();
  EXPECT_EQ(fresh.MatchNo, 1);
  EXPECT_EQ(fresh.ScoreBefore, 0);
  EXPECT_EQ(fresh.RatingBefore, 0.0);
}

TEST(ClubLines, PasswordCodes) {
  struct TCase {
    const char* Name;
    std::string Code;
    std::optional<std::string> Plain;
  } const cases[] = {
      {"five blanks", "349349349349349", std::string(5, ' ')},
      {"lowest and highest code", "317572349349349", std::string("\x00\xFF   ", 5)},
      {"below the offset", "316349349349349", std::nullopt},
      {"above the highest code", "573349349349349", std::nullopt},
      {"14 digits", "34934934934934", std::nullopt},
      {"not digits", "34934934934934#", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodePassword(c.Code), c.Plain) << c.Name;
  EXPECT_EQ(DecodePassword(EncodePassword("Qz9")), std::optional<std::string>("Qz9  "));
}

TEST(ClubLines, InitialFileHasItsKnownChecksum) {
  const TClubLines lines = *ParseClubFile(InitialClubFile());
  // Worked out separately from the 583 characters of lines 1..16.
  EXPECT_EQ(lines[17], "0#####STD#019933009859006590");
  EXPECT_EQ(lines[1], kEmptyProfileLine);
  EXPECT_EQ(lines[6], "                         0");
  EXPECT_EQ(lines[16].substr(0, 2), "l}");
  EXPECT_EQ(JoinClubLines(lines), InitialClubFile());
}

TEST(ClubLines, StartUpCheckOfDamagedFiles) {
  const std::string good = JoinClubLines(Club({{"Anna", 2.6, 1, 520, "abc"}}, kTopTen));
  // One character replaced, line 17 left as it was.
  auto edited = [](const std::string& bytes, int lineNo, size_t position, char c) {
    TClubLines lines = *ParseClubFile(bytes);
    EXPECT_NE(lines[lineNo][position - 1], c) << "line " << lineNo;
    lines[lineNo][position - 1] = c;
    return JoinClubLines(lines);
  };
  auto changed = [&](int lineNo, size_t position, char c) { return edited(good, lineNo, position, c); };
  auto resealed = [](std::string bytes, int lineNo, size_t position, char c) {
    TClubLines lines = *ParseClubFile(bytes);
    lines[lineNo][position - 1] = c;
    SealClubLines(lines);
    return JoinClubLines(lines);
  };
  std::string line3Short = good;
  line3Short.erase(2 * 61 + 58, 1);  // the last character of line 3
  std::string lfOnly;
  for (char c : good)
    if (c != '\r') lfOnly += c;

  struct TCase {
    const char* Name;
    std::optional<std::string> Bytes;
    TClubCheck Outcome;
    bool Russian;
  } const cases[] = {
      {"a sealed file", good, TClubCheck::Usable, false},
      {"no file", std::nullopt, TClubCheck::Missing, false},
      {"line 3 of 58 characters", line3Short, TClubCheck::Incorrect, false},
      {"16 lines", good.substr(0, good.size() - 30), TClubCheck::Incorrect, false},
      {"18 lines", good + "x\r\n", TClubCheck::Incorrect, false},
      {"an empty file", std::string(), TClubCheck::Incorrect, false},
      {"a name letter changed", changed(1, 2, 'm'), TClubCheck::Incorrect, false},
      {"a top-ten score changed", changed(7, 23, '3'), TClubCheck::Incorrect, false},
      {"an unused character of line 16 changed", changed(16, 20, '*'), TClubCheck::Incorrect, false},
      {"a checksum digit changed", changed(17, 28, '9'), TClubCheck::Incorrect, false},
      {"a checksum that is not a number", changed(17, 15, ' '), TClubCheck::Incorrect, false},
      {"line 16 without its marker", resealed(good, 16, 1, 'L'), TClubCheck::Incorrect, false},
      {"line 17 begins with 1", changed(17, 1, '1'), TClubCheck::Usable, true},
      {"Russian even when the checksum fails", edited(changed(17, 1, '1'), 1, 2, 'm'), TClubCheck::Incorrect,
       true},
      {"lines ended by a bare line feed", lfOnly, TClubCheck::Usable, false},
  };
  for (const auto& c : cases) {
    const TClubCheckResult r = CheckClubBytes(c.Bytes);
    EXPECT_EQ(r.Outcome, c.Outcome) << c.Name;
    EXPECT_EQ(r.RussianAtStart, c.Russian) << c.Name;
  }
  EXPECT_EQ(CheckClubBytes(changed(17, 7, 'X')).DistributionLabel, "XTD");
}

TEST_F(ClubFileTest, StartUpCheckOnDisk) {
  const TClubCheckResult missing = CheckClubFile(Path);
  EXPECT_EQ(missing.Outcome, TClubCheck::Missing);
  EXPECT_EQ(ClubCheckMessage("Can`t find the file", "C:\\Games\\Zembra.clb"),
            "Can`t find the file \"C:\\Games\\Zembra.clb\"!");

  ASSERT_EQ(InstallClubFile(Path), TClubWrite::Written);
  const TClubCheckResult usable = CheckClubFile(Path);
  EXPECT_EQ(usable.Outcome, TClubCheck::Usable);
  EXPECT_EQ(usable.DistributionLabel, kInitialDistributionLabel);
  EXPECT_FALSE(usable.Protected);
  EXPECT_EQ(InstallClubFile(Path), TClubWrite::Unchanged);

  fs::permissions(Path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(CheckClubFile(Path).Protected);
}

TEST_F(ClubFileTest, InstallingIntoAMissingFolderFails) {
  EXPECT_EQ(InstallClubFile((Dir / "no-such-folder" / kClubFileName).string()), TClubWrite::DiskError);
}

TEST_F(ClubFileTest, EndOfCycleEntersTheTopTen) {
  struct TCase {
    const char* Name;
    int Score;
    int Place;
    std::vector<std::string> TopTen;
  } const cases[] = {
      {"1200 goes above the old 1200", 1200, 2,
       {"T1 1500", "Zoe 1200", "T2 1200", "T3 900", "T4 700", "T5 500", "T6 300", "T7 100", "T8 0", "T9 -100"}},
      {"the best score", 2000, 1,
       {"Zoe 2000", "T1 1500", "T2 1200", "T3 900", "T4 700", "T5 500", "T6 300", "T7 100", "T8 0", "T9 -100"}},
      {"equal to the tenth", -200, 10,
       {"T1 1500", "T2 1200", "T3 900", "T4 700", "T5 500", "T6 300", "T7 100", "T8 0", "T9 -100", "Zoe -200"}},
      {"a negative score between the last two", -150, 10,
       {"T1 1500", "T2 1200", "T3 900", "T4 700", "T5 500", "T6 300", "T7 100", "T8 0", "T9 -100", "Zoe -150"}},
      {"below all ten", -250, 0,
       {"T1 1500", "T2 1200", "T3 900", "T4 700", "T5 500", "T6 300", "T7 100", "T8 0", "T9 -100", "T10 -200"}},
  };
  for (const auto& c : cases) {
    Put(Club({{"Bob", 3.0, 12, 40, ""}}, kTopTen));
    const TStoreResult r =
        StoreProfile(TClubAccess{Path}, Line({"Zoe", 1.5, 30, c.Score, "pw"}), EndsCycle(30));
    EXPECT_EQ(r.Write, TClubWrite::Written) << c.Name;
    EXPECT_TRUE(r.CycleEnded) << c.Name;
    EXPECT_EQ(r.Cycle.CyclePlace, c.Place) << c.Name;
    EXPECT_EQ(r.Cycle.CycleScore, c.Score) << c.Name;
    const TClubLines stored = Stored();
    EXPECT_EQ(TopTenEntries(stored), c.TopTen) << c.Name;
    // The stored profile starts its next cycle from 0.
    EXPECT_EQ(ReadProfileLine(stored[r.Slot])->CycleScore, 0) << c.Name;
    EXPECT_EQ(ReadProfileLine(stored[r.Slot])->MatchesPlayed, 30) << c.Name;
    EXPECT_EQ(CheckClubFile(Path).Outcome, TClubCheck::Usable) << c.Name;
  }
}

TEST_F(ClubFileTest, OutsideTheEndOfACycleTheTopTenStays) {
  Put(Club({}, kTopTen));
  const TStoreResult r = StoreProfile(TClubAccess{Path}, Line({"Zoe", 1.5, 29, 5000, ""}), EndsCycle(29));
  EXPECT_FALSE(r.CycleEnded);
  const TClubLines stored = Stored();
  EXPECT_EQ(TopTenEntries(stored)[0], "T1 1500");
  EXPECT_EQ(ReadProfileLine(stored[1])->CycleScore, 5000);
}

TEST_F(ClubFileTest, StoringByRating) {
  const std::vector<TPlayer> three = {{"A", 5.0, 9, 0, ""}, {"B", 3.0, 9, 0, ""}, {"C", 1.0, 9, 0, ""}};
  const std::vector<TPlayer> full = {{"A", 5.0, 9, 0, ""}, {"B", 3.0, 9, 0, ""}, {"C", 1.0, 9, 0, ""},
                                     {"D", 0.0, 9, 0, ""}, {"E", -1.0, 9, 0, ""}};
  struct TCase {
    const char* Name;
    std::vector<TPlayer> Recent;
    double Rating;
    int Slot;
    std::vector<std::string> Names;
  } const cases[] = {
      {"equal to the second: placed second", three, 3.0, 2, {"A", "New", "B", "C", "-"}},
      {"the best", three, 6.0, 1, {"New", "A", "B", "C", "-"}},
      {"below all: the first empty entry", three, 0.5, 4, {"A", "B", "C", "New", "-"}},
      {"into an empty list", {}, -3.0, 1, {"New", "-", "-", "-", "-"}},
      {"a full list and a lower new player", full, -2.0, 0, {"A", "B", "C", "D", "E"}},
      {"a full list, equal to the fifth", full, -1.0, 5, {"A", "B", "C", "D", "New"}},
      {"a full list, the fifth drops out", full, 4.0, 2, {"A", "New", "B", "C", "D"}},
  };
  for (const auto& c : cases) {
    Put(Club(c.Recent));
    const TStoreResult r = StoreProfile(TClubAccess{Path}, Line({"New", c.Rating, 3, 0, ""}), false);
    EXPECT_EQ(r.Slot, c.Slot) << c.Name;
    EXPECT_EQ(r.Write, TClubWrite::Written) << c.Name;
    EXPECT_EQ(RecentNames(Stored()), c.Names) << c.Name;
  }
}

TEST_F(ClubFileTest, RemovingProfiles) {
  const std::vector<TPlayer> full = {{"A", 5.0, 9, 0, ""}, {"B", 3.0, 9, 0, ""}, {"C", 1.0, 9, 0, ""},
                                     {"D", 0.0, 9, 0, ""}, {"E", -1.0, 9, 0, ""}};
  struct TCase {
    const char* Name;
    int Slot;
    TClubWrite Write;
    std::vector<std::string> Names;
  } const cases[] = {
      {"slot 2: lines 3..5 move up", 2, TClubWrite::Written, {"A", "C", "D", "E", "-"}},
      {"slot 5 becomes empty", 5, TClubWrite::Written, {"A", "B", "C", "D", "-"}},
      {"slot 1", 1, TClubWrite::Written, {"B", "C", "D", "E", "-"}},
      {"a new player (6)", 6, TClubWrite::Unchanged, {"A", "B", "C", "D", "E"}},
      {"an account (7)", 7, TClubWrite::Unchanged, {"A", "B", "C", "D", "E"}},
      {"a tournament player (8)", 8, TClubWrite::Unchanged, {"A", "B", "C", "D", "E"}},
  };
  for (const auto& c : cases) {
    Put(Club(full));
    EXPECT_EQ(RemoveProfile(TClubAccess{Path}, c.Slot), c.Write) << c.Name;
    const TClubLines stored = Stored();
    EXPECT_EQ(RecentNames(stored), c.Names) << c.Name;
    EXPECT_EQ(stored[5] == kEmptyProfileLine, c.Write == TClubWrite::Written) << c.Name;
    EXPECT_EQ(CheckClubFile(Path).Outcome, TClubCheck::Usable) << c.Name;
  }
}

TEST_F(ClubFileTest, EndOfAMatchReplacesTheProfile) {
  Put(Club({{"A", 5.0, 9, 0, ""}, {"B", 3.0, 9, 0, ""}, {"Zoe", 1.0, 29, 700, "z"}}, kTopTen));
  const TClubLines before = Stored();
  // Zoe's 30th match lifts her rating above B's.
  const TStoreResult r = ReplaceProfile(TClubAccess{Path}, 3, Line({"Zoe", 4.0, 30, 1200, "z"}), EndsCycle(30));
  EXPECT_EQ(r.Write, TClubWrite::Written);
  EXPECT_EQ(r.Slot, 2);
  EXPECT_EQ(r.Cycle.CyclePlace, 2);
  const TClubLines after = Stored();
  EXPECT_EQ(RecentNames(after), (std::vector<std::string>{"A", "Zoe", "B", "-", "-"}));
  EXPECT_EQ(after[2], Line({"Zoe", 4.0, 30, 0, "z"}));
  EXPECT_EQ(after[17].substr(0, 10), before[17].substr(0, 10));
  EXPECT_EQ(CheckClubFile(Path).Outcome, TClubCheck::Usable);
  // The file reads back byte for byte.
  EXPECT_EQ(JoinClubLines(after), *ReadWholeFile(Path));
}

TEST_F(ClubFileTest, RenamingAProfile) {
  Put(Club({{"A", 5.0, 9, 0, ""}, {"B", 3.0, 9, 0, "old"}, {"C", 3.0, 4, 60, "cc"}}));
  struct TCase {
    const char* Name;
    int Slot;
    TClubWrite Write;
    int NewSlot;
    std::vector<std::string> Names;
  } const cases[] = {
      {"slot 2 keeps its place", 2, TClubWrite::Written, 2, {"A", "Boris", "C", "-", "-"}},
      {"an equal rating below moves up", 3, TClubWrite::Written, 2, {"A", "Boris", "Boris", "-", "-"}},
      {"a new player is not in the file", 6, TClubWrite::Unchanged, 6, {"A", "Boris", "Boris", "-", "-"}},
      {"an empty entry", 4, TClubWrite::Unchanged, 4, {"A", "Boris", "Boris", "-", "-"}},
  };
  for (const auto& c : cases) {
    const TStoreResult r = ChangeName(TClubAccess{Path}, c.Slot, "Boris", "new");
    EXPECT_EQ(r.Write, c.Write) << c.Name;
    EXPECT_EQ(r.Slot, c.NewSlot) << c.Name;
    const TClubLines stored = Stored();
    EXPECT_EQ(RecentNames(stored), c.Names) << c.Name;
    EXPECT_TRUE(PasswordMatches(stored[2], "new")) << c.Name;
  }
  const TClubLines stored = Stored();
  const auto renamedC = ReadProfileLine(stored[2]);
  EXPECT_EQ(renamedC->MatchesPlayed, 4);
  EXPECT_EQ(renamedC->CycleScore, 60);
  EXPECT_FALSE(PasswordMatches(stored[2], "cc"));
}

TEST_F(ClubFileTest, BarredWritingLeavesTheFileAsItWas) {
  Put(Club({{"A", 5.0, 9, 0, ""}, {"B", 3.0, 9, 0, ""}}, kTopTen));
  const std::string before = *ReadWholeFile(Path);
  const TClubAccess barred{Path, true};
  EXPECT_EQ(RemoveProfile(barred, 1), TClubWrite::Barred);
  const TStoreResult stored = StoreProfile(barred, Line({"Zoe", 1.5, 30, 1200, ""}), true);
  EXPECT_EQ(stored.Write, TClubWrite::Barred);
  EXPECT_EQ(stored.Cycle.CyclePlace, 2);  // the window still tells the place
  EXPECT_EQ(ChangeName(barred, 2, "Boris", "").Write, TClubWrite::Barred);
  EXPECT_EQ(*ReadWholeFile(Path), before);
}

TEST_F(ClubFileTest, AFailedWriteLeavesThePreviousFile) {
  Put(Club({{"A", 5.0, 9, 0, ""}, {"B", 3.0, 9, 0, ""}}, kTopTen));
  const std::string before = *ReadWholeFile(Path);
  TClubWrite removed, stored;
  {
    TFullDisk full;
    removed = RemoveProfile(TClubAccess{Path}, 1);
    stored = StoreProfile(TClubAccess{Path}, Line({"Zoe", 9.0, 3, 0, ""}), false).Write;
  }
  EXPECT_EQ(removed, TClubWrite::DiskError);
  EXPECT_EQ(stored, TClubWrite::DiskError);
  EXPECT_EQ(*ReadWholeFile(Path), before);
  EXPECT_FALSE(fs::exists(Path + ".tmp"));
}

TEST_F(ClubFileTest, OperationsOnAMissingOrBrokenFile) {
  const TClubAccess club{Path};
  EXPECT_EQ(RemoveProfile(club, 1), TClubWrite::Unreadable);
  EXPECT_EQ(StoreProfile(club, Line({"Zoe", 1.0, 1, 0, ""}), false).Write, TClubWrite::Unreadable);
  ASSERT_TRUE(WriteFileAtomically(Path, "not a club file\r\n"));
  EXPECT_EQ(RemoveProfile(club, 1), TClubWrite::Unreadable);
  EXPECT_EQ(*ReadWholeFile(Path), "not a club file\r\n");
}

TEST(ClubLogin, Confirming) {
  const std::string anna = Line({"Anna", 2.6, 7, 520, "ab"});
  struct TCase {
    const char* Name;
    TLoginEntry Entry;
    TLoginOutcome Outcome;
    std::string ResultName;
    int32_t MatchNo;
  } const cases[] = {
      {"an empty name", {anna, "", "ab", ""}, TLoginOutcome::IncorrectName, "", 0},
      {"a recent player, right password", {anna, "Anna", "ab", ""}, TLoginOutcome::Accepted, "Anna", 8},
      {"blanks at the end count as the filling", {anna, "Anna", "ab  ", ""}, TLoginOutcome::Accepted, "Anna", 8},
      {"the name typed is not taken", {anna, "Annette", "ab", ""}, TLoginOutcome::Accepted, "Anna", 8},
      {"a wrong password", {anna, "Anna", "abc", ""}, TLoginOutcome::IncorrectPassword, "", 0},
      {"no password for a profile that has one", {anna, "Anna", "", ""}, TLoginOutcome::IncorrectPassword, "", 0},
      {"an empty entry", {std::string(kEmptyProfileLine), "X", "", ""}, TLoginOutcome::IncorrectPassword, "", 0},
      {"a new player, passwords differ", {std::nullopt, "Zoe", "one", "two"}, TLoginOutcome::PasswordsDiffer, "", 0},
      {"a new player without password", {std::nullopt, "Zoe", "", ""}, TLoginOutcome::Accepted, "Zoe", 1},
      {"a new player's long name is cut", {std::nullopt, "Konstantin Konstantinopolsky", "", ""},
       TLoginOutcome::Accepted, "Konstantin Konstanti", 1},
  };
  for (const auto& c : cases) {
    const TLoginResult r = CheckLogin(c.Entry);
    EXPECT_EQ(r.Outcome, c.Outcome) << c.Name;
    if (c.Outcome != TLoginOutcome::Accepted) continue;
    EXPECT_EQ(r.Name, c.ResultName) << c.Name;
    EXPECT_EQ(r.Values.MatchNo, c.MatchNo) << c.Name;
    EXPECT_EQ(r.PasswordCode, EncodePassword(c.Entry.Password)) << c.Name;
  }
  EXPECT_EQ(LoginStatusRow(TLoginOutcome::IncorrectPassword), 69);
  EXPECT_EQ(CheckLogin({anna, "Anna", "ab", ""}).Values.ScoreBefore, 520);
  EXPECT_TRUE(PasswordMatches(Line({"Ivan", 0, 1, 0, "пароль"}), "парол"));
}

// Ten pixels a character, whatever its bytes in UTF-8.
int TenPixels(const std::string& utf8) {
  int n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return 10 * n;
}
int FiftyPixels(const std::string& utf8) { return 5 * TenPixels(utf8); }

TEST(ClubDisplay, RecentPlayerTexts) {
  std::string unrated = Line({"Olga", 0.0, 4, 80, ""});
  unrated.replace(20, 10, "         #");
  struct TCase {
    const char* Name;
    std::string Line;
    TRecentMode Mode;
    TTextWidth Width;
    std::string Text;
  } const cases[] = {
      {"score mode", Line({"Anna", 2.6, 31, 240, ""}), TRecentMode::Score, {},
       "Anna                      1       240"},
      {"score mode at the end of a cycle", Line({"Anna", 2.6, 30, 0, ""}), TRecentMode::Score, {},
       "Anna                      0         0"},
      {"rating mode", Line({"Anna", 2.6, 1, 520, ""}), TRecentMode::Rating, {},
       "Anna                        1    2,60"},
      {"rating mode rounds halves away from zero", Line({"Ivan", -1.235, 12, 0, ""}), TRecentMode::Rating, {},
       "Ivan                       12   -1,24"},
      {"rating mode without rating", unrated, TRecentMode::Rating, {}, "Olga                        4  ######"},
      {"an empty entry, score mode", kEmptyProfileLine, TRecentMode::Score, {},
       "####################    ###    ######"},
      {"an empty entry, rating mode", kEmptyProfileLine, TRecentMode::Rating, {},
       "####################  #######  ######"},
      {"one blank too wide: no dots", Line({"Anna", 2.6, 31, 240, ""}), TRecentMode::Score, TenPixels,
       "Anna                     1       240"},
      {"a letter removed: three dots", Line({"Konstantin Konstanti", 2.6, 31, 240, ""}), TRecentMode::Score,
       TenPixels, "Konstantin Konst...      1       240"},
      {"never below four characters", Line({"Konstantin Konstanti", 2.6, 31, 240, ""}), TRecentMode::Score,
       FiftyPixels, "K...      1       240"},
      {"Cyrillic letters count as one each", Line({"Константин Констанция", 2.6, 31, 240, ""}),
       TRecentMode::Score, TenPixels, "Константин Конст...      1       240"},
      {"a narrow font keeps the whole name", Line({"Konstantin Konstanti", 2.6, 31, 240, ""}), TRecentMode::Score,
       [](const std::string& s) { return static_cast<int>(s.size()) * 9; }, "Konstantin Konstanti      1       240"},
  };
  for (const auto& c : cases) EXPECT_EQ(RecentPlayerText(c.Line, c.Mode, c.Width), c.Text) << c.Name;
  EXPECT_EQ(RecentListHeadingRow(TRecentMode::Score), 7);
  EXPECT_EQ(RecentListHeadingRow(TRecentMode::Rating), 8);
}

// The menu's values end where their column titles end, whatever spacing a
// language gives its heading; in a fixed-width font that is character by
// character.
TEST(ClubDisplay, ValuesSitUnderTheirHeadings) {
  const TTextWidth mono = TenPixels;
  struct TCase {
    const char* Heading;
    std::string Text;
  } const cases[] = {
      {" The members of club    Games    Score ", "Anna                      1       240"},
      {" Clubmitglieder       Partien   Punkte ", "Anna                      1       240"},
      {" The members of club    Games   Rating ", "Ivan                       12   -1,24"},
      {" Члены клуба           Партии     Счёт ", "Константин Конст...      1       240"},
      {" Membres du club      Parties    Score ", "####################    ###    ######"},
  };
  for (const auto& c : cases) {
    const std::string heading = c.Heading;
    const std::string aligned = AlignUnderHeading(c.Text, heading, mono);
    // The ends of the last two words of the heading and of the text.
    auto wordEnds = [&](const std::string& s) {
      std::vector<int> ends;
      for (size_t i = 0; i < s.size(); ++i)
        if (s[i] != ' ' && (i + 1 == s.size() || s[i + 1] == ' ')) ends.push_back(mono(s.substr(0, i + 1)));
      return std::vector<int>(ends.end() - 2, ends.end());
    };
    EXPECT_EQ(wordEnds(aligned), wordEnds(heading)) << c.Heading << " | " << aligned;
    // The name is kept as it was.
    EXPECT_EQ(aligned.substr(0, 4), c.Text.substr(0, 4)) << c.Heading;
  }
  // A heading without three titles leaves the text alone.
  EXPECT_EQ(AlignUnderHeading("Anna    1    240", " Club ", mono), "Anna    1    240");
  EXPECT_EQ(AlignUnderHeading("Anna    1    240", " Club  Games ", mono), "Anna    1    240");
}

TEST(ClubDisplay, TopTenRows) {
  const std::vector<TTopTenRow> rows = TopTenRows(Club({}, kTopTen));
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0].Rank, "1.");
  EXPECT_EQ(rows[0].Name, "T1                  ");
  EXPECT_EQ(rows[0].Score, "  1500");
  EXPECT_TRUE(rows[2].Red);
  EXPECT_FALSE(rows[3].Red);
  EXPECT_EQ(rows[9].Rank, "10.");
  EXPECT_EQ(rows[9].Score, "  -200");
  EXPECT_EQ(TopTenHeadingRow(false), 1063);
  EXPECT_EQ(TopTenHeadingRow(true), 1064);
}

TEST(ClubDisplay, EndOfCycleWindow) {
  const auto row = [](int r) { return "<" + std::to_string(r) + ">"; };
  struct TCase {
    const char* Name;
    TCycleGame Game;
    int Place;
    int Score;
    std::string Sound;
    int Frame;
    std::string PlaceImage;
    std::vector<std::string> Lines;
  } const cases[] = {
      {"best, no account", TCycleGame::LocalLoggedOut, 1, 4200, "WFiBest", 25, "GPlace01",
       {"<50>", "<51>", "<58>4200", "<65>"}},
      {"best in a net duel", TCycleGame::NetDuel, 1, 4200, "WFiBest", 25, "GPlace01",
       {"<50>", "<51>", "<58>4200", "<66>"}},
      {"best with an account logged in: no honour", TCycleGame::LocalLoggedIn, 1, 4200, "WFiBest", 25,
       "GPlace01", {"<50>", "<51>", "<58>4200"}},
      {"best in the world", TCycleGame::AccountWorld, 1, 4200, "WFiBest", 25, "GPlace01",
       {"<50>", "<51>", "<58>4200", "<61>"}},
      {"tenth", TCycleGame::LocalLoggedOut, 10, -150, "WFiGood", 24, "GPlace10",
       {"<50>", "<53>", "<58>-150", "<54>"}},
      {"no place", TCycleGame::LocalLoggedOut, 0, -250, "WFiBads", 3, "",
       {"<55>", "<56>", "<58>-250", "<57>"}},
      {"a world place above ten", TCycleGame::AccountWorld, 14, 900, "WFiBads", 3, "",
       {"<55>", "<56>", "<58>900 ; <59>14", "<57>"}},
  };
  for (const auto& c : cases) {
    const TCycleWindow w = EndOfCycleWindow(c.Game, c.Place, c.Score);
    EXPECT_EQ(w.Sound, c.Sound) << c.Name;
    EXPECT_EQ(w.StillFrame, c.Frame) << c.Name;
    EXPECT_EQ(w.PlaceImage, c.PlaceImage) << c.Name;
    EXPECT_EQ(w.AnimationRepeats, c.Place == 0 || c.Place > 10) << c.Name;
    std::vector<std::string> lines;
    for (const TTextLine& l : w.Lines) lines.push_back(JoinTextLine(l, row));
    EXPECT_EQ(lines, c.Lines) << c.Name;
  }
}

}  // namespace
}  // namespace zembra
