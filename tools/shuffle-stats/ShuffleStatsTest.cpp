// The shoe's fairness at 99% confidence, with fixed seeds so that every run sees the same shoes.
// vex-shuffle-stats runs the same tests on fresh seeds and many millions of draws.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ShuffleStats.h"
#include "state/Shoe.h"
#include "state/TableState.h"

namespace vex::stats {
namespace {

constexpr double kConfidence = 0.99;

void ExpectFair(const ChiSquare& r) {
    EXPECT_GT(r.p, 1 - kConfidence) << r.name << ": chi-square " << r.statistic << " on " << r.dof
                                    << " degrees of freedom, " << r.samples << " samples";
}

TEST(ChiSquarePValue, MatchesTheTablesCriticalValues) {
    // Critical values at 5%, 1% and 0.1% from the standard tables.
    EXPECT_NEAR(ChiSquarePValue(3.841459, 1), 0.05, 1e-6);
    EXPECT_NEAR(ChiSquarePValue(23.209251, 10), 0.01, 1e-6);
    EXPECT_NEAR(ChiSquarePValue(26.216967, 12), 0.01, 1e-6);
    EXPECT_NEAR(ChiSquarePValue(32.909490, 12), 0.001, 1e-7);
    EXPECT_NEAR(ChiSquarePValue(2.0, 2), std::exp(-1.0), 1e-12);  // two degrees: exp(-x / 2)
    // Large tables: the median of chi-square(311) lies just below 311.
    EXPECT_NEAR(ChiSquarePValue(310.333, 311), 0.5, 2e-3);
    EXPECT_NEAR(ChiSquarePValue(371.8, 311), 0.01, 2e-3);
    EXPECT_DOUBLE_EQ(ChiSquarePValue(0, 5), 1.0);
}

TEST(ShoeStatistics, EveryCardIsEquallyLikelyFirstAfterAShuffle) {
    SeededRandom random(7001);
    ExpectFair(FirstCard(random, 312 * 200));
}

TEST(ShoeStatistics, EveryValueIsEquallyLikelyAtEachOfTheFirstDraws) {
    SeededRandom random(7002);
    for (int position = 1; position <= 6; ++position)
        ExpectFair(ValueAtDraw(random, 13 * 4000, position));
}

TEST(ShoeStatistics, SuccessiveDrawsDependOnlyOnTheCardsAlreadyDealt) {
    SeededRandom random(7003);
    ExpectFair(ValuePairs(random, 169 * 300, 1));
    ExpectFair(ValuePairs(random, 169 * 300, 20));
}

TEST(ShoeStatistics, DeckSuitAndValueAreEachUniform) {
    SeededRandom random(7004);
    for (const ChiSquare& r : Scaling(random, 100000)) ExpectFair(r);
}

// Numbers spread evenly over [0, 1) land evenly on the decks, suits and values: every interval
// [k / n, (k + 1) / n) maps to one card field, and its edges to the right side.
class EvenlySpread : public RandomSource {
  public:
    explicit EvenlySpread(std::vector<double> numbers) : numbers_(std::move(numbers)) {}
    void Reseed() override {}
    double Next() override { return numbers_[next_++ % numbers_.size()]; }

  private:
    std::vector<double> numbers_;
    std::size_t next_ = 0;
};

TEST(ShoeStatistics, ScalingGivesEachDeckSuitAndValueAnEqualShareOfTheInterval) {
    // 312 * 64 numbers at the middles of equal steps; each card field sees them all in turn.
    constexpr int kSteps = kShoeSize * 64;
    for (int field = 0; field < 3; ++field) {
        std::vector<double> numbers;
        for (int k = 0; k < kSteps; ++k) {
            const double r = (k + 0.5) / kSteps;
            // The two other fields stay at a fixed number; this one walks the interval.
            for (int f = 0; f < 3; ++f) numbers.push_back(f == field ? r : 0.5);
        }
        EvenlySpread random(numbers);
        const int n = field == 0 ? kDecks : field == 1 ? kSuits : kValues;
        std::vector<int> counts(n);
        TableState table;
        for (int k = 0; k < kSteps; ++k) {
            ShuffleShoe(table, random);
            const Card c = DrawCard(table, random);
            ++counts[(field == 0 ? c.Deck : field == 1 ? c.Suit : c.Value) - 1];
        }
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(counts[i], kSteps / n) << "field " << field << " cell " << i;
    }
    // Edges: k / n belongs to the (k + 1)-th card field, just below it to the k-th.
    EvenlySpread edges({1.0 / 6, 0.25, 1.0 / 13});
    TableState table;
    ShuffleShoe(table, edges);
    const Card c = DrawCard(table, edges);
    EXPECT_EQ(c.Deck, 2);
    EXPECT_EQ(c.Suit, 2);
    EXPECT_EQ(c.Value, 2);
    EvenlySpread below({std::nextafter(1.0, 0.0), std::nextafter(0.25, 0.0), 0.0});
    ShuffleShoe(table, below);
    const Card d = DrawCard(table, below);
    EXPECT_EQ(d.Deck, 6);
    EXPECT_EQ(d.Suit, 1);
    EXPECT_EQ(d.Value, 1);
}

// The method sees a bias of the kind that scaling coarse numbers would bring: numbers of 8 bits
// spread unevenly over 13 values (20 or 19 of 256 each).
class EightBitRandom : public RandomSource {
  public:
    void Reseed() override {}
    double Next() override { return std::floor(inner_.Next() * 256) / 256; }

  private:
    SeededRandom inner_{7005};
};

TEST(ShoeStatistics, TheTestsDetectACoarselyScaledSource) {
    EightBitRandom coarse;
    EXPECT_LT(Scaling(coarse, 200000)[2].p, 1 - kConfidence);
}

}  // namespace
}  // namespace vex::stats
