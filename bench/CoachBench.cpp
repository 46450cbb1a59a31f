// The coach's cost per decision: every first decision of a round on a full shoe (its median and
// worst), and the worst of them alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "coach/Coach.h"
#include "state/Scoring.h"

namespace {

using vex::coach::Decision;

struct FirstDecision {
    vex::TableState state;
    vex::coach::Composition unseen;
    Decision decision;
};

// The two cards and the up card as dealt from a full shoe, with split and double usable; an ace
// up asks the insurance question first, which values the whole play after it.
FirstDecision Deal(int p1, int p2, int up) {
    FirstDecision d;
    vex::TableState& s = d.state;
    s.PlayerCards[1] = static_cast<std::int16_t>(p1);
    s.PlayerCards[2] = static_cast<std::int16_t>(p2);
    const vex::Score hand = vex::ScoreSecondCard(vex::ScoreFirstCard(p1), p2);
    s.PlayerTotal = hand.Total;
    s.PlayerSoftAce = hand.SoftAce;
    s.PlayerCardCount = 2;
    s.DealerCards[1] = static_cast<std::int16_t>(up);
    for (int r = 1; r <= 10; ++r) d.unseen.count[r] = r == 10 ? 96 : 24;
    --d.unseen.count[p1];
    --d.unseen.count[p2];
    --d.unseen.count[up];
    d.decision = up == 1 ? Decision::Insurance : Decision::MainHand;
    return d;
}

std::vector<FirstDecision> EveryFirstDecision() {
    std::vector<FirstDecision> all;
    for (int p1 = 1; p1 <= 10; ++p1)
        for (int p2 = p1; p2 <= 10; ++p2)
            for (int up = 1; up <= 10; ++up)
                if (vex::ScoreSecondCard(vex::ScoreFirstCard(p1), p2).Total != 21)
                    all.push_back(Deal(p1, p2, up));
    return all;
}

void BM_CoachEveryFirstDecision(benchmark::State& state) {
    const std::vector<FirstDecision> all = EveryFirstDecision();
    vex::coach::Engine engine;
    std::vector<double> ms(all.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const auto advice =
                engine.Advise(all[i].state, all[i].unseen, all[i].decision, true, true);
            benchmark::DoNotOptimize(advice);
            ms[i] =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["decisions"] = static_cast<double>(all.size());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}
BENCHMARK(BM_CoachEveryFirstDecision)->Unit(benchmark::kMillisecond);

// Two aces against a 2: the split's hands draw up to five cards each against the dealer's
// longest draws.
void BM_CoachWorstCaseSplit(benchmark::State& state) {
    const FirstDecision d = Deal(1, 1, 2);
    vex::coach::Engine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.Advise(d.state, d.unseen, d.decision, true, true));
}
BENCHMARK(BM_CoachWorstCaseSplit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
