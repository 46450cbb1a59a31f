// Split hands: the split, each hand's play, the pass to the right hand and the settlement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Helpers.h"

namespace vex::test {
namespace {

// Plays the right hand and presses Finish; returns the prompt and the buttons shown just before.
std::string PlayRightHandAndFinish(Table& t, const SplitRound& r) {
    PressFor(t, {r.right.at(0)}, &Game::Timer3_Timer);
    PressFor(t, r.right, &Game::bnCardSplit_Click, 1);
    const std::string before = Shown(t.game.Form1.Commentaire) + " / " + Buttons(t.game);
    Stack(t, r.dealer);
    t.game.bnStandSplit_Click();
    return before;
}

TEST(Split, SplitAcesMakeTwentyOneOrASoftTwelveAndPlayGoesOn) {
    Table t;
    Game& g = t.game;
    t.BetChips({10});
    t.Deal(1, 1, 10, 7);
    PressFor(t, {13}, &Game::bnSplit_Click);
    EXPECT_EQ(g.PlayerTotal, 21);
    EXPECT_EQ(g.PlayerSoftAce, kTrue);
    EXPECT_EQ(Buttons(g), "SplitHit SplitStand");  // not a blackjack: nothing paid, play goes on
    EXPECT_EQ(g.Credit, 480);
    g.bnStandSplit_Click();
    PressFor(t, {1}, &Game::Timer3_Timer);
    EXPECT_EQ(g.SplitTotal, 12);
    EXPECT_EQ(g.SplitSoftAce, kTrue);
    EXPECT_EQ(Buttons(g), "SplitHit SplitStand");
    PressFor(t, {9}, &Game::bnCardSplit_Click);  // 21 by a hit: the hand is still in play
    EXPECT_EQ(Buttons(g), "SplitHit SplitStand");
    EXPECT_FALSE(g.Form1.CommentaireDroite.Visible);
}

TEST(Split, TheLeftHandEndsByBustSixCardsOrStandAndTheRightHandFollowsAtTheTick) {
    const SplitRound rounds[] = {
        {8, 10, 7, {10, 10}, {5}, {}},         // bust
        {2, 10, 7, {2, 2, 3, 3, 2}, {5}, {}},  // sixth card
        {8, 10, 7, {10}, {5}, {}},             // Stand
    };
    for (const SplitRound& r : rounds) {
        SCOPED_TRACE(r.left.size());
        Table t;
        Game& g = t.game;
        PlayLeftHand(t, r);
        EXPECT_TRUE(g.Form1.Timer3.Enabled);
        EXPECT_EQ(Buttons(g), "");
        EXPECT_EQ(g.Form1.ImageCarte[SplitCardSlot(2)], kNoPicture);
        EXPECT_FALSE(g.Form1.lblTotalSplit.Visible);

        PressFor(t, r.right, &Game::Timer3_Timer);
        EXPECT_FALSE(g.Form1.Timer3.Enabled);
        EXPECT_EQ(g.ActiveSplitHand, 1);
        EXPECT_EQ(g.Form1.ImageCarte[SplitCardSlot(2)], CardFace(1, 5));
        EXPECT_EQ(Shown(g.Form1.lblTotalSplit), std::to_string(r.pair + 5));
        EXPECT_EQ(Shown(g.Form1.Commentaire), "Now play right hand...");
        EXPECT_EQ(Buttons(g), "SplitHit SplitStand");
        EXPECT_EQ(g.Form1.bnStandSplit.Caption, "Finish");

        PressFor(t, {10, 10}, &Game::bnCardSplit_Click);  // the right hand busts
        EXPECT_EQ(Shown(g.Form1.Commentaire), "Press Finish...");
        EXPECT_EQ(Buttons(g), "SplitStand");
    }
}

TEST(Split, EachHandIsSettledOnItsOwnAndPaidOnce) {
    // Before Finish: the right hand still open shows Hit and Finish; once it has busted only
    // Finish is left, with "Press Finish..."; a six-card win leaves only Finish too, under the
    // right hand's prompt.
    const std::string open = "Now play right hand... / SplitHit SplitStand";
    const std::string busted = "Press Finish... / SplitStand";
    const std::string six = "Now play right hand... / SplitStand";
    const char* const kSix = "6 cards drawn!";
    const struct {
        SplitRound round;
        std::string left, right;  // outcome labels
        int credit;               // 500 less two stakes of 10, plus the payouts
        bool dealer_plays;
        std::string before_finish;
    } cases[] = {
        {{8, 10, 9, {10}, {10, 10}, {}}, "Lost!", "Busted!", 480, true, busted},
        {{8, 10, 6, {10}, {9}, {10}}, "Won!", "Won!", 520, true, open},
        {{8, 10, 8, {10}, {1}, {}}, "Push...", "Won!", 510, true, open},  // a push returns the 10
        {{8, 10, 9, {9}, {9}, {}}, "Lost!", "Lost!", 480, true, open},
        {{2, 10, 10, {2, 2, 3, 3, 2}, {9, 8}, {}}, kSix, "Lost!", 500, true, open},
        {{2, 10, 9, {10}, {2, 2, 3, 3, 2}, {}}, "Lost!", kSix, 500, true, six},
        {{8, 10, 9, {10, 10}, {10, 10}, {}}, "Busted!", "Busted!", 480, false, busted},
        {{2, 10, 9, {2, 2, 3, 3, 2}, {10, 10}, {}}, kSix, "Busted!", 500, false, busted},
        {{2, 10, 9, {10, 10}, {2, 2, 3, 3, 2}, {}}, "Busted!", kSix, 500, false, six},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left + " / " + c.right);
        Table t;
        Game& g = t.game;
        PlayLeftHand(t, c.round);
        EXPECT_EQ(PlayRightHandAndFinish(t, c.round), c.before_finish);
        EXPECT_TRUE(t.rng.Empty());
        EXPECT_EQ(Shown(g.Form1.CommentaireGauche), c.left);
        EXPECT_EQ(Shown(g.Form1.CommentaireDroite), c.right);
        EXPECT_EQ(g.Credit, c.credit);
        EXPECT_EQ(g.Form1.LabelCredit.Caption, "480");
        EXPECT_FALSE(g.Form1.Commentaire.Visible);
        EXPECT_EQ(g.Form1.lblTotalBanque.Visible, c.dealer_plays);
        EXPECT_EQ(g.Form1.ImageCarte[kHoleCardSlot] != kCardBack, c.dealer_plays);
        EXPECT_TRUE(g.Form1.Timer1.Enabled);
        EXPECT_EQ(Buttons(g), "");
        g.Timer1_Timer();
        EXPECT_EQ(t.Money(), c.credit);
        ExpectBettingOpen(g);

        t.BetChips({10});  // the next split's left hand reads "Stand" again
        t.Deal(9, 9, 10, 7);
        PressFor(t, {2}, &Game::bnSplit_Click);
        EXPECT_EQ(g.Form1.bnStandSplit.Caption, "Stand");
    }
}

}  // namespace
}  // namespace vex::test
