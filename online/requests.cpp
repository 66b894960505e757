#include "online/requests.h"

#include <cmath>

#include "online/reply_rules.h"
#include "records/cp1251.h"

namespace zembra {
namespace {

using TFields = std::vector<std::pair<std::string, std::string>>;

std::string Tag(const char* field) { return std::string(kGameTag) + field; }
std::string Num(long long n) { return std::to_string(n); }

std::optional<std::string> Send(const TPost& post, TServiceAddress endpoint, TFormStyle style, TFields fields,
                                bool shortTimeout = false) {
  if (!post) return std::nullopt;
  return post(TServiceForm{endpoint, style, std::move(fields), shortTimeout});
}

int Integer(const std::vector<std::string>& f, size_t i, int fallback) {
  return static_cast<int>(FieldInt(f, i, fallback));
}

// A row of a club table from its frame: 1 place, 3 score, 4 nick, 5
// country, 6 city, 7..10 the four free texts.
TOrvRecord RecordRow(const std::vector<std::string>& f, int table) {
  TOrvRecord r;
  r.GID = table;
  r.Place = Integer(f, 1, 0);
  r.Score = Integer(f, 3, 0);
  r.Nick = FieldText(f, 4, r.Nick);
  r.Country = FieldText(f, 5, r.Country);
  r.City = FieldText(f, 6, r.City);
  r.R07 = FieldText(f, 7, r.R07);
  r.R08 = FieldText(f, 8, r.R08);
  r.R09 = FieldText(f, 9, r.R09);
  r.R10 = FieldText(f, 10, r.R10);
  return r;
}

bool RecordRows(const std::optional<std::string>& reply, int table, std::array<TOrvRecord, 10>* rows) {
  for (TOrvRecord& r : *rows) {
    r = TOrvRecord();
    r.GID = table;
  }
  if (!reply) return false;
  const auto frames = ListFrameFields(*reply);
  for (size_t i = 0; i < frames.size(); ++i) (*rows)[i] = RecordRow(frames[i], table);
  return true;
}

int NumberOr(const std::optional<std::string>& reply) {
  if (!reply) return -1;
  const auto n = NumberAfterDollar(*reply);
  return n && *n <= 2147483647 ? static_cast<int>(*n) : -1;
}

bool Accepted(const std::optional<std::string>& reply) { return reply && FindMarker(*reply, "ok"); }

const char* OrderLetter(TTourOrder order) {
  switch (order) {
    case TTourOrder::Rating: return "r";
    case TTourOrder::Games: return "k";
    case TTourOrder::Score: break;
  }
  return "s";
}

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.' || c == '~';
}

std::string PercentEncoded(std::string_view bytes) {
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (IsUnreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

}  // namespace

std::string EncodeForm(const TServiceForm& form) {
  std::string body;
  const char* between = form.Style == TFormStyle::List ? "&&" : "&";
  for (size_t i = 0; i < form.Fields.size(); ++i) {
    if (i) body += between;
    body += PercentEncoded(Utf8ToCp1251(form.Fields[i].first));
    body += '=';
    body += PercentEncoded(Utf8ToCp1251(form.Fields[i].second));
  }
  return body;
}

TRegisterResult AccountRegister(const TPost& post, const TOrvUser& u) {
  const auto reply = Send(post, TServiceAddress::AccountService, TFormStyle::Body,
                          {{"nick", u.Nick}, {"pw", u.Pw}, {"city", u.City}, {"country1", u.Country1},
                           {"country2", u.Country2}, {"sex", u.Sex}, {"email", u.EMail}, {"dater", u.DateR},
                           {"R01", u.R01}, {"R02", u.R02}, {"R03", u.R03}, {"R04", Num(u.R04)},
                           {"R05", Num(u.R05)}, {"R06", Num(u.R06)}});
  if (!reply) return TRegisterResult::Failed;
  // "is" is tested after "ok": a reply holding both means the nick is taken.
  TRegisterResult r = TRegisterResult::Failed;
  if (FindMarker(*reply, "ok")) r = TRegisterResult::Registered;
  if (FindMarker(*reply, "is")) r = TRegisterResult::NickTaken;
  return r;
}

bool AccountLogin(const TPost& post, const std::string& nick, const std::string& pw, TOrvUser* user) {
  *user = TOrvUser();
  user->Nick = nick;
  user->Pw = pw;
  const auto reply = Send(post, TServiceAddress::AccountService, TFormStyle::List,
                          {{"nick", nick}, {"pw", pw}, {"label0", "0"}});
  if (!reply || FindMarker(*reply, "no")) return false;
  const auto f = FirstFrameFields(*reply, '$', ' ');
  user->City = FieldText(f, 1, user->City);
  user->Country1 = FieldText(f, 2, user->Country1);
  user->Country2 = FieldText(f, 3, user->Country2);
  if (f.size() > 4 && !f[4].empty()) user->Sex = f[4].substr(0, 1);
  user->EMail = FieldText(f, 5, user->EMail);
  user->DateR = FieldText(f, 6, user->DateR);
  user->R01 = FieldText(f, 7, user->R01);
  user->R02 = FieldText(f, 8, user->R02);
  user->R03 = FieldText(f, 9, user->R03);
  user->R04 = Integer(f, 10, 0);
  user->R05 = Integer(f, 11, 0);
  user->R06 = Integer(f, 12, 0);
  return true;
}

int ClubMembers(const TPost& post) {
  return NumberOr(Send(post, TServiceAddress::AccountService, TFormStyle::Body, {{"label1", "0"}}));
}

bool ClubTopTen(const TPost& post, std::array<TOrvTop10, 10>* rows) {
  rows->fill(TOrvTop10());
  const auto reply = Send(post, TServiceAddress::AccountService, TFormStyle::List, {{Tag("kon"), "0"}});
  if (!reply) return false;
  const auto frames = ListFrameFields(*reply);
  for (size_t i = 0; i < frames.size(); ++i) {
    const auto& f = frames[i];
    TOrvTop10& r = (*rows)[i];
    r.Nick = FieldText(f, 2, r.Nick);
    r.City = FieldText(f, 3, r.City);
    r.Country = FieldText(f, 5, r.Country);
    if (f.size() > 6 && !f[6].empty()) r.Sex = f[6].substr(0, 1);
    r.Rating = FieldDecimal(f, 7, 0);
  }
  return true;
}

int RatingPlace(const TPost& post, double rating) {
  return NumberOr(Send(post, TServiceAddress::AccountService, TFormStyle::Body, {{Tag("rating"), FormatDecimal(rating)}}));
}

bool GameRead(const TPost& post, const std::string& nick, const std::string& pw, TOrvGame* game) {
  *game = TOrvGame();
  const auto reply = Send(post, TServiceAddress::AccountService, TFormStyle::List,
                          {{"nick", nick}, {"pw", pw}, {Tag("best"), "0"}});
  if (!reply) return false;
  const auto f = FirstFrameFields(*reply, '$', ' ');
  game->Kon = Integer(f, 1, 0);
  game->Best = Integer(f, 2, 0);
  game->Rating = FieldDecimal(f, 3, 0);
  game->Sessions = Integer(f, 4, 0);
  game->KonL = Integer(f, 5, 0);
  game->Score = Integer(f, 6, 0);
  game->R1 = Integer(f, 7, 0);
  game->R2 = FieldText(f, 8, game->R2);
  return true;
}

bool GameSave(const TPost& post, const std::string& nick, const std::string& pw, const TOrvGame& g) {
  return Accepted(Send(post, TServiceAddress::AccountService, TFormStyle::Body,
                       {{"nick", nick}, {"pw", pw}, {Tag("kon"), Num(g.Kon)}, {Tag("best"), Num(g.Best)},
                        {Tag("rating"), FormatDecimal(g.Rating)}, {Tag("ses"), Num(g.Sessions)},
                        {Tag("konl"), Num(g.KonL)}, {Tag("score"), Num(g.Score)}, {Tag("R1"), Num(g.R1)},
                        {Tag("R2"), g.R2}}));
}

TInfo14 InfoRead(const TPost& post, const std::string& nick) {
  TInfo14 info;
  const auto reply =
      Send(post, TServiceAddress::AccountService, TFormStyle::List, {{"nick", nick}, {"labelinforead", "0"}});
  if (!reply || FindMarker(*reply, "no")) return info;
  const auto f = FirstFrameFields(*reply, '$', '~');
  std::string* wire[] = {&info.Name1, &info.Name2,    &info.About,    &info.Telephone, &info.EMailO,
                         &info.WebSite, &info.Skype,  &info.OK,       &info.VK,        &info.Telegram,
                         &info.FaceBook, &info.Twitter, &info.Instagramm, &info.YouTube};
  for (size_t i = 0; i < 14; ++i) *wire[i] = FieldText(f, i + 1, "");
  return info;
}

bool InfoSave(const TPost& post, const std::string& nick, const std::string& pw, const TInfo14& i) {
  // The password follows the nick: the service saves nothing without it.
  return Accepted(Send(post, TServiceAddress::AccountService, TFormStyle::Body,
                       {{"nick", nick}, {"pw", pw}, {"labelinfosave", "0"}, {"namei", i.Name1},
                        {"name2", i.Name2}, {"about", i.About}, {"telephone", i.Telephone},
                        {"emailo", i.EMailO}, {"website", i.WebSite}, {"skype", i.Skype}, {"ok", i.OK},
                        {"vk", i.VK}, {"telegram", i.Telegram}, {"facebook", i.FaceBook},
                        {"twitter", i.Twitter}, {"instagramm", i.Instagramm}, {"youtube", i.YouTube}}));
}

int RecordsCount(const TPost& post, int table) {
  return NumberOr(Send(post, TServiceAddress::RecordsService, TFormStyle::List, {{"rgid", Num(table)}}));
}

bool RecordsTopTen(const TPost& post, int table, std::array<TOrvRecord, 10>* rows) {
  return RecordRows(Send(post, TServiceAddress::RecordsService, TFormStyle::List, {{"gid", Num(table)}}, true),
                    table, rows);
}

bool RecordsAround(const TPost& post, int table, const std::string& nick, const std::string& city,
                   std::array<TOrvRecord, 10>* rows) {
  return RecordRows(Send(post, TServiceAddress::RecordsService, TFormStyle::Body,
                         {{"gid", Num(table)}, {"nick", nick}, {"city", city}}, true),
                    table, rows);
}

int RecordSubmit(const TPost& post, int table, const TOrvRecord& r) {
  return NumberOr(Send(post, TServiceAddress::RecordsService, TFormStyle::Body,
                       {{"gid", Num(table)}, {"nick", r.Nick}, {"city", r.City}, {"country", r.Country},
                        {"score", Num(r.Score)}, {"R7", r.R07}, {"R8", "5.7f"}, {"R9", r.R09},
                        {"R10", r.R10 + "*"}}));
}

bool StatRead(const TPost& post, TOrvStat* s) {
  *s = TOrvStat();
  s->GID = kGameCode;
  const auto reply =
      Send(post, TServiceAddress::StatsService, TFormStyle::List, {{"gid", Num(kGameCode)}}, true);
  if (!reply) return false;
  const auto f = FirstFrameFields(*reply, '*', ' ');
  s->Stat1 = Integer(f, 1, 0);
  s->Stat2 = Integer(f, 2, 0);
  s->Stat3 = Integer(f, 3, 0);
  s->Stat4 = FieldText(f, 4, "");
  for (size_t i = 0; i < 12; ++i) s->StatX[i] = Integer(f, 5 + i, 0);
  s->StatY = Integer(f, 17, 0);
  s->StatZ = FieldText(f, 18, "");
  return true;
}

bool StatLaunch(const TPost& post, int stat1, int stat2) {
  const auto reply = Send(post, TServiceAddress::StatsService, TFormStyle::Body,
                          {{"gid", Num(kGameCode)}, {"stat1", Num(stat1)}, {"stat2", Num(stat2)}});
  return reply && StatAcknowledged(*reply);
}

bool StatWindow(const TPost& post, int stat3, const std::string& stat4) {
  const auto reply = Send(post, TServiceAddress::StatsService, TFormStyle::Body,
                          {{"gid", Num(kGameCode)}, {"stat3", Num(stat3)}, {"stat4", stat4}});
  return reply && StatAcknowledged(*reply);
}

bool StatResults(const TPost& post, const std::array<int, 12>& results) {
  TFields fields{{"gid", Num(kGameCode)}};
  for (size_t i = 0; i < results.size(); ++i) fields.push_back({"R" + Num(static_cast<long long>(i) + 1), Num(results[i])});
  const auto reply = Send(post, TServiceAddress::StatsService, TFormStyle::Body, std::move(fields));
  return reply && StatAcknowledged(*reply);
}

bool TourTables(const TPost& post, std::array<TOrvTable, 10>* tables) {
  tables->fill(TOrvTable());
  const auto reply = Send(post, TServiceAddress::TourService, TFormStyle::List,
                          {{"readtable10", Num(kGameCode)}, {"gid", Num(kGameCode)}}, true);
  if (!reply) return false;
  const auto frames = ListFrameFields(*reply);
  // The first frame is table 10, the next table 9, and so on.
  for (size_t i = 0; i < frames.size(); ++i) {
    const auto& f = frames[i];
    TOrvTable& t = (*tables)[9 - i];
    t.IP = FieldText(f, 2, t.IP);
    t.Port = Integer(f, 3, 0);
    t.Free = FieldText(f, 4, t.Free);
    t.R1 = Integer(f, 5, 0);
    t.R2 = FieldText(f, 6, t.R2);
    t.Nick1 = FieldText(f, 7, t.Nick1);
    t.Score1 = Integer(f, 8, 0);
    t.Kon1 = Integer(f, 9, 0);
    t.Rating1 = Integer(f, 10, 0);
    t.Country1 = FieldText(f, 11, t.Country1);
    t.City1 = FieldText(f, 12, t.City1);
    t.Sex1 = FieldText(f, 13, t.Sex1);
    t.IP1 = FieldText(f, 14, t.IP1);
    t.Nick2 = FieldText(f, 15, t.Nick2);
    t.Score2 = Integer(f, 16, 0);
    t.Kon2 = Integer(f, 17, 0);
    t.Rating2 = Integer(f, 18, 0);
    t.Country2 = FieldText(f, 19, t.Country2);
    t.City2 = FieldText(f, 20, t.City2);
    t.Sex2 = FieldText(f, 21, t.Sex2);
    t.IP2 = FieldText(f, 22, t.IP2);
  }
  return true;
}

bool TourServerInfo(const TPost& post, char* state, std::string* greeting) {
  *state = 'X';
  greeting->clear();
  const auto reply = Send(post, TServiceAddress::TourService, TFormStyle::List,
                          {{"serverinforead", "0"}, {"gid", Num(kGameCode)}});
  if (!reply) return false;
  const auto f = FirstFrameFields(*reply, '$', ' ');
  if (f.size() > 1 && !f[1].empty()) *state = f[1][0];
  *greeting = FieldText(f, 2, "");
  return true;
}

int TourSeat(const TPost& post, int seat, int table, TSeatRequest can, const TOrvClient& c) {
  const std::string s = Num(seat);
  const auto reply = Send(post, TServiceAddress::TourService, TFormStyle::Body,
                          {{"clienton" + s, "0"}, {"gid", Num(kGameCode)}, {"num", Num(table)},
                           {"can", Num(static_cast<int>(can))}, {"nick" + s, c.Nick}, {"score" + s, Num(c.Score)},
                           {"kon" + s, Num(c.Kon)}, {"rating" + s, Num(c.Rating)}, {"country" + s, c.Country},
                           {"city" + s, c.City}, {"sex" + s, c.Sex}, {"ip" + s, c.IP}});
  if (!reply) return 1;
  int result = 1;
  if (FindMarker(*reply, "ok")) result = 0;
  if (FindMarker(*reply, "is")) result = 2;
  return result;
}

bool TourReadClient(const TPost& post, int seat, int table, TOrvClient* c) {
  *c = TOrvClient();
  const auto reply = Send(post, TServiceAddress::TourService, TFormStyle::List,
                          {{"readclient" + Num(seat), "0"}, {"gid", Num(kGameCode)}, {"num", Num(table)}});
  if (!reply) return false;
  const auto f = FirstFrameFields(*reply, '$', ' ');
  c->Nick = FieldText(f, 1, "");
  c->Score = Integer(f, 2, 0);
  c->Kon = Integer(f, 3, 0);
  c->Rating = Integer(f, 4, 0);
  c->Country = FieldText(f, 5, "");
  c->City = FieldText(f, 6, "");
  c->Sex = FieldText(f, 7, c->Sex);
  c->IP = FieldText(f, 8, "");
  return true;
}

bool TourReadRating(const TPost& post, const std::string& nick, int* score, int* kon, int* rating) {
  *score = -1;
  *kon = *rating = 0;
  const auto reply = Send(post, TServiceAddress::TourService, TFormStyle::Body,
                          {{"readrating" + Num(kGameCode), "0"}, {"nick", nick}});
  if (!reply) return false;
  const auto f = FirstFrameFields(*reply, '$', ' ');
  *score = Integer(f, 1, -1);
  *kon = Integer(f, 2, 0);
  *rating = Integer(f, 3, 0);
  return true;
}

bool TourTopTen(const TPost& post, TTourOrder order, std::array<TOrvRecord, 10>* rows) {
  for (TOrvRecord& r : *rows) {
    r = TOrvRecord();
    r.GID = kGameCode;
  }
  const auto reply = Send(post, TServiceAddress::TourService, TFormStyle::List,
                          {{std::string("top10") + OrderLetter(order) + Num(kGameCode), "0"}, {"nick", "z"}});
  if (!reply) return false;
  const auto frames = ListFrameFields(*reply);
  for (size_t i = 0; i < frames.size(); ++i) {
    const auto& f = frames[i];
    TOrvRecord& r = (*rows)[i];
    r.Place = Integer(f, 1, 0);
    r.Nick = FieldText(f, 2, r.Nick);
    r.City = FieldText(f, 3, r.City);
    r.Country = FieldText(f, 4, r.Country);
    r.R07 = FieldText(f, 5, r.R07);
    r.Score = Integer(f, 6, 0);
  }
  return true;
}

int TourPlace(const TPost& post, TTourOrder order, int value) {
  const char* field = order == TTourOrder::Rating ? "rating1" : order == TTourOrder::Games ? "kon1" : "score1";
  return NumberOr(Send(post, TServiceAddress::TourService, TFormStyle::Body,
                       {{std::string("place") + OrderLetter(order) + Num(kGameCode), "0"}, {field, Num(value)}}));
}

}  // namespace zembra
