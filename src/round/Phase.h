#pragma once

#include <string_view>

namespace vex {

// Where a round stands. The handlers write it as play moves on; the keys, the simulator, the
// benches, the tests and the fuzzer read it instead of guessing from the buttons.
enum class RoundPhase {
    Betting,         // no cards out: chips, Clear bet and Deal
    Shuffling,       // the shoe is being shuffled: Deal comes back at Timer2's tick
    Insurance,       // the deal waits for the answer to the insurance question
    MainHand,        // Hit and Stand, and Double or Split when offered
    LeftHand,        // the left hand of a split is in play
    PassingToRight,  // the left hand is closed: Timer3's tick deals the right hand
    RightHand,       // the right hand of a split is in play
    RightHandDone,   // the right hand busted or drew six cards: only Finish is left
    Settled,         // the round is paid: Timer1's tick clears the table
};

// The table's controls that follow from the phase. In the main hand Hit and Stand are shown,
// and Double and Split as the deal offered them (the first choice of the hand only).
struct PhaseControls {
    bool betting_open = false;  // the chips can be dragged onto the spot and the bet cleared
    bool deal = false;          // bnDeal enabled
    bool hit_stand = false;     // bnCard and bnStay
    bool split_hit = false;     // bnCardSplit
    bool split_stand = false;   // bnStandSplit
    bool finish = false;        // bnStandSplit reads "Finish" rather than "Stand"
    bool timer1 = false, timer2 = false, timer3 = false;
};

constexpr PhaseControls ControlsOf(RoundPhase p) {
    PhaseControls c;
    switch (p) {
        case RoundPhase::Betting:
            c.betting_open = c.deal = true;
            break;
        case RoundPhase::Shuffling:
            c.betting_open = c.timer2 = true;
            break;
        case RoundPhase::Insurance:
            break;
        case RoundPhase::MainHand:
            c.hit_stand = true;
            break;
        case RoundPhase::LeftHand:
            c.split_hit = c.split_stand = true;
            break;
        case RoundPhase::PassingToRight:
            c.timer3 = true;
            break;
        case RoundPhase::RightHand:
            c.split_hit = c.split_stand = c.finish = true;
            break;
        case RoundPhase::RightHandDone:
            c.split_stand = c.finish = true;
            break;
        case RoundPhase::Settled:
            c.timer1 = true;
            break;
    }
    return c;
}

constexpr std::string_view PhaseName(RoundPhase p) {
    // In the order of the enumeration.
    constexpr std::string_view kNames[] = {
        "betting",    "shuffling",       "insurance",
        "main hand",  "left hand",       "passing to the right hand",
        "right hand", "right hand done", "settled"};
    return kNames[static_cast<int>(p)];
}

}  // namespace vex
