#include "state/Tries.h"

#include <typeinfo>

namespace vex {

namespace {

// The generator behind one of the game's own sources, none for any other source.
Xoshiro256* GameEngine(RandomSource& source) {
    if (typeid(source) == typeid(SeededRandom)) return &static_cast<SeededRandom&>(source).Engine();
    if (typeid(source) == typeid(ClockRandom)) return &static_cast<ClockRandom&>(source).Engine();
    return nullptr;
}

}  // namespace

void ShoeTries::Refill(RandomSource& source, const std::int16_t* marks) {
    if (Xoshiro256* engine = GameEngine(source)) {
        FillFrom(*engine, marks);
        return;
    }
    const double deck = source.Next();
    const double suit = source.Next();
    const double value = source.Next();
    Try& t = batch_[0];
    t.Deck = Pick(deck, kDecks);
    t.Suit = Pick(suit, kSuits);
    t.Value = Pick(value, kValues);
    t.Mark = MarkOf(t.Deck, t.Suit, t.Value);
    next_ = 0;
    end_ = 1;
    waiting_ = 1;
}

// The words scaled as the source's Next() would scale them, deck, suit and value in turn.
void ShoeTries::FillFrom(Xoshiro256& engine, const std::int16_t* marks) {
    std::uint32_t waiting = 0;
    for (int i = 0; i < kBatch; ++i) {
        Try& t = batch_[i];
        t.Deck = PickBits(engine(), kDecks);
        t.Suit = PickBits(engine(), kSuits);
        t.Value = PickBits(engine(), kValues);
        t.Mark = MarkOf(t.Deck, t.Suit, t.Value);
        waiting |= static_cast<std::uint32_t>(marks[t.Mark] == 0) << i;
    }
    next_ = 0;
    end_ = kBatch;
    waiting_ = waiting;
}

}  // namespace vex
