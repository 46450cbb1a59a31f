#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "bank/BankModel.h"
#include "dialogs/DialogModels.h"
#include "round/Phase.h"
#include "round/RoundRecord.h"
#include "state/Random.h"
#include "state/Scoring.h"
#include "state/Shoe.h"
#include "state/TableState.h"
#include "table/Form1Model.h"
#include "table/Platform.h"

namespace vex {

// Double and Split refuse a stake the player cannot cover or the table does not allow.
inline constexpr std::string_view kNotEnoughCredit = "Not enough credit or over table limits";

// The game: the shared state, the models of its windows, and every event handler. Handlers are
// named after the control and event that raise them (bnDeal_Click: a click of the Deal button;
// Timer1_Timer: a tick of Timer1); each runs to its end and writes the state and the models in
// the order the rules of the table give. The round's phase sets the round's buttons, whether
// betting is open and the timers (EnterPhase); the handlers write the texts and the money.
class Game : public TableState {
  public:
    Game(Platform& platform, RandomSource& random) : platform_(platform), random_(random) {}

    RoundPhase Phase{RoundPhase::Betting};
    Form1Model Form1;
    BankModel frmBank;
    RulesModel Rules;
    HelpModel frmHelp;
    bool frmAboutOpen = false;
    bool frmEndShown = false;

    // Table window (table/).
    void Form_Load();  // the window opens: a shuffled shoe and the starting money and limits
    // Shows a card's face in a slot of the table; a slot beyond the table's shows nothing.
    std::int16_t ChargeImage(std::int16_t Couleur, std::int16_t Valeur, int Image) {
        if (Image >= 0 && Image < kCardSlots) Form1.ImageCarte[Image] = CardFace(Couleur, Valeur);
        return 1;
    }
    void ChipDrop(std::string_view tag);  // a chip dropped on Image3 or on LabelMise; nothing
                                          // happens while betting is closed
    void bnClear_Click();                 // Clear bet: the chips on the spot go back to the credit
    void mnuNewGame_Click();  // Game > New game: a fresh shoe, the starting money, a bare table
    void mnuExit_Click();     // Game > Exit

    // A round (round/).
    void bnDeal_Click();        // Deal: the bet checked, four cards, naturals and insurance
    void bnCard_Click();        // Hit on the main hand
    void bnStay_Click();        // Stand on the main hand: the dealer plays and the hand is paid
    void bnDouble_Click();      // Double: the bet twice, one card, then as Stand
    void TirageBanque();        // the dealer's hole card turned and the dealer's draws
    void bnSplit_Click();       // Split a pair into two hands, the left one played first
    void bnCardSplit_Click();   // Hit on the split hand in play
    void bnStandSplit_Click();  // Stand on the left hand, or Finish the right one: both are paid
    void Timer1_Timer();        // 3 s after a round is paid: the table is cleared for a bet
    void Timer2_Timer();        // 3 s after a reshuffle: Deal comes back
    void Timer3_Timer();        // 1 s after the left hand: the right hand gets its second card

    // The bank (bank/).
    void mnuBorrow_Click();        // Game > Borrow: the bank's check, or game over at the ceiling
    void frmBank_bnSign_Click();   // the check signed: the typed amount is lent
    void frmBank_Timer1_Timer();   // 1.5 s after signing: the bank window closes
    void frmBank_Closed();         // by the window's close box
    void frmEnd_Command1_Click();  // OK on the game-over window: the program ends
    void frmEnd_Closed();

    // Rules, help and about (dialogs/).
    void mnuOptions_Click();              // Game > Table rules: the rules window
    void Rules_Option1_Click(int Index);  // one of the three pairs of table limits
    void Rules_Option2_Click(int Index);  // insurance up to half the bet, or up to the credit
    void Rules_bnOK_Click();
    void Rules_Closed();
    void mnuTopics_Click();  // Help > How to play: the help window
    void frmHelp_Topic_Click(int topic);
    void frmHelp_Command1_Click();
    void frmHelp_Closed();
    void mnuAbout_Click();
    void frmAbout_cmdOK_Click();
    void frmAbout_Closed();

    // Betting is open between rounds: the chips can be dragged onto the spot.
    bool BettingOpen() const { return ControlsOf(Phase).betting_open; }
    // What the round in play (or the last one) has done so far.
    const RoundRecord& Record() const { return record_; }

    // Double and Split both add a second stake equal to the bet: whether the credit and the
    // table's limits allow it.
    bool CanDoubleStake() const;

    // A control the player can click: shown and enabled. A click on any other does nothing.
    static bool Usable(const Control& c) { return c.Visible && c.Enabled; }

  private:
    // A hand on the table: where its cards (from position 1) and its score are kept, and the
    // slot that shows its first card (its n-th card is n - 1 slots further along its row).
    struct Hand {
        std::span<std::int16_t> cards;
        std::int16_t& total;
        Flag& soft;
        int first_slot;
    };
    // The main hand (the left one after a split), the right hand of a split, the dealer's.
    Hand PlayerHand() { return {PlayerCards, PlayerTotal, PlayerSoftAce, PlayerCardSlot(1)}; }
    Hand SecondHand() { return {SplitCards, SplitTotal, SplitSoftAce, SplitCardSlot(1)}; }
    Hand DealerHand() { return {DealerCards, DealerTotal, DealerSoftAce, DealerCardSlot(1)}; }
    // Draws the n-th card of a hand into DrawnCard: kept at position n, scored as the hand's
    // n-th card, shown.
    void DrawInto(const Hand& hand, int n) {
        DrawnCard = DrawCard(*this, random_);
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
    void ShowTotal(Control& label, std::int16_t total) {
        label.SetNumber(total);
        label.Visible = true;
    }
    // What the deal offers on the main hand's first choice.
    struct Offer {
        bool double_down;
        bool split;
    };
    // Moves the round to `phase` and sets the controls that follow from it: the round's buttons
    // and bnStandSplit's caption, the chips, Deal and Clear bet, and the timers.
    void EnterPhase(RoundPhase phase, Offer offer = {}) {
        const PhaseControls& c = ControlsOf(phase);
        Phase = phase;
        Form1Model& f = Form1;
        f.bnCard.Visible = f.bnStay.Visible = c.hit_stand;
        f.bnDouble.Visible = c.hit_stand && offer.double_down;
        f.bnSplit.Visible = c.hit_stand && offer.split;
        f.bnCardSplit.Visible = c.split_hit;
        f.bnStandSplit.Visible = c.split_stand;
        if (c.split_stand && c.finish) f.bnStandSplit.Caption.SetFixed("Finish");
        if (c.split_stand && !c.finish) f.bnStandSplit.Caption.SetFixed("Stand");

        f.ChipDraggable.fill(c.betting_open);
        f.bnClear.Enabled = c.betting_open;
        f.bnDeal.Enabled = c.deal;

        f.Timer1.Run(c.timer1);
        f.Timer2.Run(c.timer2);
        f.Timer3.Run(c.timer3);
    }
    // The round is paid: Timer1's tick clears the table.
    void EndRound() {
        record_.settled = true;
        EnterPhase(RoundPhase::Settled);
    }
    // A move of the player's on hand 0 (the main or left hand) or 1 (the right hand).
    void NoteMove(Move move, int hand = 0, bool refused = false, std::int32_t amount = 0) {
        record_.Add(MoveEntry{move, static_cast<std::uint8_t>(hand), refused, amount});
    }
    // A hand's result; the money is added to Credit.
    void PayHand(HandResult result, int hand, std::int32_t stake, std::int64_t paid) {
        record_.Add(ResultEntry{result, static_cast<std::uint8_t>(hand), stake, paid});
        Pay(paid);
    }
    // The steps of Deal, in their order.
    bool BetAccepted();  // false: refused, or the shoe is being shuffled instead
    void CloseBetting();
    void DealFourCards();
    bool SettleNaturals();  // true: a blackjack ended the round
    void AskInsurance();
    bool SettleInsurance();  // true: the dealer's blackjack ended the round
    void OfferPlay(bool split);
    // Adds a payout to Credit; the sum is formed in 64 bits and kept within Credit's range.
    void Pay(std::int64_t amount) {
        const std::int64_t sum = std::int64_t{Credit} + amount;
        constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
        constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
        Credit = static_cast<std::int32_t>(sum < kLowest    ? kLowest
                                           : sum > kHighest ? kHighest
                                                            : sum);
    }
    void TurnHoleCard() { ChargeImage(HoleCardSuit, DealerCards[2], kHoleCardSlot); }
    void SettleMainHand();
    // The dealer's draws and the main hand's settlement, one after the other.
    void DealerPlaysMainHand();
    struct SplitHand;
    SplitHand LeftHand();
    SplitHand RightHand();
    SplitHand HandInPlay();
    void SettleSplitHand(const SplitHand& hand);
    // The table clearing shared by the end of a round and New Game.
    void ClearTable();
    void SetTableDefaults();

    Platform& platform_;
    RandomSource& random_;
    RoundRecord record_;
};

}  // namespace vex
