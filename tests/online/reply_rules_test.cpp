// The shared reply rules and the requests' forms and readings on fixed
// replies: the edge cases of frames, markers, numbers and decimals.
#include <gtest/gtest.h>

#include <clocale>

#include "online/reply_rules.h"
#include "online/requests.h"
#include "records/cp1251.h"

namespace zembra {
namespace {

// A transport that answers with a fixed reply (nothing: unreachable) and
// keeps the forms it was given.
struct TCannedService {
  explicit TCannedService(std::optional<std::string> reply) : Reply(std::move(reply)) {}
  std::optional<std::string> Reply;
  std::vector<TServiceForm> Forms;
  TPost Post() {
    return [this](const TServiceForm& f) {
      Forms.push_back(f);
      return Reply;
    };
  }
};

TEST(ReplyRules, NumbersAfterTheLastDollar) {
  const struct {
    const char* Reply;
    int Members;
  } cases[] = {
      {"$17$", 17},        {"$17", 1},  // the last character never belongs to a number
      {"17", -1},          {"$3$ and later $17$", 17}, {"$x$", -1}, {"", -1}, {"$", -1},
      {"$99999999999$", -1},  // beyond an integer: a failure, not a wrapped number
  };
  for (const auto& c : cases) {
    TCannedService s{std::string(c.Reply)};
    EXPECT_EQ(ClubMembers(s.Post()), c.Members) << c.Reply;
  }
  TCannedService dead{std::nullopt};
  EXPECT_EQ(ClubMembers(dead.Post()), -1);
}

TEST(ReplyRules, MarkersCountOnlyOutsideFrames) {
  EXPECT_TRUE(FindMarker("no", "no"));
  EXPECT_TRUE(FindMarker("$a b$ no", "no"));
  EXPECT_FALSE(FindMarker("$Noginsk Russia$", "no"));
  EXPECT_FALSE(FindMarker("$a no*$b is*", "is"));
  EXPECT_FALSE(FindMarker("", "ok"));
  // A login whose city holds "no" is accepted; a plain "no" refuses.
  TOrvUser user;
  TCannedService city{std::string("$Nogliki Russia Russia M a@b.c 01.02.2020 x y z 1 2 3$")};
  ASSERT_TRUE(AccountLogin(city.Post(), "Anna", "pw", &user));
  EXPECT_EQ(user.City, "Nogliki");
  EXPECT_EQ(user.Sex, "M");
  EXPECT_EQ(user.DateR, "01.02.2020");
  EXPECT_EQ(user.R06, 3);
  TCannedService refused{std::string("no")};
  EXPECT_FALSE(AccountLogin(refused.Post(), "Anna", "pw", &user));
  // An empty reply is an acceptance with every field at its default.
  TCannedService empty{std::string()};
  ASSERT_TRUE(AccountLogin(empty.Post(), "Anna", "pw", &user));
  EXPECT_EQ(user.Nick, "Anna");
  EXPECT_EQ(user.City, "#");
  EXPECT_EQ(user.DateR, "00.00.0000");
  EXPECT_EQ(user.R04, 0);
}

TEST(ReplyRules, RegistrationResults) {
  const struct {
    std::optional<std::string> Reply;
    TRegisterResult Result;
  } cases[] = {
      {"ok", TRegisterResult::Registered},
      {"is", TRegisterResult::NickTaken},
      {"is ok", TRegisterResult::NickTaken},  // "is" is tested after "ok"
      {"$ok$", TRegisterResult::Failed},      // inside a frame it is data
      {"error", TRegisterResult::Failed},
      {std::nullopt, TRegisterResult::Failed},
  };
  for (const auto& c : cases) {
    TCannedService s{c.Reply};
    EXPECT_EQ(AccountRegister(s.Post(), TOrvUser()), c.Result) << c.Reply.value_or("(unreachable)");
  }
}

TEST(ReplyRules, Decimals) {
  EXPECT_DOUBLE_EQ(*ParseDecimal("1234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1234,5"), 1234.5);
  EXPECT_DOUBLE_EQ(*ParseDecimal("-1.390323"), -1.390323);
  EXPECT_DOUBLE_EQ(*ParseDecimal(" 7 "), 7);
  EXPECT_FALSE(ParseDecimal("abc"));
  EXPECT_FALSE(ParseDecimal(""));
  EXPECT_EQ(FormatDecimal(0.000001), "0");
  EXPECT_EQ(FormatDecimal(-0.000009), "0");
  EXPECT_EQ(FormatDecimal(1234.5), "1234.5");
  EXPECT_EQ(FormatDecimal(-1.390323), "-1.390323");
  EXPECT_EQ(FormatDecimal(1.5), "1.5");
  // Between 0.00001 and 0.0001 the general format would write an exponent
  // that the reading rule cannot take back.
  for (double x : {0.00001, 0.00005, 0.0000999, 1e15, 123456789.125}) {
    const std::string s = FormatDecimal(x);
    EXPECT_EQ(s.find_first_of("eE"), std::string::npos) << s;
    EXPECT_DOUBLE_EQ(*ParseDecimal(s), x) << s;
  }
  // The local decimal separator plays no part.
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    EXPECT_EQ(FormatDecimal(1234.5), "1234.5");
    EXPECT_DOUBLE_EQ(*ParseDecimal("12,5"), 12.5);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ReplyRules, FramesAndLists) {
  EXPECT_EQ(ReadFrame("$a b$", 0, '$'), "a b");
  EXPECT_EQ(ReadFrame("$a b", 0, '$'), "a ");  // no terminator: the last character is left out
  EXPECT_EQ(ReadFrame("x$", 1, '$'), "");
  EXPECT_EQ(SplitFields("a  b", ' '), (std::vector<std::string>{"", "a", "", "b"}));
  std::string eleven;
  for (int i = 1; i <= 11; ++i) eleven += "$" + std::to_string(i) + " x " + std::to_string(100 * i) + " Nick" + std::to_string(i) + "*";
  TCannedService s{eleven};
  std::array<TOrvRecord, 10> rows;
  ASSERT_TRUE(RecordsTopTen(s.Post(), 8, &rows));
  EXPECT_EQ(rows[0].Place, 1);
  EXPECT_EQ(rows[9].Nick, "Nick10");
  EXPECT_EQ(rows[9].Score, 1000);
  EXPECT_EQ(rows[9].R10, "#*");  // not in the frame: the default
  EXPECT_TRUE(s.Forms[0].ShortTimeout);
  // The tournament's tables fill table 10 from the first frame.
  TCannedService t{std::string("$x 10.0.0.1 5010 Y*$x 10.0.0.1 5009 N*")};
  std::array<TOrvTable, 10> tables;
  ASSERT_TRUE(TourTables(t.Post(), &tables));
  EXPECT_EQ(tables[9].Port, 5010);
  EXPECT_EQ(tables[8].Port, 5009);
  EXPECT_EQ(tables[7].IP, "0.0.0.0");
  EXPECT_EQ(tables[7].Nick1, "X");
}

TEST(ReplyRules, StatisticsAcknowledgement) {
  EXPECT_TRUE(StatAcknowledged("$ ok#"));
  EXPECT_TRUE(StatAcknowledged("$1$ $ ok# "));
  EXPECT_FALSE(StatAcknowledged("$ error#"));
  EXPECT_FALSE(StatAcknowledged("ok"));
  EXPECT_TRUE(StatAcknowledged("$ ok"));  // no "#": the text runs to the end
}

TEST(RequestForms, FieldsInOrderAndSafelyEncoded) {
  TCannedService s{std::string("ok")};
  TInfo14 info;
  info.Name1 = "Анна & Co";
  info.About = "a=b";
  ASSERT_TRUE(InfoSave(s.Post(), "Anna", "secret", info));
  const TServiceForm& f = s.Forms.back();
  ASSERT_GE(f.Fields.size(), 4u);
  EXPECT_EQ(f.Fields[0].first, "nick");
  EXPECT_EQ(f.Fields[1], (std::pair<std::string, std::string>{"pw", "secret"}));
  EXPECT_EQ(f.Fields[2].first, "labelinfosave");
  EXPECT_EQ(f.Fields.size(), 17u);
  const std::string body = EncodeForm(f);
  // "&" and "=" inside values are encoded; Cyrillic travels as code page 1251.
  EXPECT_NE(body.find("namei=%C0%ED%ED%E0%20%26%20Co"), std::string::npos) << body;
  EXPECT_NE(body.find("about=a%3Db"), std::string::npos) << body;
  EXPECT_EQ(body.find("&&"), std::string::npos);
  // The list style leaves an empty entry between fields.
  TCannedService l{std::string("$1 2 3$")};
  TOrvGame g;
  ASSERT_TRUE(GameRead(l.Post(), "Anna", "pw", &g));
  EXPECT_EQ(EncodeForm(l.Forms.back()), "nick=Anna&&pw=pw&&tulvekbest=0");
  EXPECT_EQ(g.Kon, 1);
  EXPECT_EQ(g.Best, 2);
  EXPECT_DOUBLE_EQ(g.Rating, 3);
  EXPECT_EQ(g.R2, "#");
  // A record's last text carries the "*" the table's readers expect.
  TCannedService r{std::string("$4$")};
  TOrvRecord rec;
  rec.Nick = "Anna";
  rec.R10 = "x";
  EXPECT_EQ(RecordSubmit(r.Post(), 8, rec), 4);
  EXPECT_EQ(r.Forms.back().Fields.back(), (std::pair<std::string, std::string>{"R10", "x*"}));
  EXPECT_EQ(r.Forms.back().Fields[6], (std::pair<std::string, std::string>{"R8", "5.7f"}));
}

}  // namespace
}  // namespace zembra
