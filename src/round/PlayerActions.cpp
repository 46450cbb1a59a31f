// The main hand's Hit, Stand and Double.
#include <limits>

#include "state/Scoring.h"
#include "table/Game.h"

namespace vex {

namespace {

constexpr std::string_view kPlayerBusted = "Player busted...You lost!";

}  // namespace

void Game::bnCard_Click() {
    if (!Usable(Form1.bnCard)) return;

    Form1.Commentaire.Visible = false;
    Form1.bnDouble.Visible = false;
    Form1.bnSplit.Visible = false;

    Draw();
    ++PlayerCardCount;
    PlayerCards[PlayerCardCount] = DrawnCard.Value;
    const Score hand = ScoreNextCard({PlayerTotal, PlayerSoftAce}, DrawnCard.Value);
    PlayerTotal = hand.Total;
    PlayerSoftAce = hand.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, PlayerCardSlot(PlayerCardCount));
    Form1.lblTotalJoueur.SetNumber(PlayerTotal);
    Form1.lblTotalJoueur.Visible = true;

    if (PlayerTotal <= 21 && PlayerCardCount == kPlayerHandSize) {
        Form1.bnCard.Visible = false;
        Form1.bnStay.Visible = false;
        Form1.Commentaire.Show("You have drawn 6 cards...You won!");
        Pay(2 * std::int64_t{Bet});
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
    } else if (PlayerTotal > 21) {
        Form1.bnCard.Visible = false;
        Form1.bnStay.Visible = false;
        Form1.Commentaire.Show(kPlayerBusted);
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
    }
}

void Game::bnStay_Click() {
    if (!Usable(Form1.bnStay)) return;
    Form1.Commentaire.Visible = false;
    Form1.bnCard.Visible = false;
    Form1.bnStay.Visible = false;
    Form1.bnDouble.Visible = false;
    Form1.bnSplit.Visible = false;
    TirageBanque();
    SettleMainHand();
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
        Form1.Commentaire.Show(kNotEnoughCredit);
        return;
    }
    Credit -= Bet;
    Bet = static_cast<std::int16_t>(2 * Bet);
    Form1.LabelMise.SetNumber(Bet);
    Form1.LabelCredit.SetNumber(Credit);

    Form1.bnCard.Visible = false;
    Form1.bnStay.Visible = false;
    Form1.bnDouble.Visible = false;
    Form1.bnSplit.Visible = false;

    Draw();
    PlayerCards[3] = DrawnCard.Value;
    const Score hand = ScoreNextCard({PlayerTotal, PlayerSoftAce}, DrawnCard.Value);
    PlayerTotal = hand.Total;
    PlayerSoftAce = hand.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, PlayerCardSlot(3));
    Form1.lblTotalJoueur.SetNumber(PlayerTotal);
    Form1.lblTotalJoueur.Visible = true;

    if (PlayerTotal > 21) {
        Form1.Commentaire.Show(kPlayerBusted);
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
        return;
    }
    TirageBanque();
    SettleMainHand();
}

}  // namespace vex
