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
    bool timer1 = false;
    bool timer2 = false;
    bool timer3 = false;
};

// In the order of the enumeration.
inline constexpr PhaseControls kPhaseControls[] = {
    {.betting_open = true, .deal = true},                      // Betting
    {.betting_open = true, .timer2 = true},                    // Shuffling
    {},                                                        // Insurance
    {.hit_stand = true},                                       // MainHand
    {.split_hit = true, .split_stand = true},                  // LeftHand
    {.timer3 = true},                                          // PassingToRight
    {.split_hit = true, .split_stand = true, .finish = true},  // RightHand
    {.split_stand = true, .finish = true},                     // RightHandDone
    {.timer1 = true},                                          // Settled
};

constexpr const PhaseControls& ControlsOf(RoundPhase p) {
    return kPhaseControls[static_cast<int>(p)];
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
