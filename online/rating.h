// The account's rating: how a rated game is announced to the club before
// it is played (counted with the worst case, a penalty of 2000) and how its
// real result replaces the penalty afterwards; the cycle of 30 games.
#pragma once

#include <functional>

#include "online/account.h"
#include "online/club_talk.h"

namespace zembra {

inline constexpr int kCycleGames = 30;
inline constexpr int kGamesPerGame = 1;
inline constexpr double kRatingPenalty = 2000;
inline constexpr int kAccountCycleTable = kGameCode + 300;
inline constexpr int kPassportCycleTable = kGameCode;
inline constexpr int kAndroidCycleTable = kGameCode + 100;

// The results total a record implies: Kon x (Rating - Kon/30).
double ResultsTotal(int kon, double rating);
// The rating of a total over kon games: total/kon + kon/30 (0 games: 0).
double RatingOf(double total, int kon);

// The record as announced: one game more, the total lowered by the penalty,
// the cycle fields sent as 0.
TOrvGame AnnouncedGame(const TOrvGame& read);
// The record after the game: the penalty taken back and the real result
// added to the announced record; the cycle advanced from cycleGames (the
// games of the cycle before this one), completed at 30.
TOrvGame FinishedGame(const TOrvGame& announced, int cycleGames, int result, int cycleScore);

// Announces a rated game: the record is read, then the announcement posted
// up to three times; before a retry complain() is called and the runner
// waits 2 s, then 3 s; after the third failure complain() once more. True
// when an announcement was taken (the account's record stays as read).
bool StartRatedGame(const TPost& post, TAccount& account, const std::function<void()>& complain,
                    const std::function<void(int ms)>& wait);
// Writes the game's result back; false when the read or the write failed
// (the window asks whether to repeat). cycleGames is the account's KonL
// before the game, kept by the caller across repeats.
bool FinishRatedGame(const TPost& post, TAccount& account, int cycleGames, int result, int cycleScore);
// Enters a completed cycle in the accounts' club table: the place, -1 on
// failure.
int SubmitAccountCycle(const TPost& post, const TAccount& account, int cycleScore);
// Enters a cycle against the computer under the passport in the program's
// club table: the place, -1 on failure.
int SubmitPassportCycle(const TPost& post, const TPassport& passport, int cycleScore);

}  // namespace zembra
