// The club service's pure rules: forms, field checks, reply forms, the
// service file, the photo check.
#include <gtest/gtest.h>

#include "online/service_addresses.h"
#include "records/cp1251.h"
#include "records/options_file.h"
#include "records/settings.h"
#include "service/club_request.h"
#include "service/field_rules.h"
#include "service/form.h"
#include "service/jpeg_check.h"
#include "service/password_vault.h"
#include "service/reply_forms.h"
#include "service/service_file.h"

namespace zembra::service {
namespace {

std::string Fields(const TForm& f) {
  std::string out;
  for (const auto& [name, value] : f.Fields()) out += "[" + name + "=" + value + "]";
  return out;
}

TEST(Form, ReadsEveryBodyStyle) {
  struct TCase {
    const char* Body;
    const char* Fields;
  } cases[] = {
      {"nick=Ann&pw=abcd", "[nick=Ann][pw=abcd]"},                      // raw
      {"nick=Ann&&pw=abcd&&label0=0", "[nick=Ann][pw=abcd][label0=0]"},  // list style, doubled "&"
      {"nick=A%26n&pw=a%3Db", "[nick=A&n][pw=a=b]"},                     // percent-encoded values
      {"about=a+b 50% off", "[about=a+b 50% off]"},                       // raw: "+" and a stray "%" kept
      {"city=%CC%EE%F1%EA%E2%E0", "[city=Москва]"},                       // code page 1251
      {"city=\xCC\xEE\xF1\xEA\xE2\xE0", "[city=Москва]"},                 // raw code page 1251
      {"nick=Ann&pw=abcd\r\n", "[nick=Ann][pw=abcd]"},                   // a line break after a raw body
      {"", ""},
      {"a=&b=", "[a=][b=]"},
  };
  for (const TCase& c : cases) {
    const auto form = ParseForm(c.Body);
    ASSERT_TRUE(form) << c.Body;
    EXPECT_EQ(Fields(*form), c.Fields) << c.Body;
  }
}

TEST(Form, RefusesDamagedBodies) {
  struct TCase {
    std::string Body;
    TFormError Error;
  } cases[] = {
      {"nick=Ann&b&pw=x", TFormError::Malformed},          // a raw "&" inside a value
      {"=x", TFormError::Malformed},                       // no name
      {"nick=a&nick=b", TFormError::Malformed},            // a field twice
      {"city=%98", TFormError::BadCodePage},               // undefined in code page 1251
      {"city=a%0Ab", TFormError::BadCodePage},             // control character
      {std::string("city=a\0b", 8), TFormError::BadCodePage},
  };
  for (const TCase& c : cases) {
    TFormError error = TFormError::None;
    EXPECT_FALSE(ParseForm(c.Body, &error)) << c.Body;
    EXPECT_EQ(error, c.Error) << c.Body;
  }
  std::string many;
  for (int i = 0; i < 65; ++i) many += "f" + std::to_string(i) + "=1&";
  TFormError error = TFormError::None;
  EXPECT_FALSE(ParseForm(many, &error));
  EXPECT_EQ(error, TFormError::TooManyFields);
}

TEST(Form, EncodingReadsBack) {
  const std::vector<TFormField> fields = {{"nick", "Ann"}, {"about", "a&b=c $x ~ 100%"}, {"city", "Москва"}};
  const auto form = ParseForm(EncodeForm(fields));
  ASSERT_TRUE(form);
  EXPECT_EQ(Fields(*form), "[nick=Ann][about=a&b=c $x ~ 100%][city=Москва]");
}

TEST(ClubRequest, IsToldByEndpointAndFields) {
  struct TCase {
    TEndpoint Endpoint;
    const char* Body;
    TRequestKind Kind;
  } cases[] = {
      {TEndpoint::Account, "nick=a&pw=b&city=c&country1=d&country2=e&sex=M&email=f&dater=g&R01=&R02=&R03=&R04=0&R05=0&R06=0",
       TRequestKind::AccountRegister},
      {TEndpoint::Account, "nick=a&&pw=b&&label0=0", TRequestKind::AccountLogin},
      {TEndpoint::Account, "label1=0", TRequestKind::ClubMembers},
      {TEndpoint::Account, "tulvekkon=0", TRequestKind::ClubTopTen},
      {TEndpoint::Account, "tulvekrating=1.5", TRequestKind::RatingPlace},
      {TEndpoint::Account, "nick=a&&pw=b&&tulvekbest=0", TRequestKind::GameRead},
      {TEndpoint::Account, "nick=a&pw=b&tulvekkon=1&tulvekbest=0&tulvekrating=0", TRequestKind::GameSave},
      {TEndpoint::Account, "nick=a&&labelinforead=0", TRequestKind::InfoRead},
      {TEndpoint::Account, "nick=a&pw=b&labelinfosave=0&namei=x", TRequestKind::InfoSave},
      {TEndpoint::Records, "rgid=8", TRequestKind::RecordsCount},
      {TEndpoint::Records, "gid=8", TRequestKind::RecordsTopTen},
      {TEndpoint::Records, "gid=8&nick=a&city=b", TRequestKind::RecordsAround},
      {TEndpoint::Records, "gid=8&nick=a&city=b&country=c&score=1", TRequestKind::RecordSubmit},
      {TEndpoint::Stats, "gid=8", TRequestKind::StatRead},
      {TEndpoint::Stats, "gid=8&stat1=1&stat2=0", TRequestKind::StatLaunch},
      {TEndpoint::Stats, "gid=8&stat3=1&stat4=a", TRequestKind::StatWindow},
      {TEndpoint::Stats, "gid=8&R1=1", TRequestKind::StatResults},
      {TEndpoint::Records, "gid=8&extra=1", TRequestKind::Unknown},
      {TEndpoint::Account, "nick=a", TRequestKind::Unknown},
      {TEndpoint::Stats, "stat1=1", TRequestKind::Unknown},
      {TEndpoint::Records, "label0=0", TRequestKind::Unknown},
  };
  for (const TCase& c : cases) {
    const auto form = ParseForm(c.Body);
    ASSERT_TRUE(form) << c.Body;
    EXPECT_EQ(RequestName(IdentifyRequest(c.Endpoint, *form)), std::string(RequestName(c.Kind))) << c.Body;
  }
}

TEST(FieldRules, LampsFollowTheGame) {
  struct TCase {
    const char* Text;
    TFieldKind Kind;
    int Lamp;
  } cases[] = {
      {"A", TFieldKind::Nick, 1},
      {"Abcdefghijklm", TFieldKind::Nick, 1},  // 13
      {"Abc", TFieldKind::Nick, 3},
      {"Aбв", TFieldKind::Nick, 1},  // Cyrillic only in a city
      {"Москва", TFieldKind::City, 2},
      {"Ёлки-Палки", TFieldKind::City, 2},
      {"Sankt_Peterburg", TFieldKind::City, 3},
      {"San Jose", TFieldKind::City, 1},  // a space would split the reply frames
      {"abc", TFieldKind::Password, 1},
      {"abcd", TFieldKind::Password, 3},
      {"abcdefghijklm", TFieldKind::Password, 1},
      {"a'b;--", TFieldKind::Password, 1},
      {"@ab.cd", TFieldKind::EMail, 1},
      {"ab.cd@", TFieldKind::EMail, 1},
      {"a@b", TFieldKind::EMail, 3},
      {"a$b@c", TFieldKind::EMail, 1},
      {"", TFieldKind::City, 1},
  };
  for (const TCase& c : cases) EXPECT_EQ(FieldLamp(c.Text, c.Kind), c.Lamp) << c.Text;
  EXPECT_TRUE(IsFrameText("Москва", 6));
  EXPECT_FALSE(IsFrameText("Москва", 5));
  for (const char* bad : {"a b", "a$b", "a*b", "a~b"}) EXPECT_FALSE(IsFrameText(bad, 20)) << bad;
  EXPECT_TRUE(IsInfoText("I know a b*c", 20));
  EXPECT_FALSE(IsInfoText("a~b", 20));
  EXPECT_FALSE(IsInfoText("a$b", 20));
}

TEST(FieldRules, NumbersAndRatings) {
  EXPECT_EQ(ParseInteger("17", 0, 100), 17);
  EXPECT_EQ(ParseInteger("-3", -5, 5), -3);
  for (const char* bad : {"", "1x", "101", "1 ", " 1", "1e3", "9999999999999999999999"})
    EXPECT_FALSE(ParseInteger(bad, 0, 100)) << bad;
  EXPECT_DOUBLE_EQ(*ParseRating("1234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(*ParseRating("1234,5"), 1234.5);
  for (const char* bad : {"", "abc", "1.2.3", "nan", "inf", "1e400"}) EXPECT_FALSE(ParseRating(bad)) << bad;
  struct TCase {
    double Value;
    const char* Text;
  } cases[] = {{0.000001, "0"}, {1234.5, "1234.5"}, {-1999.9666666667, "-1999.9666666667"}, {0.00005, "0.00005"}, {12, "12"}};
  for (const TCase& c : cases) {
    EXPECT_EQ(FormatRating(c.Value), c.Text);
    if (c.Value >= 0.00001) {
      EXPECT_NEAR(*ParseRating(FormatRating(c.Value)), c.Value, 1e-10);
    }
  }
}

TEST(ReplyForms, AreTheShapesTheGameParses) {
  EXPECT_EQ(RecordFrame({"Moscow", "", "1-001"}), "$Moscow # 1-001$");
  EXPECT_EQ(RecordFrame({"Ann", "", "about me"}, '~'), "$Ann~~about me$");
  EXPECT_EQ(ListFrames({{"1", "a"}, {"2", ""}}), "$1 a*$2 #*");
  EXPECT_EQ(NumberReply(17), "$17$");
  EXPECT_EQ(StatAcknowledgement(true).substr(1, 3), " ok");
  EXPECT_EQ(StatAcknowledgement(false).find("ok"), std::string::npos);
}

TEST(ServiceFile, NamesTheServiceTheGameReached) {
  const std::string file = ExpandServiceTemplate(DefaultServiceTemplate(), "http://club.example:25680/");
  // The game's reading: the value starts one character after the key and
  // ends before the next "#".
  auto value = [&](const std::string& key) {
    const size_t at = file.find(key);
    if (at == std::string::npos) return std::string("(missing)");
    const size_t start = at + key.size() + 1;
    return file.substr(start, file.find('#', start) - start);
  };
  EXPECT_EQ(DecipherAddress(value("AccPath")), "http://club.example:25680/AccountService");
  EXPECT_EQ(DecipherAddress(value("StatPath")), "http://club.example:25680/StatsService");
  EXPECT_EQ(DecipherAddress(value("WTGamesPatt")), "http://club.example:25680/RecordsService");
  EXPECT_EQ(value("DownLoad_Link_Zembra"), "http://club.example:25680/downloads/progr/cards/");
  EXPECT_EQ(value("NewsZembra5.3"), "N");
  EXPECT_EQ(file.find("Pause"), std::string::npos);  // no pause unless the operator writes one
  EXPECT_EQ(ExpandServiceTemplate("a{other}b{enc:", "http://x"), "a{other}b{enc:");
}

TEST(ServiceAddresses, BuiltInValuesNameTheLocalService) {
  EXPECT_EQ(BuiltInAddress(TServiceAddress::ServiceFile), "http://127.0.0.1:25680/service.txt");
  EXPECT_EQ(BuiltInAddress(TServiceAddress::RecordsService), "http://127.0.0.1:25680/RecordsService");
  EXPECT_EQ(BuiltInAddress(TServiceAddress::PhotoBase), "http://127.0.0.1:25680/photos/");
  // The options' defaults name the same service.
  EXPECT_EQ(BuiltInAddress(TServiceAddress::RecordsService), kDefaultTopTenAddress);
  EXPECT_EQ(BuiltInAddress(TServiceAddress::StatsService), kDefaultStatsAddress);
  EXPECT_EQ(BuiltInAddress(TServiceAddress::PhotoUpload).rfind("ftp://", 0), 0u);
  EXPECT_EQ(std::string(BuiltInAddressEnciphered(TServiceAddress::AccountService)).find("http"), std::string::npos);
  EXPECT_EQ(ServiceFileUrlFor("https://club.example:8443/RecordsService"), "https://club.example:8443/service.txt");
  EXPECT_EQ(ServiceFileUrlFor("not an address"), "http://127.0.0.1:25680/service.txt");
}

// A JPEG's first markers: start, an application segment, the frame header.
std::string JpegHead(int width, int height, unsigned char frame = 0xC0) {
  std::string b = {'\xFF', '\xD8', '\xFF', '\xE0', 0, 4, 0, 0, '\xFF', static_cast<char>(frame), 0, 11, 8};
  b += static_cast<char>(height >> 8);
  b += static_cast<char>(height & 255);
  b += static_cast<char>(width >> 8);
  b += static_cast<char>(width & 255);
  b += std::string(6, '\0');
  return b;
}

TEST(JpegCheck, OnlyTwoHundredByTwoHundredFifty) {
  EXPECT_TRUE(IsClubPhoto(JpegHead(200, 250)));
  EXPECT_TRUE(IsClubPhoto(JpegHead(200, 250, 0xC2)));  // progressive
  EXPECT_FALSE(IsClubPhoto(JpegHead(250, 200)));
  EXPECT_FALSE(IsClubPhoto(JpegHead(200, 251)));
  EXPECT_FALSE(IsClubPhoto("\x89PNG\r\n\x1a\n"));
  EXPECT_FALSE(IsClubPhoto(JpegHead(200, 250).substr(0, 12)));  // cut inside the frame header
  EXPECT_FALSE(IsClubPhoto(""));
}

}  // namespace
}  // namespace zembra::service

namespace zembra::service {
namespace {

TVaultOptions CheapVault() {
  TVaultOptions o;
  o.OpsLimit = 1;
  o.MemLimit = 64 * 1024;
  return o;
}

TEST(PasswordVault, StoresOnlyASaltedHash) {
  TPasswordVault vault(CheapVault());
  const std::string a = vault.Hash("secret1"), b = vault.Hash("secret1");
  EXPECT_EQ(a.rfind("$argon2id$", 0), 0u);
  EXPECT_NE(a, b);  // a salt each
  EXPECT_EQ(a.find("secret1"), std::string::npos);
  EXPECT_TRUE(vault.Verify("1", a, "secret1"));
  EXPECT_TRUE(vault.Verify("1", a, "secret1"));  // remembered
  EXPECT_FALSE(vault.Verify("1", a, "secret2"));
  EXPECT_FALSE(vault.Verify("2", b, ""));
  EXPECT_FALSE(vault.Verify("2", "", "secret1"));
  // A remembered pair vouches for its own stored hash only.
  EXPECT_FALSE(vault.Verify("1", vault.Hash("other11"), "secret1"));
}

TEST(PasswordVault, GuessingLocksTheAccountForAMinute) {
  TVaultOptions o = CheapVault();
  o.FailuresPerMinute = 3;
  TPasswordVault vault(o);
  const std::string hash = vault.Hash("secret1"), other = vault.Hash("secret2");
  EXPECT_TRUE(vault.Verify("7", hash, "secret1"));  // a player logged in before the guessing
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(vault.Verify("8", other, "guess" + std::to_string(i)));
  EXPECT_FALSE(vault.Verify("8", other, "secret2"));  // locked: even the right one waits
  EXPECT_TRUE(vault.Verify("7", hash, "secret1"));    // others are untouched
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(vault.Verify("7", hash, "guess"));
  EXPECT_TRUE(vault.Verify("7", hash, "secret1"));  // a remembered pair still passes
}

}  // namespace
}  // namespace zembra::service
