#pragma once
// Shorthands for the core tests: reading the table at a glance and playing the usual moves.

#include <string>
#include <vector>

#include "support/TestTable.h"

namespace vex::test {

// The round buttons that are shown, by name, in table order.
inline std::string Buttons(const Game& g) {
    std::string s;
    const auto add = [&s](const Control& c, const char* name) {
        if (!c.Visible) return;
        if (!s.empty()) s += ' ';
        s += name;
    };
    add(g.Form1.bnCard, "Hit");
    add(g.Form1.bnStay, "Stand");
    add(g.Form1.bnDouble, "Double");
    add(g.Form1.bnSplit, "Split");
    add(g.Form1.bnCardSplit, "SplitHit");
    add(g.Form1.bnStandSplit, "SplitStand");
    return s;
}

// The comment line as the player sees it: its text when shown, "" when hidden.
inline std::string Shown(const Control& c) { return c.Visible ? c.Caption : std::string(); }

// Drops chips (largest first) until the bet on the spot has grown by this amount.
inline void BetAmount(Table& t, int amount) {
    for (int chip : {500, 100, 50, 10})
        while (amount >= chip) {
            t.game.ChipDrop(std::to_string(chip));
            amount -= chip;
        }
}

// Stacks the next cards of the shoe.
inline void Stack(Table& t, const std::vector<int>& values) {
    for (int v : values) t.rng.Stack(v);
}

// A whole round of 10 $ on whatever the shoe deals: Stand if the hand is in play, then the
// clearing tick.
inline void PlayQuickRound(Table& t) {
    t.BetChips({10});
    t.game.bnDeal_Click();
    if (t.game.Form1.bnStay.Visible) t.game.bnStay_Click();
    t.game.Timer1_Timer();
}

}  // namespace vex::test
