// Every request of the game against the real service on loopback, in the
// body style the game uses for it, answered in the form the game parses.
#include "service_fixture.h"

namespace zembra::service::test {
namespace {

const std::string kAccount = "/AccountService", kRecords = "/RecordsService", kStats = "/StatsService";

std::string GameSave(const std::string& nick, const std::string& pw, const std::string& kon, const std::string& rating,
                     const std::string& konl = "0", const std::string& score = "0") {
  return "nick=" + nick + "&pw=" + pw + "&tulvekkon=" + kon + "&tulvekbest=0&tulvekrating=" + rating +
         "&tulvekses=0&tulvekkonl=" + konl + "&tulvekscore=" + score + "&tulvekR1=0&tulvekR2=#";
}

std::string Submit(int gid, const std::string& nick, int score, const std::string& r10 = "#*") {
  return "gid=" + std::to_string(gid) + "&nick=" + nick + "&city=Moscow&country=1-001&score=" + std::to_string(score) +
         "&R7=M&R8=5.7f&R9=#&R10=" + r10;
}

TEST_F(ServiceTest, AccountsRegisterAndLogIn) {
  EXPECT_EQ(Register("Alice", "secret1").Body, "ok");
  EXPECT_EQ(Register("aLiCe", "other11").Body, "is");  // one nick whatever the case
  EXPECT_EQ(Register("Bob", "secret2", "Москва").Body, "ok");
  const TReply login = Post(kAccount, "nick=Bob&&pw=secret2&&label0=0");
  EXPECT_EQ(login.Body, "$Москва Russia 1-001 M a@b.cd 10.12.2026 xxx xxx xxx 0 0 0$");
  EXPECT_EQ(Post(kAccount, "nick=ALICE&&pw=secret1&&label0=0").Body.front(), '$');
  EXPECT_EQ(Post(kAccount, "nick=Alice&&pw=wrong11&&label0=0").Body, "no");
  EXPECT_EQ(Post(kAccount, "nick=Nobody&&pw=secret1&&label0=0").Body, "no");
  EXPECT_EQ(Post(kAccount, "label1=0").Body, "$2$");
}

TEST_F(ServiceTest, EveryBodyStyleReadsAlike) {
  ASSERT_EQ(Register("Carol", "pa(ss)1", "Тверь").Body, "ok");
  const std::string expected = Post(kAccount, "nick=Carol&pw=pa(ss)1&label0=0").Body;
  ASSERT_EQ(expected.front(), '$');
  for (const std::string body : {"nick=Carol&&pw=pa(ss)1&&label0=0",          // list style
                                 "nick=Carol&&pw=pa%28ss%291&&label0=0",      // list style, encoded
                                 "nick=%43arol&pw=pa%28ss%291&label0=0"})     // raw style, values encoded
    EXPECT_EQ(Post(kAccount, body).Body, expected) << body;
  // A city sent percent-encoded in code page 1251 is the same city.
  EXPECT_EQ(PostRaw(kRecords, "gid=8&nick=Carol&city=%D2%E2%E5%F0%FC&country=1-001&score=5&R7=W&R8=5.7f&R9=%23&R10=%23")
                .Body,
            "$1$");
  EXPECT_EQ(Post(kRecords, "gid=8").Body, "$1 1 5 Carol 1-001 Тверь W 5.7f # #*");
}

TEST_F(ServiceTest, ARatedMatchReadsAndWritesTheRecord) {
  ASSERT_EQ(Register("Dan", "secret3").Body, "ok");
  ASSERT_EQ(Register("Eve", "secret4").Body, "ok");
  EXPECT_EQ(Post(kAccount, "nick=Dan&&pw=secret3&&tulvekbest=0").Body, "$0 0 0 0 0 0 0 #$");
  // The announcement with the penalty, then the result.
  EXPECT_EQ(Post(kAccount, GameSave("Dan", "secret3", "1", "-1999.9666666667")).Body, "ok");
  EXPECT_EQ(Post(kAccount, "nick=Dan&&pw=secret3&&tulvekbest=0").Body, "$1 0 -1999.9666666667 0 0 0 0 #$");
  EXPECT_EQ(Post(kAccount, GameSave("Dan", "secret3", "1", "3,0333333333", "1", "3")).Body, "ok");
  EXPECT_EQ(Post(kAccount, "nick=Dan&&pw=secret3&&tulvekbest=0").Body, "$1 0 3.0333333333 0 1 3 0 #$");
  EXPECT_EQ(Post(kAccount, GameSave("Eve", "secret4", "2", "7.5")).Body, "ok");
  EXPECT_EQ(Post(kAccount, GameSave("Eve", "wrong44", "9", "99")).Status, 403);
  EXPECT_EQ(Post(kAccount, "nick=Eve&&pw=wrong44&&tulvekbest=0").Status, 403);
  // The account top ten by rating, and places.
  EXPECT_EQ(Post(kAccount, "tulvekkon=0").Body,
            "$1 Eve Moscow Russia 1-001 M 7.5*$2 Dan Moscow Russia 1-001 M 3.0333333333*");
  EXPECT_EQ(Post(kAccount, "tulvekrating=5").Body, "$2$");
  EXPECT_EQ(Post(kAccount, "tulvekrating=100").Body, "$1$");
  EXPECT_EQ(Post(kAccount, "tulvekrating=-5000").Body, "$3$");
  // A completed cycle enters the accounts' table, from members only.
  EXPECT_EQ(Post(kRecords, Submit(308, "Dan", 44)).Body, "$1$");
  EXPECT_EQ(Post(kRecords, Submit(308, "Mallory", 99)).Status, 403);
  EXPECT_EQ(Post(kRecords, "rgid=308").Body, "$1$");
}

TEST_F(ServiceTest, PersonalInfoNeedsThePassword) {
  ASSERT_EQ(Register("Fay", "secret5").Body, "ok");
  const std::string fields =
      "&labelinfosave=0&namei=Fay&name2=O'Brien&about=100%25 ; DROP TABLE accounts; -- a%26b=c&telephone=%2B7 999"
      "&emailo=f@x.y&website=&skype=&ok=&vk=&telegram=&facebook=&twitter=&instagramm=&youtube=yt";
  EXPECT_EQ(Post(kAccount, "nick=Fay" + fields).Status, 403);               // the game's form: no password
  EXPECT_EQ(Post(kAccount, "nick=Fay&pw=wrong55" + fields).Status, 403);
  EXPECT_EQ(Post(kAccount, "nick=Fay&pw=secret5" + fields).Body, "ok");
  EXPECT_EQ(Post(kAccount, "nick=Fay&&labelinforead=0").Body,
            "$Fay~O'Brien~100% ; DROP TABLE accounts; -- a&b=c~+7 999~f@x.y~~~~~~~~~yt$");
  EXPECT_EQ(Post(kAccount, "nick=Nobody&&labelinforead=0").Body, "no");
  // "~" and "$" would break the frame; over-long fields are refused whole.
  EXPECT_EQ(Post(kAccount, "nick=Fay&pw=secret5&labelinfosave=0&namei=a~b").Status, 400);
  EXPECT_EQ(Post(kAccount, "nick=Fay&pw=secret5&labelinfosave=0&about=a$b").Status, 400);
  EXPECT_EQ(Post(kAccount, "nick=Fay&pw=secret5&labelinfosave=0&about=" + std::string(51, 'x')).Status, 400);
  EXPECT_EQ(Post(kAccount, "nick=Fay&pw=secret5&labelinfosave=0&facebook=" + std::string(60, 'x')).Body, "ok");
}

TEST_F(ServiceTest, RepliesNeverCarryAMarkerInData) {
  // The game takes "no" anywhere in a login or info reply as a refusal.
  ASSERT_EQ(Register("Gus", "secret6", "Sonoma").Body, "ok");
  const TReply login = Post(kAccount, "nick=Gus&&pw=secret6&&label0=0");
  EXPECT_EQ(login.Body, "$# Russia 1-001 M a@b.cd 10.12.2026 xxx xxx xxx 0 0 0$");
  ASSERT_EQ(Post(kAccount, "nick=Gus&pw=secret6&labelinfosave=0&namei=Gus&about=I know the game").Body, "ok");
  const std::string info = Post(kAccount, "nick=Gus&&labelinforead=0").Body;
  EXPECT_EQ(info, "$Gus~~~~~~~~~~~~~$");
  EXPECT_EQ(info.find("no"), std::string::npos);
}

TEST_F(ServiceTest, ClubTablesKeepOrderPlacesAndTheChat) {
  const int scores[] = {50, 80, 20, 80, 65, 10, 90, 30, 40, 70, 60, 55};
  for (int i = 0; i < 12; ++i) ASSERT_EQ(Post(kRecords, Submit(8, "P" + std::to_string(i), scores[i])).Status, 200);
  EXPECT_EQ(Post(kRecords, Submit(8, "Late", 80)).Body, "$4$");  // after the two earlier 80s
  EXPECT_EQ(Post(kRecords, "rgid=8").Body, "$13$");
  const std::string top = Post(kRecords, "gid=8").Body;
  EXPECT_EQ(std::count(top.begin(), top.end(), '*'), 10);
  EXPECT_EQ(top.substr(0, top.find('*') + 1), "$1 7 90 P6 1-001 Moscow M 5.7f # #*");
  const std::string around = Post(kRecords, "gid=8&nick=P4&city=Moscow").Body;  // 65: place 6
  EXPECT_EQ(around.substr(0, 3), "$4 ");
  EXPECT_EQ(std::count(around.begin(), around.end(), '*'), 5);
  EXPECT_NE(around.find("$6 5 65 P4 "), std::string::npos);
  EXPECT_EQ(Post(kRecords, "gid=8&nick=Stranger&city=Moscow").Body, "");
  EXPECT_EQ(Post(kRecords, "gid=108").Body, "");
  EXPECT_EQ(Post(kRecords, "rgid=108").Body, "$0$");
  // The chat numbers its messages itself, in sequence, newest first.
  EXPECT_EQ(Post(kRecords, Submit(100, "Ann", 7, "Hello_all!*")).Status, 200);
  EXPECT_EQ(Post(kRecords, Submit(100, "Ivan", 7, "Привет!")).Status, 200);
  EXPECT_EQ(Post(kRecords, "gid=100").Body,
            "$1 15 2 Ivan 1-001 Moscow M 5.7f # Привет!*$2 14 1 Ann 1-001 Moscow M 5.7f # Hello_all!*");
  EXPECT_EQ(Post(kRecords, Submit(100, "Ann", 3, "two words")).Status, 400);
  EXPECT_EQ(Post(kRecords, Submit(100, "Ann", 3, std::string(81, 'x'))).Status, 400);
  EXPECT_EQ(Post(kRecords, Submit(5, "Ann", 3)).Status, 400);  // no such club table takes entries
}

TEST_F(ServiceTest, StatisticsCountAndAcknowledge) {
  EXPECT_EQ(Post(kStats, "gid=8").Body, "$0 0 0 # 0 0 0 0 0 0 0 0 0 0 0 0 0 #*");
  EXPECT_EQ(Post(kStats, "gid=8&stat1=1&stat2=1").Body, "$ ok#");
  EXPECT_EQ(Post(kStats, "gid=8&stat1=1&stat2=0").Body, "$ ok#");
  EXPECT_EQ(Post(kStats, "gid=8&stat3=1&stat4=Ann").Body, "$ ok#");
  EXPECT_EQ(Post(kStats, "gid=8&R1=1&R2=1&R3=7&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0").Body, "$ ok#");
  EXPECT_EQ(Post(kStats, "gid=8&R1=0&R2=0&R3=0&R4=3&R5=1&R6=1&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0").Body, "$ ok#");
  EXPECT_EQ(Post(kStats, "gid=8").Body, "$2 1 1 Ann 1 1 7 3 1 1 0 0 0 0 0 0 0 #*");
  // Counters a client cannot push: out of range, negative, missing.
  for (const std::string body : {"gid=8&stat1=5&stat2=0", "gid=8&stat1=-1&stat2=0", "gid=8&stat1=1",
                                 "gid=8&R1=100000&R2=0&R3=0&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"}) {
    const TReply r = Post(kStats, body);
    EXPECT_EQ(r.Status, 400) << body;
    EXPECT_EQ(r.Body.find("ok"), std::string::npos) << body;
  }
  EXPECT_EQ(Post(kStats, "gid=8").Body, "$2 1 1 Ann 1 1 7 3 1 1 0 0 0 0 0 0 0 #*");
  EXPECT_EQ(Post(kStats, "gid=9").Body, "$0 0 0 # 0 0 0 0 0 0 0 0 0 0 0 0 0 #*");
}

}  // namespace
}  // namespace zembra::service::test
