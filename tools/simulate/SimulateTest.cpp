// The simulator: its strategy tables, its tally, and rounds that add up to the money they moved.
#include <gtest/gtest.h>

#include <vector>

#include "Simulator.h"
#include "Strategy.h"
#include "state/Shoe.h"

namespace vex::sim {
namespace {

constexpr int kAce = 1, kKing = 13, kJack = 11;

HandView Hand(int total, bool soft, int cards = 2) {
    HandView h;
    h.total = total;
    h.soft = soft;
    h.cards = cards;
    h.can_double = cards == 2;
    return h;
}

HandView Pair(int value) {
    HandView h = Hand(value == kAce ? 12 : 2 * std::min(value, 10), value == kAce);
    h.pair_value = value;
    h.can_split = true;
    return h;
}

TEST(BasicStrategy, DecisionsFollowTheButtonsAtHand) {
    const auto basic = StrategyKind::Basic;
    EXPECT_EQ(Decide(basic, Pair(8), kAce), Action::Split);
    EXPECT_EQ(Decide(basic, Pair(kAce), 10), Action::Split);
    EXPECT_EQ(Decide(basic, Pair(kJack), 6), Action::Stand);  // 20 is kept
    EXPECT_EQ(Decide(basic, Pair(5), 6), Action::Double);     // played as a hard 10
    HandView eights_after_split = Pair(8);
    eights_after_split.can_split = false;
    eights_after_split.can_double = false;
    EXPECT_EQ(Decide(basic, eights_after_split, 10), Action::Hit);

    HandView soft18 = Hand(18, true);
    EXPECT_EQ(Decide(basic, soft18, 4), Action::Double);
    soft18.can_double = false;  // a split hand, or after a hit: stand instead
    EXPECT_EQ(Decide(basic, soft18, 4), Action::Stand);
    HandView hard11 = Hand(11, false, 3);
    EXPECT_EQ(Decide(basic, hard11, 6), Action::Hit);
    EXPECT_EQ(Decide(basic, Hand(21, true), kKing), Action::Stand);
}

TEST(BasicStrategy, AFiveCardHandReachesForTheSixCardWin) {
    const auto basic = StrategyKind::Basic;
    EXPECT_EQ(Decide(basic, Hand(21, true, 5), 10), Action::Hit);  // a soft hand cannot bust
    EXPECT_EQ(Decide(basic, Hand(15, false, 5), 6), Action::Hit);
    EXPECT_EQ(Decide(basic, Hand(16, false, 5), 5), Action::Stand);
    EXPECT_EQ(Decide(basic, Hand(16, false, 5), 10), Action::Hit);
    EXPECT_EQ(Decide(basic, Hand(17, false, 5), kAce), Action::Hit);
    EXPECT_EQ(Decide(basic, Hand(17, false, 5), 8), Action::Stand);
    EXPECT_EQ(Decide(basic, Hand(18, false, 5), kAce), Action::Stand);
    EXPECT_EQ(Decide(basic, Hand(16, false, 4), 5), Action::Stand);  // four cards: the tables
}

TEST(Tally, MergedTalliesEqualOneTallyOfAllRoundsAndGiveMeanAndSpread) {
    RoundResult win, loss, blackjack, split;
    win.net = 100;
    win.hands[0] = Outcome::Win;
    loss.net = -100;
    loss.hands[0] = Outcome::Bust;
    blackjack.net = 150;
    blackjack.hands[0] = Outcome::Blackjack;
    split.net = -200;
    split.split = true;
    split.hand_count = 2;
    split.hands = {Outcome::Loss, Outcome::Bust};

    Tally a, b, all;
    for (const auto* r : {&win, &loss}) ASSERT_TRUE(a.Add(*r, 100) && all.Add(*r, 100));
    for (const auto* r : {&blackjack, &split}) ASSERT_TRUE(b.Add(*r, 100) && all.Add(*r, 100));
    a.Merge(b);
    EXPECT_EQ(a.rounds, 4u);
    EXPECT_EQ(a.hands, 5u);
    EXPECT_EQ(a.net_half_bets, all.net_half_bets);
    EXPECT_EQ(a.outcomes, all.outcomes);
    EXPECT_EQ(a.outcomes[static_cast<int>(Outcome::Bust)], 2u);
    EXPECT_EQ(a.splits, 1u);
    EXPECT_DOUBLE_EQ(a.Mean(), (1 - 1 + 1.5 - 2) / 4.0);
    // Sample deviation of 1, -1, 1.5, -2 around -0.125.
    EXPECT_NEAR(a.StdDev(), 1.6520, 1e-4);
    EXPECT_NEAR(a.Ci95(), 1.959964 * 1.6520 / 2, 1e-3);

    RoundResult odd;
    odd.net = 75;  // not a whole number of half bets of 100: a fault, not a round
    EXPECT_FALSE(a.Add(odd, 100));
}

// The money each round moved, from how its hands ended: the simulator's outcomes must match
// what the game actually paid.
std::int64_t ExpectedNet(const RoundResult& r, int bet) {
    const std::int64_t stake = r.doubled ? 2 * bet : bet;
    std::int64_t net = 0;
    for (int h = 0; h < r.hand_count; ++h) {
        switch (r.hands[h]) {
            case Outcome::Blackjack:
                net += stake * 3 / 2;
                break;
            case Outcome::SixCardWin:
            case Outcome::Win:
            case Outcome::DealerBust:
                net += stake;
                break;
            case Outcome::Push:
                break;
            case Outcome::Loss:
            case Outcome::Bust:
                net -= stake;
                break;
        }
    }
    if (r.insurance_taken) net += r.insurance_won ? bet / 2 : -bet / 2;
    return net;
}

TEST(SimTable, EveryRoundsOutcomesAddUpToTheMoneyItMoved) {
    for (const auto strategy : {StrategyKind::Basic, StrategyKind::MimicDealer}) {
        Config config;
        config.seed = 3;
        config.strategy = strategy;
        config.take_insurance = true;
        SimTable table(config, 3);
        Tally tally;
        for (int i = 0; i < 100'000; ++i) {
            const RoundResult r = table.PlayRound();
            ASSERT_EQ(r.net, ExpectedNet(r, config.bet)) << "round " << i;
            ASSERT_TRUE(tally.Add(r, config.bet));
        }
        for (int o = 0; o < kOutcomeCount; ++o) EXPECT_GT(tally.outcomes[o], 0u) << o;
        EXPECT_GT(tally.insurance_won, 0u);
        if (strategy == StrategyKind::Basic) {
            EXPECT_GT(tally.splits, 0u);
            EXPECT_GT(tally.doubles, 0u);
        } else {
            EXPECT_EQ(tally.splits + tally.doubles, 0u);
        }
        // The bankroll never runs short: the credit stays far above any stake.
        EXPECT_GT(table.game().Credit, 1'000'000);
    }
}

TEST(SimTable, ExactPlayAddsUpAndUsesEveryChoice) {
    Config config;
    config.seed = 5;
    config.strategy = StrategyKind::Exact;
    SimTable table(config, 5);
    Tally tally;
    int predicted = 0;
    for (int i = 0; i < 500; ++i) {
        const RoundResult r = table.PlayRound();
        ASSERT_EQ(r.net, ExpectedNet(r, config.bet)) << "round " << i;
        ASSERT_TRUE(tally.Add(r, config.bet));
        predicted += r.predicted.has_value();  // none when the deal settled the round
    }
    EXPECT_GT(tally.splits, 0u);
    EXPECT_GT(tally.doubles, 0u);
    EXPECT_GT(predicted, 420);             // about one round in eleven is settled at the deal
    EXPECT_EQ(tally.insurance_taken, 0u);  // insurance that pays its stake once never pays
}

TEST(RunPaired, AStrategyAgainstItselfPlaysTheSameRounds) {
    Config config;
    config.seed = 9;
    config.rounds = 20'000;
    config.chunk_rounds = 5'000;
    config.threads = 2;
    const PairedTally p = RunPaired(config, StrategyKind::Basic);
    EXPECT_EQ(p.first.net_half_bets, p.second.net_half_bets);
    EXPECT_EQ(p.first.outcomes, p.second.outcomes);
    EXPECT_EQ(p.diff_sum, 0);
    EXPECT_EQ(p.DiffCi95(), 0);
    EXPECT_EQ(p.shoes, 1000u);  // 20 rounds to a shoe
    // The first table plays its own run: the same rounds as an unpaired run.
    EXPECT_EQ(p.first.net_half_bets, sim::Run(config).net_half_bets);
}

TEST(Run, ASeededRunGivesTheSameTallyOnAnyNumberOfThreads) {
    Config config;
    config.seed = 42;
    config.chunk_rounds = 20'000;
    config.rounds = 3 * config.chunk_rounds + 5000;  // four pieces, the last short
    config.threads = 1;
    const Tally one = sim::Run(config);
    config.threads = 2;
    const Tally two = sim::Run(config);
    EXPECT_EQ(one.rounds, config.rounds);
    EXPECT_EQ(one.net_half_bets, two.net_half_bets);
    EXPECT_EQ(one.outcomes, two.outcomes);
    config.seed = 43;
    EXPECT_NE(sim::Run(config).net_half_bets, one.net_half_bets);
}

// The simulator's repeatability rests on the seeded shoe: numbers made ahead of a reshuffle
// must be dropped, so that what follows a reshuffle does not depend on how far the shoe had got.
TEST(SeededShoe, AReshuffleDealsTheSameWhereverTheShoeStood) {
    TableState a, b;
    SeededRandom ra(7), rb(7);
    ShuffleShoe(a, ra);
    ShuffleShoe(b, rb);
    for (int i = 0; i < 5; ++i) DrawCard(a, ra);  // a is five cards into its batch, b at its start
    ShuffleShoe(a, ra);
    ShuffleShoe(b, rb);
    for (int i = 0; i < 100; ++i) {
        const Card x = DrawCard(a, ra), y = DrawCard(b, rb);
        ASSERT_TRUE(x.Deck == y.Deck && x.Suit == y.Suit && x.Value == y.Value) << "card " << i;
    }
}

// A repeatable shoe steps its seed at every reshuffle: pieces whose seeds lay on one track would
// deal the same shoes one reshuffle apart, and a run would count the same rounds many times.
TEST(Run, NeighbouringPiecesDoNotDealTheSameShoes) {
    Config config;
    config.seed = 42;
    auto deals = [&](std::uint64_t chunk) {
        SimTable table(config, ChunkSeed(*config.seed, chunk));
        std::vector<int> cards;
        for (int round = 0; round < 100; ++round) {
            table.PlayRound();
            const Game& g = table.game();
            cards.push_back(((g.PlayerCards[1] * 14 + g.PlayerCards[2]) * 14 + g.DealerCards[1]) *
                                14 +
                            g.DealerCards[2]);
        }
        return cards;
    };
    const std::vector<int> first = deals(0), second = deals(1);
    for (int shift = 0; shift < 80; shift += 20) {
        int same = 0;
        for (int i = 0; i + shift < 100; ++i) same += first[i + shift] == second[i];
        EXPECT_LT(same, 10) << "piece 1 replays piece 0 " << shift << " rounds later";
    }
}

}  // namespace
}  // namespace vex::sim
