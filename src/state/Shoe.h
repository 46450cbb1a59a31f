#pragma once

#include "state/Random.h"
#include "state/TableState.h"

namespace vex {

// Returns all 312 cards to the shoe and reseeds the random source.
void ShuffleShoe(TableState& s, RandomSource& random);

// Marks the start of a round: the cards drawn from here on are the ones on the table.
void BeginRound(TableState& s);

// Takes one random card that is still in the shoe. If the shoe is empty, the cards that are not
// on the table of the round in play go back into it first, so a draw always finds a card.
Card DrawCard(TableState& s, RandomSource& random);

}  // namespace vex
