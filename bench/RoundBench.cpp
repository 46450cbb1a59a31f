// Whole rounds through the game's own handlers, from the chip on the spot to the cleared table.
#include <benchmark/benchmark.h>

#include "Doubles.h"
#include "table/Game.h"

namespace {

// One round with a plain strategy: bet 10, hit below 17, split nothing, double nothing.
void PlayRound(vex::Game& g) {
    g.ChipDrop("10");
    g.bnDeal_Click();
    if (g.Phase == vex::RoundPhase::Shuffling) {  // the reshuffle pause, then the real deal
        g.Timer2_Timer();
        g.bnDeal_Click();
    }
    while (g.Phase == vex::RoundPhase::MainHand && g.PlayerTotal < 17) g.bnCard_Click();
    if (g.Phase == vex::RoundPhase::MainHand) g.bnStay_Click();
    g.Timer1_Timer();
    if (g.Credit < 10) g.Credit += 1000;
}

void BM_WholeRound(benchmark::State& state) {
    vex::doubles::QuietPlatform platform;
    vex::SeededRandom random(42);
    vex::Game game(platform, random);
    game.Form_Load();
    for (auto _ : state) {
        PlayRound(game);
        benchmark::DoNotOptimize(game.Credit);
    }
    state.counters["rounds/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeRound);

}  // namespace

BENCHMARK_MAIN();
