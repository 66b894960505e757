// The game's requests against the real club service on loopback, through
// the program's own HTTP client: accounts, ratings, personal info, club
// tables, statistics, and what a dead address gives.
#include <gtest/gtest.h>

#include "../service/service_fixture.h"
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
