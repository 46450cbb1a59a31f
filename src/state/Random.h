#pragma once

#include <bit>
#include <cstdint>

#include "state/Card.h"

namespace vex {

class Xoshiro256;

// The shoe's source of randomness: uniform reals on [0, 1), reseeded at every shuffle.
// Tests replace it to stack the shoe card by card.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Starts a new sequence; numbers made ahead of the reseed are dropped, never dealt.
    virtual void Reseed() = 0;
    // One number straight from the source (the shoe takes its numbers through NextTry).
    virtual double Next() = 0;

    // One try of the shoe: the card that the next three numbers of the sequence pick, each
    // scaled to its range (deck 1..6, suit 1..4, value 1..13), and that card's place among the
    // shoe's marks (TableState::ShoeUsed seen as one flat array).
    struct Try {
        std::int16_t Deck, Suit, Value, Mark;
    };
    // Tries are made ahead in batches, so that a try costs no call into the source and the
    // scaling is done in a loop of its own rather than between the shoe's looks at its marks.
    // A batch also looks once at `marks`, the shoe's marks, and NextTry passes over the tries
    // whose cards were already out of the shoe then: marks are only set until the shoe is
    // refilled (ForgetCardsOut), so the shoe would turn those tries down anyway. It still looks
    // at the mark of each try it is given, for a card drawn since the batch was made.
    Try NextTry(const std::int16_t* marks) {
        while (waiting_ == 0) Refill(marks);
        const int k = std::countr_zero(waiting_);
        waiting_ &= waiting_ - 1;
        batch_next_ = k + 1;
        return batch_[k];
    }
    // The shoe took cards back: every try not yet given is looked at again.
    void ForgetCardsOut() { waiting_ = (1u << batch_end_) - (1u << batch_next_); }

    // Scales r in [0, 1) to 1..n; a source that returns 1.0 by mistake still lands on n.
    static std::int16_t Pick(double r, int n) {
        int k = static_cast<int>(r * n);
        k = k < 0 ? 0 : k > n - 1 ? n - 1 : k;
        return static_cast<std::int16_t>(k + 1);
    }
    // Pick(UnitInterval(bits), n) in fewer steps, with the same result for every word: the
    // number is m 2^-53 for the word's top 53 bits m, and scaling by a power of two is exact and
    // commutes with rounding, so m 2^-53 n rounds to the same double as m (n 2^-53), one
    // multiplication. That product never reaches n, so no clamp is needed: m n is at most
    // n 2^53 - n, and just below n 2^53 doubles lie 2^(e+1) apart for 2^e < n < 2^(e+1) (n more
    // than half a step short of n 2^53), or 2^e apart for n = 2^e (m n itself a double).
    // For the four suits the product is exact: the suit is the word's top two bits.
    static std::int16_t PickBits(std::uint64_t bits, int n) {
        if (n == 4) return static_cast<std::int16_t>((bits >> 62) + 1);
        const double scaled =
            static_cast<double>(static_cast<std::int64_t>(bits >> 11)) * (n * 0x1.0p-53);
        return static_cast<std::int16_t>(static_cast<int>(scaled) + 1);
    }
    static Try PickTry(double deck, double suit, double value) {
        Try t;
        t.Deck = Pick(deck, kDecks);
        t.Suit = Pick(suit, kSuits);
        t.Value = Pick(value, kValues);
        t.Mark = MarkOf(t.Deck, t.Suit, t.Value);
        return t;
    }
    static std::int16_t MarkOf(int deck, int suit, int value) {
        return static_cast<std::int16_t>((deck * (kSuits + 1) + suit) * (kValues + 1) + value);
    }

  protected:
    // Tries made ahead are thrown away at every reshuffle (every 20 rounds, some 140 tries): a
    // batch of 16 wastes half as many as one of 32, for one more call per 16 tries.
    static constexpr int kBatch = 16;  // tries
    // Makes the next tries of the sequence into the batch. By default one try at a time,
    // through Next(), for a source whose numbers depend on the moment they are asked for (the
    // tests' stacked shoe looks at the marks of the shoe).
    virtual void Refill(const std::int16_t* /*marks*/) {
        const double deck = Next();
        const double suit = Next();
        const double value = Next();
        batch_[0] = PickTry(deck, suit, value);
        SetBatch(1, 1);
    }
    // A batch of `count` tries, those of the bits of `waiting` still to be given.
    void SetBatch(int count, std::uint32_t waiting) {
        batch_next_ = 0;
        batch_end_ = count;
        waiting_ = waiting;
    }
    void DropBatch() { SetBatch(0, 0); }
    // A whole batch from a generator of 64-bit words (below).
    void FillTries(Xoshiro256& engine, const std::int16_t* marks);
    Try batch_[kBatch] = {};

  private:
    int batch_next_ = 0;
    int batch_end_ = 0;
    std::uint32_t waiting_ = 0;
};

// xoshiro256** (Blackman and Vigna): 256 bits of state, equidistributed in 4 dimensions, passes
// BigCrush, and costs a few shifts per number: the shoe draws millions of them a second.
class Xoshiro256 {
  public:
    // Fills the state from one 64-bit seed through splitmix64, as the authors recommend.
    void Seed(std::uint64_t seed);
    std::uint64_t operator()() {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }

  private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4] = {1, 2, 3, 4};
};

// 53 random bits scaled to [0, 1): never 1.0, unlike std::generate_canonical in some libraries.
// (53 bits fit a signed integer, whose conversion to double is one instruction.)
inline double UnitInterval(std::uint64_t bits) {
    return static_cast<double>(static_cast<std::int64_t>(bits >> 11)) * 0x1.0p-53;
}

// The game's generator, reseeded from the system clock at every shuffle.
class ClockRandom final : public RandomSource {
  public:
    void Reseed() override;
    double Next() override { return UnitInterval(engine_()); }

  private:
    void Refill(const std::int16_t* marks) override;
    Xoshiro256 engine_;
};

// A repeatable generator for simulations and tests: every reseed moves to the next seed of a
// fixed sequence that starts from the given seed.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : next_seed_(seed) { engine_.Seed(seed); }
    void Reseed() override;
    double Next() override { return UnitInterval(engine_()); }

  private:
    void Refill(const std::int16_t* marks) override;
    Xoshiro256 engine_;
    std::uint64_t next_seed_;
};

}  // namespace vex
