#pragma once

#include <cstdint>

namespace vex {

// Flags are 16-bit: true is -1, false is 0.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

// One physical card of the six-deck shoe, as a draw produces it.
struct Card {
    std::int16_t Deck = 0;   // 1 to 6
    std::int16_t Suit = 0;   // 1 spades, 2 hearts, 3 diamonds, 4 clubs
    std::int16_t Value = 0;  // 1 ace, 2 to 10, 11 jack, 12 queen, 13 king
    friend bool operator==(const Card&, const Card&) = default;
};

inline constexpr int kDecks = 6;
inline constexpr int kSuits = 4;
inline constexpr int kValues = 13;
inline constexpr int kShoeSize = kDecks * kSuits * kValues;  // 312

}  // namespace vex
