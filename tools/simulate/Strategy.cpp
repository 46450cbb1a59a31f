// The player's strategies: a basic strategy for this table's rules, and "mimic the dealer".
//
// The table: six decks, the dealer stands on every 17 and checks for blackjack under an ace or a
// ten, double on any first two cards (not after a split), one split of two cards of the same
// value with no double after it, split hands may be hit (aces included), no surrender, a
// six-card hand that has not busted wins at once. Insurance is never taken by the strategy.
//
// The tables are the usual six-deck, stand-on-17, no-double-after-split basic strategy. The
// six-card win changes one thing here: a five-card hand is one card from a sure win. A soft
// five-card hand cannot bust on its sixth card, so it always hits (even a soft 21); a hard one
// hits when the chance of not busting, p, makes 2p - 1 better than standing:
// hard 15 or less always, 16 against 2, 3 and 7 to ace, 17 against 9, 10 and ace.
// Four-card hands keep the plain tables (their small gain from the five-card rule is left out).
#include "Strategy.h"

#include <array>

namespace vex::sim {

namespace {

// Columns: dealer up card 2, 3, 4, 5, 6, 7, 8, 9, 10, ace.
constexpr std::array<std::string_view, 18> kHard{{
    "HHHHHHHHHH",  // 4
    "HHHHHHHHHH",  // 5
    "HHHHHHHHHH",  // 6
    "HHHHHHHHHH",  // 7
    "HHHHHHHHHH",  // 8
    "HDDDDHHHHH",  // 9
    "DDDDDDDDHH",  // 10
    "DDDDDDDDDH",  // 11
    "HHSSSHHHHH",  // 12
    "SSSSSHHHHH",  // 13
    "SSSSSHHHHH",  // 14
    "SSSSSHHHHH",  // 15
    "SSSSSHHHHH",  // 16
    "SSSSSSSSSS",  // 17
    "SSSSSSSSSS",  // 18
    "SSSSSSSSSS",  // 19
    "SSSSSSSSSS",  // 20
    "SSSSSSSSSS",  // 21
}};
constexpr std::array<std::string_view, 10> kSoft{{
    "HHHHHHHHHH",  // 12: two aces not split, or a soft 12 of more cards
    "HHHDDHHHHH",  // 13
    "HHHDDHHHHH",  // 14
    "HHDDDHHHHH",  // 15
    "HHDDDHHHHH",  // 16
    "HDDDDHHHHH",  // 17
    "SddddSSHHH",  // 18
    "SSSSSSSSSS",  // 19
    "SSSSSSSSSS",  // 20
    "SSSSSSSSSS",  // 21
}};
constexpr std::array<std::string_view, 10> kPairs{{
    "PPPPPPPPPP",  // aces
    "--PPPP----",  // 2s
    "--PPPP----",  // 3s
    "----------",  // 4s
    "----------",  // 5s: a hard 10
    "-PPPP-----",  // 6s
    "PPPPPP----",  // 7s
    "PPPPPPPPPP",  // 8s
    "PPPPP-PP--",  // 9s
    "----------",  // two tens of the same value
}};
// Five-card hard hands: 'H' where 2p - 1 beats standing.
constexpr std::array<std::string_view, 2> kFiveCardHard{{
    "HHSSSHHHHH",  // 16
    "SSSSSSSHHH",  // 17
}};

Action FromCell(char cell, bool can_double) {
    switch (cell) {
        case 'D':
            return can_double ? Action::Double : Action::Hit;
        case 'd':
            return can_double ? Action::Double : Action::Stand;
        case 'S':
            return Action::Stand;
        default:
            return Action::Hit;
    }
}

Action Basic(const HandView& hand, int up) {
    if (hand.total > 21) return Action::Stand;  // nothing to choose: the hand is over
    if (hand.cards == 5) {
        if (hand.soft || hand.total <= 15) return Action::Hit;
        if (hand.total <= 17) return FromCell(kFiveCardHard[hand.total - 16][up - 2], false);
        return Action::Stand;
    }
    if (hand.can_split && hand.pair_value != 0 && PairCell(hand.pair_value, up) == 'P')
        return Action::Split;
    const char cell = hand.soft ? SoftCell(hand.total, up) : HardCell(hand.total, up);
    return FromCell(cell, hand.can_double);
}

}  // namespace

char HardCell(int total, int up_column) {
    if (total < 4) total = 4;
    if (total > 21) return 'S';
    return kHard[total - 4][up_column - 2];
}

char SoftCell(int total, int up_column) {
    if (total < 12 || total > 21) return HardCell(total, up_column);
    return kSoft[total - 12][up_column - 2];
}

char PairCell(int value, int up_column) {
    return kPairs[(value > 10 ? 10 : value) - 1][up_column - 2];
}

namespace {

// The answers for a hand of other than five cards that cannot be split, the most of all choices,
// worked out once: [soft][total 0..21][up card column 0..11][may double]. One look, where the
// tables' letters would take a branch that the processor often guesses wrong.
const auto kPlain = [] {
    std::array<std::array<std::array<std::array<Action, 2>, 12>, 22>, 2> plain{};
    for (int soft = 0; soft < 2; ++soft)
        for (int total = 4; total <= 21; ++total)
            for (int up = 2; up <= 11; ++up)
                for (int can_double = 0; can_double < 2; ++can_double)
                    plain[soft][total][up][can_double] =
                        Basic(HandView{.total = total,
                                       .soft = soft == 1,
                                       .cards = 2,
                                       .can_double = can_double == 1},
                              up);
    return plain;
}();

}  // namespace

Action Decide(StrategyKind kind, const HandView& hand, int dealer_up) {
    if (kind == StrategyKind::MimicDealer) return hand.total <= 16 ? Action::Hit : Action::Stand;
    const int up = UpCardColumn(dealer_up);
    if (hand.cards != 5 && !hand.can_split && hand.total >= 4 && hand.total <= 21)
        return kPlain[hand.soft][hand.total][up][hand.can_double];
    return Basic(hand, up);
}

std::string_view StrategyName(StrategyKind kind) {
    switch (kind) {
        case StrategyKind::Basic:
            return "basic";
        case StrategyKind::MimicDealer:
            return "mimic-dealer";
        case StrategyKind::Exact:
            return "exact";
    }
    return "?";
}

}  // namespace vex::sim
