// The end of a match as records: the local rating, the profile line in the
// club file of its kind, the history entry and the end of a cycle. One
// step fed by the match's outcome, so the game against the computer, the
// duel and the tournament share it with their own kinds and names. The
// window shows what it returns (messages, the cycle window, the sound).
#pragma once

#include <optional>
#include <string>

#include "match/match_outcome.h"
#include "records/club_file.h"
#include "records/history_file.h"

namespace zembra {

// Where and as whom the match is recorded.
struct TRecordsPlace {
  THisKind Kind = THisKind::Local;
  TClubAccess Club;             // the club file of the mode ("Zembra.clb" or "Zembra.net")
  std::string HistoryFolder;    // the program's folder + "History"
  int PlayerSlot = 6;           // 1..5 a recent player, 6 a new one, 7 account, 8 tournament
  std::string PasswordCode;     // the profile's encoded password (15 digits)
  bool AccountLoggedIn = false; // an account is logged in (the cycle's honour differs)
  // An account's or a tournament's rating comes from the service.
  std::optional<double> ServiceRating;
};

struct TRecordsResult {
  double Rating = 0.0;
  std::string ProfileLine;  // empty when no club line is kept (account, tournament)
  HisStr Entry;
  bool HistorySaved = false;            // false: show kCantSaveHistory
  std::string Sound;                    // "WKoGood", "WKoBads" or none at a cycle's end
  TClubWrite ClubWrite = TClubWrite::Unchanged;  // DiskError: show row 97
  int Slot = 0;                         // where the profile now is in the recent players
  std::optional<TCycleWindow> Cycle;    // the end-of-cycle window to show
};

// The history entry's name: the player's, or in a duel or a tournament
// both names joined with "/" (the local player first).
std::string HistoryName(const TMatchOutcome& outcome);

TRecordsResult RecordMatch(const TMatchOutcome& outcome, const TRecordsPlace& place,
                           const THistoryStamp& stamp);

}  // namespace zembra
