// The game's requests against the real club service on loopback, through
// the program's own HTTP client: accounts, ratings, personal info, club
// tables, statistics, and what a dead address gives.
#include <gtest/gtest.h>

#include "../service/service_fixture.h"
#include "online/account.h"
#include "online/club_talk.h"
#include "online/rating.h"
#include "online/reply_rules.h"
#include "online/requests.h"
#include "online/service_client.h"

namespace zembra::service::test {
namespace {

class RequestsTest : public ServiceTest {
 protected:
  TServiceClient Client() const {
    const std::string base = "http://127.0.0.1:" + std::to_string(Service_->Port());
    return TServiceClient({base + "/AccountService", base + "/RecordsService", base + "/StatsService",
                           base + "/TourService"});
  }
  static TOrvUser User(const std::string& nick, const std::string& city) {
    TOrvUser u;
    u.Nick = nick;
    u.Pw = "pw" + nick;
    u.City = city;
    u.Country1 = "Russia";
    u.Country2 = "1-001";
    u.Sex = "W";
    u.EMail = nick + "@example.org";
    u.DateR = "10.12.2026";
    return u;
  }
};

TEST_F(RequestsTest, AnAccountsLife) {
  const TServiceClient client = Client();
  const TPost post = client.Transport();
  EXPECT_EQ(ClubMembers(post), 0);
  // A city whose name holds "no" does not turn the login into a refusal.
  EXPECT_EQ(AccountRegister(post, User("Anna", "Nogliki")), TRegisterResult::Registered);
  EXPECT_EQ(AccountRegister(post, User("Anna", "Tver")), TRegisterResult::NickTaken);
  EXPECT_EQ(ClubMembers(post), 1);
  TOrvUser user;
  ASSERT_TRUE(AccountLogin(post, "Anna", "pwAnna", &user));
  EXPECT_EQ(user.City, "Nogliki");
  EXPECT_EQ(user.Sex, "W");
  EXPECT_EQ(user.EMail, "Anna@example.org");
  EXPECT_FALSE(AccountLogin(post, "Anna", "wrong", &user));
  EXPECT_FALSE(AccountLogin(post, "Nobody", "x", &user));

  // The rating record goes and comes back; a tiny rating travels as 0.00005,
  // never as an exponent.
  TOrvGame game;
  game.Kon = 12;
  game.Best = 900;
  game.Rating = 0.00005;
  game.Sessions = 3;
  game.Score = 1234;
  ASSERT_TRUE(GameSave(post, "Anna", "pwAnna", game));
  EXPECT_FALSE(GameSave(post, "Anna", "wrong", game));
  TOrvGame back;
  ASSERT_TRUE(GameRead(post, "Anna", "pwAnna", &back));
  EXPECT_EQ(back.Kon, 12);
  EXPECT_EQ(back.Score, 1234);
  EXPECT_NEAR(back.Rating, 0.00005, 1e-12);
  EXPECT_GE(RatingPlace(post, 0.00005), 1);

  // Personal info with "&" and "=" in its values survives the form.
  TInfo14 info;
  info.Name1 = "Анна & Co";
  info.About = "likes a=b & c";
  info.Telegram = "@anna";
  ASSERT_TRUE(InfoSave(post, "Anna", "pwAnna", info));
  EXPECT_FALSE(InfoSave(post, "Anna", "wrong", info));
  const TInfo14 read = InfoRead(post, "Anna");
  EXPECT_EQ(read.Name1, "Анна & Co");
  EXPECT_EQ(read.About, "likes a=b & c");
  EXPECT_EQ(read.Telegram, "@anna");
  EXPECT_EQ(InfoRead(post, "Nobody").Name1, "");

  std::array<TOrvTop10, 10> top;
  ASSERT_TRUE(ClubTopTen(post, &top));
  EXPECT_EQ(top[0].Nick, "Anna");
  EXPECT_EQ(top[1].Nick, "");
}

TEST_F(RequestsTest, ClubTablesAndStatistics) {
  const TServiceClient client = Client();
  const TPost post = client.Transport();
  const char* nicks[] = {"Boris", "Vera", "Gleb"};
  const int scores[] = {300, 900, 600};
  for (int i = 0; i < 3; ++i) {
    TOrvRecord r;
    r.Nick = nicks[i];
    r.City = "Tver";
    r.Country = "RUS";
    r.Score = scores[i];
    r.R07 = "12";
    r.R09 = "1.5";
    r.R10 = "x";
    EXPECT_GE(RecordSubmit(post, kGameCode, r), 1);
  }
  EXPECT_EQ(RecordsCount(post, kGameCode), 3);
  std::array<TOrvRecord, 10> rows;
  ASSERT_TRUE(RecordsTopTen(post, kGameCode, &rows));
  EXPECT_EQ(rows[0].Nick, "Vera");
  EXPECT_EQ(rows[0].Score, 900);
  EXPECT_EQ(rows[0].Place, 1);
  EXPECT_EQ(rows[2].Nick, "Boris");
  EXPECT_EQ(rows[3].Nick, "#");  // no such row: the defaults
  ASSERT_TRUE(RecordsAround(post, kGameCode, "Boris", "Tver", &rows));
  bool found = false;
  for (const TOrvRecord& r : rows) found = found || r.Nick == "Boris";
  EXPECT_TRUE(found);

  EXPECT_TRUE(StatLaunch(post, 1, 1));
  EXPECT_TRUE(StatWindow(post, 1, "x"));
  TOrvStat stat;
  ASSERT_TRUE(StatRead(post, &stat));
  EXPECT_GE(stat.Stat1, 1);
}

TEST_F(RequestsTest, AccountSessions) {
  const TServiceClient client = Client();
  int posts = 0;
  const TPost post = [&](const TServiceForm& f) {
    ++posts;
    return client.Post(f);
  };
  // Registered from a new game with "Play global rating" ticked: rated.
  TAccount a;
  a.User.Nick = "Vera";
  a.User.Pw = "ab-cd";
  a.User.City = "Тверь";  // a yellow city still registers
  a.User.EMail = "vera@example.org";
  EXPECT_EQ(RegisterAccount(post, a, true, "10.12.2026"), TRegisterResult::Registered);
  EXPECT_EQ(a.State, TAccountState::Rated);
  EXPECT_EQ(a.User.City, "Тверь");
  EXPECT_EQ(a.User.DateR, "10.12.2026");
  EXPECT_EQ(a.Members, 1);
  EXPECT_TRUE(a.GameKnown);
  // The same nick again: taken, logged out, no registration date.
  TAccount b;
  b.User = a.User;
  EXPECT_EQ(RegisterAccount(post, b, true, "10.12.2026"), TRegisterResult::NickTaken);
  EXPECT_EQ(b.State, TAccountState::LoggedOut);
  EXPECT_EQ(b.User.DateR, "00.00.0000");

  // Signing out sends nothing.
  const int before = posts;
  SignOut(a);
  EXPECT_EQ(posts, before);
  EXPECT_EQ(a.State, TAccountState::LoggedOut);
  // Logged in from the menu: state 2 even for an account that played rated.
  a.RatedPlayAllowed = false;
  ASSERT_TRUE(LoginAccount(post, a, "Vera", "ab-cd"));
  EXPECT_EQ(a.State, TAccountState::LoggedIn);
  EXPECT_EQ(DecipherPassword(a.User.PwC), "ab-cd");
  a.RatedPlayAllowed = true;
  SignOut(a);
  ASSERT_TRUE(LoginAccount(post, a, "Vera", "ab-cd"));
  EXPECT_EQ(a.State, TAccountState::Rated);
  SignOut(a);
  EXPECT_FALSE(LoginAccount(post, a, "Vera", "wrong"));
  EXPECT_FALSE(a.GameKnown);

  // The user file: a space in the stored password logs in as "-".
  const auto file = ReadUserFileText(UserFileText({"Vera", EncipherPassword("ab cd")}));
  ASSERT_TRUE(file);
  TAccount c;
  EXPECT_TRUE(AutoLogin(post, c, file));
  EXPECT_EQ(c.State, TAccountState::LoggedIn);
  EXPECT_EQ(c.User.Nick, "Vera");
  EXPECT_FALSE(AutoLogin(post, c, ReadUserFileText("Another File\nVera\nxx\n")));
  EXPECT_EQ(c.State, TAccountState::LoggedOut);

  // The window's reads: the president is the top ten's first row (the
  // best rated account that has played).
  TOrvGame played;
  played.Kon = 3;
  played.Rating = 1.25;
  ASSERT_TRUE(GameSave(post, "Vera", "ab-cd", played));
  TAccount d;
  ReadAccountWindow(post, d);
  EXPECT_EQ(d.Top[0].Nick, "Vera");
  EXPECT_EQ(d.Members, 1);
}

TEST_F(RequestsTest, ARatedGameAnnouncedAndWrittenBack) {
  const TServiceClient client = Client();
  const TPost post = client.Transport();
  TAccount a;
  a.User = User("Gleb", "Tver");
  ASSERT_EQ(RegisterAccount(post, a, true, "10.12.2026"), TRegisterResult::Registered);
  int complaints = 0;
  ASSERT_TRUE(StartRatedGame(post, a, [&] { ++complaints; }, [](int) {}));
  EXPECT_EQ(complaints, 0);
  EXPECT_EQ(a.Game.Kon, 0);  // the local record stays as read
  // The service holds the announcement: one game with the penalty.
  TOrvGame held;
  ASSERT_TRUE(GameRead(post, "Gleb", "pwGleb", &held));
  EXPECT_EQ(held.Kon, 1);
  EXPECT_NEAR(held.Rating, -2000 + 1.0 / 30, 1e-6);
  ASSERT_TRUE(FinishRatedGame(post, a, 0, 520, 520));
  ASSERT_TRUE(GameRead(post, "Gleb", "pwGleb", &held));
  EXPECT_NEAR(held.Rating, 520 + 1.0 / 30, 1e-6);
  EXPECT_EQ(held.KonL, 1);
  EXPECT_EQ(held.Score, 520);
  EXPECT_GE(SubmitAccountCycle(post, a, 520), 1);
  std::array<TOrvRecord, 10> rows;
  ASSERT_TRUE(RecordsTopTen(post, kAccountCycleTable, &rows));
  EXPECT_EQ(rows[0].Nick, "Gleb");
  EXPECT_EQ(rows[0].R07, "W");

  // Unreachable: three attempts, each failure complained of, waits of 2
  // and 3 s between them, and the account logged out.
  const TServiceClient dead({"http://127.0.0.1:1/A", "http://127.0.0.1:1/R", "http://127.0.0.1:1/S",
                             "http://127.0.0.1:1/T"});
  std::vector<int> waits;
  a.State = TAccountState::Rated;
  // The read reaches the live service, every announcement the dead one.
  const TPost split = [&](const TServiceForm& f) {
    const bool read = !f.Fields.empty() && f.Fields.back().first == std::string(kGameTag) + "best";
    return read ? client.Post(f) : dead.Post(f);
  };
  complaints = 0;
  EXPECT_FALSE(StartRatedGame(split, a, [&] { ++complaints; }, [&](int ms) { waits.push_back(ms); }));
  EXPECT_EQ(complaints, 3);
  EXPECT_EQ(waits, (std::vector<int>{2000, 3000}));
  EXPECT_EQ(a.State, TAccountState::LoggedOut);
}

TEST_F(RequestsTest, ChatAndStatistics) {
  const TServiceClient client = Client();
  const TPost post = client.Transport();
  TPassport anna;
  anna.Nick = "Anna";
  anna.City = "Tver";
  const int first = SendChatMessage(post, anna, "Hello & good = luck", ChatStamp("12:00", "10.12.2026", "Zembra"));
  ASSERT_GE(first, 1);
  EXPECT_EQ(SendChatMessage(post, anna, "again", "x"), first + 1);
  std::array<TOrvRecord, 10> rows;
  ASSERT_TRUE(RecordsTopTen(post, kChatTable, &rows));
  bool found = false;
  for (const TOrvRecord& r : rows)
    if (r.Score == first) {
      found = true;
      EXPECT_EQ(ChatShown(r.R10), "Hello   good   luck");
      EXPECT_EQ(r.Nick, "Anna");
      EXPECT_EQ(r.R08, "5.7f");
    }
  EXPECT_TRUE(found);

  // The first start counts until a post of it is taken.
  bool reported = false;
  EXPECT_TRUE(PostLaunchStats(post, reported));
  EXPECT_TRUE(reported);
  TOrvStat stat;
  ASSERT_TRUE(StatRead(post, &stat));
  EXPECT_EQ(stat.Stat1, 1);
  EXPECT_EQ(stat.Stat2, 1);
  EXPECT_TRUE(PostLaunchStats(post, reported));
  ASSERT_TRUE(StatRead(post, &stat));
  EXPECT_EQ(stat.Stat1, 2);
  EXPECT_EQ(stat.Stat2, 1);
  bool again = false;
  const TServiceClient dead({"", "", "http://127.0.0.1:1/S", ""});
  EXPECT_FALSE(PostLaunchStats(dead.Transport(), again));
  EXPECT_FALSE(again);
  EXPECT_TRUE(StatResults(post, GameStatCounters(TGameKindStat::Computer, 520, false)));
  ASSERT_TRUE(StatRead(post, &stat));
  EXPECT_EQ(stat.StatX[0], 1);
  EXPECT_EQ(stat.StatX[2], 520);
}

TEST(UserFile, ItsPlaceAndForm) {
  EXPECT_EQ(UserFilePath("/home/anna/Games/Zembra"), "/home/anna/Games/OrvUser.orv");
  EXPECT_EQ(UserFilePath("/home/anna/Games/Zembra/"), "/home/anna/Games/OrvUser.orv");
  const std::string text = UserFileText({"Anna", EncipherPassword("secret")});
  EXPECT_EQ(text.find("secret"), std::string::npos);  // never in clear
  const auto back = ReadUserFileText(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Nick, "Anna");
  EXPECT_EQ(DecipherPassword(back->PwC), "secret");
  EXPECT_FALSE(ReadUserFileText(""));
  EXPECT_FALSE(ReadUserFileText("Orv User File\n"));
  TInfo14 dirty;
  dirty.Name1 = "a$b";
  dirty.Name2 = "c~d";
  const TInfo14 clean = CleanInfo(dirty);
  EXPECT_EQ(clean.Name1, "a b");
  EXPECT_EQ(clean.Name2, "c d");
}

TEST_F(RequestsTest, ADeadAddressFailsQuietly) {
  // A port nobody listens on: every request ends in its failure value.
  const TServiceClient dead({"http://127.0.0.1:1/AccountService", "http://127.0.0.1:1/RecordsService",
                             "http://127.0.0.1:1/StatsService", "http://127.0.0.1:1/TourService"});
  const TPost post = dead.Transport();
  TOrvUser user;
  EXPECT_EQ(ClubMembers(post), -1);
  EXPECT_FALSE(AccountLogin(post, "Anna", "x", &user));
  EXPECT_EQ(AccountRegister(post, User("Anna", "Tver")), TRegisterResult::Failed);
  std::array<TOrvRecord, 10> rows;
  EXPECT_FALSE(RecordsTopTen(post, kGameCode, &rows));
  TOrvStat stat;
  EXPECT_FALSE(StatRead(post, &stat));
  EXPECT_FALSE(TServiceClient::Get("http://127.0.0.1:1/service.txt"));
  // A wrong path on a live service is an HTTP error: a failure too.
  const std::string base = "http://127.0.0.1:" + std::to_string(Service_->Port());
  const TServiceClient wrong({base + "/Nowhere", base + "/Nowhere", base + "/Nowhere", base + "/Nowhere"});
  EXPECT_EQ(ClubMembers(wrong.Transport()), -1);
  EXPECT_TRUE(TServiceClient::Get(base + "/service.txt"));
}

}  // namespace
}  // namespace zembra::service::test
