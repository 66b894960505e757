#include "service/tour_service.h"

#include "service/field_rules.h"
#include "service/reply_forms.h"
#include "service/service_replies.h"

namespace zembra::service {
namespace {

constexpr size_t kClientText = 20;
constexpr int64_t kMaxNumber = 1'000'000'000;

// What a seat shows when nobody holds it.
std::vector<std::string> FreeSeat() { return {"X", "0", "0", "0", "X", "X", "X", "X"}; }

std::vector<std::string> SeatFields(const std::optional<TTourClient>& c) {
  if (!c) return FreeSeat();
  return {c->Nick, std::to_string(c->Score), std::to_string(c->Kon), std::to_string(c->Rating),
          c->Country, c->City, c->Sex, c->IP};
}

// The first field's name tells the request; the number after a name is
// the game code or the seat.
bool Starts(const std::string& name, const char* prefix, std::string* rest) {
  const std::string p(prefix);
  if (name.rfind(p, 0) != 0) return false;
  *rest = name.substr(p.size());
  return true;
}

int64_t ValueOf(const TTourRow& r, TTourOrder order) {
  return order == TTourOrder::Rating ? r.Rating : order == TTourOrder::Games ? r.Kon : r.Score;
}

}  // namespace

std::optional<TTourOrder> TourOrderOf(char letter) {
  switch (letter) {
    case 's': return TTourOrder::Score;
    case 'r': return TTourOrder::Rating;
    case 'k': return TTourOrder::Games;
    default: return std::nullopt;
  }
}

TServiceReply TTourService::Handle(const TForm& form) {
  if (form.Fields().empty()) return Bad();
  const std::string& name = form.Fields().front().Name;
  const std::string code = std::to_string(kGameCode);
  std::string rest;
  if (name == "readtable10") return TableList();
  if (name == "serverinforead") return ServerInfo();
  if (Starts(name, "clienton", &rest) && (rest == "1" || rest == "2")) return Seat(form, rest[0] - '0');
  if (Starts(name, "readclient", &rest) && (rest == "1" || rest == "2")) return ReadClient(form, rest[0] - '0');
  if (name == "readrating" + code) return ReadRating(form);
  if (Starts(name, "top10", &rest) && rest.size() == code.size() + 1 && rest.substr(1) == code)
    if (const auto order = TourOrderOf(rest[0])) return TopTen(*order);
  if (Starts(name, "place", &rest) && rest.size() == code.size() + 1 && rest.substr(1) == code)
    if (const auto order = TourOrderOf(rest[0])) return Place(form, *order);
  return Bad();
}

TServiceReply TTourService::TableList() {
  const auto tables = Hall_.Tables();
  const std::string address = Hall_.Address();
  const int port1 = Hall_.Port1();
  std::vector<std::vector<std::string>> frames;
  // Table 10 first, table 1 last.
  for (int k = kTourTables; k >= 1; --k) {
    const TTourTableView& t = tables[static_cast<size_t>(k - 1)];
    const bool free = !t.Seats[0] || !t.Seats[1];
    std::vector<std::string> row = {std::to_string(k), address, std::to_string(port1 > 0 ? port1 - 1 + k : 0),
                                    free ? "Y" : "X", t.Playing ? "1" : "0", "X"};
    for (const auto& seat : t.Seats)
      for (std::string& v : SeatFields(seat)) row.push_back(std::move(v));
    frames.push_back(std::move(row));
  }
  return Text(ListFrames(frames));
}

TServiceReply TTourService::ServerInfo() {
  // The greeting travels with "_" for its spaces.
  std::string greeting = Hall_.Greeting();
  for (char& c : greeting)
    if (c == ' ') c = '_';
  return Text(RecordFrame({Hall_.Running() ? "Y" : "X", greeting}));
}

TServiceReply TTourService::Seat(const TForm& f, int seat) {
  const std::string s = std::to_string(seat);
  const auto table = ParseInteger(f.Value("num"), 1, kTourTables);
  const auto can = ParseInteger(f.Value("can"), 0, 2);
  if (!table || !can) return Bad();
  TSeatResult result = TSeatResult::Refused;
  if (*can == 0) {
    result = Hall_.Clear(static_cast<int>(*table), seat);
  } else if (*can == 2) {
    result = Hall_.Leave(static_cast<int>(*table), seat);
  } else {
    TTourClient c;
    c.Nick = f.Value("nick" + s);
    c.Country = f.Value("country" + s);
    c.City = f.Value("city" + s);
    c.Sex = f.Value("sex" + s);
    c.IP = f.Value("ip" + s);
    for (const std::string* text : {&c.Nick, &c.Country, &c.City, &c.Sex, &c.IP})
      if (!IsFrameText(*text, kClientText) || text->empty()) return Bad();
    const auto score = ParseInteger(f.Value("score" + s), -kMaxNumber, kMaxNumber);
    const auto kon = ParseInteger(f.Value("kon" + s), 0, kMaxNumber);
    const auto rating = ParseInteger(f.Value("rating" + s), -kMaxNumber, kMaxNumber);
    if (!score || !kon || !rating) return Bad();
    // Only members play; their numbers are the club's, not what was sent.
    const auto account = Store_.FindAccount(c.Nick);
    if (!account) return Failure();
    if (account->Id == 0) return Refused();
    const auto record = Store_.ReadTour(account->Id);
    if (!record) return Failure();
    c.Nick = account->Row.Nick;
    c.Score = record->Score;
    c.Kon = record->Kon;
    c.Rating = record->Rating;
    result = Hall_.Take(static_cast<int>(*table), seat, c);
  }
  switch (result) {
    case TSeatResult::Taken: return Text("ok");
    case TSeatResult::Occupied: return Text("is");
    case TSeatResult::Refused: break;
  }
  return Refused();
}

TServiceReply TTourService::ReadClient(const TForm& f, int seat) {
  const auto table = ParseInteger(f.Value("num"), 1, kTourTables);
  if (!table) return Bad();
  return Text(RecordFrame(SeatFields(Hall_.Client(static_cast<int>(*table), seat))));
}

TServiceReply TTourService::ReadRating(const TForm& f) {
  const auto account = Store_.FindAccount(f.Value("nick"));
  if (!account) return Failure();
  if (account->Id == 0) return Refused();
  const auto r = Store_.ReadTour(account->Id);
  if (!r) return Failure();
  return Text(RecordFrame({std::to_string(r->Score), std::to_string(r->Kon), std::to_string(r->Rating)}));
}

TServiceReply TTourService::TopTen(TTourOrder order) {
  const auto rows = Store_.TopTour(order, 10);
  if (!rows) return Failure();
  std::vector<std::vector<std::string>> frames;
  // Equal values share a place.
  int64_t place = 0, previous = 0;
  for (size_t i = 0; i < rows->size(); ++i) {
    const TTourRow& r = (*rows)[i];
    const int64_t value = ValueOf(r, order);
    if (i == 0 || value != previous) place = static_cast<int64_t>(i) + 1;
    previous = value;
    frames.push_back({std::to_string(place), r.Nick, r.City, r.Country, r.Sex, std::to_string(value)});
  }
  return Text(ListFrames(frames));
}

TServiceReply TTourService::Place(const TForm& f, TTourOrder order) {
  const char* field = order == TTourOrder::Rating ? "rating1" : order == TTourOrder::Games ? "kon1" : "score1";
  const auto value = ParseInteger(f.Value(field), -kMaxNumber, kMaxNumber);
  if (!value) return Bad();
  const auto place = Store_.PlaceTour(order, *value);
  if (!place) return Failure();
  return Text(NumberReply(*place));
}

}  // namespace zembra::service
