// The endgame search on real six-card positions (stock just exhausted,
// seat 1 to lead) and on random ones. Besides the per-iteration time,
// the whole-set run reports the median and the worst single position.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "ai/endgame_search.h"
#include "ai/positions.h"

namespace {

using namespace zembra;

const std::vector<TDealState>& Positions() {
  static const std::vector<TDealState> positions = [] {
    std::vector<TDealState> out;
    TDealState d;
    for (uint64_t seed = 1; out.size() < 2000 && seed < 100000; ++seed)
      if (test::PlayedEndgame(seed, d)) out.push_back(d);
    return out;
  }();
  return positions;
}

const std::vector<TDealState>& RandomPositions() {
  static const std::vector<TDealState> positions = [] {
    std::vector<TDealState> out;
    std::mt19937_64 rng(7);
    for (int i = 0; i < 2000; ++i) out.push_back(test::RandomEndgame(rng, 6, false));
    return out;
  }();
  return positions;
}

ai::TSearchResult Search(const TDealState& d, bool plain) {
  const auto L = ai::SearchHandOf(d, 1), F = ai::SearchHandOf(d, 2);
  if (plain) return ai::SolveLeadPlain(L, F, d.Taken[1], d.Taken[2], d.Trump);
  return ai::SolveLead(L, F, d.Taken[1], d.Taken[2], d.Trump);
}

// One iteration = one position, cycling through the set.
void BM_Search6(benchmark::State& state, const std::vector<TDealState>& set, bool plain) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Search(set[i], plain));
    if (++i == set.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

// Times every position of the set once per iteration and reports the
// distribution of single-position times in microseconds.
void BM_Search6Distribution(benchmark::State& state, const std::vector<TDealState>& set,
                            bool plain) {
  std::vector<double> us;
  us.reserve(set.size());
  for (auto _ : state) {
    us.clear();
    for (const auto& d : set) {
      const auto t0 = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(Search(d, plain));
      const auto t1 = std::chrono::steady_clock::now();
      us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
  }
  std::sort(us.begin(), us.end());
  state.counters["positions"] = static_cast<double>(us.size());
  state.counters["median_us"] = us[us.size() / 2];
  state.counters["p99_us"] = us[us.size() * 99 / 100];
  state.counters["worst_us"] = us.back();
}

BENCHMARK_CAPTURE(BM_Search6, played, Positions(), false);
BENCHMARK_CAPTURE(BM_Search6, random, RandomPositions(), false);
BENCHMARK_CAPTURE(BM_Search6, plain_played, Positions(), true);
BENCHMARK_CAPTURE(BM_Search6Distribution, played, Positions(), false)->Iterations(5);
BENCHMARK_CAPTURE(BM_Search6Distribution, random, RandomPositions(), false)->Iterations(5);
BENCHMARK_CAPTURE(BM_Search6Distribution, plain_played, Positions(), true)->Iterations(2);
BENCHMARK_CAPTURE(BM_Search6Distribution, plain_random, RandomPositions(), true)->Iterations(2);

}  // namespace
