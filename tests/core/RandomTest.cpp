// The shoe's tries made in batches pick the same cards as its numbers scaled one by one.
#include <gtest/gtest.h>

#include <vector>

#include "state/Random.h"
#include "state/Shoe.h"

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

// Batches made ahead, which pass over the tries of cards already out, deal the same cards as
// tries made one at a time from the same numbers: through a whole shoe, on after a shoe emptied
// in the middle of a round has taken back the cards not on the table, and after one emptied as a
// round begins.
TEST(Random, BatchesDealTheCardsOfTriesMadeOneByOne) {
    struct OneByOne : RandomSource {
        SeededRandom numbers{17};
        void Reseed() override {}
        double Next() override { return numbers.Next(); }
    } one_by_one;
    SeededRandom batched(17);
    TableState a, b;
    Card last;
    for (int i = 0; i < 2 * kShoeSize; ++i) {
        if (i % kShoeSize == kShoeSize - 10) BeginRound(a), BeginRound(b);
        const Card x = DrawCard(a, batched), y = DrawCard(b, one_by_one);
        ASSERT_TRUE(x == y) << "card " << i;
        // Emptied as a round began (card 614), the shoe deals a fresh try, not the last card again.
        ASSERT_FALSE(i == 2 * kShoeSize - 10 && x == last);
        last = x;
    }
}

}  // namespace
}  // namespace vex
