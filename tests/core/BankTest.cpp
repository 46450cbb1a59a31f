// Borrowing by check, the debt ceiling and the game-over window.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/Helpers.h"

namespace vex::test {
namespace {

constexpr const char* kHint = "Not enough credit...Click the 'Borrow' submenu !";

void SignCheck(Table& t, const std::string& amount) {
    t.game.mnuBorrow_Click();
    t.game.frmBank.txtBorrow.Caption = amount;
    t.game.frmBank_bnSign_Click();
}

bool CheckIsFresh(const BankModel& b) {
    return b.txtBorrow.Caption.empty() && b.txtBorrow.Enabled && !b.LabelSign.Visible &&
           b.bnSign.Enabled && !b.Timer1.Enabled;
}

TEST(Bank, EachCheckIsSignedOrRefusedAsItsAmountAllows) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::string text;
        int amount;  // 0 also for a refused check
        bool signs;
        std::int32_t credit = 500, debt = 0;
    } cases[] = {
        {"250", 250, true},
        {"12.5", 12, true},  // read as the amount fuzzer's corpus reads every text
        {"40abc", 40, true},
        {"", 0, true},
        {"-100", -100, true},
        {"32767", 32767, true},
        {"32768", 0, false},
        {"1e10", 0, false},
        {"10", 0, false, kMax - 5},
        {"-10", 0, false, 500, kMin + 5},  // the accounts are 32-bit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Table t;
        Game& g = t.game;
        g.Credit = c.credit;
        g.Debt = c.debt;
        g.Form1.Commentaire.Show(kHint);
        const std::string shown = g.Form1.LabelCredit.Caption;
        SignCheck(t, c.text);
        EXPECT_EQ(g.Credit, c.credit + c.amount);
        EXPECT_EQ(g.Debt, c.debt + c.amount);
        EXPECT_EQ(g.Form1.LabelCredit.Caption, shown);
        EXPECT_EQ(g.Form1.Commentaire.Visible, !c.signs);  // a signed check withdraws the hint
        if (c.signs) {
            EXPECT_TRUE(g.frmBank.LabelSign.Visible && g.frmBank.Timer1.Enabled);
            EXPECT_FALSE(g.frmBank.bnSign.Enabled || g.frmBank.txtBorrow.Enabled);
            g.frmBank_Timer1_Timer();
            EXPECT_EQ(g.Form1.LabelCredit.Caption, std::to_string(g.Credit));
        }
        EXPECT_EQ(t.port.messages,
                  std::vector<std::string>(
                      !c.signs, "Hey, look at your last statement of account,\ryou can't afford!"));
        EXPECT_FALSE(g.frmBank.Open);
        EXPECT_TRUE(CheckIsFresh(g.frmBank));
        EXPECT_EQ(t.port.window_calls.back(), "close Bank");
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
        EXPECT_TRUE(!g.Form1.Visible && g.frmEndShown && !g.frmBank.Open && !t.port.ended);
        EXPECT_EQ(t.port.window_calls, std::vector<std::string>{"show End"});
        // Its close box ends the program as its OK does.
        (g.*(g.Debt > 25000 ? &Game::frmEnd_Closed : &Game::frmEnd_Command1_Click))();
        EXPECT_TRUE(t.port.ended);
    }
}

TEST(Bank, EachOpeningShowsAFreshCheckAndClosingASignedOneShowsTheCredit) {
    Table t;
    Game& g = t.game;
    g.mnuBorrow_Click();
    g.frmBank.txtBorrow.Caption = "123";
    g.mnuBorrow_Click();  // already open: only brought to the front
    EXPECT_EQ(g.frmBank.txtBorrow.Caption, "123");
    g.frmBank_Closed();  // closed unsigned: nothing happens
    EXPECT_EQ(g.Credit, 500);
    g.mnuBorrow_Click();
    EXPECT_TRUE(g.frmBank.Open && CheckIsFresh(g.frmBank));

    g.frmBank.txtBorrow.Caption = "250";
    g.frmBank_bnSign_Click();
    g.frmBank_Closed();
    EXPECT_EQ(g.Form1.LabelCredit.Caption, "750");
    EXPECT_FALSE(g.frmBank.Open || g.frmBank.Timer1.Enabled);
    g.mnuBorrow_Click();
    EXPECT_TRUE(CheckIsFresh(g.frmBank));
}

}  // namespace
}  // namespace vex::test
