#pragma once
// Chi-square tests of the six-deck shoe, shared by the fixed-seed tests and vex-shuffle-stats.

#include <cstdint>
#include <string>
#include <vector>

#include "state/Random.h"

namespace vex::stats {

// P(X >= statistic) for X chi-square distributed with `dof` degrees of freedom: the regularized
// upper incomplete gamma function Q(dof / 2, statistic / 2).
double ChiSquarePValue(double statistic, double dof);

struct ChiSquare {
    std::string name;
    std::uint64_t samples = 0;  // observations counted
    double statistic = 0;
    int dof = 0;
    double p = 0;
};

// Pearson's statistic for observed counts against expected counts (same length).
ChiSquare Pearson(std::string name, const std::vector<std::uint64_t>& observed,
                  const std::vector<double>& expected);

// The tests. Each shuffles a fresh shoe `shuffles` times with `random` and looks at draws right
// after the shuffle; cards are numbered (deck - 1) * 52 + (suit - 1) * 13 + (value - 1).

// Every one of the 312 cards is equally likely to be the first card after a shuffle.
ChiSquare FirstCard(RandomSource& random, std::uint64_t shuffles);
// The 312 cards are equally likely to be the last card left in a shoe drawn to the end: the
// rejection of marked cards favours none.
ChiSquare LastCard(RandomSource& random, std::uint64_t shuffles);
// Each value (ace to king) is equally likely at draw `position` (1 = the first card).
ChiSquare ValueAtDraw(RandomSource& random, std::uint64_t shuffles, int position);
// Successive draws at positions `position` and `position` + 1 are independent apart from the
// shoe itself: a value already dealt has one copy fewer left (24 / 311 for a different value,
// 23 / 311 for the same one).
ChiSquare ValuePairs(RandomSource& random, std::uint64_t shuffles, int position);
// The first card's deck, suit and value each uniform: the scaling of the random numbers.
std::vector<ChiSquare> Scaling(RandomSource& random, std::uint64_t shuffles);

}  // namespace vex::stats
