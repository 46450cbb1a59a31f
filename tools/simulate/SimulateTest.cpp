// The simulator: rounds that add up to the money they moved, seeded runs that repeat on any
// number of threads, paired or not, and give basic strategy its known edge.
#include <gtest/gtest.h>

#include "Simulator.h"
#include "Strategy.h"

namespace vex::sim {
namespace {

// The money a round moved, from how its hands ended, in half stakes per outcome: blackjack 3,
// six-card win, win and dealer bust 2, push 0, loss and bust -2; insurance pays its stake once.
std::int64_t ExpectedNet(const RoundResult& r, int bet) {
    constexpr int kHalfStakes[kOutcomeCount] = {3, 2, 2, 2, 0, -2, -2};
    std::int64_t net = r.insurance_taken ? (r.insurance_won ? bet / 2 : -bet / 2) : 0;
    for (int h = 0; h < r.hand_count; ++h)
        net += (r.doubled ? 2 * bet : bet) * kHalfStakes[static_cast<int>(r.hands[h])] / 2;
    return net;
}

TEST(SimTable, EveryRoundsOutcomesAddUpToTheMoneyItMoved) {
    for (const auto& [strategy, rounds] :
         {std::pair{StrategyKind::Basic, 50'000}, std::pair{StrategyKind::MimicDealer, 50'000},
          std::pair{StrategyKind::Exact, 500}}) {
        const bool exact = strategy == StrategyKind::Exact;  // it answers insurance itself
        const Config config{
            .seed = 5, .take_insurance = !exact, .strategy = strategy, .versus = std::nullopt};
        SimTable table(config, 5);
        Tally tally;
        int predicted = 0;  // rounds the coach valued: none when the deal settled the round
        for (int i = 0; i < rounds; ++i) {
            const RoundResult r = table.PlayRound();
            ASSERT_EQ(r.net, ExpectedNet(r, config.bet)) << "round " << i;
            ASSERT_TRUE(tally.Add(r, config.bet));
            predicted += r.predicted.has_value();
        }
        const bool mimic = strategy == StrategyKind::MimicDealer;  // it never splits or doubles
        EXPECT_EQ((tally.splits > 0) + (tally.doubles > 0), mimic ? 0 : 2);
        EXPECT_GT(table.game().Credit, 1'000'000);   // the bankroll never limits a stake
        EXPECT_EQ(tally.insurance_won > 0, !exact);  // insurance paying its stake once never pays
        // Exact play values every round but those the deal settled, about one in eleven.
        EXPECT_GT(predicted, exact ? 420 : -1);
        for (int o = 0; o < kOutcomeCount && !exact; ++o) EXPECT_GT(tally.outcomes[o], 0u) << o;
    }
}

TEST(Run, ASeededRunRepeatsOnAnyThreadsPairedOrNotAndGivesBasicStrategyItsKnownEdge) {
    Config config{.rounds = 100'000, .seed = 42, .versus = std::nullopt, .chunk_rounds = 30'000};
    config.threads = 1;  // four pieces, the last short, on one thread and then on two
    const Tally one = sim::Run(config);
    config.threads = 2;
    const Tally two = sim::Run(config);
    const PairedTally paired = RunPaired(config, StrategyKind::Basic);
    EXPECT_EQ(one.rounds, config.rounds);
    for (const Tally* t : {&two, &paired.first, &paired.second}) {
        EXPECT_EQ(t->net_half_bets, one.net_half_bets);
        EXPECT_EQ(t->outcomes, one.outcomes);
    }
    EXPECT_EQ(paired.DiffCi95(), 0);
    // Six decks, the dealer standing on soft 17, six cards winning: the house keeps a few tenths
    // of a percent, and a round's spread is about 1.13 bets.
    EXPECT_NEAR(one.Mean(), -0.005, 0.005);
    EXPECT_NEAR(one.StdDev(), 1.13, 0.02);
    config.seed = 43;
    EXPECT_NE(sim::Run(config).net_half_bets, one.net_half_bets);
}

}  // namespace
}  // namespace vex::sim
