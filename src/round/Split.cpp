// Split hands: the split, Hit and Stand/Finish on each hand, and the pass to the right hand.
#include "state/Scoring.h"
#include "table/Game.h"

namespace vex {

// One of the two hands of a split, with the controls that show it.
struct Game::SplitHand {
    std::array<std::int16_t, kPlayerHandSize + 1>& cards;
    std::int16_t& count;
    std::int16_t& total;
    Flag& soft;
    Control& total_label;
    Control& outcome;
    bool right;

    int Slot(int n) const { return right ? SplitCardSlot(n) : PlayerCardSlot(n); }
    // Still open at the end of the round: neither busted nor won by six cards.
    bool Open() const { return total <= 21 && count < kPlayerHandSize; }
};

Game::SplitHand Game::LeftHand() {
    return {PlayerCards,          PlayerCardCount,         PlayerTotal, PlayerSoftAce,
            Form1.lblTotalJoueur, Form1.CommentaireGauche, false};
}

Game::SplitHand Game::RightHand() {
    return {SplitCards,          SplitCardCount,          SplitTotal, SplitSoftAce,
            Form1.lblTotalSplit, Form1.CommentaireDroite, true};
}

Game::SplitHand Game::HandInPlay() {
    return ActiveSplitHand == 0 ? LeftHand() : RightHand();
}

void Game::bnSplit_Click() {
    if (!Usable(Form1.bnSplit)) return;
    if (!CanDoubleStake()) {
        Form1.Commentaire.Show(kNotEnoughCredit);
        return;
    }
    Form1.bnStandSplit.Caption = "Stand";
    Form1.bnDouble.Visible = false;
    Form1.bnSplit.Visible = false;
    Form1.bnCard.Visible = false;
    Form1.bnStay.Visible = false;
    PlayerSoftAce = kFalse;
    SplitSoftAce = kFalse;
    ActiveSplitHand = 0;

    Credit -= Bet;
    Bet = static_cast<std::int16_t>(2 * Bet);
    Form1.LabelCredit.SetNumber(Credit);
    Form1.LabelMise.SetNumber(Bet);

    // The second card moves to the right hand's row.
    Form1.ImageCarte[SplitCardSlot(1)] = Form1.ImageCarte[PlayerCardSlot(2)];
    Form1.ImageCarte[PlayerCardSlot(2)] = kNoPicture;

    Score left = ScoreFirstCard(PlayerCards[1]);
    SplitCards[1] = PlayerCards[2];
    const Score right = ScoreFirstCard(SplitCards[1]);
    SplitTotal = right.Total;
    SplitSoftAce = right.SoftAce;

    Draw();
    PlayerCards[2] = DrawnCard.Value;
    left = ScoreSecondCard(left, DrawnCard.Value);
    PlayerTotal = left.Total;
    PlayerSoftAce = left.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, PlayerCardSlot(2));
    Form1.lblTotalJoueur.SetNumber(PlayerTotal);
    Form1.lblTotalJoueur.Visible = true;
    PlayerCardCount = 2;

    Form1.Commentaire.Show("Now play left hand...");
    Form1.bnCardSplit.Visible = true;
    Form1.bnStandSplit.Visible = true;
    Phase = RoundPhase::LeftHand;
}

void Game::bnCardSplit_Click() {
    if (!Usable(Form1.bnCardSplit)) return;
    SplitHand hand = HandInPlay();

    Draw();
    ++hand.count;
    hand.cards[hand.count] = DrawnCard.Value;
    const Score score = ScoreNextCard({hand.total, hand.soft}, DrawnCard.Value);
    hand.total = score.Total;
    hand.soft = score.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, hand.Slot(hand.count));
    hand.total_label.SetNumber(hand.total);
    hand.total_label.Visible = true;

    const bool six_cards = hand.total <= 21 && hand.count == kPlayerHandSize;
    const bool busted = hand.total > 21;
    if (six_cards) {
        hand.outcome.Show("6 cards drawn!");
        Pay(Bet);  // the hand's stake twice over
    } else if (busted) {
        hand.outcome.Show("Busted!");
    } else {
        return;  // the hand stays in play
    }

    if (!hand.right) {
        Form1.bnCardSplit.Visible = false;
        Form1.bnStandSplit.Visible = false;
        Form1.Timer3.Start();
        Phase = RoundPhase::PassingToRight;
    } else {
        Form1.bnCardSplit.Visible = false;
        if (busted) Form1.Commentaire.Show("Press Finish...");
        Phase = RoundPhase::RightHandDone;
    }
}

void Game::Timer3_Timer() {
    ActiveSplitHand = 1;
    Draw();
    SplitCards[2] = DrawnCard.Value;
    const Score right = ScoreSecondCard({SplitTotal, SplitSoftAce}, DrawnCard.Value);
    SplitTotal = right.Total;
    SplitSoftAce = right.SoftAce;
    ChargeImage(DrawnCard.Suit, DrawnCard.Value, SplitCardSlot(2));
    Form1.lblTotalSplit.SetNumber(SplitTotal);
    Form1.lblTotalSplit.Visible = true;
    Form1.bnStandSplit.Caption = "Finish";
    Form1.Commentaire.Caption = "Now play right hand...";
    Form1.bnCardSplit.Visible = true;
    Form1.bnStandSplit.Visible = true;
    SplitCardCount = 2;
    Form1.Timer3.Stop();
    Phase = RoundPhase::RightHand;
}

void Game::bnStandSplit_Click() {
    if (!Usable(Form1.bnStandSplit)) return;
    Form1.bnStandSplit.Visible = false;
    Form1.bnCardSplit.Visible = false;
    if (ActiveSplitHand == 0) {
        Form1.Timer3.Start();
        Phase = RoundPhase::PassingToRight;
        return;
    }

    Form1.Commentaire.Visible = false;
    const SplitHand left = LeftHand();
    const SplitHand right = RightHand();
    if (left.Open() || right.Open()) {
        TirageBanque();
        Form1.lblTotalBanque.SetNumber(DealerTotal);
        Form1.lblTotalBanque.Visible = true;
    }
    SettleSplitHand(left);
    SettleSplitHand(right);
    Form1.Timer1.Start();
    Phase = RoundPhase::Settled;
}

void Game::SettleSplitHand(const SplitHand& hand) {
    if (!hand.Open()) return;  // "Busted!" or "6 cards drawn!" stays, nothing more is paid
    if (DealerTotal > 21 || hand.total > DealerTotal) {
        hand.outcome.Show("Won!");
        Pay(Bet);
    } else if (hand.total == DealerTotal) {
        hand.outcome.Show("Push...");
        Pay(Bet / 2);
    } else {
        hand.outcome.Show("Lost!");
    }
}

}  // namespace vex
