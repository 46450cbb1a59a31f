// The shoe's fairness at 99% confidence, with fixed seeds so that every run sees the same shoes.
// vex-shuffle-stats runs the same tests on fresh seeds and many millions of draws.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ShuffleStats.h"

namespace vex::stats {
namespace {

// Fair at 99% confidence.
void ExpectFair(const ChiSquare& r) {
    EXPECT_GT(r.p, 0.01) << r.name << ": chi-square " << r.statistic << " on " << r.dof
                         << " degrees of freedom, " << r.samples << " samples";
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
