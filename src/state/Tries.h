#pragma once

#include <bit>
#include <cstdint>

#include "state/Card.h"
#include "state/Random.h"

namespace vex {

// One try of the shoe: the card that the next three numbers of the random source pick, in this
// order, each scaled to its range (deck 1..6, suit 1..4, value 1..13), and that card's place
// among the shoe's marks (TableState::ShoeUsed seen as one flat array). The card may be out of
// the shoe already; the shoe then tries again.
struct Try {
    std::int16_t Deck, Suit, Value, Mark;
};

// The shoe's tries, made ahead in batches from the game's own generators (SeededRandom,
// ClockRandom): a batch of 16 tries takes 48 words of the generator, and passes over the tries
// whose cards were already out of the shoe when it was made (marks are only set until the shoe
// takes cards back, so the shoe would turn those tries down anyway). From any other source, such
// as the tests' stacked shoe, whose numbers depend on the moment they are asked for, one try at a
// time through Next(). Either way, the same numbers deal the same cards.
class ShoeTries {
  public:
    // The next try from `source` for a shoe with these marks. The shoe still looks at the mark of
    // each try it is given, for a card dealt since the batch was made.
    Try Next(RandomSource& source, const std::int16_t* marks) {
        while (waiting_ == 0) Refill(source, marks);
        const int k = std::countr_zero(waiting_);
        waiting_ &= waiting_ - 1;
        next_ = k + 1;
        return batch_[k];
    }
    // The source was reseeded: the tries made from its old sequence are never dealt.
    void Drop() {
        next_ = end_ = 0;
        waiting_ = 0;
    }
    // The shoe took cards back: every try not yet given is looked at again.
    void ForgetCardsOut() { waiting_ = (1u << end_) - (1u << next_); }

    // Scales r in [0, 1) to 1..n; a source that returns 1.0 by mistake still lands on n.
    static std::int16_t Pick(double r, int n) {
        int k = static_cast<int>(r * n);
        k = k < 0 ? 0 : k > n - 1 ? n - 1 : k;
        return static_cast<std::int16_t>(k + 1);
    }
    // Pick(UnitInterval(bits), n), with the same result for every word: the number is m 2^-53
    // for the word's top 53 bits m, and scaling by a power of two is exact and commutes with
    // rounding, so m 2^-53 n rounds to the same double as m (n 2^-53). That product never
    // reaches n, so no clamp is needed: m n is at most n 2^53 - n, and just below n 2^53 doubles
    // lie 2^(e+1) apart for 2^e < n < 2^(e+1) (n more than half a step short of n 2^53), or 2^e
    // apart for n = 2^e (m n itself a double). For the four suits the product is exact: the suit
    // is the word's top two bits.
    static std::int16_t PickBits(std::uint64_t bits, int n) {
        if (n == 4) return static_cast<std::int16_t>((bits >> 62) + 1);
        const double scaled =
            static_cast<double>(static_cast<std::int64_t>(bits >> 11)) * (n * 0x1.0p-53);
        return static_cast<std::int16_t>(static_cast<int>(scaled) + 1);
    }
    static constexpr std::int16_t MarkOf(int deck, int suit, int value) {
        return static_cast<std::int16_t>((deck * (kSuits + 1) + suit) * (kValues + 1) + value);
    }

  private:
    // A reshuffle (every 20 rounds, some 140 tries) drops the tries made ahead: 16 drop half as
    // many as 32 would.
    static constexpr int kBatch = 16;
    // Makes the next batch: 16 tries from a game generator, else one try through Next().
    void Refill(RandomSource& source, const std::int16_t* marks);
    void FillFrom(Xoshiro256& engine, const std::int16_t* marks);

    Try batch_[kBatch] = {};
    int next_ = 0;  // the batch's tries before this one were given or passed over
    int end_ = 0;
    std::uint32_t waiting_ = 0;  // bit k: try k is still to be given
};

}  // namespace vex
