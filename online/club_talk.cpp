#include "online/club_talk.h"

#include "online/field_check.h"
#include "online/reply_rules.h"

namespace zembra {
namespace {

std::string Underscored(std::string_view utf8, size_t most) {
  std::string out;
  size_t count = 0;
  for (size_t i = 0; i < utf8.size() && count < most; ++count) {
    const size_t from = i;
    const char32_t c = NextCodePoint(utf8, i);
    if (IsAllowedCharacter(c)) out.append(utf8.substr(from, i - from));
    else out += '_';
  }
  return out;
}

}  // namespace

int PassportNickLamp(std::string_view utf8) {
  // A city's rules (Cyrillic gives yellow, not red) with a nick's length.
  if (TextLength(utf8) > 12) return 1;
  return ValidateField(utf8, TFieldKind::City);
}

std::string ChatText(std::string_view utf8) { return Underscored(utf8, kChatMostCharacters); }

std::string ChatShown(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '_') c = ' ';
  return out;
}

std::string ChatStamp(std::string_view time, std::string_view date, std::string_view product) {
  return Underscored(time, 64) + "_" + Underscored(date, 64) + "_" + Underscored(product, 64);
}

int SendChatMessage(const TPost& post, const TPassport& passport, const std::string& text,
                    const std::string& stamp) {
  std::array<TOrvRecord, 10> rows;
  if (!RecordsTopTen(post, kChatTable, &rows)) return -1;
  const int next = rows[0].Score + 1;
  TOrvRecord m;
  m.Nick = passport.Nick;
  m.City = passport.City;
  m.Country = passport.Country;
  m.R07 = passport.Sex;
  m.Score = next;
  m.R09 = stamp;
  m.R10 = ChatText(text);
  return RecordSubmit(post, kChatTable, m) >= 0 ? next : -1;
}

std::array<int, 12> GameStatCounters(TGameKindStat kind, int result, bool cycleDone) {
  std::array<int, 12> r{};
  switch (kind) {
    case TGameKindStat::Computer:
      r[0] = 1;
      r[1] = cycleDone ? 1 : 0;
      r[2] = result > 0 ? result : 0;
      r[3] = result < 0 ? -result : 0;
      break;
    case TGameKindStat::NetDuelServer: r[4] = 1; break;  // games counted per game
    case TGameKindStat::TournamentSeat1: r[5] = 1; break;
    case TGameKindStat::NetDuelClient:
    case TGameKindStat::TournamentSeat2: break;
  }
  return r;
}

bool PostLaunchStats(const TPost& post, bool& reported) {
  if (reported) return StatLaunch(post, 1, 0);
  reported = StatLaunch(post, 1, 1);
  return reported;
}

}  // namespace zembra
