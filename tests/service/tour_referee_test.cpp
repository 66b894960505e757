// The tournament's referee: whole matches played through it card by card,
// every card checked and passed on; the ways a match ends against one seat
// (an illegal, foreign or early card, leaving, dropping, a player's own
// time-out, the server's backstop clock); the frames of the connection.
#include <gtest/gtest.h>

#include "duel/duel_messages.h"
#include "engine/move_check.h"
#include "service/tour_referee.h"
#include "tournament/tour_frames.h"

namespace zembra::service {
namespace {

using namespace std::chrono_literals;

TTourClock::time_point T0() { return TTourClock::time_point{} + 1000s; }

// The first card the seat may play.
TCardCode FirstLegal(const TTourReferee& r, int seat) {
  const TDealState& d = r.Game().Deal;
  const int p = EnginePlayerOf(seat);
  for (int s = 1; s <= d.HandCount[p]; ++s)
    if (CheckMove(d, p, s) == TMoveVerdict::Ok) return d.Hand[p][s];
  return kNoCard;
}

std::string CardFrame(TCardCode c, int seat) { return TourFrame(CardMessage(c), seat); }

TEST(TourReferee, WholeMatchesArePlayedCheckedAndPassedOn) {
  for (uint64_t seed : {1u, 2u, 3u, 17u, 99u}) {
    TTourReferee r(seed);
    auto sent = r.Start(T0());
    ASSERT_EQ(sent.size(), 2u);
    ASSERT_TRUE(ReadDealMessage(sent[0].Bytes));
    EXPECT_EQ(ReadDealMessage(sent[0].Bytes)->Target, 8);
    int deals = 1, cards = 0;
    for (int guard = 0; guard < 2000 && !r.End(); ++guard) {
      const int mover = r.Mover();
      if (mover == 0) {  // between deals: the first to ask gets the next for both
        sent = r.OnFrame(1 + deals % 2, TourFrame("bnext", 1 + deals % 2), T0());
        ASSERT_EQ(sent.size(), 2u) << "seed " << seed;
        EXPECT_TRUE(r.OnFrame(2 - deals % 2, TourFrame("bnext", 2 - deals % 2), T0()).empty());
        ++deals;
        continue;
      }
      const TCardCode card = FirstLegal(r, mover);
      sent = r.OnFrame(mover, CardFrame(card, mover), T0());
      ASSERT_EQ(sent.size(), 1u);
      EXPECT_EQ(sent[0].Seat, mover == 1 ? 2 : 1);
      EXPECT_EQ(ReadCardMessage(sent[0].Bytes.substr(0, 6)), card);
      EXPECT_EQ(FrameSeat(sent[0].Bytes), mover);
      ++cards;
    }
    ASSERT_TRUE(r.End()) << "seed " << seed;
    const TTourEnd& e = *r.End();
    EXPECT_EQ(e.Kind, TTourEndKind::Played);
    EXPECT_EQ(e.Result[1] + e.Result[2], 0);
    EXPECT_GT(e.Result[static_cast<size_t>(e.Winner)], 0);
    EXPECT_GE(std::max(r.Game().Match.MatchPoints[1], r.Game().Match.MatchPoints[2]), 8);
    EXPECT_GE(deals, 2);
    EXPECT_GT(cards, 20);
  }
}

TEST(TourReferee, AMatchEndsAgainstTheSeatThatBreaksIt) {
  struct {
    const char* Name;
    std::function<std::vector<TTourSend>(TTourReferee&)> Act;
    int Loser;
    TTourEndKind Kind;
    const char* WinnerHears;
  } cases[] = {
      {"a card out of turn",
       [](TTourReferee& r) {
         const int idle = r.Mover() == 1 ? 2 : 1;
         return r.OnFrame(idle, CardFrame(FirstLegal(r, r.Mover()), idle), T0());
       },
       0, TTourEndKind::IllegalCard, "a"},
      {"a card not in the hand",
       [](TTourReferee& r) {
         const int mover = r.Mover(), idle = mover == 1 ? 2 : 1;
         return r.OnFrame(mover, CardFrame(r.Game().Deal.Hand[EnginePlayerOf(idle)][1], mover), T0());
       },
       -1, TTourEndKind::IllegalCard, "a"},
      {"a card that is no card", [](TTourReferee& r) { return r.OnFrame(r.Mover(), TourFrame("hhod!!", r.Mover()), T0()); },
       -1, TTourEndKind::IllegalCard, "a"},
      {"leaving", [](TTourReferee& r) { return r.OnFrame(2, TourFrame("disA", 2), T0()); }, 2, TTourEndKind::Left, "a"},
      {"dropping", [](TTourReferee& r) { return r.OnGone(1); }, 1, TTourEndKind::Left, "a"},
      {"its own time-out", [](TTourReferee& r) { return r.OnFrame(1, TourFrame("TOut", 1), T0()); }, 1,
       TTourEndKind::TimedOut, "TOut"},
      {"the backstop clock", [](TTourReferee& r) { return r.Tick(T0() + kBackstopMove + 1s); }, -1,
       TTourEndKind::TimedOut, "TOut"},
  };
  for (const auto& c : cases) {
    TTourReferee r(5);
    r.Start(T0());
    const int mover = r.Mover();
    ASSERT_NE(mover, 0);
    // 0: the seat not to move; -1: the seat to move.
    const int loser = c.Loser == 0 ? (mover == 1 ? 2 : 1) : c.Loser == -1 ? mover : c.Loser;
    EXPECT_TRUE(r.Tick(T0() + 5s).empty()) << c.Name;  // no time-out early
    const auto sent = c.Act(r);
    ASSERT_TRUE(r.End()) << c.Name;
    EXPECT_EQ(r.End()->Kind, c.Kind) << c.Name;
    EXPECT_EQ(r.End()->Winner, loser == 1 ? 2 : 1) << c.Name;
    EXPECT_GT(r.End()->Result[static_cast<size_t>(r.End()->Winner)], 0) << c.Name;
    EXPECT_EQ(r.End()->Result[1] + r.End()->Result[2], 0) << c.Name;
    ASSERT_EQ(sent.size(), 1u) << c.Name;
    EXPECT_EQ(sent[0].Seat, r.End()->Winner) << c.Name;
    EXPECT_EQ(FrameText(sent[0].Bytes), c.WinnerHears) << c.Name;
    // Nothing more counts once it is over; the players may still sum up.
    EXPECT_TRUE(r.OnGone(2).empty()) << c.Name;
    EXPECT_TRUE(r.OnFrame(1, TourFrame("TOut", 1), T0()).empty()) << c.Name;
    EXPECT_EQ(r.OnFrame(1, TourFrame("xslit", 1), T0()).size(), 1u) << c.Name;
  }
}

TEST(TourReferee, ChatAndContinuePressesGoToTheOtherSeatAndNoiseIsIgnored) {
  TTourReferee r(7);
  r.Start(T0());
  auto sent = r.OnFrame(1, TourFrame("xslit", 1), T0());
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].Seat, 2);
  EXPECT_EQ(sent[0].Bytes, "xslit##############1");
  sent = r.OnFrame(2, TourFrame("sHello", 2), T0());
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].Bytes, "sHello#############2");
  for (const char* noise : {"zzz", "bnext", "connect1", "####################", "hh"})
    EXPECT_TRUE(r.OnFrame(1, TourFrame(noise, 1), T0()).empty()) << noise;
  EXPECT_TRUE(r.OnFrame(1, "short", T0()).empty());
  EXPECT_FALSE(r.End());
}

TEST(TourFrames, FramesAreFilledAndCutWhateverTheReadsBring) {
  EXPECT_EQ(TourFrame("xslit", 2), "xslit##############2");
  EXPECT_EQ(TourFrame("s0123456789abcdefghij", 1), "s0123456789abcdefgh1j");  // longer: only the 20th changes
  EXPECT_EQ(FrameText(TourFrame("hhodAB", 1)), "hhodAB");
  EXPECT_EQ(FrameSeat(TourFrame("hhodAB", 2)), 2);
  EXPECT_FALSE(FrameSeat("hhodAB#############x"));
  EXPECT_FALSE(FrameSeat("hhodAB"));

  // Five frames and a deal in one read, then a frame split over two reads.
  TTourReferee r(3);
  const std::string deal = r.Start(T0())[0].Bytes;
  std::string read;
  for (const char* m : {"hhod12", "xslit", "sHi", "a", "TOut"}) read += TourFrame(m, 1);
  TFrameReader reader(true);
  const auto got = reader.Push(read + deal + "xsl");
  ASSERT_EQ(got.size(), 6u);
  EXPECT_EQ(FrameText(got[2]), "sHi");
  EXPECT_EQ(got[5], deal);
  EXPECT_EQ(reader.Pending(), 3u);
  const auto rest = reader.Push(TourFrame("xslit", 2).substr(3));
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest[0], "xslit##############2");
}

}  // namespace
}  // namespace zembra::service
