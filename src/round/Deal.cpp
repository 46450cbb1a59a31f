// Deal: the bet check, the reshuffle every 20 rounds, the four cards, naturals and insurance.
#include <algorithm>
#include <array>
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

// The insurance question; in half-bet mode followed by "Maximum = " and half the bet written
// with a leading blank, as 50 or 7.5. Written into the caller's room.
using PromptRoom = std::array<char, 64>;
std::string_view InsurancePrompt(bool half_bet, std::int16_t bet, PromptRoom& room) {
    constexpr std::string_view kQuestion = "Please enter amount of insurance";
    if (!half_bet) return kQuestion;
    constexpr std::string_view kMaximum = "\r\rMaximum =  ";  // bets are never negative
    char* out = std::copy(kQuestion.begin(), kQuestion.end(), room.begin());
    out = std::copy(kMaximum.begin(), kMaximum.end(), out);
    out = std::to_chars(out, room.end(), bet / 2).ptr;
    if (bet % 2 != 0) out = std::copy_n(".5", 2, out);
    return {room.data(), static_cast<std::size_t>(out - room.data())};
}

}  // namespace

void Game::bnDeal_Click() {
    if (!Usable(Form1.bnDeal)) return;
    if (!BetAccepted()) return;
    CloseBetting();
    DealFourCards();
    if (SettleNaturals()) return;

    const bool pair = PlayerCards[1] == PlayerCards[2];
    if (DealerCards[1] != 1) {  // no ace up: the hand goes into play
        OfferPlay(pair);
        return;
    }
    AskInsurance();
    if (SettleInsurance()) return;
    OfferPlay(pair && Credit >= Bet);
}

bool Game::BetAccepted() {
    if (Bet <= MaxBet && Bet >= MinBet && RoundsSinceShuffle < kRoundsBetweenShuffles) return true;
    if (RoundsSinceShuffle < kRoundsBetweenShuffles || Bet < kSmallestBetForShuffle) {
        Form1.Commentaire.Show(kBetMore);
        return false;
    }
    // Every 20 rounds Deal shuffles the shoe instead, and comes back at Timer2's tick.
    Form1.Commentaire.Show("Shuffling cards...Please wait!");
    ShuffleShoe(*this, random_);
    RoundsSinceShuffle = 0;
    EnterPhase(RoundPhase::Shuffling);
    return false;
}

// The chips, Deal and Clear bet close with the phase the deal ends in.
void Game::CloseBetting() {
    Form1.Label12.Visible = false;
    Form1.Commentaire.Visible = false;
    ++RoundsSinceShuffle;
    PlayerSoftAce = kFalse;
    DealerSoftAce = kFalse;
    PlayerCardCount = 2;
    DealerTotal = 0;
    PlayerTotal = 0;
    BeginRound(*this);
    record_.Begin(Bet);
}

// Two cards each; the dealer's second face down.
void Game::DealFourCards() {
    const Hand player = PlayerHand();
    DrawInto(player, 1);
    DrawInto(player, 2);
    ShowTotal(Form1.lblTotalJoueur, PlayerTotal);

    const Hand dealer = DealerHand();
    DrawInto(dealer, 1);
    DrawInto(dealer, 2);
    HoleCardSuit = DrawnCard.Suit;
    Form1.ImageCarte[kHoleCardSlot] = kCardBack;
}

bool Game::SettleNaturals() {
    const bool ace_up = DealerCards[1] == 1;
    if (!ace_up && PlayerTotal != 21 && DealerTotal == 21) {
        Form1.Commentaire.Show(kDealerBlackJackLost);
        PayHand(HandResult::Loss, 0, Bet, 0);
        TurnHoleCard();
    } else if (PlayerTotal == 21 && DealerTotal != 21) {
        Form1.Commentaire.Caption.SetFixed("You have BlackJack...You won!");
        PayHand(HandResult::Blackjack, 0, Bet,
                static_cast<std::int64_t>(std::nearbyint(2.5 * Bet)));  // half to even
        Form1.Commentaire.Visible = true;
    } else if (PlayerTotal == 21 && DealerTotal == 21) {
        Form1.Commentaire.Caption.SetFixed("Double BlackJack!");
        PayHand(HandResult::Push, 0, Bet, Bet);
        Form1.Commentaire.Visible = true;
        TurnHoleCard();
    } else {
        return false;
    }
    EndRound();
    return true;
}

void Game::OfferPlay(bool split) {
    EnterPhase(RoundPhase::MainHand, {.double_down = true, .split = split});
}

// The answer is asked again until it is an amount the player can stake: not above the limit,
// not negative, and never more than the credit left. No insurance (0) is always an answer, even
// on a credit that a negative check took below 0.
void Game::AskInsurance() {
    EnterPhase(RoundPhase::Insurance);
    const bool half_bet = InsuranceHalfBet != kFalse;
    PromptRoom room;
    const std::string_view prompt = InsurancePrompt(half_bet, Bet, room);
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
    Credit -= Insurance;
    Form1.LabelCredit.SetNumber(Credit);
    NoteMove(Move::Insurance, 0, false, Insurance);
}

bool Game::SettleInsurance() {
    if (DealerTotal != 21) {
        if (Insurance != 0) PayHand(HandResult::InsuranceLost, 0, Insurance, 0);
        return false;
    }
    TurnHoleCard();
    if (Insurance != 0) {
        Form1.Commentaire.Show("Dealer has BlackJack...Insurance won!");
        PayHand(HandResult::InsuranceWon, 0, Insurance, 2 * std::int64_t{Insurance});
    } else {
        Form1.Commentaire.Show(kDealerBlackJackLost);
    }
    PayHand(HandResult::Loss, 0, Bet, 0);
    EndRound();
    return true;
}

}  // namespace vex
