#include "state/Random.h"

#include <chrono>

namespace vex {

void ClockRandom::Reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint64_t>(now.count()) ^
                 (static_cast<std::uint64_t>(ticks.count()) << 21));
}

double ClockRandom::Next() { return UnitInterval(engine_()); }

void SeededRandom::Reseed() {
    // splitmix64 step: well-spread seeds from a simple counter
    next_seed_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = next_seed_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    engine_.seed(z ^ (z >> 31));
}

double SeededRandom::Next() { return UnitInterval(engine_()); }

}  // namespace vex
