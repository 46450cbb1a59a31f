#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Doubles.h"
#include "Strategy.h"
#include "coach/Coach.h"
#include "table/Game.h"

namespace vex::sim {

// How a hand ended, as the game's round record says. A split round has two hands; every other
// round one.
using Outcome = HandResult;
inline constexpr int kOutcomeCount = kHandResultCount;
std::string_view OutcomeName(Outcome o);

// One round as the simulator saw it.
struct RoundResult {
    std::int64_t net = 0;  // money won (negative: lost), insurance included
    std::array<Outcome, 2> hands{};
    int hand_count = 1;
    bool doubled = false;
    bool split = false;
    bool insurance_taken = false;
    bool insurance_won = false;
    bool shuffled = false;  // the shoe was shuffled before this round's deal
    // Exact play: the coach's value of the round at the player's first choice, per initial bet
    // (the dealer known to hold no blackjack); none when the deal settled the round.
    std::optional<double> predicted;
};

// Money is counted in half bets: every result of a round with an even bet is a whole number of
// them, from -5 (a split lost twice after insurance lost) to +4, so the tally stays exact.
inline constexpr int kNetSlots = 16;
inline constexpr int kNetOffset = 8;

// What a run adds up. Every field is a count, so merging tallies in any order gives the same sum.
struct Tally {
    std::uint64_t rounds = 0;
    std::uint64_t hands = 0;
    std::array<std::uint64_t, kNetSlots> net_half_bets{};  // rounds per net result
    std::array<std::uint64_t, kOutcomeCount> outcomes{};   // hands per outcome
    std::uint64_t doubles = 0, splits = 0, insurance_taken = 0, insurance_won = 0;

    // Adds one round; false if its net is not a whole number of half bets within range.
    bool Add(const RoundResult& r, int bet);
    void Merge(const Tally& other);

    // Expected return per initial bet, its standard deviation per round, and the half-width of
    // the 95% confidence interval of the mean.
    double Mean() const;
    double StdDev() const;
    double Ci95() const;
};

// Inline: the run's loop adds every round, and a call there costs as much as the adding.
inline bool Tally::Add(const RoundResult& r, int bet) {
    const std::int32_t half = bet / 2;
    if (half == 0 || r.net < -8 * half || r.net > 8 * half) return false;
    // The nearest whole number of half bets, and then a check that the net is exactly that: a
    // multiplication by the inverse, which the loop works out once, where a division would cost
    // as much as the rest of the adding. (The quotient is within 8 of 0: shifted up by 8.5, its
    // truncation rounds it to the nearest.)
    const auto net = static_cast<std::int32_t>(r.net);
    const std::int32_t slot = static_cast<std::int32_t>(net * (1.0 / half) + (kNetOffset + 0.5));
    if ((slot - kNetOffset) * half != net) return false;
    if (slot < 0 || slot >= kNetSlots) return false;
    ++net_half_bets[static_cast<std::size_t>(slot)];
    ++rounds;
    hands += static_cast<std::uint64_t>(r.hand_count);
    for (int h = 0; h < r.hand_count; ++h) ++outcomes[static_cast<std::size_t>(r.hands[h])];
    doubles += r.doubled;
    splits += r.split;
    insurance_taken += r.insurance_taken;
    insurance_won += r.insurance_won;
    return true;
}

struct Config {
    std::uint64_t rounds = 1'000'000;
    std::optional<std::uint64_t> seed;  // none: a shoe reseeded from the clock, as in the game
    int limits = 0;               // the Table Rules choice: 0 10-500, 1 50-2000, 2 10-unlimited
    int insurance_rule = 0;       // 0 up to half the bet, 1 up to the credit
    bool take_insurance = false;  // take half the bet whenever it is offered
    bool fresh_shoe = false;      // every round dealt off the top of a freshly shuffled shoe
    StrategyKind strategy = StrategyKind::Basic;
    // Also plays this strategy from the same game and shoe before every round (RunPaired).
    std::optional<StrategyKind> versus;
    int bet = 100;                         // chips of 10, 50, 100, 500
    int threads = 0;                       // 0: every core
    std::uint64_t chunk_rounds = 1 << 20;  // rounds per piece (see Run)
};

// Why a configuration cannot be played, or nothing when it can.
std::optional<std::string> Validate(const Config& config);

// A game of its own, with a window system that answers the insurance question and shows
// nothing, and credit enough that money never limits play.
class SimTable {
  public:
    SimTable(const Config& config, std::uint64_t shoe_seed);
    ~SimTable();
    SimTable(const SimTable&) = delete;
    SimTable& operator=(const SimTable&) = delete;

    // Plays one round through the game's handlers, from the chips on the spot to the cleared
    // table, and says how it went.
    RoundResult PlayRound();
    Game& game() { return *game_; }

    // Takes the other table's game and shoe as they stand, so that the next round deals the
    // same cards to both (a seeded shoe only).
    void CopyStateFrom(const SimTable& other);

  private:
    void PlayMainHand();
    void PlaySplitHands();
    // The strategy's choice; exact play asks the coach about the game as it stands.
    Action Choose(const HandView& hand, coach::Decision decision);
    // Exact play's choice, apart: its call into the coach needs room that a table's rounds on a
    // fixed strategy should not set up for every choice.
    Action AskCoach(const HandView& hand, coach::Decision decision);
    // Exact play at the insurance question: half the bet or nothing.
    std::string InsuranceAnswer();

    Config config_;
    std::unique_ptr<doubles::QuietPlatform> platform_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<Game> game_;
    std::vector<std::string> chips_;
    std::unique_ptr<coach::Engine> coach_;
    std::optional<double> predicted_;
};

// A run is cut into pieces of config.chunk_rounds rounds, each played by a table of its own;
// pieces are numbered and seeded from the run's seed, so a seeded run gives the same tally on
// any number of threads.
// The seed of one piece's shoe.
std::uint64_t ChunkSeed(std::uint64_t seed, std::uint64_t chunk);

// Plays config.rounds rounds on config.threads threads and merges their tallies. `progress`,
// if given, counts the rounds played so far, for a progress bar.
Tally Run(const Config& config, std::atomic<std::uint64_t>* progress = nullptr);

// One strategy against another on the same rounds: before every round the second table takes
// the first one's game and shoe, so both play the same cards until their choices part, and the
// first table goes on with its own play. The difference is summed per shoe (shoes are
// independent; rounds of one shoe are not) for its interval.
struct PairedTally {
    Tally first, second;
    std::uint64_t shoes = 0;
    double diff_sum = 0;             // (first - second) net, in initial bets
    double diff_shoe_squares = 0;    // sum over shoes of the shoe's difference squared
    double diff_shoe_rounds = 0;     // sum over shoes of difference times rounds
    double shoe_rounds_squares = 0;  // sum over shoes of rounds squared
    // Exact play: the coach's values against what the rounds paid.
    std::uint64_t predicted_rounds = 0;
    double predicted_sum = 0, residual_sum = 0, residual_squares = 0;

    void Merge(const PairedTally& other);
    // Mean difference per round and the half-width of its 95% interval.
    double DiffMean() const;
    double DiffCi95() const;
    // Mean of (paid - predicted) over the rounds the player played, and its 95% half-width.
    double ResidualMean() const;
    double ResidualCi95() const;
};
PairedTally RunPaired(const Config& config, StrategyKind second,
                      std::atomic<std::uint64_t>* progress = nullptr);

// The threads a run uses: config.threads, or every core.
int ThreadCount(const Config& config);

}  // namespace vex::sim
