// The dealer's drawing and the settlement of the main hand.
#include "state/Scoring.h"
#include "table/Game.h"

namespace vex {

void Game::TirageBanque() {
    int c = 2;
    TurnHoleCard();
    // Draw to 16, stand on every 17, a soft 17 included. The hand's room is never the limit:
    // a total of 16 or less can hold at most 16 cards.
    while (DealerTotal <= 16 && c < kDealerHandSize) {
        ++c;
        Draw();
        DealerCards[c] = DrawnCard.Value;
        const Score hand = ScoreNextCard({DealerTotal, DealerSoftAce}, DrawnCard.Value);
        DealerTotal = hand.Total;
        DealerSoftAce = hand.SoftAce;
        ChargeImage(DrawnCard.Suit, DrawnCard.Value, DealerCardSlot(c));
    }
}

void Game::SettleMainHand() {
    Form1.lblTotalBanque.SetNumber(DealerTotal);
    Form1.lblTotalBanque.Visible = true;

    std::int64_t paid = 0;
    if (DealerTotal > 21) {
        Form1.Commentaire.Caption = "Dealer busted...You won!";
        paid = 2 * std::int64_t{Bet};
    } else if (PlayerTotal > DealerTotal) {
        Form1.Commentaire.Caption = "You won!";
        paid = 2 * std::int64_t{Bet};
    } else if (PlayerTotal < DealerTotal) {
        Form1.Commentaire.Caption = "You lost!";
    } else {
        Form1.Commentaire.Caption = "Push...";
        paid = Bet;
    }
    Form1.Commentaire.Visible = true;
    Pay(paid);
    Form1.Timer1.Start();
    Phase = RoundPhase::Settled;
}

}  // namespace vex
