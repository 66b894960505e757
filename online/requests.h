// The club service's requests: each builds its form (fields in the order
// the service reads them, in one of the two body styles), posts it through
// the transport it is given, and reads the reply by the shared rules.
// None throws or blocks the window: the transport runs them off its thread.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "online/orv_records.h"
#include "online/service_addresses.h"

namespace zembra {

inline constexpr const char* kGameTag = "tulvek";
inline constexpr int kGameCode = 8;

enum class TFormStyle {
  Body,  // name=value joined by "&"
  List,  // the same with an empty entry between fields ("&&")
};

struct TServiceForm {
  TServiceAddress Endpoint = TServiceAddress::AccountService;
  TFormStyle Style = TFormStyle::Body;
  std::vector<std::pair<std::string, std::string>> Fields;  // UTF-8 values
  bool ShortTimeout = false;  // the table and statistics reads: 3 s
};

// Posts a form; the reply as UTF-8, nothing on any failure.
using TPost = std::function<std::optional<std::string>(const TServiceForm&)>;

// Accounts.
enum class TRegisterResult { Registered = 0, NickTaken = 1, Failed = 2 };
TRegisterResult AccountRegister(const TPost& post, const TOrvUser& user);
// False when refused or unreachable; user gets nick and password as sent
// and the account's fields (defaults for what the reply lacks).
bool AccountLogin(const TPost& post, const std::string& nick, const std::string& pw, TOrvUser* user);
int ClubMembers(const TPost& post);  // -1 on failure
bool ClubTopTen(const TPost& post, std::array<TOrvTop10, 10>* rows);
int RatingPlace(const TPost& post, double rating);  // -1 on failure
bool GameRead(const TPost& post, const std::string& nick, const std::string& pw, TOrvGame* game);
bool GameSave(const TPost& post, const std::string& nick, const std::string& pw, const TOrvGame& game);
// The record as filled: empty fields when nothing came or the nick is unknown.
TInfo14 InfoRead(const TPost& post, const std::string& nick);
bool InfoSave(const TPost& post, const std::string& nick, const std::string& pw, const TInfo14& info);

// Club tables (the world top ten; also the chat).
int RecordsCount(const TPost& post, int table);  // -1 on failure
bool RecordsTopTen(const TPost& post, int table, std::array<TOrvRecord, 10>* rows);
bool RecordsAround(const TPost& post, int table, const std::string& nick, const std::string& city,
                   std::array<TOrvRecord, 10>* rows);
int RecordSubmit(const TPost& post, int table, const TOrvRecord& record);  // the place, -1 on failure

// Statistics.
bool StatRead(const TPost& post, TOrvStat* stat);
bool StatLaunch(const TPost& post, int stat1, int stat2);
bool StatWindow(const TPost& post, int stat3, const std::string& stat4);
bool StatResults(const TPost& post, const std::array<int, 12>& results);

// The tournament.
bool TourTables(const TPost& post, std::array<TOrvTable, 10>* tables);  // [0] is table 1
bool TourServerInfo(const TPost& post, char* state, std::string* greeting);
enum class TSeatRequest { Clear = 0, Take = 1, Leave = 2 };
// 0 accepted ("ok"), 2 refused with "is", 1 otherwise and on failure.
int TourSeat(const TPost& post, int seat, int table, TSeatRequest can, const TOrvClient& client);
bool TourReadClient(const TPost& post, int seat, int table, TOrvClient* client);
// Score is -1 when the reply holds none.
bool TourReadRating(const TPost& post, const std::string& nick, int* score, int* kon, int* rating);
enum class TTourOrder { Score, Rating, Games };
bool TourTopTen(const TPost& post, TTourOrder order, std::array<TOrvRecord, 10>* rows);
int TourPlace(const TPost& post, TTourOrder order, int value);  // -1 on failure

// The body as sent: fields in order, values in code page 1251 and
// percent-encoded (so "&" and "=" inside a value cannot break the form),
// the list style with its empty entries.
std::string EncodeForm(const TServiceForm& form);

}  // namespace zembra
