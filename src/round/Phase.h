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

constexpr std::string_view PhaseName(RoundPhase p) {
    switch (p) {
        case RoundPhase::Betting:
            return "betting";
        case RoundPhase::Shuffling:
            return "shuffling";
        case RoundPhase::Insurance:
            return "insurance";
        case RoundPhase::MainHand:
            return "main hand";
        case RoundPhase::LeftHand:
            return "left hand";
        case RoundPhase::PassingToRight:
            return "passing to the right hand";
        case RoundPhase::RightHand:
            return "right hand";
        case RoundPhase::RightHandDone:
            return "right hand done";
        case RoundPhase::Settled:
            return "settled";
    }
    return "?";
}

}  // namespace vex
