// The table rules dialog and New Game.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/Helpers.h"

namespace vex::test {
namespace {

TEST(Rules, EachChoiceSetsItsLimitsAtOnceAndOthersChangeNothing) {
    Table t;
    Game& g = t.game;
    const struct {
        int index, min_bet, max_bet;
    } limits[] = {
        {1, 50, 2000}, {2, 10, 1000000}, {3, 10, 1000000}, {-1, 10, 1000000}, {0, 10, 500}};
    for (const auto& l : limits) {
        g.Rules_Option1_Click(l.index);
        EXPECT_EQ(g.MinBet, l.min_bet) << l.index;
        EXPECT_EQ(g.MaxBet, l.max_bet) << l.index;
    }
    for (const auto& [index, half_bet] : {std::pair{1, kFalse}, {2, kFalse}, {0, kTrue}}) {
        g.Rules_Option2_Click(index);
        EXPECT_EQ(g.InsuranceHalfBet, half_bet) << index;
    }
    EXPECT_EQ(g.Rules.Option1 + g.Rules.Option2, 0);
}

TEST(Rules, UnlimitedLimitsLetTheBetAndTheInsuranceGrow) {
    Table t;
    Game& g = t.game;
    g.Rules_Option1_Click(2);
    g.Rules_Option2_Click(1);
    g.Credit = 1000;
    t.BetChips({500, 100});
    EXPECT_EQ(g.Bet, 600);
    t.port.answers = {"401", "400"};  // more than half the bet, but not more than the credit
    t.Deal(10, 9, 1, 7);
    ASSERT_EQ(t.port.questions.size(), 2u);
    EXPECT_EQ(t.port.questions[0].prompt, "Please enter amount of insurance");
    EXPECT_FALSE(t.port.questions[0].place.has_value());
    EXPECT_EQ(g.Credit, 0);
    EXPECT_EQ(Buttons(g), "Hit Stand Double");
}

TEST(NewGame, StartsOverFromAnyMomentWithoutGivingTheStakeBack) {
    const std::function<void(Table&)> moments[] = {
        [](Table& t) {  // a split round waiting for its right hand, on other rules, in debt
            t.game.Rules_Option1_Click(2);
            t.game.Rules_Option2_Click(1);
            t.game.mnuBorrow_Click();
            t.game.frmBank.txtBorrow.Caption = "250";
            t.game.frmBank_bnSign_Click();
            t.BetChips({100});
            t.Deal(8, 8, 10, 7);
            t.game.bnSplit_Click();
            t.game.bnStandSplit_Click();
        },
        [](Table& t) {  // the reshuffle pause
            t.game.RoundsSinceShuffle = 20;
            t.BetChips({50});
            t.game.bnDeal_Click();
        },
        [](Table& t) {  // the pause after a round
            t.BetChips({10});
            t.Deal(10, 9, 10, 7);
            t.game.bnStay_Click();
        },
    };
    for (const auto& reach : moments) {
        Table t;
        Game& g = t.game;
        reach(t);
        ASSERT_NE(g.Bet, 0);
        g.mnuNewGame_Click();
        EXPECT_EQ(g.Credit, 500);
        EXPECT_EQ(g.Debt, 0);
        EXPECT_EQ(g.MinBet, 10);
        EXPECT_EQ(g.MaxBet, 500);
        EXPECT_EQ(g.InsuranceHalfBet, kTrue);
        EXPECT_TRUE(g.Rules.Option1 == 0 && g.Rules.Option2 == 0);
        EXPECT_EQ(g.RoundsSinceShuffle, 0);
        EXPECT_EQ(g.ShoeCardsLeft, kShoeSize);
        EXPECT_FALSE(g.Form1.Timer2.Enabled || g.Form1.Timer3.Enabled);
        EXPECT_FALSE(g.Form1.Commentaire.Visible);
        ExpectBettingOpen(g);

        t.BetChips({10});  // the next round deals at once
        t.Deal(10, 8, 9, 7);
        EXPECT_EQ(Buttons(g), "Hit Stand Double");
        EXPECT_EQ(g.Credit, 490);
    }
}

}  // namespace
}  // namespace vex::test
