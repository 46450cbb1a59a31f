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

void DrawCard(TableState& s, RandomSource& random, Card& out) {
    if (s.ShoeCardsLeft <= 0) ReturnCardsNotOnTable(s);
    std::int16_t deck, suit, value;
    do {
        double r[3];  // deck, suit, value
        random.NextThree(r);
        deck = Pick(r[0], kDecks);
        suit = Pick(r[1], kSuits);
        value = Pick(r[2], kValues);
    } while (s.ShoeUsed[deck][suit][value] != 0);
    s.ShoeUsed[deck][suit][value] = 1;
    --s.ShoeCardsLeft;
    // Field by field from the three numbers: a card copied whole right after its fields were
    // written is read back wide from narrow stores, which stalls.
    out.Deck = deck;
    out.Suit = suit;
    out.Value = value;
    if (s.CardsOnTableCount < kMaxCardsInRound) {
        Card& on_table = s.CardsOnTable[s.CardsOnTableCount++];
        on_table.Deck = deck;
        on_table.Suit = suit;
        on_table.Value = value;
    }
}

Card DrawCard(TableState& s, RandomSource& random) {
    Card c;
    DrawCard(s, random, c);
    return c;
}

}  // namespace vex
