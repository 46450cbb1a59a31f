// The round's record, as the coach and the simulator read it: each move on its hand, and each
// result with its stake and what it paid. (Refusals: Play.DoubleAndSplitNeedTheCredit...)
#include <gtest/gtest.h>

#include <string>

#include "core/Helpers.h"

namespace vex::test {
namespace {

// "Split0 Hit0 Stand0 Hit1 Finish1": each move and its hand; "!" a refusal, ":5" insurance bought.
std::string Moves(const RoundRecord& r) {
    static constexpr const char* kNames[] = {"Hit",   "Stand",  "Double",
                                             "Split", "Finish", "Insurance"};
    std::string s;
    for (const MoveEntry& m : r.Moves())
        s += std::string(s.empty() ? "" : " ") + kNames[static_cast<int>(m.move)] +
             std::to_string(m.hand) + (m.refused ? "!" : "") +
             (m.move == Move::Insurance ? ":" + std::to_string(m.amount) : "");
    return s;
}

// "Bust1:10>0 Win0:10>20": each result, its hand, its stake and what went back to the credit.
std::string Results(const RoundRecord& r) {
    static constexpr const char* kNames[] = {"Blackjack",  "SixCardWin",   "Win",
                                             "DealerBust", "Push",         "Loss",
                                             "Bust",       "InsuranceWon", "InsuranceLost"};
    std::string s;
    for (const ResultEntry& x : r.Results())
        s += std::string(s.empty() ? "" : " ") + kNames[static_cast<int>(x.result)] +
             std::to_string(x.hand) + ":" + std::to_string(x.stake) + ">" + std::to_string(x.paid);
    return s;
}

TEST(RoundRecord, ASplitRoundListsEachHandsMovesAndResults) {
    Table t;
    Game& g = t.game;
    PlayLeftHand(t, {8, 10, 7, {3, 10}, {}, {}});  // left 11, then 21, and Stand
    PressFor(t, {10}, &Game::Timer3_Timer);        // right 18
    PressFor(t, {5}, &Game::bnCardSplit_Click);    // right 23: bust, paid nothing at once
    EXPECT_FALSE(g.Record().settled);
    g.bnStandSplit_Click();  // Finish: the dealer stands on 17

    const RoundRecord& r = g.Record();
    EXPECT_EQ(r.number, 1u);  // the table's first round
    EXPECT_EQ(r.first_bet, 10);
    EXPECT_TRUE(r.settled);
    EXPECT_EQ(Moves(r), "Split0 Hit0 Stand0 Hit1 Finish1");
    EXPECT_EQ(Results(r), "Bust1:10>0 Win0:10>20");
    g.Timer1_Timer();  // the table clears; the record stays for its readers
    EXPECT_EQ(Moves(g.Record()), "Split0 Hit0 Stand0 Hit1 Finish1");
}

TEST(RoundRecord, InsuranceIsAMoveAndBoughtInsuranceHasItsOwnResult) {
    {  // insurance of 5 against a dealer's blackjack: paid twice over, the hand lost
        Table t;
        Game& g = t.game;
        t.port.answers.push_back("5");
        t.BetChips({10});
        t.Deal(10, 9, 1, 13);
        EXPECT_EQ(Moves(g.Record()), "Insurance0:5");
        EXPECT_EQ(Results(g.Record()), "InsuranceWon0:5>10 Loss0:10>0");
        EXPECT_EQ(g.Record().Net(), -5);
    }
    {  // insurance declined: a move of 0, and no insurance result; then a doubled win
        Table t;
        Game& g = t.game;
        t.port.answers.push_back("0");
        t.BetChips({10});
        t.Deal(6, 5, 1, 7);
        PressFor(t, {10}, &Game::bnDouble_Click);  // 21 against a soft 18
        EXPECT_EQ(Moves(g.Record()), "Insurance0:0 Double0");
        EXPECT_EQ(Results(g.Record()), "Win0:20>40");
        EXPECT_EQ(g.Record().Net(), 20);
    }
}

}  // namespace
}  // namespace vex::test
