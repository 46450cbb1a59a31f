#pragma once
// Plays the game through its own handlers with a sequence of events decoded from bytes, and
// checks the properties of the table after every event.

#include <cstddef>
#include <cstdint>

namespace vex::fuzz {

// Runs one sequence. On the first broken property it prints what broke and the events that led
// there, then aborts.
void RunEventSequence(const std::uint8_t* data, std::size_t size);

// Events played so far by this process, over all sequences.
std::uint64_t EventsExecuted();

}  // namespace vex::fuzz
