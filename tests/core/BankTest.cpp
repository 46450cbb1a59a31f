// Borrowing by check, the debt ceiling and the game-over window.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/Helpers.h"

namespace vex::test {
namespace {

constexpr const char* kCantAfford = "Hey, look at your last statement of account,\ryou can't afford!";

void SignCheck(Table& t, const std::string& amount) {
    t.game.mnuBorrow_Click();
    t.game.frmBank.txtBorrow.Caption = amount;
    t.game.frmBank_bnSign_Click();
}

bool CheckIsFresh(const BankModel& b) {
    return b.txtBorrow.Caption.empty() && b.txtBorrow.Enabled && !b.LabelSign.Visible &&
           b.bnSign.Enabled && !b.Timer1.Enabled;
}

TEST(Bank, ASignedCheckIsBookedAtOnceAndShownWhenTheCheckCloses) {
    const struct {
        std::string text;
        int amount;
    } cases[] = {{"250", 250},   {"12.5", 12}, {"13.5", 14}, {"1 000", 1000}, {"40abc", 40},
                 {"", 0},        {"abc", 0},   {"-100", -100}, {"-32768", -32768},
                 {"32767", 32767}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Table t;
        Game& g = t.game;
        g.Form1.Commentaire.Show("Not enough credit...Click the 'Borrow' submenu !");
        SignCheck(t, c.text);
        EXPECT_EQ(g.Credit, 500 + c.amount);
        EXPECT_EQ(g.Debt, c.amount);
        EXPECT_TRUE(g.frmBank.LabelSign.Visible && g.frmBank.Timer1.Enabled);
        EXPECT_FALSE(g.frmBank.bnSign.Enabled || g.frmBank.txtBorrow.Enabled);
        EXPECT_FALSE(g.Form1.Commentaire.Visible);  // the hint to borrow is withdrawn
        EXPECT_EQ(g.Form1.LabelCredit.Caption, "500");

        g.frmBank_Timer1_Timer();
        EXPECT_EQ(g.Form1.LabelCredit.Caption, std::to_string(500 + c.amount));
        EXPECT_FALSE(g.frmBank.Open);
        EXPECT_TRUE(CheckIsFresh(g.frmBank));
        EXPECT_EQ(t.port.window_calls.back(), "close Bank");
        EXPECT_TRUE(t.port.messages.empty());
    }
}

TEST(Bank, ACheckTheAccountsCannotHoldIsRefused) {
    const struct {
        std::string text;
        std::int32_t credit, debt;
    } cases[] = {
        {"32768", 500, 0},
        {"1e10", 500, 0},
        {"10", std::numeric_limits<std::int32_t>::max() - 5, 0},
        {"-10", 500, std::numeric_limits<std::int32_t>::min() + 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Table t;
        Game& g = t.game;
        g.Credit = c.credit;
        g.Debt = c.debt;
        g.Form1.Commentaire.Show("Not enough credit...Click the 'Borrow' submenu !");
        SignCheck(t, c.text);
        EXPECT_EQ(t.port.messages, std::vector<std::string>{kCantAfford});
        EXPECT_EQ(g.Credit, c.credit);
        EXPECT_EQ(g.Debt, c.debt);
        EXPECT_FALSE(g.frmBank.Open);
        EXPECT_TRUE(CheckIsFresh(g.frmBank));
        EXPECT_EQ(t.port.window_calls.back(), "close Bank");
        EXPECT_TRUE(g.Form1.Commentaire.Visible);
    }
}

TEST(Bank, OneCheckMayPassTheCeilingAndTheNextBorrowEndsTheGame) {
    for (const char* first : {"24999", "25000"}) {
        SCOPED_TRACE(first);
        Table t;
        Game& g = t.game;
        SignCheck(t, first);
        g.frmBank_Timer1_Timer();
        if (g.Debt < 25000) {
            SignCheck(t, "32767");  // the bank still lends once
            g.frmBank_Timer1_Timer();
            EXPECT_EQ(g.Debt, 24999 + 32767);
        }
        t.port.window_calls.clear();
        g.mnuBorrow_Click();
        EXPECT_FALSE(g.Form1.Visible);
        EXPECT_TRUE(g.frmEndShown);
        EXPECT_EQ(t.port.window_calls, std::vector<std::string>{"show End"});
        EXPECT_FALSE(g.frmBank.Open);
        EXPECT_FALSE(t.port.ended);
        g.frmEnd_Closed();  // its close box ends the game like its OK
        EXPECT_TRUE(t.port.ended);
    }
    Table t;
    t.game.Debt = 30000;
    t.game.mnuBorrow_Click();
    t.game.frmEnd_Command1_Click();
    EXPECT_TRUE(t.port.ended);
}

TEST(Bank, ClosingTheBankWindow) {
    Table t;
    Game& g = t.game;
    // Closed while open: nothing happens, and the next opening shows an empty check.
    g.mnuBorrow_Click();
    g.frmBank.txtBorrow.Caption = "123";
    g.mnuBorrow_Click();  // already open: only brought to the front
    EXPECT_EQ(g.frmBank.txtBorrow.Caption, "123");
    g.frmBank_Closed();
    EXPECT_EQ(g.Credit, 500);
    g.mnuBorrow_Click();
    EXPECT_TRUE(g.frmBank.Open);
    EXPECT_TRUE(CheckIsFresh(g.frmBank));

    // Closed while signed: the credit on the table is brought up to date at once.
    g.frmBank.txtBorrow.Caption = "250";
    g.frmBank_bnSign_Click();
    g.frmBank_Closed();
    EXPECT_EQ(g.Form1.LabelCredit.Caption, "750");
    EXPECT_FALSE(g.frmBank.Open || g.frmBank.Timer1.Enabled);
    EXPECT_EQ(g.Debt, 250);
    g.mnuBorrow_Click();
    EXPECT_TRUE(CheckIsFresh(g.frmBank));
}

TEST(Bank, ABrokePlayerBorrowsAndPlaysOn) {
    Table t;
    Game& g = t.game;
    t.BetChips({500});
    t.Deal(10, 6, 10, 7);
    t.rng.Stack(10);
    g.bnCard_Click();
    g.Timer1_Timer();
    ASSERT_EQ(Shown(g.Form1.Commentaire), "Not enough credit...Click the 'Borrow' submenu !");
    SignCheck(t, "100");
    EXPECT_FALSE(g.Form1.Commentaire.Visible);
    g.frmBank_Timer1_Timer();
    EXPECT_EQ(g.Form1.LabelCredit.Caption, "100");
    t.BetChips({100});
    EXPECT_EQ(g.Bet, 100);
    EXPECT_EQ(g.Credit, 0);
}

}  // namespace
}  // namespace vex::test
