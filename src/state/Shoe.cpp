#include "state/Shoe.h"

#include <algorithm>

namespace vex {

static_assert(sizeof TableState::ShoeUsed / sizeof(std::int16_t) ==
                  ShoeTries::MarkOf(kDecks, kSuits, kValues) + 1,
              "a try's mark is its card's place among the shoe's marks");

namespace {

// Every mark at once, the unused places of deck, suit or value 0 too.
void ClearMarks(TableState& s) {
    std::fill_n(&s.ShoeUsed[0][0][0], sizeof s.ShoeUsed / sizeof s.ShoeUsed[0][0][0], 0);
    s.ShoeCardsLeft = kShoeSize;
}

// An empty shoe in the middle of a round: every card goes back but those of this round.
void ReturnCardsNotOnTable(TableState& s) {
    s.Tries.ForgetCardsOut();
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
    s.Tries.Drop();
    ClearMarks(s);
}

void BeginRound(TableState& s) {
    s.CardsOnTableCount = 0;
}

Card DrawCard(TableState& s, RandomSource& random) {
    if (s.ShoeCardsLeft <= 0) ReturnCardsNotOnTable(s);
    std::int16_t* const marks = &s.ShoeUsed[0][0][0];
    Try t;
    do {
        t = s.Tries.Next(random, marks);
    } while (marks[t.Mark] != 0);
    marks[t.Mark] = 1;
    --s.ShoeCardsLeft;
    const Card c{t.Deck, t.Suit, t.Value};
    if (s.CardsOnTableCount < kMaxCardsInRound) s.CardsOnTable[s.CardsOnTableCount++] = c;
    return c;
}

}  // namespace vex
