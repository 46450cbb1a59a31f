#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace vex {

// What the player did in a round: a click of Hit, Stand, Double, Split or Finish, or the answer to
// the insurance question.
enum class Move : std::uint8_t { Hit, Stand, Double, Split, Finish, Insurance };

// How a hand ended, and the insurance's result. The hands' results come first.
enum class HandResult : std::uint8_t {
    Blackjack,   // a natural paid 3 to 2
    SixCardWin,  // six cards without busting
    Win,         // a higher total than the dealer's
    DealerBust,  // a hand that stood while the dealer busted
    Push,
    Loss,  // a lower total, or the dealer's blackjack
    Bust,  // the hand went over 21
    InsuranceWon,
    InsuranceLost,
};
inline constexpr int kHandResultCount = 7;  // Blackjack .. Bust

struct MoveEntry {
    Move move = Move::Hit;
    std::uint8_t hand = 0;    // 0 the main hand (the left one after a split), 1 the right hand
    bool refused = false;     // a Double or Split the credit or the limits did not allow
    std::int32_t amount = 0;  // the insurance bought
};

struct ResultEntry {
    HandResult result = HandResult::Loss;
    std::uint8_t hand = 0;   // as in MoveEntry; 0 for the insurance
    std::int32_t stake = 0;  // what the player had on it
    std::int64_t paid = 0;   // what went back to the credit, the stake included
};

// The round in play, or the last one: written by the handlers as things happen, read by those who
// follow the game (the coach, the simulator) and never by the rules themselves.
struct RoundRecord {
    std::uint64_t number = 0;  // rounds dealt since the program started
    std::int32_t first_bet = 0;
    bool settled = false;  // every hand is paid
    // Every move of the round counts; the list keeps the first kMaxMoves (a player can ask for a
    // refused Double again and again, but a round has at most 13 moves that are carried out).
    static constexpr int kMaxMoves = 24;
    std::uint32_t moves_made = 0;
    std::array<MoveEntry, kMaxMoves> moves{};
    int result_count = 0;
    std::array<ResultEntry, 3> results{};  // two hands and the insurance at most

    std::span<const MoveEntry> Moves() const {
        return {moves.data(), std::min<std::size_t>(moves_made, kMaxMoves)};
    }
    std::span<const ResultEntry> Results() const {
        return {results.data(), static_cast<std::size_t>(result_count)};
    }
    // Money won (negative: lost) over the round, every stake and payout counted.
    std::int64_t Net() const {
        std::int64_t net = 0;
        for (const ResultEntry& r : Results()) net += r.paid - r.stake;
        return net;
    }

    void Begin(std::int32_t bet) {
        ++number;
        first_bet = bet;
        settled = false;
        moves_made = 0;
        result_count = 0;
    }
    void Add(MoveEntry m) {
        if (moves_made < kMaxMoves) moves[moves_made] = m;
        ++moves_made;
    }
    void Add(ResultEntry r) {
        if (result_count < static_cast<int>(results.size())) results[result_count++] = r;
    }
};

}  // namespace vex
