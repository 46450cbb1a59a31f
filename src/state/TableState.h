#pragma once

#include <array>
#include <cstdint>

#include "state/Card.h"
#include "state/Tries.h"

namespace vex {

// A player hand holds at most six cards: the sixth card ends it.
inline constexpr int kPlayerHandSize = 6;
// The dealer draws while the total is 16 or less, and every card adds at least one point, so
// at most 16 cards come before the last one: 17 cards is the most a dealer hand can hold.
inline constexpr int kDealerHandSize = 17;
// Cards a single round can put on the table (main hand, split hand, dealer).
inline constexpr int kMaxCardsInRound = 2 * kPlayerHandSize + kDealerHandSize;

// The whole game state, shared by every handler of every window. Hand arrays are indexed from 1
// (position 0 is unused) so that position n holds the n-th card of the hand.
struct TableState {
    // Money and table settings.
    std::int32_t Credit = 0;  // the player's money not on the table
    std::int32_t Debt = 0;    // total borrowed from the bank
    std::int16_t Bet = 0;     // the stake on the table, already out of Credit
    std::int16_t MinBet = 0;
    std::int32_t MaxBet = 0;
    Flag InsuranceHalfBet = kFalse;  // true: insurance up to half the bet; false: up to Credit
    std::int16_t Insurance = 0;      // insurance bought in the current deal

    // The shoe: 1 once that card of that deck was dealt since the last shuffle.
    std::int16_t ShoeUsed[kDecks + 1][kSuits + 1][kValues + 1] = {};
    std::int16_t RoundsSinceShuffle = 0;
    Card DrawnCard;
    std::int16_t HoleCardSuit = 0;

    // The player's main hand (the left hand after a split).
    std::array<std::int16_t, kPlayerHandSize + 1> PlayerCards{};
    std::int16_t PlayerCardCount = 0;
    std::int16_t PlayerTotal = 0;
    Flag PlayerSoftAce = kFalse;

    // The second (right) hand after a split.
    std::array<std::int16_t, kPlayerHandSize + 1> SplitCards{};
    std::int16_t SplitCardCount = 0;
    std::int16_t SplitTotal = 0;
    Flag SplitSoftAce = kFalse;
    std::int16_t ActiveSplitHand = 0;  // 0 left hand in play, 1 right hand

    // The dealer: position 1 the up card, 2 the hole card, then the cards drawn.
    std::array<std::int16_t, kDealerHandSize + 1> DealerCards{};
    std::int16_t DealerTotal = 0;
    Flag DealerSoftAce = kFalse;

    // Shoe bookkeeping beyond the marks: how many cards are still in the shoe, and which cards
    // the round in play has taken, so that an exhausted shoe can take back the others.
    std::int16_t ShoeCardsLeft = 0;
    std::array<Card, kMaxCardsInRound> CardsOnTable{};
    std::int16_t CardsOnTableCount = 0;
    // The shoe's next tries, made ahead from the random source's numbers.
    ShoeTries Tries;
};

}  // namespace vex
