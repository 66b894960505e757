#include "service/club_service.h"

#include "service/service_replies.h"

#include <array>

#include "records/cp1251.h"
#include "service/field_rules.h"
#include "service/reply_forms.h"

namespace zembra::service {
namespace {

std::string Tagged(std::string_view field) { return std::string(kGameTag) + std::string(field); }

// Limits of the game's editors and a little room for what older versions
// wrote; a longer value is refused, never cut.
constexpr size_t kShortText = 20;
constexpr std::array<size_t, 14> kInfoLimits = {20, 20, 50, 20, 50, 50, 50, 50, 50, 50, 60, 50, 50, 50};
// Wire names of personal info, in order; the first is also accepted as the
// spelling "name1".
constexpr std::array<const char*, 14> kInfoFields = {"namei", "name2", "about", "telephone", "emailo",
                                                     "website", "skype", "ok", "vk", "telegram",
                                                     "facebook", "twitter", "instagramm", "youtube"};
// Club tables that take entries: this game's cycle scores under a passport,
// the other edition's, the accounts' cycles, and the chat.
constexpr int kChatTable = 100;
bool TakesEntries(int gid) {
  return gid == kGameCode || gid == kGameCode + 100 || gid == kGameCode + 300 || gid == kChatTable;
}

std::optional<int> TableNumber(const TForm& f, std::string_view field) {
  const auto n = ParseInteger(f.Value(field), 0, 100000);
  if (!n) return std::nullopt;
  return static_cast<int>(*n);
}

// A field that holds a marker the game looks for in the whole reply is left
// out of that reply (its empty mark instead), so that a member from
// "Sonoma" can still log in.
std::string Unmarked(const std::string& text, std::string_view marker, std::string_view empty) {
  return HoldsMarker(text, marker) ? std::string(empty) : text;
}

std::vector<std::string> RecordFields(const TRecordRow& r) {
  return {std::to_string(r.Place), std::to_string(r.Id), std::to_string(r.Score), r.Nick, r.Country,
          r.City, r.R07, r.R08, r.R09, r.R10};
}

// Reads that need no password and are the same for every caller.
bool IsCachedRead(TRequestKind k) {
  return k == TRequestKind::ClubMembers || k == TRequestKind::ClubTopTen || k == TRequestKind::RatingPlace ||
         k == TRequestKind::InfoRead || k == TRequestKind::RecordsCount || k == TRequestKind::RecordsTopTen ||
         k == TRequestKind::RecordsAround || k == TRequestKind::StatRead;
}

bool IsWrite(TRequestKind k) {
  return k == TRequestKind::AccountRegister || k == TRequestKind::GameSave || k == TRequestKind::InfoSave ||
         k == TRequestKind::RecordSubmit || k == TRequestKind::StatLaunch || k == TRequestKind::StatWindow ||
         k == TRequestKind::StatResults;
}

}  // namespace

TServiceReply TClubService::Handle(TEndpoint endpoint, std::string_view body) {
  TFormError error;
  const std::optional<TForm> form = ParseForm(body, &error);
  if (!form) return Bad();
  const TRequestKind kind = IdentifyRequest(endpoint, *form);
  TServiceReply reply;
  if (IsCachedRead(kind)) {
    const std::string key = std::to_string(static_cast<int>(kind)) + "\n" + EncodeForm(form->Fields());
    if (auto hit = Cache_.Find(key)) {
      reply = Reply(200, std::move(*hit));
    } else {
      const auto generation = Cache_.Generation();
      reply = Dispatch(kind, *form);
      if (reply.Status == 200) Cache_.Keep(key, reply.Body, generation);
    }
  } else {
    reply = Dispatch(kind, *form);
    if (reply.Status == 200 && IsWrite(kind)) Cache_.Invalidate();
  }
  reply.Kind = kind;
  if (const std::string* nick = form->Find("nick"); nick && TextLength(*nick) <= 30) reply.Nick = *nick;
  return reply;
}

TServiceReply TClubService::Dispatch(TRequestKind kind, const TForm& f) {
  TServiceReply reply;
  switch (kind) {
    case TRequestKind::Unknown: reply = Bad(); break;
    case TRequestKind::AccountRegister: reply = Register(f); break;
    case TRequestKind::AccountLogin: reply = Login(f); break;
    case TRequestKind::ClubMembers: reply = Members(); break;
    case TRequestKind::ClubTopTen: reply = TopTen(); break;
    case TRequestKind::RatingPlace: reply = Place(f); break;
    case TRequestKind::GameRead: reply = ReadGame(f); break;
    case TRequestKind::GameSave: reply = SaveGame(f); break;
    case TRequestKind::InfoRead: reply = ReadInfo(f); break;
    case TRequestKind::InfoSave: reply = SaveInfo(f); break;
    case TRequestKind::RecordsCount: reply = CountRecords(f); break;
    case TRequestKind::RecordsTopTen: reply = TopRecords(f); break;
    case TRequestKind::RecordsAround: reply = AroundRecords(f); break;
    case TRequestKind::RecordSubmit: reply = SubmitRecord(f); break;
    case TRequestKind::StatRead: reply = ReadStats(f); break;
    case TRequestKind::StatLaunch:
    case TRequestKind::StatWindow:
    case TRequestKind::StatResults: reply = PostStats(kind, f); break;
  }
  return reply;
}

std::optional<TStoredAccount> TClubService::Authenticate(const TForm& f) {
  const std::string nick = f.Value("nick"), pw = f.Value("pw");
  if (!FieldAccepted(nick, TFieldKind::Nick) || !FieldAccepted(pw, TFieldKind::Password)) return TStoredAccount{};
  std::optional<TStoredAccount> account = Store_.FindAccount(nick);
  if (!account || account->Id == 0) return account;
  if (!Vault_.Verify(std::to_string(account->Id), account->PasswordHash, pw)) return TStoredAccount{};
  return account;
}

TServiceReply TClubService::Register(const TForm& f) {
  TAccountRow row{f.Value("nick"), f.Value("city"), f.Value("country1"), f.Value("country2"),
                  f.Value("sex"),  f.Value("email"), f.Value("dater"), f.Value("R01"),
                  f.Value("R02"),  f.Value("R03")};
  const std::string pw = f.Value("pw");
  if (FieldLamp(row.Nick, TFieldKind::Nick) != 3 || FieldLamp(pw, TFieldKind::Password) != 3 ||
      !FieldAccepted(row.City, TFieldKind::City) || FieldLamp(row.EMail, TFieldKind::EMail) != 3)
    return Bad();
  if (!IsCountryCode(row.Country2) || row.Country1.empty() || !IsFrameText(row.Country1, kShortText) ||
      (row.Sex != "M" && row.Sex != "W") || !IsFrameText(row.DateR, 10) || !IsFrameText(row.R01, kShortText) ||
      !IsFrameText(row.R02, kShortText) || !IsFrameText(row.R03, kShortText))
    return Bad();
  int64_t* numbers[] = {&row.R04, &row.R05, &row.R06};
  const char* names[] = {"R04", "R05", "R06"};
  for (int i = 0; i < 3; ++i) {
    const std::string v = f.Value(names[i]);
    if (v.empty()) continue;
    const auto n = ParseInteger(v, -2000000000, 2000000000);
    if (!n) return Bad();
    *numbers[i] = *n;
  }
  const std::string hash = Vault_.Hash(pw);
  if (hash.empty()) return Failure();
  switch (Store_.CreateAccount(row, hash)) {
    case TCreateResult::Created: return Text("ok");
    case TCreateResult::Taken: return Text("is");
    case TCreateResult::Failed: return Failure();
  }
  return Failure();
}

TServiceReply TClubService::Login(const TForm& f) {
  const std::optional<TStoredAccount> account = Authenticate(f);
  if (!account) return Failure();
  if (account->Id == 0) return Text("no");
  const TAccountRow& r = account->Row;
  std::vector<std::string> fields = {r.City, r.Country1, r.Country2, r.Sex, r.EMail, r.DateR, r.R01, r.R02, r.R03};
  for (std::string& field : fields) field = Unmarked(field, "no", "#");
  for (int64_t n : {r.R04, r.R05, r.R06}) fields.push_back(std::to_string(n));
  return Text(RecordFrame(fields));
}

TServiceReply TClubService::Members() {
  const auto n = Store_.CountAccounts();
  return n ? Text(NumberReply(*n)) : Failure();
}

TServiceReply TClubService::TopTen() {
  const auto rows = Store_.TopByRating(std::string(kGameTag), 10);
  if (!rows) return Failure();
  std::vector<std::vector<std::string>> frames;
  int place = 0;
  for (const TTopRow& r : *rows)
    frames.push_back({std::to_string(++place), r.Nick, r.City, r.Country1, r.Country2, r.Sex, FormatRating(r.Rating)});
  return Text(ListFrames(frames));
}

TServiceReply TClubService::Place(const TForm& f) {
  const auto rating = ParseRating(f.Value(Tagged("rating")));
  if (!rating) return Bad();
  const auto place = Store_.PlaceByRating(std::string(kGameTag), *rating);
  return place ? Text(NumberReply(*place)) : Failure();
}

TServiceReply TClubService::ReadGame(const TForm& f) {
  const auto account = Authenticate(f);
  if (!account) return Failure();
  if (account->Id == 0) return Refused();
  const auto g = Store_.ReadGame(account->Id, std::string(kGameTag));
  if (!g) return Failure();
  return Text(RecordFrame({std::to_string(g->Kon), std::to_string(g->Best), FormatRating(g->Rating),
                           std::to_string(g->Sessions), std::to_string(g->KonL), std::to_string(g->Score),
                           std::to_string(g->R1), g->R2}));
}

TServiceReply TClubService::SaveGame(const TForm& f) {
  TGameRow g;
  struct TNumber {
    const char* Field;
    int64_t* Target;
    int64_t Min, Max;
  };
  const TNumber numbers[] = {
      {"kon", &g.Kon, 0, 100000000},          {"best", &g.Best, -100000000, 100000000},
      {"ses", &g.Sessions, 0, 10000000},      {"konl", &g.KonL, 0, 1000},
      {"score", &g.Score, -100000000, 100000000}, {"R1", &g.R1, -2000000000, 2000000000},
  };
  for (const TNumber& n : numbers) {
    const auto v = ParseInteger(f.Value(Tagged(n.Field)), n.Min, n.Max);
    if (!v) return Bad();
    *n.Target = *v;
  }
  const auto rating = ParseRating(f.Value(Tagged("rating")));
  g.R2 = f.Value(Tagged("R2"));
  if (!rating || !IsFrameText(g.R2, kShortText)) return Bad();
  if (g.R2.empty()) g.R2 = "#";
  g.Rating = *rating;
  const auto account = Authenticate(f);
  if (!account) return Failure();
  if (account->Id == 0) return Refused();
  return Store_.SaveGame(account->Id, std::string(kGameTag), g) ? Text("ok") : Failure();
}

TServiceReply TClubService::ReadInfo(const TForm& f) {
  const std::string nick = f.Value("nick");
  if (!IsFrameText(nick, 12)) return Text("no");
  const auto account = Store_.FindAccount(nick);
  if (!account) return Failure();
  if (account->Id == 0) return Text("no");
  const auto info = Store_.ReadInfo(account->Id);
  if (!info) return Failure();
  std::vector<std::string> fields;
  for (const std::string& field : *info) fields.push_back(Unmarked(field, "no", ""));
  return Text(RecordFrame(fields, '~'));
}

TServiceReply TClubService::SaveInfo(const TForm& f) {
  TInfoRow info;
  for (size_t i = 0; i < kInfoFields.size(); ++i) {
    const std::string* v = f.Find(kInfoFields[i]);
    if (!v && i == 0) v = f.Find("name1");
    info[i] = v ? *v : std::string();
    if (!IsInfoText(info[i], kInfoLimits[i])) return Bad();
  }
  // The game's own form carries no password; the club requires one, so
  // that nobody can rewrite another member's page.
  if (!f.Has("pw")) return Refused();
  const auto account = Authenticate(f);
  if (!account) return Failure();
  if (account->Id == 0) return Refused();
  return Store_.SaveInfo(account->Id, info) ? Text("ok") : Failure();
}

TServiceReply TClubService::CountRecords(const TForm& f) {
  const auto gid = TableNumber(f, "rgid");
  if (!gid) return Bad();
  const auto n = Store_.CountRecords(*gid);
  return n ? Text(NumberReply(*n)) : Failure();
}

TServiceReply TClubService::TopRecords(const TForm& f) {
  const auto gid = TableNumber(f, "gid");
  if (!gid) return Bad();
  const auto rows = Store_.TopRecords(*gid, 10);
  if (!rows) return Failure();
  std::vector<std::vector<std::string>> frames;
  for (const TRecordRow& r : *rows) frames.push_back(RecordFields(r));
  return Text(ListFrames(frames));
}

TServiceReply TClubService::AroundRecords(const TForm& f) {
  const auto gid = TableNumber(f, "gid");
  const std::string nick = f.Value("nick"), city = f.Value("city");
  if (!gid || !IsFrameText(nick, 12) || !IsFrameText(city, 15)) return Bad();
  const auto rows = Store_.RecordsAround(*gid, nick, city, 2);
  if (!rows) return Failure();
  std::vector<std::vector<std::string>> frames;
  for (const TRecordRow& r : *rows) frames.push_back(RecordFields(r));
  return Text(ListFrames(frames));
}

TServiceReply TClubService::SubmitRecord(const TForm& f) {
  const auto gid = TableNumber(f, "gid");
  const auto score = ParseInteger(f.Value("score"), -100000000, 100000000);
  if (!gid || !score || !TakesEntries(*gid)) return Bad();
  TRecordRow r;
  r.Gid = *gid;
  r.Score = *score;
  r.Nick = f.Value("nick");
  r.City = f.Value("city");
  r.Country = f.Value("country");
  r.R07 = f.Value("R7");
  r.R08 = f.Value("R8");
  r.R09 = f.Value("R9");
  r.R10 = f.Value("R10");
  // The game ends the last value with "*", the list frames' terminator.
  if (!r.R10.empty() && r.R10.back() == '*') r.R10.pop_back();
  if (r.Nick.empty() || r.City.empty() || !IsFrameText(r.Nick, 12) || !IsFrameText(r.City, 15) ||
      !IsFrameText(r.Country, kShortText) || !IsFrameText(r.R07, 2) || !IsFrameText(r.R08, 10) ||
      !IsFrameText(r.R09, 40) || !IsFrameText(r.R10, 80))
    return Bad();
  if (r.Gid == kGameCode + 300) {
    // The accounts' cycles come from members only.
    const auto account = Store_.FindAccount(r.Nick);
    if (!account) return Failure();
    if (account->Id == 0) return Refused();
  }
  const auto place = Store_.AddRecord(r, r.Gid == kChatTable);
  return place ? Text(NumberReply(*place)) : Failure();
}

TServiceReply TClubService::ReadStats(const TForm& f) {
  const auto gid = TableNumber(f, "gid");
  if (!gid) return Bad();
  const auto s = Store_.ReadStats(*gid);
  if (!s) return Failure();
  std::vector<std::string> fields = {std::to_string(s->Stat1), std::to_string(s->Stat2), std::to_string(s->Stat3),
                                     s->Stat4};
  for (int64_t x : s->X) fields.push_back(std::to_string(x));
  fields.push_back(std::to_string(s->Y));
  fields.push_back(s->Z);
  return Text(ListFrames({fields}));
}

TServiceReply TClubService::PostStats(TRequestKind kind, const TForm& f) {
  const auto gid = TableNumber(f, "gid");
  if (!gid) return Bad();
  TStatDelta d;
  auto counter = [&](const char* field, int64_t max, int64_t& target) {
    const auto v = ParseInteger(f.Value(field), 0, max);
    if (v) target = *v;
    return v.has_value();
  };
  bool ok = true;
  if (kind == TRequestKind::StatLaunch) {
    ok = counter("stat1", 1, d.Stat1) && counter("stat2", 1, d.Stat2);
  } else if (kind == TRequestKind::StatWindow) {
    ok = counter("stat3", 1, d.Stat3);
    const std::string nick = f.Value("stat4");
    ok = ok && IsFrameText(nick, 12);
    d.Stat4 = nick;
  } else {
    for (int i = 0; i < 12 && ok; ++i) {
      const std::string name = "R" + std::to_string(i + 1);
      // A game's points and counts are small; a client cannot add more.
      ok = counter(name.c_str(), 1000, d.X[i]);
    }
  }
  if (!ok) return Bad();
  return Text(StatAcknowledgement(Store_.AddStats(*gid, d)));
}

}  // namespace zembra::service
