// The deal: bet check, naturals, insurance and the offer of a split.
#include <gtest/gtest.h>

#include <string>

#include "core/Helpers.h"
#include "state/CardFaces.h"

namespace vex::test {
namespace {

TEST(Deal, EachOutcomeOfTheDealPaysAndShowsWhatTheTableSays) {
    const struct {
        int p1, p2, up, hole;
        const char* insurance;  // answer to the insurance question, if one is asked
        std::string message;
        int credit;             // after the deal; the bet of 100 left 400
        std::string credit_label;
        bool hole_turned, round_over;
    } cases[] = {
        {10, 9, 10, 1, nullptr, "Dealer has BlackJack...You lost!", 400, "400", true, true},
        {1, 13, 13, 7, nullptr, "You have BlackJack...You won!", 650, "400", false, true},
        {1, 13, 1, 7, nullptr, "You have BlackJack...You won!", 650, "400", false, true},
        {1, 13, 1, 13, nullptr, "Double BlackJack!", 500, "400", true, true},
        {12, 1, 10, 1, nullptr, "Double BlackJack!", 500, "400", true, true},
        {10, 8, 9, 7, nullptr, "", 400, "400", false, false},
        {10, 9, 1, 13, "50", "Dealer has BlackJack...Insurance won!", 450, "350", true, true},
        {10, 9, 1, 13, "0", "Dealer has BlackJack...You lost!", 400, "400", true, true},
        {10, 9, 1, 13, "", "Dealer has BlackJack...You lost!", 400, "400", true, true},
        {10, 9, 1, 7, "20", "", 380, "380", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.p1 << ',' << c.p2 << " vs " << c.up << ',' << c.hole);
        Table t;
        Game& g = t.game;
        t.BetChips({100});
        if (c.insurance) t.port.answers.push_back(c.insurance);
        t.Deal(c.p1, c.p2, c.up, c.hole);

        EXPECT_EQ(t.port.questions.size(), c.insurance ? 1u : 0u);
        EXPECT_EQ(Shown(g.Form1.Commentaire), c.message);
        EXPECT_EQ(g.Credit, c.credit);
        EXPECT_EQ(g.Form1.LabelCredit.Caption, c.credit_label);  // payouts show at the tick
        EXPECT_EQ(g.Form1.ImageCarte[kHoleCardSlot],
                  c.hole_turned ? CardFace(1, c.hole) : kCardBack);
        EXPECT_EQ(g.Form1.Timer1.Enabled, c.round_over);
        EXPECT_EQ(Buttons(g), c.round_over ? "" : "Hit Stand Double");
        EXPECT_FALSE(g.Form1.lblTotalBanque.Visible);
        EXPECT_EQ(Shown(g.Form1.lblTotalJoueur), std::to_string(g.PlayerTotal));
        EXPECT_FALSE(g.Form1.bnDeal.Enabled || g.Form1.bnClear.Enabled || g.Form1.ChipDraggable[3]);
        EXPECT_FALSE(g.Form1.Label12.Visible);
        EXPECT_EQ(g.RoundsSinceShuffle, 1);
        EXPECT_EQ(g.PlayerCardCount, 2);
        if (c.round_over) {
            g.Timer1_Timer();
            EXPECT_EQ(g.Form1.LabelCredit.Caption, std::to_string(c.credit));
        }
    }
}

TEST(Deal, TheInsuranceQuestionComesAgainUntilTheAmountCanBeStaked) {
    Table t;
    Game& g = t.game;
    t.BetChips({100});
    t.port.answers = {"60", "-1", "40000", "51", "40abc"};
    t.Deal(10, 9, 1, 7);
    ASSERT_EQ(t.port.questions.size(), 5u);
    EXPECT_EQ(t.port.messages, std::vector<std::string>{"Hey, this is too much!"});
    for (const auto& q : t.port.questions) {
        EXPECT_EQ(q.prompt, "Please enter amount of insurance\r\rMaximum =  50");
        EXPECT_EQ(q.title, "Insurance");
        EXPECT_EQ(q.default_answer, "0");
        ASSERT_TRUE(q.place.has_value());
        EXPECT_EQ(q.place->LeftTwips, 2000);
        EXPECT_EQ(q.place->TopTwips, 200);
    }
    EXPECT_EQ(g.Insurance, 40);
    EXPECT_EQ(g.Credit, 360);
    EXPECT_EQ(g.Form1.LabelCredit.Caption, "360");
}

TEST(Deal, InsuranceIsBoundByHalfAnOddBetAndByTheCreditLeft) {
    Table t;
    Game& g = t.game;
    g.Credit = 30;
    g.Bet = 15;
    t.port.answers = {"8", "7.5", "7"};  // 7.5 rounds to 8, above half of 15
    t.Deal(10, 9, 1, 7);
    ASSERT_EQ(t.port.questions.size(), 3u);
    EXPECT_EQ(t.port.questions[0].prompt, "Please enter amount of insurance\r\rMaximum =  7.5");
    EXPECT_EQ(g.Credit, 23);

    Table u;
    u.BetChips({100});
    u.game.Credit = 30;
    u.port.answers = {"40", "30"};  // within half the bet, but only 30 is left
    u.Deal(10, 9, 1, 7);
    EXPECT_EQ(u.port.questions.size(), 2u);
    EXPECT_EQ(u.game.Credit, 0);
}

TEST(Deal, SplitIsOfferedForAPairAndAfterInsuranceOnlyWhenTheCreditCoversTheBet) {
    const struct {
        int p1, p2, up;
        int credit;  // after the bet of 100
        const char* insurance;
        bool split;
    } cases[] = {
        {8, 8, 10, 0, "0", true},  // no ace up: no credit check here
        {8, 8, 1, 400, "50", true},
        {8, 8, 1, 130, "30", true},
        {8, 8, 1, 120, "30", false},
        {11, 11, 9, 400, "0", true},
        {11, 13, 9, 400, "0", false},  // a jack and a king are no pair
        {1, 1, 9, 400, "0", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.p1 << ',' << c.p2 << " up " << c.up);
        Table t;
        t.BetChips({100});
        t.game.Credit = c.credit;
        t.port.answers.push_back(c.insurance);
        t.Deal(c.p1, c.p2, c.up, 7);
        EXPECT_EQ(Buttons(t.game), c.split ? "Hit Stand Double Split" : "Hit Stand Double");
    }
    Table aces;
    aces.BetChips({10});
    aces.Deal(1, 1, 9, 7);
    EXPECT_EQ(aces.game.PlayerTotal, 12);
    EXPECT_EQ(aces.game.PlayerSoftAce, kTrue);
    EXPECT_EQ(aces.game.Form1.lblTotalJoueur.Caption, "12");
}

TEST(Deal, ABetOutsideTheLimitsIsRefusedWithNothingChanged) {
    for (int chips : {0, 10, 500, 600}) {
        SCOPED_TRACE(chips);
        Table t;
        Game& g = t.game;
        g.Credit = 1000;
        g.Rules_Option1_Click(2);
        BetAmount(t, chips);
        g.Rules_Option1_Click(0);  // the maximum lowered with the chips on the table
        t.Deal(10, 8, 9, 7);
        const bool dealt = chips >= 10 && chips <= 500;
        EXPECT_EQ(g.RoundsSinceShuffle, dealt ? 1 : 0);
        EXPECT_EQ(t.rng.Empty(), dealt);
        if (dealt) continue;
        EXPECT_EQ(Shown(g.Form1.Commentaire), "You must bet more to play or...borrow!");
        EXPECT_EQ(g.Bet, chips);
        EXPECT_EQ(t.Money(), 1000);
        EXPECT_EQ(g.Form1.ImageCarte[0], kNoPicture);
        EXPECT_TRUE(g.Form1.bnDeal.Enabled && g.Form1.bnClear.Enabled && g.Form1.ChipDraggable[0]);
        EXPECT_EQ(Buttons(g), "");
    }
}

}  // namespace
}  // namespace vex::test
