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
        NoteMove(Move::Split, 0, true);
        Form1.Commentaire.Show(kNotEnoughCredit);
        return;
    }
    NoteMove(Move::Split);
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
    EnterPhase(RoundPhase::LeftHand);
}

void Game::bnCardSplit_Click() {
    if (!Usable(Form1.bnCardSplit)) return;
    NoteMove(Move::Hit, ActiveSplitHand);
    SplitHand hand = HandInPlay();
    ++hand.count;
    DrawInto(hand.hand, hand.count);
    ShowTotal(hand.total_label, hand.hand.total);

    const bool six_cards = hand.hand.total <= 21 && hand.count == kPlayerHandSize;
    const bool busted = hand.hand.total > 21;
    // Each hand's stake is half the doubled bet.
    if (six_cards) {
        hand.outcome.Show("6 cards drawn!");
        PayHand(HandResult::SixCardWin, hand.right, Bet / 2, Bet);  // the stake twice over
    } else if (busted) {
        hand.outcome.Show("Busted!");
        PayHand(HandResult::Bust, hand.right, Bet / 2, 0);
    } else {
        return;  // the hand stays in play
    }

    if (!hand.right) {
        EnterPhase(RoundPhase::PassingToRight);
    } else {
        if (busted) Form1.Commentaire.Show("Press Finish...");
        EnterPhase(RoundPhase::RightHandDone);
    }
}

void Game::Timer3_Timer() {
    ActiveSplitHand = 1;
    DrawInto(SecondHand(), 2);
    ShowTotal(Form1.lblTotalSplit, SplitTotal);
    Form1.Commentaire.Caption.SetFixed("Now play right hand...");
    SplitCardCount = 2;
    EnterPhase(RoundPhase::RightHand);
}

void Game::bnStandSplit_Click() {
    if (!Usable(Form1.bnStandSplit)) return;
    if (ActiveSplitHand == 0) {
        NoteMove(Move::Stand, 0);
        EnterPhase(RoundPhase::PassingToRight);
        return;
    }
    // The right hand stands, or is finished after it busted or drew six cards.
    NoteMove(Phase == RoundPhase::RightHand ? Move::Stand : Move::Finish, 1);

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
    const int stake = Bet / 2;
    if (DealerTotal > 21 || hand.hand.total > DealerTotal) {
        hand.outcome.Show("Won!");
        PayHand(DealerTotal > 21 ? HandResult::DealerBust : HandResult::Win, hand.right, stake,
                Bet);
    } else if (hand.hand.total == DealerTotal) {
        hand.outcome.Show("Push...");
        PayHand(HandResult::Push, hand.right, stake, stake);
    } else {
        hand.outcome.Show("Lost!");
        PayHand(HandResult::Loss, hand.right, stake, 0);
    }
}

}  // namespace vex
