// The table window's start-up, its card slots, chip betting, New Game and Exit.
#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <utility>

#include "state/Shoe.h"
#include "state/TypedAmount.h"
#include "table/Game.h"

namespace vex {

namespace {

constexpr std::string_view kPleaseBet = "Please bet...";
// Bet is a 16-bit amount: no chip may take it further than this, whatever the table maximum.
constexpr std::int32_t kLargestBet = std::numeric_limits<std::int16_t>::max();

// The value of the chip whose own tag this is, 0 for none: the tags of kChips, one after the other.
template <std::size_t... i>
int OwnChipValue(std::string_view tag, std::index_sequence<i...>) {
    int value = 0;
    (void)((tag == kChips[i].Tag ? (value = kChips[i].Value, true) : false) || ...);
    return value;
}

// The chip a tag stands for, 0 for none. The chips' own tags are known at once; any other text
// is read as an amount and must come to one of the chips' values.
int ChipValue(std::string_view tag) {
    if (const int own = OwnChipValue(tag, std::make_index_sequence<kChips.size()>())) return own;
    const auto amount = ReadTypedAmount(tag);
    for (int value : {500, 100, 50, 10})
        if (amount && *amount == value) return value;
    return 0;
}

// Why a chip stayed off the bet, on the prompt: no credit left for it, or the bet would pass
// the table's limit.
void RefuseChip(Control& prompt, bool within_limit, std::int32_t limit) {
    if (within_limit) {
        prompt.Caption.SetFixed("No credit left!");
    } else {
        // "Maximum bet", two blanks, the limit, "$"
        char number[16];
        const auto end = std::to_chars(number, number + sizeof number, limit).ptr;
        prompt.Caption.assign("Maximum bet  ");
        prompt.Caption.append(number, end);
        prompt.Caption.append("$");
    }
    prompt.Visible = true;
}

}  // namespace

void Game::Form_Load() {
    ShuffleShoe(*this, random_);
    SetTableDefaults();
    Form1.LabelMise.SetNumber(Bet);
    Form1.LabelCredit.SetNumber(Credit);
    Form1.Label12.Show(kPleaseBet);
    EnterPhase(RoundPhase::Betting);
}

void Game::SetTableDefaults() {
    InsuranceHalfBet = kTrue;
    RoundsSinceShuffle = 0;
    Debt = 0;
    Credit = 500;
    Bet = 0;
    MinBet = 10;
    MaxBet = 500;
}

void Game::ChipDrop(std::string_view tag) {
    // Betting is closed from the deal until the table is cleared: a chip that arrives anyway (from
    // another program, or in the pause after a round) must not reach the bet.
    if (!BettingOpen()) return;
    Form1.Label12.Visible = false;

    const int chip = ChipValue(tag);
    if (chip == 0) return;

    const std::int32_t new_bet = std::int32_t{Bet} + chip;
    const std::int32_t limit = std::min(MaxBet, kLargestBet);
    if (new_bet <= limit && Credit >= chip) {
        Credit -= chip;
        Bet = static_cast<std::int16_t>(new_bet);
        Form1.LabelMise.SetNumber(Bet);
        Form1.LabelCredit.SetNumber(Credit);
        return;
    }
    RefuseChip(Form1.Label12, new_bet <= limit, limit);
}

void Game::bnClear_Click() {
    if (!Usable(Form1.bnClear)) return;
    Form1.Label12.Show(kPleaseBet);
    Credit += Bet;
    Bet = 0;
    Form1.LabelMise.SetNumber(Bet);
    Form1.LabelCredit.SetNumber(Credit);
}

void Game::ClearTable() {
    Form1.Commentaire.Visible = false;
    Form1.CommentaireGauche.Visible = false;
    Form1.CommentaireDroite.Visible = false;
    Form1.lblTotalBanque.Visible = false;
    Form1.lblTotalJoueur.Visible = false;
    Form1.lblTotalSplit.Visible = false;
    Form1.LabelMise.SetNumber(Bet);
    Form1.LabelCredit.SetNumber(Credit);
    Form1.Label12.Show(kPleaseBet);
    Form1.ImageCarte.fill(kNoPicture);
}

void Game::mnuNewGame_Click() {
    ShuffleShoe(*this, random_);

    Rules.Option1 = 0;
    Rules.Option2 = 0;

    SetTableDefaults();
    ClearTable();
    // A round left in play must not come back: its pending ticks would clear a new bet, give
    // Deal back in the middle of a new round, or pass play to a split hand that is gone.
    EnterPhase(RoundPhase::Betting);
}

void Game::mnuExit_Click() {
    platform_.EndProgram();
}

}  // namespace vex
