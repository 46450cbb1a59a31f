#include "state/Shoe.h"

#include <algorithm>

namespace vex {

namespace {

// Every mark at once, the unused places of deck, suit or value 0 too: one run of stores rather
// than 312 one by one.
void ClearMarks(TableState& s) {
    std::fill_n(&s.ShoeUsed[0][0][0], sizeof s.ShoeUsed / sizeof s.ShoeUsed[0][0][0], 0);
    s.ShoeCardsLeft = kShoeSize;
}

// An empty shoe in the middle of a round: every card goes back but those of this round.
void ReturnCardsNotOnTable(TableState& s, RandomSource& random) {
    random.ForgetCardsOut();
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

void BeginRound(TableState& s) {
    s.CardsOnTableCount = 0;
}

std::int16_t DrawCard(TableState& s, RandomSource& random, Card& out) {
    if (s.ShoeCardsLeft <= 0) ReturnCardsNotOnTable(s, random);
    std::int16_t* const marks = &s.ShoeUsed[0][0][0];
    RandomSource::Try t;
    do {
        t = random.NextTry(marks);
    } while (marks[t.Mark] != 0);
    marks[t.Mark] = 1;
    --s.ShoeCardsLeft;
    const std::int16_t deck = t.Deck, suit = t.Suit, value = t.Value;
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
    return value;
}

Card DrawCard(TableState& s, RandomSource& random) {
    Card c;
    DrawCard(s, random, c);
    return c;
}

}  // namespace vex
