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

// Each try is scaled as soon as its three numbers are made: the generator's steps form one chain,
// and the processor scales a try while it waits on the next step.
void RandomSource::FillTries(Xoshiro256& engine, const std::int16_t* marks) {
    std::uint32_t waiting = 0;
    for (int i = 0; i < kBatch; ++i) {
        Try& t = batch_[i];
        t.Deck = PickBits(engine(), kDecks);
        t.Suit = PickBits(engine(), kSuits);
        t.Value = PickBits(engine(), kValues);
        t.Mark = MarkOf(t.Deck, t.Suit, t.Value);
        waiting |= static_cast<std::uint32_t>(marks[t.Mark] == 0) << i;
    }
    SetBatch(kBatch, waiting);
}

void Xoshiro256::Seed(std::uint64_t seed) {
    for (auto& word : s_) word = SplitMix64(seed);  // never all zero: splitmix64 is a bijection
}

void ClockRandom::Refill(const std::int16_t* marks) {
    FillTries(engine_, marks);
}

void SeededRandom::Refill(const std::int16_t* marks) {
    FillTries(engine_, marks);
}

void ClockRandom::Reseed() {
    DropBatch();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    // The old sequence's next word tells apart two reseeds of one shoe in the same clock tick,
    // and the generator's own address two shoes.
    engine_.Seed(static_cast<std::uint64_t>(now.count()) ^ engine_() ^
                 reinterpret_cast<std::uintptr_t>(this));
}

void SeededRandom::Reseed() {
    DropBatch();
    std::uint64_t seed = SplitMix64(next_seed_);
    engine_.Seed(seed);
}

}  // namespace vex
