#include "state/Random.h"

#include <chrono>

namespace vex {

namespace {

// splitmix64: one step spreads a simple counter or clock reading over all 64 bits.
std::uint64_t SplitMix64(std::uint64_t& x) {
    x += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void Xoshiro256::Seed(std::uint64_t seed) {
    for (auto& word : s_) word = SplitMix64(seed);  // never all zero: splitmix64 is a bijection
}

void ClockRandom::Reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    // The old sequence's next word tells apart two reseeds of one shoe in the same clock tick,
    // and the generator's own address two shoes.
    engine_.Seed(static_cast<std::uint64_t>(now.count()) ^ engine_() ^
                 reinterpret_cast<std::uintptr_t>(this));
}

void SeededRandom::Reseed() {
    std::uint64_t seed = SplitMix64(next_seed_);
    engine_.Seed(seed);
}

}  // namespace vex
