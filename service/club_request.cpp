#include "service/club_request.h"

#include <string>

namespace zembra::service {
namespace {

std::string Tagged(std::string_view field) { return std::string(kGameTag) + std::string(field); }

TRequestKind IdentifyAccount(const TForm& f) {
  if (f.Has("label0")) return TRequestKind::AccountLogin;
  if (f.Has("label1")) return TRequestKind::ClubMembers;
  if (f.Has("labelinforead")) return TRequestKind::InfoRead;
  if (f.Has("labelinfosave")) return TRequestKind::InfoSave;
  const bool nick = f.Has("nick");
  if (nick && f.Has(Tagged("kon"))) return TRequestKind::GameSave;
  if (nick && f.Has(Tagged("best"))) return TRequestKind::GameRead;
  if (!nick && f.Has(Tagged("kon"))) return TRequestKind::ClubTopTen;
  if (!nick && f.Has(Tagged("rating"))) return TRequestKind::RatingPlace;
  if (nick && f.Has("pw") && f.Has("email")) return TRequestKind::AccountRegister;
  return TRequestKind::Unknown;
}

TRequestKind IdentifyRecords(const TForm& f) {
  if (f.Has("rgid")) return TRequestKind::RecordsCount;
  if (!f.Has("gid")) return TRequestKind::Unknown;
  if (f.Has("score")) return TRequestKind::RecordSubmit;
  if (f.Has("nick")) return TRequestKind::RecordsAround;
  return f.Fields().size() == 1 ? TRequestKind::RecordsTopTen : TRequestKind::Unknown;
}

TRequestKind IdentifyStats(const TForm& f) {
  if (!f.Has("gid")) return TRequestKind::Unknown;
  if (f.Has("stat1")) return TRequestKind::StatLaunch;
  if (f.Has("stat3")) return TRequestKind::StatWindow;
  if (f.Has("R1")) return TRequestKind::StatResults;
  return f.Fields().size() == 1 ? TRequestKind::StatRead : TRequestKind::Unknown;
}

}  // namespace

TRequestKind IdentifyRequest(TEndpoint endpoint, const TForm& form) {
  switch (endpoint) {
    case TEndpoint::Account: return IdentifyAccount(form);
    case TEndpoint::Records: return IdentifyRecords(form);
    case TEndpoint::Stats: return IdentifyStats(form);
    case TEndpoint::Tour: return TRequestKind::Unknown;  // the tournament's requests have their own handler
  }
  return TRequestKind::Unknown;
}

const char* RequestName(TRequestKind kind) {
  switch (kind) {
    case TRequestKind::Unknown: return "unknown";
    case TRequestKind::AccountRegister: return "AccountRegister";
    case TRequestKind::AccountLogin: return "AccountLogin";
    case TRequestKind::ClubMembers: return "ClubMembers";
    case TRequestKind::ClubTopTen: return "ClubTopTen";
    case TRequestKind::RatingPlace: return "RatingPlace";
    case TRequestKind::GameRead: return "GameRead";
    case TRequestKind::GameSave: return "GameSave";
    case TRequestKind::InfoRead: return "InfoRead";
    case TRequestKind::InfoSave: return "InfoSave";
    case TRequestKind::RecordsCount: return "RecordsCount";
    case TRequestKind::RecordsTopTen: return "RecordsTopTen";
    case TRequestKind::RecordsAround: return "RecordsAround";
    case TRequestKind::RecordSubmit: return "RecordSubmit";
    case TRequestKind::StatRead: return "StatRead";
    case TRequestKind::StatLaunch: return "StatLaunch";
    case TRequestKind::StatWindow: return "StatWindow";
    case TRequestKind::StatResults: return "StatResults";
  }
  return "unknown";
}

}  // namespace zembra::service
