// The shoe's fairness at 99% confidence, with fixed seeds so that every run sees the same shoes.
// vex-shuffle-stats runs the same tests on fresh seeds and many millions of draws.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

#include "ShuffleStats.h"
#include "state/Shoe.h"
#include "state/TableState.h"

namespace vex::stats {
namespace {

// Fair at 99% confidence.
void ExpectFair(const ChiSquare& r) {
    EXPECT_GT(r.p, 0.01) << r.name << ": chi-square " << r.statistic << " on " << r.dof
                         << " degrees of freedom, " << r.samples << " samples";
}

TEST(ChiSquarePValue, MatchesTheTablesCriticalValues) {
    // {statistic, degrees of freedom, p, tolerance}: 5%, 1% and 0.1% from the standard tables;
    // two degrees give exp(-x / 2); the median of chi-square(311) lies just below 311.
    const std::tuple<double, double, double, double> cases[] = {
        {3.841459, 1, 0.05, 1e-6},       {23.209251, 10, 0.01, 1e-6},
        {26.216967, 12, 0.01, 1e-6},     {32.909490, 12, 0.001, 1e-7},
        {2.0, 2, std::exp(-1.0), 1e-12}, {310.333, 311, 0.5, 2e-3},
        {371.8, 311, 0.01, 2e-3},        {0, 5, 1.0, 0}};
    for (const auto& [x, dof, p, tolerance] : cases)
        EXPECT_NEAR(ChiSquarePValue(x, dof), p, tolerance) << x << " on " << dof;
}

TEST(ShoeStatistics, CardsValuesPairsAndEachCardFieldAreUniformOnFixedSeeds) {
    SeededRandom first(7001), values(7002), pairs(7003), scaling(7004);
    ExpectFair(FirstCard(first, 312 * 200));  // every card equally likely first after a shuffle
    for (int position = 1; position <= 6; ++position)
        ExpectFair(ValueAtDraw(values, 13 * 4000, position));
    // Successive draws depend only on the cards already dealt.
    ExpectFair(ValuePairs(pairs, 169 * 300, 1));
    ExpectFair(ValuePairs(pairs, 169 * 300, 20));
    for (const ChiSquare& r : Scaling(scaling, 100000)) ExpectFair(r);
}

// A source whose numbers come from a function.
struct From : RandomSource {
    explicit From(std::function<double()> f) : next(std::move(f)) {}
    void Reseed() override {}
    double Next() override { return next(); }
    std::function<double()> next;
};

// The deck, suit and value of the first card of a shoe shuffled with a source that repeats these
// three numbers.
std::array<int, 3> DrawFrom(std::array<double, 3> deck_suit_value) {
    From random([numbers = deck_suit_value, i = 0]() mutable { return numbers[i++ % 3]; });
    TableState table;
    ShuffleShoe(table, random);
    const Card c = DrawCard(table, random);
    return {c.Deck, c.Suit, c.Value};
}

TEST(ShoeStatistics, ScalingGivesEachDeckSuitAndValueAnEqualShareOfTheInterval) {
    // 312 * 64 numbers at the middles of equal steps of [0, 1) for one field, the others fixed.
    constexpr int kSteps = kShoeSize * 64;
    for (const auto& [field, n] : {std::pair{0, kDecks}, {1, kSuits}, {2, kValues}}) {
        std::vector<int> counts(n + 1);
        for (int k = 0; k < kSteps; ++k) {
            std::array<double, 3> numbers = {0.5, 0.5, 0.5};
            numbers[field] = (k + 0.5) / kSteps;
            ++counts[DrawFrom(numbers)[field]];
        }
        for (int i = 1; i <= n; ++i) EXPECT_EQ(counts[i], kSteps / n) << field << ", " << i;
    }
    // Edges: k / n belongs to the (k + 1)-th deck, suit or value, just below it to the k-th.
    EXPECT_EQ(DrawFrom({1.0 / 6, 0.25, 1.0 / 13}), (std::array{2, 2, 2}));
    EXPECT_EQ(DrawFrom({std::nextafter(1.0, 0.0), std::nextafter(0.25, 0.0), 0.0}),
              (std::array{6, 1, 1}));
}

// The method sees a bias of the kind that scaling coarse numbers would bring: numbers of 8 bits
// spread unevenly over 13 values (20 or 19 of 256 each).
TEST(ShoeStatistics, TheTestsDetectACoarselyScaledSource) {
    SeededRandom fine(7005);
    From coarse([&] { return std::floor(fine.Next() * 256) / 256; });
    EXPECT_LT(Scaling(coarse, 200000)[2].p, 0.01);
}

}  // namespace
}  // namespace vex::stats
