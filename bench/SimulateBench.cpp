// The simulator's play loop on one core: whole rounds with the basic strategy through the game's
// own handlers, as vex-simulate plays them on each of its threads.
#include <benchmark/benchmark.h>

#include "Simulator.h"

namespace {

void RoundsOnOneCore(benchmark::State& state, vex::sim::StrategyKind strategy) {
    vex::sim::Config config;
    config.seed = 42;
    config.strategy = strategy;
    vex::sim::SimTable table(config, 42);
    vex::sim::Tally tally;
    for (auto _ : state) {
        const vex::sim::RoundResult r = table.PlayRound();
        benchmark::DoNotOptimize(tally.Add(r, config.bet));
    }
    state.counters["rounds/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_SimulatorBasicStrategy(benchmark::State& state) {
    RoundsOnOneCore(state, vex::sim::StrategyKind::Basic);
}
void BM_SimulatorMimicDealer(benchmark::State& state) {
    RoundsOnOneCore(state, vex::sim::StrategyKind::MimicDealer);
}
BENCHMARK(BM_SimulatorBasicStrategy);
BENCHMARK(BM_SimulatorMimicDealer);

}  // namespace

BENCHMARK_MAIN();
