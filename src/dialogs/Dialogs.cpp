// The table rules dialog, the help window and the about box.
#include "table/Game.h"

namespace vex {

void Game::mnuOptions_Click() {
    Rules.Visible = true;
    platform_.ShowWindow(Window::Rules);
}

void Game::Rules_Option1_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(kTableLimits.size())) return;
    Rules.Option1 = Index;
    MinBet = kTableLimits[Index].MinBet;
    MaxBet = kTableLimits[Index].MaxBet;
}

void Game::Rules_Option2_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(kInsuranceLimits.size())) return;
    Rules.Option2 = Index;
    InsuranceHalfBet = Index == 0 ? kTrue : kFalse;
}

void Game::Rules_bnOK_Click() {
    Rules.Visible = false;
    platform_.HideWindow(Window::Rules);
}

// Closed by its close box: the choices stay in force and the dialog keeps showing them.
void Game::Rules_Closed() {
    Rules.Visible = false;
}

void Game::mnuTopics_Click() {
    if (!frmHelp.Open) {
        frmHelp = HelpModel{};
        frmHelp.Open = true;
    }
    platform_.ShowWindow(Window::Help);
}

void Game::frmHelp_Topic_Click(int topic) {
    if (topic < 0 || topic >= static_cast<int>(kHelpTopics.size())) return;
    frmHelp.lblRegles.Caption = kHelpTopics[topic].Text;
    frmHelp.lblRegles.Visible = true;
}

void Game::frmHelp_Command1_Click() {
    frmHelp.lblRegles.Visible = false;
    frmHelp.Open = false;
    platform_.CloseWindow(Window::Help);
}

void Game::frmHelp_Closed() {
    frmHelp = HelpModel{};
}

void Game::mnuAbout_Click() {
    frmAboutOpen = true;
    platform_.ShowWindow(Window::About);
}

void Game::frmAbout_cmdOK_Click() {
    frmAboutOpen = false;
    platform_.CloseWindow(Window::About);
}

void Game::frmAbout_Closed() {
    frmAboutOpen = false;
}

}  // namespace vex
