#include "online/rating.h"

#include <algorithm>

namespace zembra {

double ResultsTotal(int kon, double rating) { return kon * (rating - kon / 30.0); }

double RatingOf(double total, int kon) { return kon <= 0 ? 0 : total / kon + kon / 30.0; }

TOrvGame AnnouncedGame(const TOrvGame& read) {
  TOrvGame g = read;
  const int n = read.Kon + kGamesPerGame;
  g.Rating = RatingOf(ResultsTotal(read.Kon, read.Rating) - kRatingPenalty, n);
  g.Kon = n;
  g.KonL = 0;
  g.Score = 0;
  return g;
}

TOrvGame FinishedGame(const TOrvGame& announced, int cycleGames, int result, int cycleScore) {
  TOrvGame g = announced;
  g.Rating = RatingOf(ResultsTotal(announced.Kon, announced.Rating) + kRatingPenalty + result, announced.Kon);
  if (cycleGames + kGamesPerGame >= kCycleGames) {
    g.Best = std::max(g.Best, cycleScore);
    g.Sessions += 1;
    g.KonL = 0;
    g.Score = 0;
  } else {
    g.KonL = cycleGames + kGamesPerGame;
    g.Score = cycleScore;
  }
  return g;
}

bool StartRatedGame(const TPost& post, TAccount& a, const std::function<void()>& complain,
                    const std::function<void(int ms)>& wait) {
  if (a.State != TAccountState::Rated) return false;
  TOrvGame read;
  bool announced = false;
  if (GameRead(post, a.User.Nick, a.User.Pw, &read)) {
    const TOrvGame announcement = AnnouncedGame(read);
    const int waits[] = {2000, 3000};
    for (int attempt = 0; attempt < 3 && !announced; ++attempt) {
      announced = GameSave(post, a.User.Nick, a.User.Pw, announcement);
      if (announced) break;
      if (complain) complain();
      if (attempt < 2 && wait) wait(waits[attempt]);
    }
    // The announcement lives only on the service.
    a.Game = read;
    a.GameKnown = true;
  }
  if (!announced) a.State = TAccountState::LoggedOut;
  a.RatedGameOpen = announced;
  return announced;
}

bool FinishRatedGame(const TPost& post, TAccount& a, int cycleGames, int result, int cycleScore) {
  TOrvGame announced;
  if (!GameRead(post, a.User.Nick, a.User.Pw, &announced)) return false;
  const TOrvGame finished = FinishedGame(announced, cycleGames, result, cycleScore);
  if (!GameSave(post, a.User.Nick, a.User.Pw, finished)) {
    a.Game = announced;
    a.Game.KonL = cycleGames;
    return false;
  }
  a.Game = finished;
  a.GameKnown = true;
  return true;
}

int SubmitAccountCycle(const TPost& post, const TAccount& a, int cycleScore) {
  TOrvRecord r;
  r.Nick = a.User.Nick;
  r.City = a.User.City;
  r.Country = a.User.Country1;
  r.Score = cycleScore;
  r.R07 = a.User.Sex;
  r.R09 = "#";
  r.R10 = "#";
  return RecordSubmit(post, kAccountCycleTable, r);
}

int SubmitPassportCycle(const TPost& post, const TPassport& passport, int cycleScore) {
  TOrvRecord r;
  r.Nick = passport.Nick;
  r.City = passport.City;
  r.Country = passport.Country;
  r.Score = cycleScore;
  r.R07 = passport.Sex;
  r.R09 = "#";
  r.R10 = "#";
  return RecordSubmit(post, kPassportCycleTable, r);
}

}  // namespace zembra
