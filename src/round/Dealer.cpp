// The dealer's drawing and the settlement of the main hand.
#include "table/Game.h"

namespace vex {

void Game::TirageBanque() {
    TurnHoleCard();
    // Draw to 16, stand on every 17, a soft 17 included. The hand's room is never the limit:
    // a total of 16 or less can hold at most 16 cards.
    const Hand dealer = DealerHand();
    for (int c = 3; DealerTotal <= 16 && c <= kDealerHandSize; ++c) DrawInto(dealer, c);
}

void Game::SettleMainHand() {
    ShowTotal(Form1.lblTotalBanque, DealerTotal);

    HandResult result;
    std::int64_t paid = 0;
    if (DealerTotal > 21) {
        Form1.Commentaire.Caption.SetFixed("Dealer busted...You won!");
        result = HandResult::DealerBust;
        paid = 2 * std::int64_t{Bet};
    } else if (PlayerTotal > DealerTotal) {
        Form1.Commentaire.Caption.SetFixed("You won!");
        result = HandResult::Win;
        paid = 2 * std::int64_t{Bet};
    } else if (PlayerTotal < DealerTotal) {
        Form1.Commentaire.Caption.SetFixed("You lost!");
        result = HandResult::Loss;
    } else {
        Form1.Commentaire.Caption.SetFixed("Push...");
        result = HandResult::Push;
        paid = Bet;
    }
    Form1.Commentaire.Visible = true;
    PayHand(result, 0, Bet, paid);
    EndRound();
}

void Game::DealerPlaysMainHand() {
    TirageBanque();
    SettleMainHand();
}

}  // namespace vex
