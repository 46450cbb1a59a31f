// Faults the event and typed-amount fuzzers found, each played again the way it showed up.
#include <gtest/gtest.h>

#include <vector>

#include "core/Helpers.h"
#include "state/Scoring.h"
#include "state/TypedAmount.h"

namespace vex::test {
namespace {

// An ace on a soft 21 would pass 21: the hand's other ace counts 1 again, so the hand is a hard
// 12 and stays in play. It used to read as a soft 22 and bust.
TEST(FuzzFindings, AnAceOnASoftTwentyOneMakesAHardTwelve) {
    EXPECT_EQ(ScoreNextCard({21, kTrue}, 1), (Score{12, kFalse}));
    EXPECT_EQ(ScoreNextCard({20, kTrue}, 1), (Score{21, kTrue}));  // still fits with the ace at 11
    EXPECT_EQ(ScoreNextCard({21, kFalse}, 1), (Score{22, kFalse}));  // a hard 21 does bust
}

// The fuzzer's sequence: a pair of tens split, the left hand's second card an ace (soft 21),
// then Hit on that hand brought another ace and "Busted!".
TEST(FuzzFindings, ASplitHandOnSoftTwentyOneHitsAnAceAndPlaysOn) {
    Table t;
    Game& g = t.game;
    t.BetChips({100});
    t.Deal(10, 10, 5, 9);
    PressFor(t, {1}, &Game::bnSplit_Click);
    ASSERT_EQ(g.PlayerTotal, 21);
    PressFor(t, {1}, &Game::bnCardSplit_Click);
    EXPECT_EQ(g.PlayerTotal, 12);
    EXPECT_EQ(g.PlayerSoftAce, kFalse);
    EXPECT_EQ(Shown(g.Form1.CommentaireGauche), "");
    EXPECT_EQ(Buttons(g), "SplitHit SplitStand");
    EXPECT_FALSE(g.Form1.Timer3.Enabled);
}

// The same on the main hand: ace, five, five is a soft 21; a further ace is 12, not a bust.
TEST(FuzzFindings, TheMainHandOnSoftTwentyOneHitsAnAceAndPlaysOn) {
    Table t;
    Game& g = t.game;
    t.BetChips({10});
    t.Deal(1, 5, 10, 7);
    PressFor(t, {5, 1}, &Game::bnCard_Click);
    EXPECT_EQ(g.PlayerTotal, 12);
    EXPECT_EQ(Shown(g.Form1.lblTotalJoueur), "12");
    EXPECT_EQ(Buttons(g), "Hit Stand");
    EXPECT_EQ(Shown(g.Form1.Commentaire), "");
    const std::int64_t money = t.Money();
    g.bnStay_Click();  // dealer 17: the player's 12 loses the stake, nothing more
    EXPECT_EQ(Shown(g.Form1.Commentaire), "You lost!");
    EXPECT_EQ(t.Money(), money);
}

// A typed amount is rounded on its exact digits: a half followed, however far on, by a non-zero
// digit rounds up; just under a half rounds down. (Through a double both became exact halves.)
TEST(FuzzFindings, TypedAmountsRoundOnTheirExactDigits) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {".50000000000000000004 000000", 1},  // the fuzzer's input
        {"12.50000000000000000001", 13},
        {"3.49999999999999999999", 3},
        {"12.5", 12},
        {"13.5", 14},
        {"-32768.5", -32768},
        {"0.000000000000000000005E20", 0},  // exactly 0.5: to the even 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto v = ReadTypedAmount(c.text);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, c.value);
    }
    EXPECT_FALSE(ReadTypedAmount("32767.50000000000000000001").has_value());
}

}  // namespace
}  // namespace vex::test
