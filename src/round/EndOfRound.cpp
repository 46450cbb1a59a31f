// The pauses that close a round: the cleared table, and Deal given back after a reshuffle.
#include "table/Game.h"

namespace vex {

void Game::Timer1_Timer() {
    Bet = 0;
    ClearTable();
    EnterPhase(RoundPhase::Betting);
    if (Credit < 10) {
        Form1.Commentaire.Show("Not enough credit...Click the 'Borrow' submenu !");
        platform_.DropGameMenu();
    }
}

void Game::Timer2_Timer() {
    Form1.Commentaire.Visible = false;
    EnterPhase(RoundPhase::Betting);
}

}  // namespace vex
