// The player's account in the online club for one run: its login state,
// the account record, its rating record and personal info, and the user
// file that logs the player in at start-up. The operations are sequences
// of requests in the order the club expects; they take the account by
// value and return it changed, so they can run off the window's thread
// while the window keeps its own copy.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "online/orv_records.h"
#include "online/requests.h"

namespace zembra {

enum class TAccountState : uint8_t { LoggedOut = 1, LoggedIn = 2, Rated = 3 };

struct TAccount {
  TAccountState State = TAccountState::LoggedOut;
  TOrvUser User = LoggedOutUser();
  TOrvGame Game;
  bool GameKnown = false;  // the rating record was read
  int Members = -1;        // registered members, -1 unknown
  TInfo14 Info;            // the player's own personal info
  std::array<TOrvTop10, 10> Top{};  // the account top ten; row 0 the club president
  TInfo14 PresidentInfo;
  bool RatedPlayAllowed = false;  // the window was opened from a new game
  // A rated game was announced and its result is not written back yet:
  // the account cannot change meanwhile.
  bool RatedGameOpen = false;

  bool LoggedIn() const { return State != TAccountState::LoggedOut; }
  // The defaults while logged out: Russia, a man, no registration date.
  static TOrvUser LoggedOutUser();
};

// The user file "OrvUser.orv": a header line, the nick and the password in
// our own reversible form (never in clear).
struct TUserFile {
  std::string Nick, PwC;
};
inline constexpr const char* kUserFileName = "OrvUser.orv";
std::string UserFileText(const TUserFile& file);
// Nothing for a file whose first line is not "Orv User File".
std::optional<TUserFile> ReadUserFileText(std::string_view text);
std::string EncipherPassword(std::string_view pw);
std::string DecipherPassword(std::string_view pwc);
// Where the user file lies: the parent folder of the program's folder.
std::string UserFilePath(const std::string& programFolder);

// Registration with the typed record; on success the account is read back
// (members, login, rating record, place, own info) and the state is Rated
// when "Play global rating" is ticked, else LoggedIn. today is the date as
// the registration shows it.
TRegisterResult RegisterAccount(const TPost& post, TAccount& account, bool ratedTicked, const std::string& today);
// Logs in with the typed nick and password: false when refused (the
// rating record then counts as unread). Afterwards the rating record, the
// place, the members, the own info and the president's info are read.
bool LoginAccount(const TPost& post, TAccount& account, const std::string& nick, const std::string& pw);
// Signing out sends nothing.
void SignOut(TAccount& account);
// The start-up login from the user file: silent on refusal.
bool AutoLogin(const TPost& post, TAccount& account, const std::optional<TUserFile>& file);
// What the account window reads when it opens: the top ten, then for a
// logged-in account its rating record and place, the members, the own info
// and the president's info.
void ReadAccountWindow(const TPost& post, TAccount& account);
// The rating record and the place again (the "My results" refresh).
void ReadResults(const TPost& post, TAccount& account);

// Personal info as the editor sends it: "$" and "~" become spaces.
TInfo14 CleanInfo(TInfo14 info);

}  // namespace zembra
