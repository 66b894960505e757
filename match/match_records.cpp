#include "match/match_records.h"

#include "engine/scoring.h"

namespace zembra {

std::string HistoryName(const TMatchOutcome& o) {
  if (o.Mode == TMatchMode::Local) return o.Names[2];
  return o.Names[2] + "/" + o.Names[1];
}

TRecordsResult RecordMatch(const TMatchOutcome& o, const TRecordsPlace& place,
                           const THistoryStamp& stamp) {
  TRecordsResult r;
  const bool tournament = place.Kind == THisKind::Tournament;
  const bool account = place.Kind == THisKind::Account;
  // The local rating: the average result per match over the profile's
  // matches; an account or a tournament takes the service's.
  if (place.ServiceRating)
    r.Rating = *place.ServiceRating;
  else if (!tournament && !account)
    r.Rating = RateMatch(o.MatchNo - 1, o.RatingBefore, o.MatchResult, o.MatchNo);
  else
    r.Rating = o.RatingBefore;

  // The history entry covers this one match.
  r.Entry = HisStr{HistoryName(o), 1, o.MatchResult, r.Rating, place.Kind};
  r.HistorySaved = AddHistory(place.HistoryFolder, {r.Entry}, stamp).Outcome == THistorySave::Saved;

  const bool cycleEnds = EndsCycle(o.MatchNo);
  if (!cycleEnds) r.Sound = o.MatchResult > 0 ? "WKoGood" : o.MatchResult < 0 ? "WKoBads" : "";

  // Local profiles and duels keep their line in the recent players of
  // their club file; the line replaces the old one in one write.
  if (tournament || account) return r;
  r.ProfileLine = MakeProfileLine(o.Names[2], r.Rating, o.MatchNo, o.ScoreAfter, place.PasswordCode);
  const TStoreResult stored = ReplaceProfile(place.Club, place.PlayerSlot, r.ProfileLine, cycleEnds);
  r.ClubWrite = stored.Write;
  r.Slot = stored.Slot;
  if (cycleEnds && stored.CycleEnded) {
    const TCycleGame game = place.Kind == THisKind::Net ? TCycleGame::NetDuel
                            : place.AccountLoggedIn     ? TCycleGame::LocalLoggedIn
                                                        : TCycleGame::LocalLoggedOut;
    r.Cycle = EndOfCycleWindow(game, stored.Cycle.CyclePlace, stored.Cycle.CycleScore);
  }
  return r;
}

}  // namespace zembra
