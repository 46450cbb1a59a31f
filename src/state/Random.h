#pragma once

#include <cstdint>
#include <random>

namespace vex {

// The shoe's source of randomness: uniform reals on [0, 1), reseeded at every shuffle.
// Tests replace it to stack the shoe card by card.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual double Next() = 0;
};

// The game's generator: a 64-bit Mersenne Twister, reseeded from the system clock.
class ClockRandom : public RandomSource {
public:
    void Reseed() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
};

// A repeatable generator for simulations and tests: every reseed moves to the next seed of a
// fixed sequence that starts from the given seed.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : next_seed_(seed) { engine_.seed(seed); }
    void Reseed() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
    std::uint64_t next_seed_;
};

// 53 random bits scaled to [0, 1): never 1.0, unlike std::generate_canonical in some libraries.
inline double UnitInterval(std::uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

}  // namespace vex
