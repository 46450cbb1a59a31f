// The deal: bet check, naturals, insurance and the offer of a split.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Helpers.h"

namespace vex::test {
namespace {

TEST(Deal, EachOutcomeOfTheDealPaysAndShowsWhatTheTableSays) {
    const struct {
        int p1, p2, up, hole;
        const char* insurance;  // the answer, when the question is asked
        std::string message;
        int credit;  // after the deal; the bet of 100 left 400
        std::string credit_shown;
        bool hole_turned, over;
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
        SCOPED_TRACE(::testing::Message()
                     << c.p1 << ',' << c.p2 << " vs " << c.up << ',' << c.hole);
        Table t;
        Game& g = t.game;
        t.BetChips({100});
        if (c.insurance) t.port.answers.push_back(c.insurance);
        t.Deal(c.p1, c.p2, c.up, c.hole);
        EXPECT_EQ(t.port.questions.size(), c.insurance ? 1u : 0u);
        EXPECT_EQ(Shown(g.Form1.Commentaire), c.message);
        EXPECT_EQ(g.Credit, c.credit);
        EXPECT_EQ(g.Form1.LabelCredit.Caption, c.credit_shown);  // payouts show at the tick
        EXPECT_EQ(g.Form1.ImageCarte[kHoleCardSlot],
                  c.hole_turned ? CardFace(1, c.hole) : kCardBack);
        EXPECT_EQ(g.Form1.Timer1.Enabled, c.over);
        EXPECT_EQ(Buttons(g), c.over ? "" : "Hit Stand Double");
        EXPECT_FALSE(g.Form1.lblTotalBanque.Visible);
        EXPECT_EQ(Shown(g.Form1.lblTotalJoueur), std::to_string(g.PlayerTotal));
        EXPECT_FALSE(g.Form1.bnDeal.Enabled || g.Form1.bnClear.Enabled ||
                     g.Form1.ChipDraggable[3] || g.Form1.Label12.Visible);
        EXPECT_EQ(g.RoundsSinceShuffle, 1);
        if (!c.over) continue;
        g.Timer1_Timer();
        ExpectBettingOpen(g);
        EXPECT_EQ(t.Money(), c.credit);
    }
}

TEST(Deal, TheInsuranceQuestionComesAgainUntilTheAmountCanBeStaked) {
    const struct {
        int bet, credit;
        std::vector<std::string> answers;  // the last one is taken
        std::string maximum;
        int too_much;  // message boxes
    } cases[] = {
        {100, 400, {"60", "-1", "40000", "51", "40abc"}, " 50", 1},
        {15, 30, {"8", "7.5", "7"}, " 7.5", 0},  // 7.5 rounds to 8: above half the bet
        {100, 30, {"40", "30"}, " 50", 0},       // within half the bet but above the credit
        {100, -50, {"10", "0"}, " 50", 0},       // in debt (a negative check): 0 still closes it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bet);
        Table t;
        Game& g = t.game;
        g.Bet = static_cast<std::int16_t>(c.bet);
        g.Credit = c.credit;
        t.port.answers.assign(c.answers.begin(), c.answers.end());
        t.Deal(10, 9, 1, 7);
        EXPECT_TRUE(t.port.answers.empty());
        ASSERT_EQ(t.port.questions.size(), c.answers.size());
        EXPECT_EQ(t.port.messages, std::vector<std::string>(c.too_much, "Hey, this is too much!"));
        for (const auto& q : t.port.questions) {
            EXPECT_EQ(q.prompt, "Please enter amount of insurance\r\rMaximum = " + c.maximum);
            EXPECT_EQ(q.title + q.default_answer, "Insurance0");
            const ScreenPlace at = q.place.value_or(ScreenPlace{});
            EXPECT_EQ(std::pair(at.LeftTwips, at.TopTwips), std::pair(2000, 200));
        }
        const int taken = c.credit - g.Credit;
        EXPECT_EQ(taken, g.Insurance);
        EXPECT_EQ(std::to_string(taken), c.answers.back().substr(0, 2));
        EXPECT_EQ(g.Form1.LabelCredit.Caption, std::to_string(g.Credit));
    }
}

TEST(Deal, SplitIsOfferedForAPairAndAfterInsuranceOnlyWhenTheCreditCoversTheBet) {
    const struct {
        int p1, p2, up, credit;  // the credit left after the bet of 100
        const char* insurance;
        bool split;
    } cases[] = {
        {8, 8, 10, 0, "0", true},  // no ace up: the split checks the credit itself
        {8, 8, 1, 400, "50", true},  {8, 8, 1, 130, "30", true},   {8, 8, 1, 120, "30", false},
        {11, 11, 9, 400, "0", true}, {11, 13, 9, 400, "0", false},  // jack and king: no pair
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
        EXPECT_TRUE(c.p1 != 1 || (t.game.PlayerTotal == 12 && t.game.PlayerSoftAce == kTrue));
    }
}

TEST(Deal, ABetOutsideTheLimitsIsRefusedWithNothingChanged) {
    // Limits 0 are 10 to 500 $, limits 1 are 50 to 2000 $.
    for (const auto& [limits, chips] :
         {std::pair{0, 0}, {0, 10}, {0, 500}, {0, 600}, {1, 40}, {1, 50}}) {
        SCOPED_TRACE(chips);
        Table t;
        Game& g = t.game;
        g.Credit = 1000;
        g.Rules_Option1_Click(2);
        while (g.Bet < chips) g.ChipDrop("10");
        g.Rules_Option1_Click(limits);  // the limits changed with the chips on the table
        t.Deal(10, 8, 9, 7);
        const bool dealt = chips >= g.MinBet && chips <= g.MaxBet;
        EXPECT_EQ(t.rng.Empty() && !SlotsEmpty(g.Form1), dealt);
        EXPECT_EQ(Shown(g.Form1.Commentaire),
                  dealt ? "" : "You must bet more to play or...borrow!");
        EXPECT_TRUE(g.Bet == chips && t.Money() == 1000);
        EXPECT_EQ(g.Form1.bnDeal.Enabled && g.Form1.bnClear.Enabled && g.Form1.ChipDraggable[0],
                  !dealt);
        EXPECT_EQ(Buttons(g), dealt ? "Hit Stand Double" : "");
    }
}

}  // namespace
}  // namespace vex::test
