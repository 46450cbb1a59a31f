#include "ShuffleStats.h"

#include <cmath>
#include <limits>
#include <utility>

#include "state/Shoe.h"
#include "state/TableState.h"

namespace vex::stats {

namespace {

// Series for the lower regularized gamma P(a, x), good for x < a + 1.
double LowerSeries(double a, double x) {
    double term = 1.0 / a, sum = term;
    for (int n = 1; n < 100000; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * 1e-16) break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Continued fraction (modified Lentz) for the upper regularized gamma Q(a, x), x >= a + 1.
double UpperFraction(double a, double x) {
    constexpr double kTiny = 1e-300;
    double b = x + 1.0 - a, c = 1.0 / kTiny, d = 1.0 / b, h = d;
    for (int i = 1; i < 100000; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1.0) < 1e-16) break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

int CardIndex(const Card& c) {
    return (c.Deck - 1) * 52 + (c.Suit - 1) * 13 + (c.Value - 1);
}

// A fresh shoe for each shuffle, as the Deal sees it.
struct Shoe {
    TableState table;
    RandomSource& random;
    void Shuffle() {
        ShuffleShoe(table, random);
        BeginRound(table);
    }
    Card Draw() {
        // The round's list of cards on the table has room for one round only.
        if (table.CardsOnTableCount >= kMaxCardsInRound) BeginRound(table);
        return DrawCard(table, random);
    }
};

}  // namespace

double ChiSquarePValue(double statistic, double dof) {
    if (statistic <= 0) return 1.0;
    const double a = dof / 2, x = statistic / 2;
    if (x < a + 1) return 1.0 - LowerSeries(a, x);
    return UpperFraction(a, x);
}

ChiSquare Pearson(std::string name, const std::vector<std::uint64_t>& observed,
                  const std::vector<double>& expected) {
    ChiSquare r;
    r.name = std::move(name);
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double diff = static_cast<double>(observed[i]) - expected[i];
        r.statistic += diff * diff / expected[i];
        r.samples += observed[i];
    }
    r.dof = static_cast<int>(observed.size()) - 1;
    r.p = ChiSquarePValue(r.statistic, r.dof);
    return r;
}

ChiSquare FirstCard(RandomSource& random, std::uint64_t shuffles) {
    Shoe shoe{{}, random};
    std::vector<std::uint64_t> counts(kShoeSize);
    for (std::uint64_t i = 0; i < shuffles; ++i) {
        shoe.Shuffle();
        ++counts[CardIndex(shoe.Draw())];
    }
    return Pearson("first card after a shuffle (312 cards)", counts,
                   std::vector<double>(kShoeSize, static_cast<double>(shuffles) / kShoeSize));
}

ChiSquare LastCard(RandomSource& random, std::uint64_t shuffles) {
    Shoe shoe{{}, random};
    std::vector<std::uint64_t> counts(kShoeSize);
    for (std::uint64_t i = 0; i < shuffles; ++i) {
        shoe.Shuffle();
        Card last;
        for (int n = 0; n < kShoeSize; ++n) last = shoe.Draw();
        ++counts[CardIndex(last)];
    }
    return Pearson("last card of a shoe drawn to the end (312 cards)", counts,
                   std::vector<double>(kShoeSize, static_cast<double>(shuffles) / kShoeSize));
}

ChiSquare ValueAtDraw(RandomSource& random, std::uint64_t shuffles, int position) {
    Shoe shoe{{}, random};
    std::vector<std::uint64_t> counts(kValues);
    for (std::uint64_t i = 0; i < shuffles; ++i) {
        shoe.Shuffle();
        Card c;
        for (int n = 0; n < position; ++n) c = shoe.Draw();
        ++counts[c.Value - 1];
    }
    return Pearson("value of draw " + std::to_string(position) + " (13 values)", counts,
                   std::vector<double>(kValues, static_cast<double>(shuffles) / kValues));
}

ChiSquare ValuePairs(RandomSource& random, std::uint64_t shuffles, int position) {
    Shoe shoe{{}, random};
    std::vector<std::uint64_t> counts(kValues * kValues);
    for (std::uint64_t i = 0; i < shuffles; ++i) {
        shoe.Shuffle();
        for (int n = 1; n < position; ++n) shoe.Draw();
        const Card a = shoe.Draw();
        const Card b = shoe.Draw();
        ++counts[(a.Value - 1) * kValues + (b.Value - 1)];
    }
    // Any two positions of a shuffled shoe have the joint law of the first two draws.
    constexpr double kPerValue = kShoeSize / kValues;  // 24 copies of each value
    std::vector<double> expected(kValues * kValues);
    for (int a = 0; a < kValues; ++a)
        for (int b = 0; b < kValues; ++b)
            expected[a * kValues + b] = static_cast<double>(shuffles) / kValues *
                                        (a == b ? kPerValue - 1 : kPerValue) / (kShoeSize - 1);
    return Pearson("value pairs at draws " + std::to_string(position) + " and " +
                       std::to_string(position + 1) + " (169 pairs)",
                   counts, expected);
}

std::vector<ChiSquare> Scaling(RandomSource& random, std::uint64_t shuffles) {
    Shoe shoe{{}, random};
    std::vector<std::uint64_t> decks(kDecks), suits(kSuits), values(kValues);
    for (std::uint64_t i = 0; i < shuffles; ++i) {
        shoe.Shuffle();
        const Card c = shoe.Draw();  // a full shoe rejects nothing: these are the first numbers
        ++decks[c.Deck - 1];
        ++suits[c.Suit - 1];
        ++values[c.Value - 1];
    }
    const double n = static_cast<double>(shuffles);
    return {
        Pearson("deck of the first card (6 decks)", decks, std::vector<double>(kDecks, n / kDecks)),
        Pearson("suit of the first card (4 suits)", suits, std::vector<double>(kSuits, n / kSuits)),
        Pearson("value of the first card (13 values)", values,
                std::vector<double>(kValues, n / kValues))};
}

}  // namespace vex::stats
