// zembra-sim throughput: whole computer-against-computer deals per second,
// trace included, as the tool runs them.
#include <benchmark/benchmark.h>

#include <sstream>

#include "engine/dealing.h"
#include "tools/deck_file.h"
#include "tools/simulator.h"

namespace {

using namespace zembra;

std::string DeckFile(int count, uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::string text;
  TDealState d;
  for (int i = 0; i < count; ++i) {
    ShuffleDeck(d, rng);
    text += tools::FormatDeckLine(d.DeckCard) + '\n';
  }
  return text;
}

void BM_SimDeals(benchmark::State& state) {
  const std::string decks = DeckFile(200, 99);
  for (auto _ : state) {
    std::istringstream in(decks);
    std::ostringstream out, err;
    tools::TSimOptions o;
    o.Evals = true;
    benchmark::DoNotOptimize(tools::RunSimulation(in, out, err, o));
  }
  state.SetItemsProcessed(state.iterations() * 200);
  state.SetLabel("items = deals");
}
BENCHMARK(BM_SimDeals)->Unit(benchmark::kMillisecond);

void BM_SimMatch(benchmark::State& state) {
  uint64_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string decks = DeckFile(20, seed++);
    state.ResumeTiming();
    std::istringstream in(decks);
    std::ostringstream out, err;
    tools::TSimOptions o;
    o.Match = true;
    benchmark::DoNotOptimize(tools::RunSimulation(in, out, err, o));
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("items = matches to 10");
}
BENCHMARK(BM_SimMatch)->Unit(benchmark::kMillisecond);

}  // namespace
