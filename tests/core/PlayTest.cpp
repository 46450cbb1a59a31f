// The main hand: Hit, Stand and Double, the dealer's drawing, the settlement and the clearing tick.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "core/Helpers.h"

namespace vex::test {
namespace {

constexpr const char* kBusted = "Player busted...You lost!";

TEST(Play, HitsGoOnUntilABustOrASixthCard) {
    const struct {
        int p1, p2;
        std::vector<int> hits;
        int total;
        std::string message;
        int credit;  // 500 less the bet of 10, plus what is paid at once
    } cases[] = {
        {5, 5, {1}, 21, "", 490},     // 21 with three cards: still in play
        {1, 5, {5, 1}, 12, "", 490},  // soft 21 and an ace: a hard 12 that plays on
        {8, 8, {2}, 18, "", 490},     // a pair: no split or double after a Hit
        {2, 2, {2, 2, 3, 3}, 14, "You have drawn 6 cards...You won!", 510},
        {2, 2, {2, 2, 3, 10}, 21, "You have drawn 6 cards...You won!", 510},
        {3, 3, {2, 2, 2, 13}, 22, kBusted, 490},  // a sixth card can bust
        {10, 6, {10}, 26, kBusted, 490},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.p1 << ',' << c.p2 << " +" << c.hits.size());
        Table t;
        Game& g = t.game;
        t.BetChips({10});
        t.Deal(c.p1, c.p2, 10, 7);
        PressFor(t, c.hits, &Game::bnCard_Click);
        const bool over = !c.message.empty();
        EXPECT_EQ(Shown(g.Form1.lblTotalJoueur), std::to_string(c.total));
        EXPECT_EQ(Shown(g.Form1.Commentaire), c.message);
        EXPECT_EQ(g.Credit, c.credit);
        EXPECT_EQ(Buttons(g), over ? "" : "Hit Stand");
        EXPECT_EQ(g.Form1.ImageCarte[PlayerCardSlot(2 + static_cast<int>(c.hits.size()))],
                  CardFace(1, c.hits.back()));
        // The dealer never plays after a bust or a six-card win.
        EXPECT_EQ(g.Form1.ImageCarte[kHoleCardSlot], kCardBack);
    }
}

// Double and Split both add a second stake equal to the bet: the same limits refuse both.
TEST(Play, DoubleAndSplitNeedTheCreditAndRoomUnderBothMaximums) {
    const struct {
        int bet, credit, max_bet;
        bool allowed;
    } cases[] = {
        {250, 250, 500, true},  // credit exactly the bet, twice the bet exactly the maximum
        {250, 240, 500, false},         {260, 500, 500, false}, {16380, 20000, 1000000, true},
        {16390, 20000, 1000000, false},  // twice the bet would not fit in the stake
    };
    for (const bool split : {false, true})
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << (split ? "Split " : "Double ") << c.bet);
            Table t;
            Game& g = t.game;
            g.MaxBet = c.max_bet;
            g.Credit = c.credit;
            g.Bet = static_cast<std::int16_t>(c.bet);
            t.Deal(split ? 8 : 5, split ? 8 : 6, 10, 7);
            t.rng.Stack(split ? 3 : 10);  // the split's left hand makes 11, the double 21
            void (Game::*press)() = split ? &Game::bnSplit_Click : &Game::bnDouble_Click;
            (g.*press)();
            ASSERT_EQ(g.Record().Moves().size(), 1u);  // the move, refused or carried out
            EXPECT_EQ(g.Record().Moves()[0].refused, !c.allowed);
            if (!c.allowed) {
                (g.*press)();
                EXPECT_EQ(Shown(g.Form1.Commentaire), "Not enough credit or over table limits");
                EXPECT_EQ(g.Bet, c.bet);
                EXPECT_EQ(g.Credit, c.credit);
                EXPECT_FALSE(t.rng.Empty());  // nothing dealt
                g.bnCard_Click();             // a Hit takes the refusal away
                EXPECT_EQ(Shown(g.Form1.Commentaire), "");
                EXPECT_TRUE(t.rng.Empty());
                continue;
            }
            EXPECT_EQ(g.Form1.LabelMise.Caption, std::to_string(2 * c.bet));
            EXPECT_EQ(g.Form1.LabelCredit.Caption, std::to_string(c.credit - c.bet));
            EXPECT_EQ(g.Form1.ImageCarte[PlayerCardSlot(split ? 2 : 3)],
                      CardFace(1, split ? 3 : 10));
            if (split) {
                EXPECT_EQ(g.Form1.ImageCarte[SplitCardSlot(1)], CardFace(1, 8));
                EXPECT_EQ(Shown(g.Form1.Commentaire), "Now play left hand...");
                EXPECT_EQ(Buttons(g), "SplitHit SplitStand");
                EXPECT_EQ(g.Credit, c.credit - c.bet);
            } else {
                // The doubled card is stored, the count left alone.
                EXPECT_EQ(g.PlayerCards[3], 10);
                EXPECT_EQ(g.PlayerCardCount, 2);
                EXPECT_EQ(Shown(g.Form1.Commentaire), "You won!");
                EXPECT_EQ(g.Credit, c.credit - c.bet + 4 * c.bet);
            }
        }
}

TEST(Play, TheDealerDrawsToSixteenAndStandsOnEverySeventeen) {
    const struct {
        int up, hole;
        std::vector<int> draws;
        int total;
        bool soft;
    } cases[] = {
        {10, 7, {}, 17, false},
        {1, 6, {}, 17, true},
        {1, 5, {10, 5}, 21, false},  // a ten makes hard 16: the dealer draws again
        {10, 6, {10}, 26, false},
        {2, 2, {2, 2, 3, 1, 1, 1, 2, 5}, 21, false},  // 14 after eight cards: a ninth and a tenth
        {2, 2, {2, 2, 3, 1, 1, 1, 1, 1, 1}, 17, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.up << ',' << c.hole << " +" << c.draws.size());
        Table t;
        Game& g = t.game;
        t.BetChips({10});
        t.Deal(10, 9, c.up, c.hole);
        Stack(t, c.draws);
        g.bnStay_Click();
        EXPECT_TRUE(t.rng.Empty());
        EXPECT_EQ(g.DealerTotal, c.total);
        EXPECT_EQ(g.DealerSoftAce != kFalse, c.soft);
        EXPECT_EQ(Shown(g.Form1.lblTotalBanque), std::to_string(c.total));
        const int cards = 2 + static_cast<int>(c.draws.size());
        for (int n = 3; n <= cards; ++n)
            EXPECT_EQ(g.Form1.ImageCarte[DealerCardSlot(n)], CardFace(1, c.draws[n - 3])) << n;
        EXPECT_EQ(g.Form1.ImageCarte[DealerCardSlot(cards + 1)], kNoPicture);
        g.Timer1_Timer();  // every slot is emptied, those past the eighth dealer card too
        EXPECT_TRUE(SlotsEmpty(g.Form1));
    }
}

TEST(Play, TheSettlementPaysTheStakeBackTwiceOnceOrNotAtAll) {
    const struct {
        int p1, p2;
        char action;  // 'S' Hit the extra cards then Stand, 'D' Double on the extra card
        std::vector<int> extra;
        int up, hole;
        std::vector<int> dealer;
        std::string message;
        int credit;
    } cases[] = {
        {10, 9, 'S', {}, 10, 7, {}, "You won!", 510},
        {10, 7, 'S', {}, 10, 8, {}, "You lost!", 490},
        {10, 8, 'S', {}, 10, 8, {}, "Push...", 500},
        {10, 2, 'S', {}, 10, 6, {10}, "Dealer busted...You won!", 510},
        {10, 2, 'S', {}, 10, 6, {1}, "You lost!", 490},
        {10, 5, 'S', {6}, 10, 6, {5}, "Push...", 500},  // 21 against 21 after drawing
        {5, 6, 'D', {10}, 10, 7, {}, "You won!", 520},
        {5, 5, 'D', {8}, 10, 8, {}, "Push...", 500},
        {5, 5, 'D', {2}, 10, 8, {}, "You lost!", 480},
        {5, 6, 'D', {2}, 10, 6, {10}, "Dealer busted...You won!", 520},
        {10, 6, 'D', {6}, 10, 7, {}, kBusted, 480},  // 22: the doubled stake is lost
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.p1 << ',' << c.p2 << c.action << " vs " << c.up << ',' << c.hole);
        Table t;
        Game& g = t.game;
        t.BetChips({10});
        t.Deal(c.p1, c.p2, c.up, c.hole);
        if (c.action == 'S') PressFor(t, c.extra, &Game::bnCard_Click);
        if (c.action == 'D') Stack(t, c.extra);
        Stack(t, c.dealer);
        (g.*(c.action == 'S' ? &Game::bnStay_Click : &Game::bnDouble_Click))();
        const bool dealer_played = c.message != kBusted;
        const int total = c.p1 + c.p2 + std::accumulate(c.extra.begin(), c.extra.end(), 0);
        EXPECT_EQ(Shown(g.Form1.lblTotalJoueur), std::to_string(total));  // the doubled card too
        EXPECT_EQ(Shown(g.Form1.Commentaire), c.message);
        EXPECT_EQ(g.Credit, c.credit);
        EXPECT_EQ(g.Form1.LabelCredit.Caption, c.action == 'S' ? "490" : "480");
        EXPECT_EQ(g.Form1.lblTotalBanque.Visible, dealer_played);
        EXPECT_EQ(g.Form1.ImageCarte[kHoleCardSlot] != kCardBack, dealer_played);
        g.Timer1_Timer();
        EXPECT_EQ(t.Money(), c.credit);
        ExpectBettingOpen(g);
    }
}

TEST(Play, TheClearingTickPointsToTheBankBelowTenDollars) {
    for (int credit : {9, 10}) {
        SCOPED_TRACE(credit);
        Table t;
        t.BetChips({10});
        t.Deal(10, 6, 10, 7);
        t.rng.Stack(10);
        t.game.bnCard_Click();
        t.game.Credit = credit;
        t.game.Timer1_Timer();
        ExpectBettingOpen(t.game);
        const bool hint = credit < 10;
        EXPECT_EQ(Shown(t.game.Form1.Commentaire),
                  hint ? "Not enough credit...Click the 'Borrow' submenu !" : "");
        EXPECT_EQ(t.port.menu_drops, hint ? 1 : 0);
    }
}

}  // namespace
}  // namespace vex::test
