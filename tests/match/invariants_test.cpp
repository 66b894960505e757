// Many seeded deals with random legal cards; after every step every card is
// in exactly one place, the card points add up to 120, Taken is the tricks'
// points plus declared marriages, and the turn state agrees with the table.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "engine/dealing.h"
#include "engine/game.h"
#include "engine/rules.h"
#include "match/autoplay.h"

namespace zembra {
namespace {

// Follows the deal from its events: trick points won and marriages declared.
class TTally : public TEngineEvents {
 public:
  explicit TTally(const TGame& g) : Game(g) {}
  void OnEvent(const TEngineEvent& e) override {
    if (e.Kind == TEventKind::Marriage) Declared[e.Player] += e.Value;
    if (e.Kind == TEventKind::TrickResolved)
      TrickPoints[e.Player] += Game.Deal.TablePoints[1] + Game.Deal.TablePoints[2];
  }
  const TGame& Game;
  int Declared[3] = {0, 0, 0};
  int TrickPoints[3] = {0, 0, 0};
};

void CheckInvariants(const TGame& g, const TTally& tally, uint64_t seed) {
  const TDealState& d = g.Deal;
  std::map<std::string, int> where;
  int points = 0;
  auto place = [&](TCardCode c) {
    ASSERT_FALSE(c.IsEmpty());
    ++where[ToAscii(c)];
    points += CardPointsOf(c);
  };
  for (int p = 1; p <= 2; ++p) {
    for (int s = 1; s <= kHandSlots; ++s) {
      if (s <= d.HandCount[p]) {
        place(d.Hand[p][s]);
        ASSERT_EQ(d.HandPoints[p][s], CardPointsOf(d.Hand[p][s]));
      } else {
        ASSERT_TRUE(d.Hand[p][s].IsEmpty()) << "seed " << seed;
      }
    }
    if (!d.TableCard[p].IsEmpty()) place(d.TableCard[p]);
  }
  int playedPoints = 0;
  for (int i = 1; i < d.PlayedPos; ++i) {
    place(d.PlayedCards[i]);
    playedPoints += CardPointsOf(d.PlayedCards[i]);
  }
  for (int pos = d.StockPos; pos <= kDeckSize; ++pos) place(d.DeckCard[pos]);
  ASSERT_EQ(where.size(), 24u) << "seed " << seed << "\n" << ToString(d);
  for (const auto& [card, n] : where) ASSERT_EQ(n, 1) << card << " seed " << seed;
  ASSERT_EQ(points, kTotalCardPoints) << "seed " << seed;

  // Points of resolved tricks: the played log plus a resolved trick on the table.
  int resolved = playedPoints;
  if (d.TurnState == kTurnTrickComplete ||
      (d.TurnState == kTurnDealOver && !d.TableCard[1].IsEmpty() && !d.TableCard[2].IsEmpty()))
    resolved += d.TablePoints[1] + d.TablePoints[2];
  ASSERT_EQ(tally.TrickPoints[1] + tally.TrickPoints[2], resolved) << "seed " << seed;
  for (int p = 1; p <= 2; ++p) {
    const int credited = d.Taken[p] - tally.TrickPoints[p];
    ASSERT_EQ(credited % 20, 0) << "seed " << seed;
    ASSERT_GE(credited, 0) << "seed " << seed;
    ASSERT_LE(credited + d.Pending[p], tally.Declared[p]) << "seed " << seed;
    if (d.Pending[p] != 0) {
      ASSERT_EQ(d.Taken[p], 0) << "seed " << seed;
    }
  }

  const int onTable = !d.TableCard[1].IsEmpty() + !d.TableCard[2].IsEmpty();
  if (d.TurnState == kTurnPlayer1 || d.TurnState == kTurnPlayer2) {
    ASSERT_EQ(onTable, d.TurnState == d.LeaderSeat() ? 0 : 1) << "seed " << seed;
  }
  if (d.TurnState == kTurnTrickComplete) {
    ASSERT_EQ(onTable, 2) << "seed " << seed;
  }
  ASSERT_EQ(d.HandCount[1] + d.HandCount[2] + onTable + (d.PlayedPos - 1) + d.StockLeft(), 24);
}

// A random legal card, from the test's generator.
class TRandomLegalSeat : public TSeat {
 public:
  explicit TRandomLegalSeat(std::mt19937_64& rng) : Rng(rng) {}
  std::optional<int> OnTurn(const TDealState& d, int seat) override {
    std::vector<int> legal;
    for (int s = 1; s <= d.HandCount[seat]; ++s)
      if (CheckMove(d, seat, s) == TMoveVerdict::Ok) legal.push_back(s);
    if (legal.empty()) return std::nullopt;
    return legal[Rng() % legal.size()];
  }
  std::mt19937_64& Rng;
};

TEST(Invariants, RandomLegalPlayKeepsEveryCardInOnePlace) {
  for (uint64_t seed = 1; seed <= 3000; ++seed) {
    std::mt19937_64 rng(seed);
    TGame g;
    TTally tally(g);
    TRandomLegalSeat a(rng), b(rng);
    TMatchSetup setup;
    setup.Random = &rng;
    TMatchController c(g, setup, a, b);
    c.AddListener(&tally);
    c.Start();
    CheckInvariants(g, tally, seed);
    int steps = 0;
    while (g.Deal.TurnState != kTurnDealOver && StepAutomatically(c)) {
      ASSERT_LT(++steps, 100) << "seed " << seed;
      CheckInvariants(g, tally, seed);
      if (HasFatalFailure()) return;
    }
    ASSERT_EQ(g.Deal.TurnState, kTurnDealOver) << "seed " << seed;
    EXPECT_TRUE(g.Deal.Taken[1] >= 66 || g.Deal.Taken[2] >= 66 || g.Deal.HandCount[1] == 0)
        << "seed " << seed;
  }
}

}  // namespace
}  // namespace zembra
