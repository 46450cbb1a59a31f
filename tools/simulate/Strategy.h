#pragma once

#include <cstdint>
#include <string_view>

namespace vex::sim {

enum class Action : std::uint8_t { Hit, Stand, Double, Split };

// What a player sees of a hand in play when choosing.
struct HandView {
    int total = 0;       // the game's own total: an ace counts 11 while soft
    bool soft = false;   // an ace counts 11
    int cards = 0;       // cards in this hand
    int pair_value = 0;  // 1..13 when the two cards may be split (equal values), else 0
    bool can_double = false;
    bool can_split = false;
};

// Exact: the coach's best action for the cards really left in the shoe (the table asks the
// coach; Decide does not play it).
enum class StrategyKind : std::uint8_t { Basic, MimicDealer, Exact };

// Dealer's up card as the tables read it: 2..10, an ace 11.
constexpr int UpCardColumn(int value) {
    return value == 1 ? 11 : (value > 10 ? 10 : value);
}

// The player's choice for this hand against this dealer up card (a card value 1..13).
Action Decide(StrategyKind kind, const HandView& hand, int dealer_up);

// The basic strategy's table cells, for checking and printing: 'H' hit, 'S' stand, 'D' double
// (else hit), 'd' double (else stand), 'P' split, '-' play the pair by its total.
char HardCell(int total, int up_column);
char SoftCell(int total, int up_column);
char PairCell(int value, int up_column);

std::string_view StrategyName(StrategyKind kind);

}  // namespace vex::sim
