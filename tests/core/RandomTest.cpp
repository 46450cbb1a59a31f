// The shoe's tries made in batches pick the same cards as its numbers scaled one by one.
#include <gtest/gtest.h>

#include <vector>

#include "state/Random.h"

namespace vex {
namespace {

TEST(Random, PickingFromTheWordGivesTheSameCardAsScalingItsNumber) {
    const std::uint64_t top = ~std::uint64_t{0};
    // The ends of the range, where rounding could carry a number up to n, and words between.
    std::vector<std::uint64_t> words{0, 1u << 11, top, top - (1u << 11), top >> 1, 1ull << 63};
    Xoshiro256 engine;
    engine.Seed(3);
    for (int i = 0; i < 100000; ++i) words.push_back(engine());
    // A source that strays out of [0, 1) by mistake still lands on a card of the range.
    for (const auto& [r, card] : {std::pair{-0.25, 1}, {1.0, 13}, {7.5, 13}})
        EXPECT_EQ(RandomSource::Pick(r, kValues), card) << r;
    for (int n : {kDecks, kSuits, kValues})
        for (std::uint64_t w : words)
            ASSERT_EQ(RandomSource::PickBits(w, n), RandomSource::Pick(UnitInterval(w), n))
                << "word " << w << ", n " << n;
}

TEST(Random, ASeededSourceTriesTheCardsOfItsNumbersInOrder) {
    SeededRandom random(17);
    Xoshiro256 engine;
    engine.Seed(17);
    for (int i = 0; i < 1000; ++i) {
        const double deck = UnitInterval(engine());
        const double suit = UnitInterval(engine());
        const double value = UnitInterval(engine());
        const RandomSource::Try want = RandomSource::PickTry(deck, suit, value);
        const RandomSource::Try got = random.NextTry();
        ASSERT_EQ(got.Deck, want.Deck);
        ASSERT_EQ(got.Suit, want.Suit);
        ASSERT_EQ(got.Value, want.Value);
        ASSERT_EQ(got.Mark, want.Mark);
    }
}

}  // namespace
}  // namespace vex
