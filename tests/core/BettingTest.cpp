// Building the bet with chips, its limits and Clear bet.
#include <gtest/gtest.h>

#include <string>

#include "core/Helpers.h"

namespace vex::test {
namespace {

TEST(Betting, EachChipIsAcceptedOrRefusedWithTheRightMessage) {
    const struct {
        int credit, bet;
        int max_bet;
        std::string tag;
        int bet_after;
        std::string message;  // "" when Label12 stays hidden
    } cases[] = {
        {500, 0, 500, "500", 500, ""},  // credit exactly the chip: goes to 0
        {0, 500, 500, "10", 500, "Maximum bet  500$"},
        {10, 490, 500, "10", 500, ""},  // the bet may equal the maximum
        {40, 0, 500, "50", 0, "No credit left!"},
        {30, 450, 500, "100", 450, "Maximum bet  500$"},  // the maximum is tested first
        {-20, 0, 500, "10", 0, "No credit left!"},
        {5000, 2000, 2000, "50", 2000, "Maximum bet  2000$"},
        {5000, 500, 1000000, "500", 1000, ""},  // "Unlimited" goes past 500
        {90000, 32700, 1000000, "50", 32750, ""},
        {90000, 32760, 1000000, "10", 32760, "Maximum bet  32767$"},  // Bet holds 16 bits
        {90000, 32500, 1000000, "500", 32500, "Maximum bet  32767$"},
        {500, 0, 500, "25", 0, ""},  // not a chip: nothing happens
        {500, 0, 500, "chip", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.credit) + " " + std::to_string(c.bet) + " +" + c.tag);
        Table t;
        Game& g = t.game;
        g.Credit = c.credit;
        g.Bet = static_cast<std::int16_t>(c.bet);
        g.MaxBet = c.max_bet;
        g.Form1.Label12.Show("Maximum bet  500$");  // left over from an earlier refusal
        const auto money = t.Money();
        const std::string credit_label = g.Form1.LabelCredit.Caption;

        g.ChipDrop(c.tag);
        EXPECT_EQ(g.Bet, c.bet_after);
        EXPECT_EQ(t.Money(), money);
        EXPECT_EQ(Shown(g.Form1.Label12), c.message);
        if (c.bet_after != c.bet) {
            EXPECT_EQ(g.Form1.LabelMise.Caption, std::to_string(g.Bet));
            EXPECT_EQ(g.Form1.LabelCredit.Caption, std::to_string(g.Credit));
        } else {
            EXPECT_EQ(g.Form1.LabelCredit.Caption, credit_label);
        }
    }
}

TEST(Betting, ChipsFollowEachOtherAndClearBetGivesThemBack) {
    Table t;
    Game& g = t.game;
    t.BetChips({100, 100, 100, 100, 50, 10, 10});
    t.BetChips({50});
    EXPECT_EQ(Shown(g.Form1.Label12), "Maximum bet  500$");
    t.BetChips({10, 10, 10, 10});  // the third reaches 500, the fourth is refused
    EXPECT_EQ(g.Bet, 500);
    EXPECT_EQ(Shown(g.Form1.Label12), "Maximum bet  500$");
    for (int press = 0; press < 2; ++press) {  // the second finds nothing on the spot
        g.bnClear_Click();
        EXPECT_EQ(g.Credit, 500);
        EXPECT_EQ(g.Bet, 0);
        EXPECT_EQ(Shown(g.Form1.Label12), "Please bet...");
        EXPECT_EQ(g.Form1.LabelCredit.Caption, "500");
        EXPECT_EQ(g.Form1.LabelMise.Caption, "0");
    }
}

}  // namespace
}  // namespace vex::test
