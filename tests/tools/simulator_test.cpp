#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "engine/dealing.h"
#include "engine/scoring.h"
#include "tools/deck_file.h"
#include "tools/simulator.h"

namespace zembra::tools {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct TRun {
  int Exit;
  std::string Out, Err;
};

TRun Simulate(const std::string& decks, TSimOptions o) {
  std::istringstream in(decks);
  std::ostringstream out, err;
  const int rc = RunSimulation(in, out, err, o);
  return {rc, out.str(), err.str()};
}

std::string Decks(int count, uint64_t seed) {
  std::mt19937_64 rng(seed);
  TDealState d;
  std::string text;
  for (int i = 0; i < count; ++i) {
    ShuffleDeck(d, rng);
    text += FormatDeckLine(d.DeckCard) + '\n';
  }
  return text;
}

std::vector<std::vector<std::string>> Tokens(const std::string& trace) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(trace);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream l(line);
    std::vector<std::string> t;
    std::string tok;
    while (l >> tok) t.push_back(tok);
    lines.push_back(t);
  }
  return lines;
}

// Worked out by hand trick by trick: both seats play their first legal card.
TEST(Simulator, FirstCardPolicyOnAnOrderedDeckMatchesTheHandWorkedTrace) {
  TSimOptions o;
  o.Policy1 = o.Policy2 = TPolicy::First;
  const TRun r = Simulate(ReadFile(ZEMBRA_TEST_DATA "/ordered_deck.txt"), o);
  EXPECT_EQ(r.Exit, 0);
  EXPECT_EQ(r.Out, ReadFile(ZEMBRA_TEST_DATA "/ordered_deck_first.trace"));
}

TEST(Simulator, MalformedLineStopsWithItsNumber) {
  const std::string good = Decks(1, 5);
  const TRun r = Simulate("# header\n" + good + "9h 9h\n" + good, {});
  EXPECT_EQ(r.Exit, 2);
  EXPECT_NE(r.Err.find("line 3"), std::string::npos) << r.Err;
  // The first deal's trace is complete; nothing for the bad line.
  EXPECT_EQ(Tokens(r.Out).back().size(), 0u);
  int deals = 0;
  for (const auto& t : Tokens(r.Out)) deals += !t.empty() && t[0] == "DEAL";
  EXPECT_EQ(deals, 1);
}

TEST(Simulator, MatchRunningOutOfDecksIsAnError) {
  TSimOptions o;
  o.Match = true;
  const TRun r = Simulate(Decks(1, 3), o);
  EXPECT_EQ(r.Exit, 2);
  EXPECT_NE(r.Err.find("ran out"), std::string::npos) << r.Err;
  EXPECT_EQ(Simulate("", o).Exit, 2);
}

TEST(Simulator, IndependentDealsEachStartANewMatch) {
  TSimOptions o;
  o.Evals = true;
  const TRun r = Simulate(Decks(30, 11), o);
  ASSERT_EQ(r.Exit, 0);
  int deals = 0, evals = 0;
  for (const auto& t : Tokens(r.Out)) {
    if (t.empty()) continue;
    if (t[0] == "DEAL") {
      ++deals;
      EXPECT_EQ(t[1], "1");
    }
    if (t[0] == "S") ++evals;
    EXPECT_NE(t[0], "MP");
    EXPECT_NE(t[0], "RESULT");
  }
  EXPECT_EQ(deals, 30);
  EXPECT_GT(evals, 0);
}

// Whole matches computer against computer to their end, targets 8 and 10.
TEST(Simulator, WholeMatchesReachTheirTarget) {
  for (int target : {8, 10}) {
    for (uint64_t seed = 1; seed <= 60; ++seed) {
      TSimOptions o;
      o.Match = true;
      o.Target = target;
      o.Evals = true;
      if (seed % 3 == 0) o.Policy2 = TPolicy::First;
      const TRun r = Simulate(Decks(25, seed * 7 + target), o);
      ASSERT_EQ(r.Exit, 0) << r.Err;
      int mp1 = 0, mp2 = 0, dealNo = 0, lastWinner = 0, result = 0;
      bool sawResult = false;
      for (const auto& t : Tokens(r.Out)) {
        ASSERT_FALSE(t.empty()) << "no blank lines in a match trace";
        ASSERT_FALSE(sawResult) << "RESULT is the last line";
        if (t[0] == "DEAL") {
          EXPECT_EQ(std::stoi(t[1]), ++dealNo);
          if (lastWinner) {
            EXPECT_EQ(std::stoi(t[5]), lastWinner);
          }
        } else if (t[0] == "END") {
          lastWinner = std::stoi(t[1]);
          const int gp = std::stoi(t[2]);
          const int loserTaken = std::stoi(t[lastWinner == 1 ? 4 : 3]);
          EXPECT_EQ(gp, DealGamePoints(loserTaken));
        } else if (t[0] == "MP") {
          mp1 = std::stoi(t[1]);
          mp2 = std::stoi(t[2]);
          if (target == 8) {
            EXPECT_LE(std::max(mp1, mp2), 8);
          }
        } else if (t[0] == "RESULT") {
          result = std::stoi(t[1]);
          sawResult = true;
        }
      }
      ASSERT_TRUE(sawResult) << "seed " << seed;
      EXPECT_GE(std::max(mp1, mp2), target);
      EXPECT_EQ(result, MatchResultFor(mp1, mp2, target));
    }
  }
}

TEST(Simulator, FirstPolicyNeverPrintsEvaluations) {
  TSimOptions o;
  o.Evals = true;
  o.Policy1 = TPolicy::First;
  const TRun r = Simulate(Decks(20, 4), o);
  ASSERT_EQ(r.Exit, 0);
  const auto lines = Tokens(r.Out);
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (!lines[i].empty() && lines[i][0] == "S") {
      ASSERT_FALSE(lines[i + 1].empty());
      EXPECT_EQ(lines[i + 1][0], "P");
      EXPECT_EQ(lines[i + 1][1], "2");
    }
  }
}

}  // namespace
}  // namespace zembra::tools
