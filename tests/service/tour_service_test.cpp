// The tournament's requests against the real club service on loopback,
// through the program's own client: the table list and the server's state,
// seats by their rules, a seated player read back, ratings, the top ten
// and places.
#include <gtest/gtest.h>

#include "online/requests.h"
#include "online/service_client.h"
#include "tournament/scripted_player.h"
#include "service_fixture.h"

namespace zembra::service::test {
namespace {

class TourServiceTest : public ServiceTest {
 protected:
  // The service again, with the tournament's options.
  bool Restart(std::vector<std::string> extra = {}) {
    Service_.reset();
    return StartService(std::move(extra));
  }
  TServiceClient Client() const {
    const std::string base = "http://127.0.0.1:" + std::to_string(Service_->Port());
    return TServiceClient({base + "/AccountService", base + "/RecordsService", base + "/StatsService",
                           base + "/TourService"});
  }
  void Member(const std::string& nick) {
    TOrvUser u = ScriptedMember(nick);
    u.DateR = "11.12.2026";
    ASSERT_EQ(AccountRegister(Client().Transport(), u), TRegisterResult::Registered);
  }
  static TOrvClient Seated(const std::string& nick) {
    TOrvClient c;
    c.Nick = nick;
    c.Score = 999;  // what a player claims does not count
    c.Country = "Russia";
    c.City = "Tver";
    c.Sex = "M";
    c.IP = "10.0.0.7";
    return c;
  }
  static TOrvClient Nobody() {
    TOrvClient c;
    c.Nick = c.Country = c.City = c.Sex = c.IP = "X";
    return c;
  }
};

TEST_F(TourServiceTest, TablesSeatsAndTheSeatedPlayers) {
  ASSERT_TRUE(Restart({"--tour-port", "25801", "--tour-greeting", "Play fair"}));
  Member("Anna");
  Member("Boris");
  const TServiceClient client = Client();  // the transport refers to it
  const TPost post = client.Transport();
  char state = 0;
  std::string greeting;
  ASSERT_TRUE(TourServerInfo(post, &state, &greeting));
  EXPECT_EQ(greeting, "Play_fair");  // the game shows "_" as spaces

  std::array<TOrvTable, 10> tables;
  ASSERT_TRUE(TourTables(post, &tables));
  EXPECT_EQ(tables[0].IP, "127.0.0.1");
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(tables[static_cast<size_t>(k)].Port, 25801 + k);
    EXPECT_EQ(tables[static_cast<size_t>(k)].Nick1, "X");
  }
  // Seat 2 only after seat 1; a stranger never; one seat a member.
  EXPECT_EQ(TourSeat(post, 2, 4, TSeatRequest::Take, Seated("Anna")), 1);
  EXPECT_EQ(TourSeat(post, 1, 4, TSeatRequest::Take, Seated("Stranger")), 1);
  EXPECT_EQ(TourSeat(post, 1, 4, TSeatRequest::Take, Seated("Anna")), 0);
  EXPECT_EQ(TourSeat(post, 1, 4, TSeatRequest::Take, Seated("Boris")), 2);
  EXPECT_EQ(TourSeat(post, 1, 5, TSeatRequest::Take, Seated("Anna")), 1);
  EXPECT_EQ(TourSeat(post, 2, 4, TSeatRequest::Take, Seated("Boris")), 0);
  ASSERT_TRUE(TourTables(post, &tables));
  const TOrvTable& t4 = tables[3];
  EXPECT_EQ(t4.Nick1, "Anna");
  EXPECT_EQ(t4.Nick2, "Boris");
  EXPECT_EQ(t4.Score1, 0);  // the club's numbers, not the claimed 999
  EXPECT_EQ(t4.Rating1, 1500);
  EXPECT_EQ(t4.IP2, "10.0.0.7");
  TOrvClient back;
  ASSERT_TRUE(TourReadClient(post, 1, 4, &back));
  EXPECT_EQ(back.Nick, "Anna");
  EXPECT_EQ(back.City, "Tver");
  ASSERT_TRUE(TourReadClient(post, 1, 5, &back));
  EXPECT_EQ(back.Nick, "X");
  // Leaving needs a held seat; clearing always answers.
  EXPECT_EQ(TourSeat(post, 2, 4, TSeatRequest::Leave, Nobody()), 0);
  EXPECT_EQ(TourSeat(post, 2, 4, TSeatRequest::Leave, Nobody()), 1);
  EXPECT_EQ(TourSeat(post, 1, 4, TSeatRequest::Clear, Nobody()), 0);
  ASSERT_TRUE(TourTables(post, &tables));
  EXPECT_EQ(tables[3].Nick1, "X");
}

TEST_F(TourServiceTest, RatingsTopTenAndPlacesOfMembersWhoNeverPlayed) {
  Member("Anna");
  const TServiceClient client = Client();  // the transport refers to it
  const TPost post = client.Transport();
  int score = 0, kon = 0, rating = 0;
  ASSERT_TRUE(TourReadRating(post, "Anna", &score, &kon, &rating));
  EXPECT_EQ(score, 0);
  EXPECT_EQ(kon, 0);
  EXPECT_EQ(rating, 1500);
  EXPECT_FALSE(TourReadRating(post, "Nobody", &score, &kon, &rating));
  std::array<TOrvRecord, 10> rows;
  ASSERT_TRUE(TourTopTen(post, TTourOrder::Score, &rows));
  EXPECT_EQ(rows[0].Nick, "#");  // nobody has played yet
  EXPECT_EQ(TourPlace(post, TTourOrder::Games, 0), 1);
}

TEST_F(TourServiceTest, MalformedTourFormsAreRefused) {
  for (const char* body : {"", "readtable10", "clienton3=0&num=1&can=1", "clienton1=0&num=11&can=1",
                           "clienton1=0&num=1&can=7", "top10x8=0", "placek8=0&kon1=abc", "readclient1=0&num=0"}) {
    const auto reply = Post("/TourService", body);
    EXPECT_EQ(reply.Status, 400) << body;
  }
}

}  // namespace
}  // namespace zembra::service::test
