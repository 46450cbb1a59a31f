// The main hand's Hit, Stand and Double.
#include <limits>

#include "table/Game.h"

namespace vex {

namespace {

constexpr std::string_view kPlayerBusted = "Player busted...You lost!";

}  // namespace

void Game::bnCard_Click() {
    if (!Usable(Form1.bnCard)) return;
    NoteMove(Move::Hit);

    Form1.Commentaire.Visible = false;
    ++PlayerCardCount;
    DrawInto(PlayerHand(), PlayerCardCount);
    ShowTotal(Form1.lblTotalJoueur, PlayerTotal);

    if (PlayerTotal <= 21 && PlayerCardCount == kPlayerHandSize) {
        Form1.Commentaire.Show("You have drawn 6 cards...You won!");
        PayHand(HandResult::SixCardWin, 0, Bet, 2 * std::int64_t{Bet});
        EndRound();
    } else if (PlayerTotal > 21) {
        Form1.Commentaire.Show(kPlayerBusted);
        PayHand(HandResult::Bust, 0, Bet, 0);
        EndRound();
    } else {
        EnterPhase(RoundPhase::MainHand);  // Double and Split are for the first choice only
    }
}

void Game::bnStay_Click() {
    if (!Usable(Form1.bnStay)) return;
    NoteMove(Move::Stand);
    Form1.Commentaire.Visible = false;
    DealerPlaysMainHand();
}

bool Game::CanDoubleStake() const {
    // Twice the bet must stay within the table maximum and within the 16-bit stake.
    const std::int32_t doubled = 2 * std::int32_t{Bet};
    return doubled <= MaxBet && doubled <= std::numeric_limits<std::int16_t>::max() &&
           Credit >= Bet;
}

void Game::bnDouble_Click() {
    if (!Usable(Form1.bnDouble)) return;
    if (!CanDoubleStake()) {
        NoteMove(Move::Double, 0, true);
        Form1.Commentaire.Show(kNotEnoughCredit);
        return;
    }
    NoteMove(Move::Double);
    Credit -= Bet;
    Bet = static_cast<std::int16_t>(2 * Bet);
    Form1.LabelMise.SetNumber(Bet);
    Form1.LabelCredit.SetNumber(Credit);

    DrawInto(PlayerHand(), 3);
    ShowTotal(Form1.lblTotalJoueur, PlayerTotal);

    if (PlayerTotal > 21) {
        Form1.Commentaire.Show(kPlayerBusted);
        PayHand(HandResult::Bust, 0, Bet, 0);
        EndRound();
        return;
    }
    DealerPlaysMainHand();
}

}  // namespace vex
