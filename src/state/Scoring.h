#pragma once

#include <cstdint>

#include "state/Card.h"

namespace vex {

// A hand's points and whether one of its aces counts 11.
struct Score {
    std::int16_t Total = 0;
    Flag SoftAce = kFalse;
    friend bool operator==(const Score&, const Score&) = default;
};

// The first card of a hand: an ace is 11 (soft), a face card 10, the others their value.
constexpr Score ScoreFirstCard(int value) {
    if (value == 1) return {11, kTrue};
    return {static_cast<std::int16_t>(value > 10 ? 10 : value), kFalse};
}

// The second card of a hand, at the deal and for each hand of a split: an ace is 11 on a total
// below 11 and 1 otherwise (so two aces make a soft 12); a face card always adds 10, even on a
// soft ace, so an ace and a king make 21.
constexpr Score ScoreSecondCard(Score hand, int value) {
    if (value == 1) {
        if (hand.Total < 11) return {static_cast<std::int16_t>(hand.Total + 11), kTrue};
        return {static_cast<std::int16_t>(hand.Total + 1), hand.SoftAce};
    }
    return {static_cast<std::int16_t>(hand.Total + (value > 10 ? 10 : value)), hand.SoftAce};
}

// The third and every later card of a hand, the dealer's included.
constexpr Score ScoreNextCard(Score hand, int value) {
    if (value == 1) {
        if (hand.Total <= 10) return {static_cast<std::int16_t>(hand.Total + 11), kTrue};
        // An ace on a soft 21 would pass 21: the hand's other ace drops from 11 to 1 (soft 21
        // and an ace make a hard 12, not a bust).
        if (hand.SoftAce && hand.Total + 1 > 21)
            return {static_cast<std::int16_t>(hand.Total + 1 - 10), kFalse};
        return {static_cast<std::int16_t>(hand.Total + 1), hand.SoftAce};
    }
    // A face card on a soft hand: the ace drops from 11 to 1 while the card adds 10, as for any
    // card that takes a soft hand past 21.
    const bool face = value > 10;
    const int points = face ? 10 : value;
    if (hand.SoftAce && (face | (hand.Total + points > 21)))
        return {static_cast<std::int16_t>(hand.Total + points - 10), kFalse};
    return {static_cast<std::int16_t>(hand.Total + points), hand.SoftAce};
}

}  // namespace vex
