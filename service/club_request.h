// Which of the game's requests a form is. The game names no request on the
// wire: each is told by its endpoint and the fields it carries (the game tag
// "tulvek" in front of rating fields, the "label…" fields, "gid" or "rgid").
#pragma once

#include <string_view>

#include "service/form.h"

namespace zembra::service {

enum class TEndpoint { Account, Records, Stats, Tour };

enum class TRequestKind {
  Unknown,
  AccountRegister,
  AccountLogin,
  ClubMembers,
  ClubTopTen,
  RatingPlace,
  GameRead,
  GameSave,
  InfoRead,
  InfoSave,
  RecordsCount,
  RecordsTopTen,
  RecordsAround,
  RecordSubmit,
  StatRead,
  StatLaunch,
  StatWindow,
  StatResults,
};

inline constexpr std::string_view kGameTag = "tulvek";
inline constexpr int kGameCode = 8;

TRequestKind IdentifyRequest(TEndpoint endpoint, const TForm& form);
const char* RequestName(TRequestKind kind);

}  // namespace zembra::service
