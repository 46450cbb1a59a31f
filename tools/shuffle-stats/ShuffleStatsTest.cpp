// The shoe's fairness at 99% confidence, with fixed seeds so that every run sees the same shoes.
// vex-shuffle-stats runs the same tests on fresh seeds and many millions of draws.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "ShuffleStats.h"

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

// The method sees a bias of the kind that scaling coarse numbers would bring: numbers of 8 bits
// spread unevenly over 13 values (20 or 19 of 256 each).
TEST(ShoeStatistics, TheTestsDetectACoarselyScaledSource) {
    SeededRandom fine(7005);
    From coarse([&] { return std::floor(fine.Next() * 256) / 256; });
    EXPECT_LT(Scaling(coarse, 200000)[2].p, 0.01);
}

}  // namespace
}  // namespace vex::stats
