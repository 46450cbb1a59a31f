// Drawing into a hand, the dealer's drawing and the settlement of the main hand.
#include "state/Scoring.h"
#include "state/Shoe.h"
#include "table/Game.h"

namespace vex {

Game::Hand Game::PlayerHand() {
    return {PlayerCards, PlayerTotal, PlayerSoftAce, PlayerCardSlot(1)};
}
Game::Hand Game::SecondHand() {
    return {SplitCards, SplitTotal, SplitSoftAce, SplitCardSlot(1)};
}
Game::Hand Game::DealerHand() {
    return {DealerCards, DealerTotal, DealerSoftAce, DealerCardSlot(1)};
}

void Game::DrawInto(const Hand& hand, int n) {
    DrawCard(*this, random_, DrawnCard);
    const std::int16_t value = DrawnCard.Value;
    hand.cards[static_cast<std::size_t>(n)] = value;
    const Score before{hand.total, hand.soft};
    const Score after = n == 1   ? ScoreFirstCard(value)
                        : n == 2 ? ScoreSecondCard(before, value)
                                 : ScoreNextCard(before, value);
    hand.total = after.Total;
    hand.soft = after.SoftAce;
    ChargeImage(DrawnCard.Suit, value, hand.first_slot + n - 1);
}

void Game::ShowTotal(Control& label, std::int16_t total) {
    label.SetNumber(total);
    label.Visible = true;
}

void Game::EndRound() {
    Form1.Timer1.Start();
    Phase = RoundPhase::Settled;
}

void Game::TirageBanque() {
    TurnHoleCard();
    // Draw to 16, stand on every 17, a soft 17 included. The hand's room is never the limit:
    // a total of 16 or less can hold at most 16 cards.
    const Hand dealer = DealerHand();
    for (int c = 3; DealerTotal <= 16 && c <= kDealerHandSize; ++c) DrawInto(dealer, c);
}

void Game::SettleMainHand() {
    ShowTotal(Form1.lblTotalBanque, DealerTotal);

    std::int64_t paid = 0;
    if (DealerTotal > 21) {
        Form1.Commentaire.Caption.SetFixed("Dealer busted...You won!");
        paid = 2 * std::int64_t{Bet};
    } else if (PlayerTotal > DealerTotal) {
        Form1.Commentaire.Caption.SetFixed("You won!");
        paid = 2 * std::int64_t{Bet};
    } else if (PlayerTotal < DealerTotal) {
        Form1.Commentaire.Caption.SetFixed("You lost!");
    } else {
        Form1.Commentaire.Caption.SetFixed("Push...");
        paid = Bet;
    }
    Form1.Commentaire.Visible = true;
    Pay(paid);
    EndRound();
}

}  // namespace vex
