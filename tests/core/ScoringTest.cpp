// How cards add up: the two-card rule of a fresh hand and the rule for every further card.
#include <gtest/gtest.h>

#include <vector>

#include "state/Scoring.h"

namespace vex::test {
namespace {

// Scores a hand card by card as the table does: first card, second card, then the others.
Score ScoreHand(const std::vector<int>& values) {
    Score s = ScoreFirstCard(values.at(0));
    if (values.size() > 1) s = ScoreSecondCard(s, values[1]);
    for (std::size_t i = 2; i < values.size(); ++i) s = ScoreNextCard(s, values[i]);
    return s;
}

struct HandCase {
    std::vector<int> cards;
    int total;
    bool soft;
};

TEST(Scoring, HandsAddUpWithAtMostOneAceCountingEleven) {
    const HandCase cases[] = {
        {{1, 6}, 17, true},
        {{1, 6, 9}, 16, false},   // the ace drops to 1
        {{1, 6, 13}, 17, false},  // a face card on a soft hand keeps the total
        {{1, 5, 10}, 16, false},  // a ten likewise
        {{1, 1}, 12, true},
        {{1, 1, 9}, 21, true},
        {{1, 1, 1}, 13, true},
        {{5, 5, 1}, 21, true},    // a hard 10 and an ace
        {{10, 6, 1}, 17, false},  // an ace on 16 counts 1
        {{1, 13}, 21, true},      // blackjack, or a split ace and a king: the second card
                                  // adds 10 on a soft ace
        {{13, 1}, 21, true},
        {{1, 5, 5, 10}, 21, false},
        {{1, 9, 1}, 21, true},
        {{10, 6, 13}, 26, false},  // a face card on a hard hand busts it
        {{12, 11}, 20, false},
        {{2, 2, 2, 2, 3, 1, 1, 1}, 14, false},  // a dealer hand that needs a ninth card
        {{1, 5, 5, 1}, 12, false},              // an ace on a soft 21: a hard 12, not a bust
        {{1, 4, 5, 1}, 21, true},               // on a soft 20 the ace still fits at 1
        {{10, 6, 5, 1}, 22, false},             // on a hard 21 it busts
    };
    for (const HandCase& c : cases) {
        const Score s = ScoreHand(c.cards);
        EXPECT_EQ(s.Total, c.total) << ::testing::PrintToString(c.cards);
        EXPECT_EQ(s.SoftAce != kFalse, c.soft) << ::testing::PrintToString(c.cards);
        EXPECT_TRUE(s.SoftAce == kTrue || s.SoftAce == kFalse);
    }
}

}  // namespace
}  // namespace vex::test
