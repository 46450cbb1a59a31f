#pragma once
// Plays the game through its own handlers with a sequence of events decoded from bytes, and
// checks the table after every event against a model of the rules kept beside it.

#include <cstddef>
#include <cstdint>

namespace vex::fuzz {

// Runs one sequence. On the first broken rule it prints what broke and the events that led
// there, then aborts.
void RunEventSequence(const std::uint8_t* data, std::size_t size);

// Events played so far by this process, over all sequences.
std::uint64_t EventsExecuted();

// How often the sequences so far reached the rarer corners of the rules.
struct Reached {
    std::uint64_t rounds = 0, reshuffles = 0, insurance_questions = 0, insurance_won = 0;
    std::uint64_t six_card_wins = 0, splits = 0, split_six_card_wins = 0, dealer_beyond_eight = 0;
    std::uint64_t takebacks = 0, checks_signed = 0, checks_refused = 0, game_overs = 0;
};
const Reached& SituationsReached();

}  // namespace vex::fuzz
