#pragma once
// Shorthands for the core tests: reading the table at a glance and playing the usual moves.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Doubles.h"
#include "state/CardFaces.h"

namespace vex::test {

using namespace vex::doubles;

// The round buttons that are shown, by name, in table order.
inline std::string Buttons(const Game& g) {
    const Form1Model& f = g.Form1;
    std::string s;
    for (const auto& [c, name] : {std::pair{&f.bnCard, " Hit"},
                                  {&f.bnStay, " Stand"},
                                  {&f.bnDouble, " Double"},
                                  {&f.bnSplit, " Split"},
                                  {&f.bnCardSplit, " SplitHit"},
                                  {&f.bnStandSplit, " SplitStand"}})
        if (c->Visible) s += name;
    return s.empty() ? s : s.substr(1);
}

// A label as the player sees it: its text when shown, "" when hidden.
inline std::string Shown(const Control& c) {
    return c.Visible ? c.Caption : std::string();
}

inline bool SlotsEmpty(const Form1Model& f) {
    return std::all_of(f.ImageCarte.begin(), f.ImageCarte.end(),
                       [](auto p) { return p == kNoPicture; });
}

// The table waits for a bet: no cards, totals, outcomes or round buttons, bet 0, the credit
// shown, chips, Deal and Clear bet usable.
inline void ExpectBettingOpen(const Game& g) {
    const Form1Model& f = g.Form1;
    EXPECT_EQ(g.Bet, 0);
    EXPECT_EQ(f.LabelMise.Caption, "0");
    EXPECT_EQ(f.LabelCredit.Caption, std::to_string(g.Credit));
    EXPECT_EQ(Shown(f.Label12), "Please bet...");
    EXPECT_TRUE(f.bnDeal.Enabled && f.bnClear.Enabled);
    EXPECT_EQ(std::count(f.ChipDraggable.begin(), f.ChipDraggable.end(), true), kChipCount);
    EXPECT_EQ(Buttons(g), "");
    for (const Control* c : {&f.CommentaireGauche, &f.CommentaireDroite, &f.lblTotalBanque,
                             &f.lblTotalJoueur, &f.lblTotalSplit})
        EXPECT_FALSE(c->Visible);
    EXPECT_TRUE(SlotsEmpty(f));
    EXPECT_FALSE(f.Timer1.Enabled);
}

inline void Stack(Table& t, const std::vector<int>& values) {
    for (int v : values) t.rng.Stack(v);
}

// Stacks each card and presses the button once for it.
template <typename Press>
void PressFor(Table& t, const std::vector<int>& values, Press press, std::size_t from = 0) {
    for (std::size_t i = from; i < values.size(); ++i) {
        t.rng.Stack(values[i]);
        (t.game.*press)();
    }
}

// A split round: the pair, the dealer's cards, each hand's cards and the dealer's draws.
struct SplitRound {
    int pair, up, hole;
    std::vector<int> left;    // the left hand's second card, then its hits
    std::vector<int> right;   // the right hand's second card, then its hits
    std::vector<int> dealer;  // the dealer's draws
};

// Bets 10, splits the pair and plays the left hand, standing if it is still open.
inline void PlayLeftHand(Table& t, const SplitRound& r) {
    t.BetChips({10});
    t.Deal(r.pair, r.pair, r.up, r.hole);
    PressFor(t, {r.left.at(0)}, &Game::bnSplit_Click);
    PressFor(t, r.left, &Game::bnCardSplit_Click, 1);
    if (!t.game.Form1.Timer3.Enabled) t.game.bnStandSplit_Click();
}

}  // namespace vex::test
