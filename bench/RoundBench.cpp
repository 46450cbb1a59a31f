// Whole rounds through the game's own handlers, from the chip on the spot to the cleared table.
#include <benchmark/benchmark.h>

#include "table/Game.h"

namespace {

// A window system that declines insurance and shows nothing.
class QuietPlatform : public vex::Platform {
  public:
    std::string InputBox(std::string_view, std::string_view, std::string_view,
                         const vex::ScreenPlace*) override {
        return "0";
    }
    void MessageBox(std::string_view) override {}
    void DropGameMenu() override {}
    void EndProgram() override {}
    void ShowWindow(vex::Window) override {}
    void HideWindow(vex::Window) override {}
    void CloseWindow(vex::Window) override {}
};

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
    QuietPlatform platform;
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
