// The account's field lamps and the service file's keys.
#include <gtest/gtest.h>

#include "online/club_talk.h"
#include "online/field_check.h"
#include "online/service_file.h"
#include "records/options_file.h"

namespace zembra {
namespace {

TEST(FieldCheck, Lamps) {
  const struct {
    const char* Text;
    TFieldKind Kind;
    int Lamp;
  } cases[] = {
      {"A", TFieldKind::Nick, 1},                // one character
      {"Abcdefghijklm", TFieldKind::Nick, 1},    // 13
      {"Abcdefghijkl", TFieldKind::Nick, 3},     // 12
      {"Ann", TFieldKind::Nick, 3},
      {"Аня", TFieldKind::Nick, 1},              // Cyrillic: only in a city
      {"Тверь", TFieldKind::City, 2},
      {"Tver", TFieldKind::City, 3},
      {"Saint Louis", TFieldKind::City, 1},      // a space is not allowed
      {"Novgorod-Velikiy", TFieldKind::City, 1}, // 16
      {"abc", TFieldKind::Password, 1},          // under four
      {"abcd", TFieldKind::Password, 3},
      {"abcdefghijklm", TFieldKind::Password, 1},
      {"ab#d", TFieldKind::Password, 1},
      {"a@b.c", TFieldKind::EMail, 3},
      {"@ab.c", TFieldKind::EMail, 1},            // the at sign first
      {"ab.c@", TFieldKind::EMail, 1},            // or last
      {"abc.de", TFieldKind::EMail, 1},           // or missing
      {"", TFieldKind::City, 1},
      {"x", TFieldKind::Character, 3},
      {"ё", TFieldKind::Character, 2},
      {"&", TFieldKind::Character, 1},
      {"=", TFieldKind::Character, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ValidateField(c.Text, c.Kind), c.Lamp) << c.Text;
}

TEST(ServiceFile, KeysPausesNewsAndLinks) {
  const std::string acc = EncipherAddress("http://club.example:25680/AccountService");
  const std::string rec = EncipherAddress("http://club.example:25680/RecordsService");
  const std::string text = "AccPath=" + acc + "#\nWTGamesPatt=" + rec +
                           "#\nNewsZembra5.3=Y#New season!#Come and play#http://club.example/news#3#\n"
                           "DownLoad_Link_Zembra=http://club.example/get#\n";
  const TServiceFile f = ReadServiceFile(text);
  EXPECT_EQ(f.AccPath.value_or(""), "http://club.example:25680/AccountService");
  EXPECT_EQ(f.WTGamesPatt.value_or(""), "http://club.example:25680/RecordsService");
  EXPECT_FALSE(f.StatPath);
  EXPECT_FALSE(f.RecordsPaused);
  EXPECT_TRUE(f.News.Show);
  EXPECT_EQ(f.News.Text, "New season!");
  EXPECT_EQ(f.News.Link, "http://club.example/news");
  EXPECT_EQ(f.DownloadLink, "http://club.example/get");
  const TServiceEndpoints e = WithServiceFile({"a", "r", "s", "t"}, f);
  EXPECT_EQ(e.Account, "http://club.example:25680/AccountService");
  EXPECT_EQ(e.Records, "http://club.example:25680/RecordsService");
  EXPECT_EQ(e.Stats, "s");

  // A pause keeps the records address; another news flag shows nothing.
  const TServiceFile paused = ReadServiceFile("WTGamesPause CTGamesPause WTGamesPatt=" + rec +
                                              "#NewsZembra5.3=N#x#y#z#0#");
  EXPECT_TRUE(paused.RecordsPaused);
  EXPECT_TRUE(paused.ChatPaused);
  EXPECT_FALSE(paused.WTGamesPatt);
  EXPECT_FALSE(paused.News.Show);
  EXPECT_EQ(WithServiceFile({"a", "r", "s", "t"}, paused).Records, "r");

  // Nothing readable: nothing changes.
  const TServiceFile empty = ReadServiceFile("");
  EXPECT_FALSE(empty.AccPath || empty.RecordsPaused || empty.News.Show);
  EXPECT_EQ(ServiceFileValue("key=abc", "key"), "abc");
  EXPECT_EQ(ServiceFileValue("key", "key"), "");
  EXPECT_FALSE(ServiceFileValue("other=1#", "key"));
}

}  // namespace
}  // namespace zembra

namespace zembra {
namespace {

TEST(ClubTalk, ChatTextsTravelSafely) {
  EXPECT_EQ(ChatText("a&b=c d"), "a_b_c_d");
  EXPECT_EQ(ChatText("Привет, мир!"), "Привет,_мир!");
  EXPECT_EQ(ChatShown("Привет,_мир!"), "Привет, мир!");
  EXPECT_EQ(TextLength(ChatText(std::string(200, 'x'))), 80u);
  EXPECT_EQ(ChatStamp("12:30:05", "10.12.2026", "Zembra 5.7"), "12_30_05_10.12.2026_Zembra_5.7");
}

TEST(ClubTalk, PassportNicks) {
  EXPECT_EQ(PassportNickLamp("Incognito"), 3);
  EXPECT_EQ(PassportNickLamp("Аня"), 2);  // accepted, yellow
  EXPECT_EQ(PassportNickLamp("A"), 1);
  EXPECT_EQ(PassportNickLamp("Abcdefghijklm"), 1);
  EXPECT_EQ(PassportNickLamp("a b"), 1);
}

TEST(ClubTalk, GameCounters) {
  const auto won = GameStatCounters(TGameKindStat::Computer, 520, false);
  EXPECT_EQ(won, (std::array<int, 12>{1, 0, 520, 0}));
  const auto lost = GameStatCounters(TGameKindStat::Computer, -380, true);
  EXPECT_EQ(lost, (std::array<int, 12>{1, 1, 0, 380}));
  EXPECT_EQ(GameStatCounters(TGameKindStat::NetDuelServer, 100, false), (std::array<int, 12>{0, 0, 0, 0, 1}));
  EXPECT_EQ(GameStatCounters(TGameKindStat::NetDuelClient, 100, false), (std::array<int, 12>{}));
  EXPECT_EQ(GameStatCounters(TGameKindStat::TournamentSeat1, 100, false), (std::array<int, 12>{0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(GameStatCounters(TGameKindStat::TournamentSeat2, 100, false), (std::array<int, 12>{}));
}

}  // namespace
}  // namespace zembra
