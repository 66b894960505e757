// The club's small services: the chat kept in club table 100, the global
// statistics counters, and the passport under which a player without an
// account appears in the club tables and the chat.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "online/field_check.h"
#include "online/requests.h"

namespace zembra {

inline constexpr int kChatTable = 100;
inline constexpr size_t kChatMostCharacters = 80;
inline constexpr const char* kProgramVersion = "5.7f";

struct TPassport {
  std::string Nick = "Incognito", Country = "1-001", City = "Moscow", Sex = "M";
};

// The passport's nick lamp: as an account nick, but Cyrillic letters are
// accepted there with the yellow lamp.
int PassportNickLamp(std::string_view utf8);

// A message as it travels: every character outside the allowed set
// (letters, digits and ! ( ) , - . @ _), spaces included, becomes "_", so
// "&" and "=" can never break the form; at most 80 characters.
std::string ChatText(std::string_view utf8);
// As shown: "_" back to spaces.
std::string ChatShown(std::string_view text);
// The time stamp: time "_" date "_" product, with the same replacement.
std::string ChatStamp(std::string_view time, std::string_view date, std::string_view product);

// Reads the ten newest messages, takes the newest number m and enters the
// message as m + 1: the new number, -1 when either request failed.
int SendChatMessage(const TPost& post, const TPassport& passport, const std::string& text,
                    const std::string& stamp);

// The counters R1..R12 posted after a finished game.
enum class TGameKindStat { Computer, NetDuelServer, NetDuelClient, TournamentSeat1, TournamentSeat2 };
std::array<int, 12> GameStatCounters(TGameKindStat kind, int result, bool cycleDone);

// The start-up post: the first start of this installation counts until one
// post of it succeeds. reported is updated; true when the post was taken.
bool PostLaunchStats(const TPost& post, bool& reported);

}  // namespace zembra
