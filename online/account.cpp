#include "online/account.h"

#include <filesystem>

#include "records/options_file.h"

namespace zembra {
namespace {

constexpr std::string_view kUserFileHeader = "Orv User File";

// Everything read after a successful login or registration, in the
// club's order.
void ReadAfterLogin(const TPost& post, TAccount& a, bool membersFirst) {
  if (membersFirst) a.Members = ClubMembers(post);
  a.GameKnown = GameRead(post, a.User.Nick, a.User.Pw, &a.Game);
  if (a.GameKnown) a.Game.Place = RatingPlace(post, a.Game.Rating);
  if (!membersFirst) a.Members = ClubMembers(post);
  a.Info = InfoRead(post, a.User.Nick);
}

}  // namespace

TOrvUser TAccount::LoggedOutUser() {
  TOrvUser u;
  u.City.clear();
  u.EMail.clear();
  u.Country1 = "Russia";
  u.Country2 = "1-001";
  u.Sex = "M";
  u.DateR = "00.00.0000";
  return u;
}

std::string UserFileText(const TUserFile& file) {
  return std::string(kUserFileHeader) + "\r\n" + file.Nick + "\r\n" + file.PwC + "\r\n";
}

std::optional<TUserFile> ReadUserFileText(std::string_view text) {
  std::string lines[3];
  size_t at = 0;
  for (std::string& line : lines) {
    if (at > text.size()) break;
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    line = std::string(text.substr(at, end - at));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    at = end + 1;
  }
  if (lines[0] != kUserFileHeader || lines[1].empty()) return std::nullopt;
  return TUserFile{lines[1], lines[2]};
}

std::string EncipherPassword(std::string_view pw) { return EncipherAddress(pw); }
std::string DecipherPassword(std::string_view pwc) { return DecipherAddress(pwc); }

std::string UserFilePath(const std::string& programFolder) {
  const std::filesystem::path folder(programFolder);
  const std::filesystem::path parent = folder.has_filename() ? folder.parent_path() : folder.parent_path().parent_path();
  return (parent / kUserFileName).string();
}

TRegisterResult RegisterAccount(const TPost& post, TAccount& a, bool ratedTicked, const std::string& today) {
  a.User.DateR = today;
  a.User.R01 = a.User.R02 = a.User.R03 = "xxx";
  a.User.R04 = a.User.R05 = a.User.R06 = 0;
  const TRegisterResult r = ::zembra::AccountRegister(post, a.User);
  if (r != TRegisterResult::Registered) {
    a.State = TAccountState::LoggedOut;
    a.User.DateR = "00.00.0000";
    return r;
  }
  a.State = ratedTicked ? TAccountState::Rated : TAccountState::LoggedIn;
  a.Members = ClubMembers(post);
  TOrvUser read;
  if (AccountLogin(post, a.User.Nick, a.User.Pw, &read)) {
    read.PwC = EncipherPassword(read.Pw);
    read.Info = a.User.Info;
    a.User = read;
  }
  a.GameKnown = GameRead(post, a.User.Nick, a.User.Pw, &a.Game);
  if (a.GameKnown) a.Game.Place = RatingPlace(post, a.Game.Rating);
  a.Info = InfoRead(post, a.User.Nick);
  return r;
}

bool LoginAccount(const TPost& post, TAccount& a, const std::string& nick, const std::string& pw) {
  TOrvUser read;
  if (!AccountLogin(post, nick, pw, &read)) {
    a.GameKnown = false;
    a.State = TAccountState::LoggedOut;
    return false;
  }
  a.State = a.RatedPlayAllowed ? TAccountState::Rated : TAccountState::LoggedIn;
  read.PwC = EncipherPassword(pw);
  a.User = read;
  ReadAfterLogin(post, a, false);
  // The president (first row of the top ten read when the window opened).
  if (!a.Top[0].Nick.empty()) a.PresidentInfo = InfoRead(post, a.Top[0].Nick);
  return true;
}

void SignOut(TAccount& a) {
  a.State = TAccountState::LoggedOut;
  a.User.R04 = a.User.R05 = a.User.R06 = 0;
  a.GameKnown = false;
}

bool AutoLogin(const TPost& post, TAccount& a, const std::optional<TUserFile>& file) {
  a.State = TAccountState::LoggedOut;
  if (!file) return false;
  std::string pw = DecipherPassword(file->PwC);
  for (char& c : pw)
    if (c == ' ' || c == '#' || c == '$') c = '-';
  TOrvUser read;
  if (!AccountLogin(post, file->Nick, pw, &read)) return false;
  read.PwC = EncipherPassword(pw);
  a.User = read;
  a.State = TAccountState::LoggedIn;
  return true;
}

void ReadAccountWindow(const TPost& post, TAccount& a) {
  ClubTopTen(post, &a.Top);
  if (a.LoggedIn()) {
    a.GameKnown = GameRead(post, a.User.Nick, a.User.Pw, &a.Game);
    if (a.GameKnown) a.Game.Place = RatingPlace(post, a.Game.Rating);
  }
  a.Members = ClubMembers(post);
  if (a.LoggedIn()) a.Info = InfoRead(post, a.User.Nick);
  a.PresidentInfo = a.Top[0].Nick.empty() ? TInfo14() : InfoRead(post, a.Top[0].Nick);
}

void ReadResults(const TPost& post, TAccount& a) {
  if (!a.LoggedIn()) return;
  a.GameKnown = GameRead(post, a.User.Nick, a.User.Pw, &a.Game);
  if (a.GameKnown) a.Game.Place = RatingPlace(post, a.Game.Rating);
}

TInfo14 CleanInfo(TInfo14 info) {
  for (std::string* s : {&info.Name1, &info.Name2, &info.About, &info.Telephone, &info.EMailO, &info.Skype,
                         &info.WebSite, &info.OK, &info.VK, &info.Telegram, &info.FaceBook, &info.Twitter,
                         &info.Instagramm, &info.YouTube})
    for (char& c : *s)
      if (c == '$' || c == '~') c = ' ';
  return info;
}

}  // namespace zembra
