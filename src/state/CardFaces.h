#pragma once

#include <cstdint>

namespace vex {

// Card pictures are numbered 101 to 153: spades, hearts, diamonds, clubs, ace to king within
// each suit, then the back.
inline constexpr std::int16_t kNoPicture = 0;
inline constexpr std::int16_t kFirstCardFace = 101;
inline constexpr std::int16_t kCardBack = 153;

constexpr std::int16_t CardFace(int suit, int value) {
    return static_cast<std::int16_t>(87 + 13 * suit + value);
}

// The table's 20 card slots: the player's hand (the left hand after a split) in 0..5, the right
// hand of a split in 6..11, the dealer in 12..19 (12 the up card, 13 the hole card). A dealer
// hand longer than eight cards goes on in further slots from 20 on, along the dealer's row.
inline constexpr int kTableSlots = 20;
inline constexpr int kHoleCardSlot = 13;

constexpr int PlayerCardSlot(int n) { return n - 1; }
constexpr int SplitCardSlot(int n) { return n + 5; }
constexpr int DealerCardSlot(int n) { return n + 11; }

}  // namespace vex
