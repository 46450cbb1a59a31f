// The coach's cost per decision: every first decision of a round on a full shoe (its median and
// worst), and the worst of them alone; and the edge before the deal over a spread of shoes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
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
    std::vector<double> ms(all.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            // A fresh engine: the engine keeps what it worked out, and a round's first decision
            // finds nothing of the last round's there.
            vex::coach::Engine engine;
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
    for (auto _ : state) {
        state.PauseTiming();
        vex::coach::Engine engine;  // nothing known yet, as at a round's first decision
        state.ResumeTiming();
        benchmark::DoNotOptimize(engine.Advise(d.state, d.unseen, d.decision, true, true));
    }
}
BENCHMARK(BM_CoachWorstCaseSplit)->Unit(benchmark::kMillisecond);

// The edge before the deal: a full shoe, then shoes with 10 to 200 cards dealt at random (a
// fixed seed), each once a round; the first call builds the dealer's graphs and is left out
// (on a shoe of its own: the engine keeps what it works out).
void BM_CoachEdgeBeforeDeal(benchmark::State& state) {
    std::vector<vex::coach::Composition> shoes(1);
    for (int r = 1; r <= 10; ++r) shoes[0].count[r] = r == 10 ? 96 : 24;
    std::mt19937 random(7);
    for (int dealt = 10; dealt <= 200; dealt += 10) {
        vex::coach::Composition c = shoes[0];
        for (int k = 0; k < dealt; ++k) {
            int card = static_cast<int>(random() % static_cast<unsigned>(c.total()));
            int r = 1;
            while (card >= c.count[r]) card -= c.count[r++];
            --c.count[r];
        }
        shoes.push_back(c);
    }
    vex::coach::Engine engine;
    vex::coach::Composition low = shoes[0];  // a shoe that shares nothing with those timed
    for (int r = 1; r <= 10; ++r) low.count[r] /= 4;
    benchmark::DoNotOptimize(engine.EdgeBeforeDeal(low));
    std::vector<double> ms(shoes.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < shoes.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(engine.EdgeBeforeDeal(shoes[i]));
            ms[i] =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
    }
    state.counters["full_shoe_ms"] = ms[0];
    std::sort(ms.begin(), ms.end());
    state.counters["shoes"] = static_cast<double>(ms.size());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}
BENCHMARK(BM_CoachEdgeBeforeDeal)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
