// Borrowing by check, the debt ceiling, and the game-over window.
#include <limits>

#include "state/TypedAmount.h"
#include "table/Game.h"

namespace vex {

namespace {

bool FitsInCredit(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

void Game::mnuBorrow_Click() {
    if (Debt < kDebtCeiling) {
        if (!frmBank.Open) {
            frmBank = BankModel{};
            frmBank.Open = true;
        }
        platform_.ShowWindow(Window::Bank);
        return;
    }
    Form1.Visible = false;
    frmEndShown = true;
    platform_.ShowWindow(Window::End);
}

void Game::frmBank_bnSign_Click() {
    frmBank.LabelSign.Visible = true;
    frmBank.bnSign.Enabled = false;

    // An amount that does not fit on a check, or that the accounts could not hold, is refused.
    const auto amount = ReadTypedAmount(frmBank.txtBorrow.Caption);
    if (!amount || !FitsInCredit(std::int64_t{Credit} + *amount) ||
        !FitsInCredit(std::int64_t{Debt} + *amount)) {
        platform_.MessageBox("Hey, look at your last statement of account,\ryou can't afford!");
        frmBank.txtBorrow.Caption.clear();
        frmBank.txtBorrow.Enabled = true;
        frmBank.LabelSign.Visible = false;
        frmBank.bnSign.Enabled = true;
        frmBank.Open = false;
        platform_.CloseWindow(Window::Bank);
        return;
    }

    frmBank.txtBorrow.Enabled = false;
    Credit += *amount;
    Debt += *amount;
    frmBank.Timer1.Start();
    Form1.Commentaire.Visible = false;  // withdraws the hint to borrow
}

void Game::frmBank_Timer1_Timer() {
    frmBank.txtBorrow.Caption.clear();
    frmBank.txtBorrow.Enabled = true;
    frmBank.LabelSign.Visible = false;
    frmBank.bnSign.Enabled = true;
    frmBank.Timer1.Stop();
    Form1.LabelCredit.SetNumber(Credit);
    frmBank.Open = false;
    platform_.CloseWindow(Window::Bank);
}

void Game::frmBank_Closed() {
    // A signed check is already booked: the table shows the new credit at once.
    if (frmBank.Signed()) Form1.LabelCredit.SetNumber(Credit);
    frmBank.Timer1.Stop();
    frmBank.Open = false;
}

void Game::frmEnd_Command1_Click() {
    platform_.EndProgram();
}

// The table is hidden behind the game-over window: closing it ends the game as OK does.
void Game::frmEnd_Closed() {
    platform_.EndProgram();
}

}  // namespace vex
