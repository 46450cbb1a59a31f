#include <gtest/gtest.h>

#include "Doubles.h"

namespace vex::test {
using namespace vex::doubles;
namespace {

TEST(Startup, TableWaitsForABetWithFiveHundredDollars) {
    Table t;
    const Game& g = t.game;
    EXPECT_EQ(g.Credit, 500);
    EXPECT_EQ(g.Bet, 0);
    EXPECT_EQ(g.Debt, 0);
    EXPECT_EQ(g.MinBet, 10);
    EXPECT_EQ(g.MaxBet, 500);
    EXPECT_EQ(g.InsuranceHalfBet, kTrue);
    EXPECT_EQ(g.RoundsSinceShuffle, 0);
    EXPECT_EQ(g.Form1.LabelMise.Caption, "0");
    EXPECT_EQ(g.Form1.LabelCredit.Caption, "500");
    EXPECT_EQ(g.Form1.Label12.Caption, "Please bet...");
    EXPECT_TRUE(g.Form1.Label12.Visible);
    for (const Control* b : {&g.Form1.bnCard, &g.Form1.bnStay, &g.Form1.bnDouble, &g.Form1.bnSplit,
                             &g.Form1.bnCardSplit, &g.Form1.bnStandSplit})
        EXPECT_FALSE(b->Visible) << b->Caption;
    EXPECT_TRUE(g.Form1.bnDeal.Visible && g.Form1.bnDeal.Enabled);
    EXPECT_TRUE(g.Form1.bnClear.Visible && g.Form1.bnClear.Enabled);
    EXPECT_FALSE(g.Form1.Timer1.Enabled || g.Form1.Timer2.Enabled || g.Form1.Timer3.Enabled);
    EXPECT_EQ(g.ShoeCardsLeft, 312);
}

}  // namespace
}  // namespace vex::test
