// Split hands: the split, Hit and Stand/Finish on each hand, and the pass to the right hand.
#include "state/Scoring.h"
#include "table/Game.h"

namespace vex {

// One of the two hands of a split, with the controls that show it.
struct Game::SplitHand {
    Hand hand;
    std::int16_t& count;
    Control& total_label;
    Control& outcome;
    bool right;

    // Still open at the end of the round: neither busted nor won by six cards.
    bool Open() const { return hand.total <= 21 && count < kPlayerHandSize; }
};

Game::SplitHand Game::LeftHand() {
    return {PlayerHand(), PlayerCardCount, Form1.lblTotalJoueur, Form1.CommentaireGauche, false};
}

Game::SplitHand Game::RightHand() {
    return {SecondHand(), SplitCardCount, Form1.lblTotalSplit, Form1.CommentaireDroite, true};
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
    Form1.bnStandSplit.Caption.SetFixed("Stand");
    Form1.bnDouble.Visible = false;
    Form1.bnSplit.Visible = false;
    Form1.bnCard.Visible = false;
    Form1.bnStay.Visible = false;
    ActiveSplitHand = 0;

    Credit -= Bet;
    Bet = static_cast<std::int16_t>(2 * Bet);
    Form1.LabelCredit.SetNumber(Credit);
    Form1.LabelMise.SetNumber(Bet);

    // The second card moves to the right hand's row, and each hand starts again from one card.
    Form1.ImageCarte[SplitCardSlot(1)] = Form1.ImageCarte[PlayerCardSlot(2)];
    Form1.ImageCarte[PlayerCardSlot(2)] = kNoPicture;
    SplitCards[1] = PlayerCards[2];
    const Score left = ScoreFirstCard(PlayerCards[1]);
    PlayerTotal = left.Total;
    PlayerSoftAce = left.SoftAce;
    const Score right = ScoreFirstCard(SplitCards[1]);
    SplitTotal = right.Total;
    SplitSoftAce = right.SoftAce;

    DrawInto(PlayerHand(), 2);
    ShowTotal(Form1.lblTotalJoueur, PlayerTotal);
    PlayerCardCount = 2;

    Form1.Commentaire.Show("Now play left hand...");
    Form1.bnCardSplit.Visible = true;
    Form1.bnStandSplit.Visible = true;
    Phase = RoundPhase::LeftHand;
}

void Game::bnCardSplit_Click() {
    if (!Usable(Form1.bnCardSplit)) return;
    SplitHand hand = HandInPlay();
    ++hand.count;
    DrawInto(hand.hand, hand.count);
    ShowTotal(hand.total_label, hand.hand.total);

    const bool six_cards = hand.hand.total <= 21 && hand.count == kPlayerHandSize;
    const bool busted = hand.hand.total > 21;
    if (six_cards) {
        hand.outcome.Show("6 cards drawn!");
        Pay(Bet);  // the hand's stake twice over
    } else if (busted) {
        hand.outcome.Show("Busted!");
    } else {
        return;  // the hand stays in play
    }

    Form1.bnCardSplit.Visible = false;
    if (!hand.right) {
        Form1.bnStandSplit.Visible = false;
        Form1.Timer3.Start();
        Phase = RoundPhase::PassingToRight;
    } else {
        if (busted) Form1.Commentaire.Show("Press Finish...");
        Phase = RoundPhase::RightHandDone;
    }
}

void Game::Timer3_Timer() {
    ActiveSplitHand = 1;
    DrawInto(SecondHand(), 2);
    ShowTotal(Form1.lblTotalSplit, SplitTotal);
    Form1.bnStandSplit.Caption.SetFixed("Finish");
    Form1.Commentaire.Caption.SetFixed("Now play right hand...");
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
        ShowTotal(Form1.lblTotalBanque, DealerTotal);
    }
    SettleSplitHand(left);
    SettleSplitHand(right);
    EndRound();
}

void Game::SettleSplitHand(const SplitHand& hand) {
    if (!hand.Open()) return;  // "Busted!" or "6 cards drawn!" stays, nothing more is paid
    if (DealerTotal > 21 || hand.hand.total > DealerTotal) {
        hand.outcome.Show("Won!");
        Pay(Bet);
    } else if (hand.hand.total == DealerTotal) {
        hand.outcome.Show("Push...");
        Pay(Bet / 2);
    } else {
        hand.outcome.Show("Lost!");
    }
}

}  // namespace vex
