#include "state/Shoe.h"

#include <algorithm>

namespace vex {

namespace {

// Scales r in [0, 1) to 1..n; a source that returns 1.0 by mistake still lands on n.
std::int16_t Pick(double r, int n) {
    const int k = static_cast<int>(r * n);
    return static_cast<std::int16_t>(std::clamp(k, 0, n - 1) + 1);
}

void ClearMarks(TableState& s) {
    for (int deck = 1; deck <= kDecks; ++deck)
        for (int suit = 1; suit <= kSuits; ++suit)
            for (int value = 1; value <= kValues; ++value) s.ShoeUsed[deck][suit][value] = 0;
    s.ShoeCardsLeft = kShoeSize;
}

// An empty shoe in the middle of a round: every card goes back but those of this round.
void ReturnCardsNotOnTable(TableState& s) {
    ClearMarks(s);
    for (int i = 0; i < s.CardsOnTableCount; ++i) {
        const Card& c = s.CardsOnTable[i];
        s.ShoeUsed[c.Deck][c.Suit][c.Value] = 1;
        --s.ShoeCardsLeft;
    }
}

}  // namespace

void ShuffleShoe(TableState& s, RandomSource& random) {
    random.Reseed();
    ClearMarks(s);
}

void BeginRound(TableState& s) { s.CardsOnTableCount = 0; }

Card DrawCard(TableState& s, RandomSource& random) {
    if (s.ShoeCardsLeft <= 0) ReturnCardsNotOnTable(s);
    Card c;
    do {
        c.Deck = Pick(random.Next(), kDecks);
        c.Suit = Pick(random.Next(), kSuits);
        c.Value = Pick(random.Next(), kValues);
    } while (s.ShoeUsed[c.Deck][c.Suit][c.Value] != 0);
    s.ShoeUsed[c.Deck][c.Suit][c.Value] = 1;
    --s.ShoeCardsLeft;
    if (s.CardsOnTableCount < kMaxCardsInRound) s.CardsOnTable[s.CardsOnTableCount++] = c;
    return c;
}

}  // namespace vex
