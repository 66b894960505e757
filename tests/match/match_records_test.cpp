// The records of a finished match: rating, profile line, history entry and
// the end of a cycle, in a club file and a history folder of a test's own.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/scoring.h"
#include "match/match_records.h"

namespace zembra {
namespace {

namespace fs = std::filesystem;

// A history cell as the window shows it, without the blanks of its field.
std::string Trimmed(const std::string& cell) {
  const auto first = cell.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

class MatchRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("zembra_records_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Dir);
    fs::create_directories(Dir);
    Club = (Dir / "Zembra.clb").string();
    ASSERT_EQ(InstallClubFile(Club), TClubWrite::Written);
    Place.Club = {Club, false};
    Place.HistoryFolder = (Dir / "History").string();
    Place.PasswordCode = EncodePassword("");
  }
  void TearDown() override { fs::remove_all(Dir); }

  TMatchOutcome Outcome(int32_t matchNo, int32_t result, double rating) const {
    TMatchOutcome o;
    o.Names = {"", "PC", "Anna"};
    o.MatchNo = matchNo;
    o.MatchResult = result;
    o.ScoreBefore = 300;
    o.ScoreAfter = 300 + result;
    o.RatingBefore = rating;
    return o;
  }

  fs::path Dir;
  std::string Club;
  TRecordsPlace Place;
  const THistoryStamp Stamp{14, 5, "10.12.2026"};
};

TEST_F(MatchRecords, AProfileWithARatingGetsItsNewLineAndOneHistoryEntry) {
  StoreProfile(Place.Club, MakeProfileLine("Anna", 1.5, 9, 300, Place.PasswordCode), false);
  Place.PlayerSlot = 1;
  const TRecordsResult r = RecordMatch(Outcome(10, -240, 1.5), Place, Stamp);
  EXPECT_NEAR(r.Rating, 1.23, 1e-9);  // (9 x 1.5 - 1.2) / 10
  EXPECT_EQ(r.ClubWrite, TClubWrite::Written);
  EXPECT_EQ(r.Sound, "WKoBads");
  EXPECT_FALSE(r.Cycle);
  const auto lines = ReadClubFile(Club);
  ASSERT_TRUE(lines);
  const auto profile = ReadProfileLine((*lines)[1]);
  ASSERT_TRUE(profile);
  EXPECT_EQ(profile->Name, "Anna");
  EXPECT_EQ(profile->MatchesPlayed, 10);
  EXPECT_EQ(profile->CycleScore, 60);
  ASSERT_TRUE(profile->Rating);
  EXPECT_NEAR(*profile->Rating, 1.23, 1e-9);
  EXPECT_TRUE(IsEmptyProfileLine((*lines)[2])) << "replaced, not added";

  ASSERT_TRUE(r.HistorySaved);
  const auto rows = ReadHistoryRows(Place.HistoryFolder, 1);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 1u);
  EXPECT_EQ(Trimmed((*rows)[0].Cells[2]), "Anna");
  EXPECT_EQ(Trimmed((*rows)[0].Cells[3]), "1") << "an entry covers one match";
  EXPECT_EQ(Trimmed((*rows)[0].Cells[4]), "-240");
  EXPECT_EQ(r.Entry.HKon, 1);
}

TEST_F(MatchRecords, ADuelJoinsTheNamesAndKeepsItsOwnKind) {
  Place.Kind = THisKind::Net;
  TMatchOutcome o = Outcome(1, 520, 0.0);
  o.Mode = TMatchMode::DuelServer;
  o.Names = {"", "Boris", "Anna"};
  const TRecordsResult r = RecordMatch(o, Place, Stamp);
  EXPECT_EQ(r.Entry.HName, "Anna/Boris");
  EXPECT_EQ(r.Entry.Ac, THisKind::Net);
  EXPECT_NEAR(r.Rating, 2.6, 1e-9);
  EXPECT_EQ(r.Sound, "WKoGood");
  EXPECT_EQ(ReadProfileLine((*ReadClubFile(Club))[1])->Name, "Anna");
}

TEST_F(MatchRecords, TheThirtiethMatchEndsTheCycleWithoutTheClosingSound) {
  StoreProfile(Place.Club, MakeProfileLine("Anna", 0.5, 29, 900, Place.PasswordCode), false);
  Place.PlayerSlot = 1;
  const TRecordsResult r = RecordMatch(Outcome(30, 380, 0.5), Place, Stamp);
  EXPECT_EQ(r.Sound, "");
  ASSERT_TRUE(r.Cycle);
  EXPECT_FALSE(r.Cycle->Lines.empty());
  const auto lines = ReadClubFile(Club);
  EXPECT_EQ(ReadProfileLine((*lines)[1])->CycleScore, 0) << "a new cycle starts from 0";
}

TEST_F(MatchRecords, AnUnwritableHistoryIsReportedAndTheClubStillWritten) {
  Place.HistoryFolder = (Dir / "missing" / "History").string();  // its parent is missing
  const TRecordsResult r = RecordMatch(Outcome(1, 100, 0.0), Place, Stamp);
  EXPECT_FALSE(r.HistorySaved);
  EXPECT_EQ(r.ClubWrite, TClubWrite::Written);
}

TEST_F(MatchRecords, AccountAndTournamentKeepNoClubLine) {
  for (THisKind kind : {THisKind::Account, THisKind::Tournament}) {
    Place.Kind = kind;
    Place.ServiceRating = 1234.0;
    const TRecordsResult r = RecordMatch(Outcome(3, 100, 0.0), Place, Stamp);
    EXPECT_EQ(r.Rating, 1234.0);
    EXPECT_TRUE(r.ProfileLine.empty());
    EXPECT_EQ(r.Entry.Ac, kind);
    EXPECT_TRUE(IsEmptyProfileLine((*ReadClubFile(Club))[1]));
  }
}

}  // namespace
}  // namespace zembra
