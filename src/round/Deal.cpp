// Deal: the bet check, the reshuffle every 20 rounds, the four cards, naturals and insurance.
#include <charconv>
#include <cmath>

#include "state/Scoring.h"
#include "state/Shoe.h"
#include "state/TypedAmount.h"
#include "table/Game.h"

namespace vex {

namespace {

constexpr int kRoundsBetweenShuffles = 20;
constexpr int kSmallestBetForShuffle = 5;
// Where the insurance box opens in half-bet mode: 2000 twips from the left, 200 from the top.
constexpr ScreenPlace kInsuranceBoxPlace{2000, 200};

constexpr std::string_view kBetMore = "You must bet more to play or...borrow!";
constexpr std::string_view kDealerBlackJackLost = "Dealer has BlackJack...You lost!";

// "Maximum = " and half the bet written with a leading blank, as 50 or 7.5.
std::string HalfBetPrompt(std::int16_t bet) {
    std::string prompt = "Please enter amount of insurance\r\rMaximum = ";
    prompt += ' ';  // bets are never negative
    char number[16];
    const auto end = std::to_chars(number, number + sizeof number, bet / 2).ptr;
    prompt.append(number, end);
    if (bet % 2 != 0) prompt += ".5";
    return prompt;
}

}  // namespace

void Game::bnDeal_Click() {
    if (!Usable(Form1.bnDeal)) return;
    // 1-2. Bet check, refusal or reshuffle.
    if (Bet > MaxBet || Bet < MinBet || RoundsSinceShuffle >= kRoundsBetweenShuffles) {
        if (RoundsSinceShuffle < kRoundsBetweenShuffles || Bet < kSmallestBetForShuffle) {
            Form1.Commentaire.Show(kBetMore);
            return;
        }
        Form1.bnDeal.Enabled = false;
        Form1.Commentaire.Show("Shuffling cards...Please wait!");
        ShuffleShoe(*this, random_);
        Form1.Timer2.Start();
        RoundsSinceShuffle = 0;
        Phase = RoundPhase::Shuffling;
        return;
    }

    // 3. Prepare the table: betting closes.
    Form1.Label12.Visible = false;
    Form1.Commentaire.Visible = false;
    SetChipsDraggable(false);
    ++RoundsSinceShuffle;
    PlayerSoftAce = kFalse;
    DealerSoftAce = kFalse;
    PlayerCardCount = 2;
    Form1.bnClear.Enabled = false;
    Form1.bnDeal.Enabled = false;
    DealerTotal = 0;
    PlayerTotal = 0;
    BeginRound(*this);

    // 4. Two cards each; the dealer's second face down.
    Draw();
    PlayerCards[1] = DrawnCard.Value;
    Score player = ScoreFirstCard(DrawnCard.Value);
    PlayerTotal = player.Total;
    PlayerSoftAce = player.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, PlayerCardSlot(1));

    Draw();
    PlayerCards[2] = DrawnCard.Value;
    player = ScoreSecondCard({PlayerTotal, PlayerSoftAce}, DrawnCard.Value);
    PlayerTotal = player.Total;
    PlayerSoftAce = player.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, PlayerCardSlot(2));
    Form1.lblTotalJoueur.SetNumber(PlayerTotal);
    Form1.lblTotalJoueur.Visible = true;

    Draw();
    DealerCards[1] = DrawnCard.Value;
    Score dealer = ScoreFirstCard(DrawnCard.Value);
    DealerTotal = dealer.Total;
    DealerSoftAce = dealer.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, DealerCardSlot(1));

    Draw();
    DealerCards[2] = DrawnCard.Value;
    HoleCardSuit = DrawnCard.Suit;
    dealer = ScoreSecondCard({DealerTotal, DealerSoftAce}, DrawnCard.Value);
    DealerTotal = dealer.Total;
    DealerSoftAce = dealer.SoftAce;
    Form1.ImageCarte[kHoleCardSlot] = kCardBack;

    // 5. Naturals.
    const bool ace_up = DealerCards[1] == 1;
    if (!ace_up && PlayerTotal != 21 && DealerTotal == 21) {
        Form1.Commentaire.Show(kDealerBlackJackLost);
        TurnHoleCard();
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
        return;
    }
    if (PlayerTotal == 21 && DealerTotal != 21) {
        Form1.Commentaire.Caption = "You have BlackJack...You won!";
        Pay(static_cast<std::int64_t>(std::nearbyint(2.5 * Bet)));  // half to even
        Form1.Commentaire.Visible = true;
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
        return;
    }
    if (PlayerTotal == 21 && DealerTotal == 21) {
        Form1.Commentaire.Caption = "Double BlackJack!";
        Pay(Bet);
        Form1.Commentaire.Visible = true;
        TurnHoleCard();
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
        return;
    }

    // 6. No ace up: the hand goes into play.
    const bool pair = PlayerCards[1] == PlayerCards[2];
    if (!ace_up) {
        Form1.bnCard.Visible = true;
        Form1.bnStay.Visible = true;
        Form1.bnDouble.Visible = true;
        if (pair) Form1.bnSplit.Visible = true;
        Phase = RoundPhase::MainHand;
        return;
    }

    // 7. An ace up: insurance. The answer is asked again until it is an amount the player can
    // stake: not above the limit, not negative, and never more than the credit left. No
    // insurance (0) is always an answer, even on a credit that a negative check took below 0.
    const bool half_bet = InsuranceHalfBet != kFalse;
    const std::string prompt =
        half_bet ? HalfBetPrompt(Bet) : std::string("Please enter amount of insurance");
    Phase = RoundPhase::Insurance;
    for (;;) {
        const std::string answer =
            platform_.InputBox(prompt, "Insurance", "0", half_bet ? &kInsuranceBoxPlace : nullptr);
        const auto amount = ReadTypedAmount(answer);
        if (!amount) {
            platform_.MessageBox("Hey, this is too much!");
            continue;
        }
        Insurance = *amount;
        if (Insurance < 0 || (Insurance != 0 && Insurance > Credit)) continue;
        if (half_bet && 2 * std::int32_t{Insurance} > Bet) continue;  // above half the bet
        break;
    }

    // 8. After insurance.
    Credit -= Insurance;
    Form1.LabelCredit.SetNumber(Credit);
    if (DealerTotal == 21 && Insurance != 0) {
        TurnHoleCard();
        Form1.Commentaire.Show("Dealer has BlackJack...Insurance won!");
        Pay(2 * std::int64_t{Insurance});
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
        return;
    }
    if (DealerTotal == 21) {
        TurnHoleCard();
        Form1.Commentaire.Show(kDealerBlackJackLost);
        Form1.Timer1.Start();
        Phase = RoundPhase::Settled;
        return;
    }
    Form1.bnCard.Visible = true;
    Form1.bnStay.Visible = true;
    Form1.bnDouble.Visible = true;
    if (pair && Credit >= Bet) Form1.bnSplit.Visible = true;
    Phase = RoundPhase::MainHand;
}

}  // namespace vex
