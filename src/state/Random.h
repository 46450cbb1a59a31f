#pragma once

#include <cstdint>

namespace vex {

// The shoe's source of randomness: uniform reals on [0, 1), reseeded at every shuffle.
// Tests replace it to stack the shoe card by card. The shoe takes three numbers a try: deck,
// suit and value (state/Tries.h).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Starts a new sequence: the shoe is being shuffled.
    virtual void Reseed() = 0;
    // The next number of the sequence.
    virtual double Next() = 0;
};

// xoshiro256** (Blackman and Vigna): 256 bits of state, equidistributed in 4 dimensions, passes
// BigCrush, and costs a few shifts and multiplications per number.
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
inline double UnitInterval(std::uint64_t bits) {
    return static_cast<double>(static_cast<std::int64_t>(bits >> 11)) * 0x1.0p-53;
}

// The game's generator, reseeded from the system clock at every shuffle.
class ClockRandom final : public RandomSource {
  public:
    void Reseed() override;
    double Next() override { return UnitInterval(engine_()); }
    // The shoe makes its tries straight from the generator's words (state/Tries.h).
    Xoshiro256& Engine() { return engine_; }

  private:
    Xoshiro256 engine_;
};

// A repeatable generator for simulations and tests: every reseed moves to the next seed of a
// fixed sequence that starts from the given seed.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : next_seed_(seed) { engine_.Seed(seed); }
    void Reseed() override;
    double Next() override { return UnitInterval(engine_()); }
    // The shoe makes its tries straight from the generator's words (state/Tries.h).
    Xoshiro256& Engine() { return engine_; }

  private:
    Xoshiro256 engine_;
    std::uint64_t next_seed_;
};

}  // namespace vex
