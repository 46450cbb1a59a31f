// Rounds played headless through the game's own handlers, as the table window would forward the
// player's clicks and the timer ticks, and the tally of how they went.
#include "Simulator.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "state/Shoe.h"

namespace vex::sim {

namespace {

// Credit enough for any run: refilled between rounds long before it could run short, so the
// bankroll never limits a bet, a double, a split or insurance.
constexpr std::int32_t kPlentyCredit = 10'000'000;
constexpr std::int32_t kRefillBelow = 5'000'000;
// Rounds between two updates of the shared progress count.
constexpr std::uint64_t kProgressStep = 1 << 14;

// Each piece its own shoe, seeded from the run's seed and the piece's number. A repeatable shoe
// takes its next seed by adding a fixed step at every reshuffle, so seeds one step apart would
// deal the same shoes one reshuffle apart: the piece's seed is scrambled (the splitmix64
// finalizer, a bijection) so that no two pieces start on the same track.
}  // namespace

std::uint64_t ChunkSeed(std::uint64_t seed, std::uint64_t chunk) {
    std::uint64_t z = seed ^ ((chunk + 1) * 0xD1B54A32D192ED03ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::string_view OutcomeName(Outcome o) {
    switch (o) {
        case Outcome::Blackjack:
            return "blackjack";
        case Outcome::SixCardWin:
            return "six-card win";
        case Outcome::Win:
            return "win";
        case Outcome::DealerBust:
            return "dealer bust";
        case Outcome::Push:
            return "push";
        case Outcome::Loss:
            return "loss";
        case Outcome::Bust:
            return "bust";
        case Outcome::InsuranceWon:
            return "insurance won";
        case Outcome::InsuranceLost:
            return "insurance lost";
    }
    return "?";
}

void Tally::Merge(const Tally& other) {
    rounds += other.rounds;
    hands += other.hands;
    for (int i = 0; i < kNetSlots; ++i) net_half_bets[i] += other.net_half_bets[i];
    for (int i = 0; i < kOutcomeCount; ++i) outcomes[i] += other.outcomes[i];
    doubles += other.doubles;
    splits += other.splits;
    insurance_taken += other.insurance_taken;
    insurance_won += other.insurance_won;
}

double Tally::Mean() const {
    if (rounds == 0) return 0;
    long double sum = 0;
    for (int i = 0; i < kNetSlots; ++i)
        sum += static_cast<long double>(i - kNetOffset) * net_half_bets[i];
    return static_cast<double>(sum / 2 / rounds);
}

double Tally::StdDev() const {
    if (rounds < 2) return 0;
    const long double mean = Mean();
    long double squares = 0;
    for (int i = 0; i < kNetSlots; ++i) {
        const long double d = (i - kNetOffset) / 2.0L - mean;
        squares += d * d * net_half_bets[i];
    }
    return static_cast<double>(std::sqrt(squares / (rounds - 1)));
}

double Tally::Ci95() const {
    if (rounds < 2) return 0;
    return 1.959964 * StdDev() / std::sqrt(static_cast<double>(rounds));
}

std::optional<std::string> Validate(const Config& config) {
    if (config.rounds == 0) return "the number of rounds must be at least 1";
    if (config.limits < 0 || config.limits >= static_cast<int>(kTableLimits.size()))
        return "the table limits are 0 (10-500), 1 (50-2000) or 2 (10-unlimited)";
    if (config.insurance_rule < 0 || config.insurance_rule > 1)
        return "the insurance rule is 0 (half the bet) or 1 (unlimited)";
    const TableLimit& limit = kTableLimits[static_cast<std::size_t>(config.limits)];
    if (config.bet <= 0 || config.bet % 10 != 0)
        return "the bet must be made of chips: 10, 50, 100, 500";
    if (config.bet < limit.MinBet || config.bet > limit.MaxBet)
        return "the bet must be within the table limits";
    // Double and split add a second stake: twice the bet must be allowed too.
    if (2 * config.bet > limit.MaxBet || 2 * config.bet > 32767)
        return "twice the bet must be within the table limits, so that double and split are open";
    if (config.threads < 0) return "the number of threads must be 0 (every core) or more";
    if (config.chunk_rounds == 0) return "a piece of a run must have at least one round";
    if (config.versus && !config.seed) return "a paired run (--versus) needs a seed (--seed)";
    return std::nullopt;
}

int ThreadCount(const Config& config) {
    if (config.threads > 0) return config.threads;
    return std::max(1u, std::thread::hardware_concurrency());
}

SimTable::SimTable(const Config& config, std::uint64_t shoe_seed)
    : config_(config), platform_(std::make_unique<doubles::QuietPlatform>()) {
    if (config.seed)
        random_ = std::make_unique<SeededRandom>(shoe_seed);
    else
        random_ = std::make_unique<ClockRandom>();
    game_ = std::make_unique<Game>(*platform_, *random_);
    if (config.take_insurance) platform_->answer = std::to_string(config.bet / 2);
    if (config.strategy == StrategyKind::Exact) {
        coach_ = std::make_unique<coach::Engine>();
        if (!config.take_insurance) platform_->decide = [this] { return InsuranceAnswer(); };
    }

    Game& g = *game_;
    g.Form_Load();
    g.Rules_Option1_Click(config.limits);
    g.Rules_Option2_Click(config.insurance_rule);
    g.Credit = kPlentyCredit;
    int left = config.bet;
    for (int chip : {500, 100, 50, 10})
        for (; left >= chip; left -= chip) chips_.push_back(std::to_string(chip));
}

SimTable::~SimTable() = default;

RoundResult SimTable::PlayRound() {
    Game& g = *game_;
    if (g.Credit < kRefillBelow) g.Credit = kPlentyCredit;
    const std::int64_t before = g.Credit;
    for (const std::string& chip : chips_) g.ChipDrop(chip);

    platform_->asked = 0;
    platform_->took = false;
    predicted_.reset();
    RoundResult r;
    if (config_.fresh_shoe) {  // the shuffle the deal does every 20 rounds, before each round
        ShuffleShoe(g, *random_);
        g.RoundsSinceShuffle = 0;
        r.shuffled = true;
    }
    g.bnDeal_Click();
    if (g.Phase == RoundPhase::Shuffling) {  // the reshuffle's pause, then the deal
        r.shuffled = true;
        g.Timer2_Timer();
        g.bnDeal_Click();
    }

    if (g.Phase == RoundPhase::MainHand) {
        while (g.Phase == RoundPhase::MainHand) {
            HandView hand;
            hand.total = g.PlayerTotal;
            hand.soft = g.PlayerSoftAce != kFalse;
            hand.cards = g.PlayerCardCount;
            hand.can_double = g.Form1.bnDouble.Visible;
            hand.can_split = g.Form1.bnSplit.Visible;
            hand.pair_value = hand.can_split ? g.PlayerCards[1] : 0;
            switch (Choose(hand, coach::Decision::MainHand)) {
                case Action::Hit:
                    g.bnCard_Click();
                    break;
                case Action::Stand:
                    g.bnStay_Click();
                    break;
                case Action::Double:
                    g.bnDouble_Click();
                    break;
                case Action::Split:
                    g.bnSplit_Click();
                    PlaySplitHands();
                    break;
            }
        }
    }

    // What happened, as the game recorded it: each hand's result, the insurance's when some was
    // bought, and a Double carried out. A split round has a result for each of its two hands.
    const RoundRecord& record = g.Record();
    r.hand_count = 0;
    for (const ResultEntry& x : record.Results()) {
        if (x.result == HandResult::InsuranceWon || x.result == HandResult::InsuranceLost) {
            r.insurance_taken = true;
            r.insurance_won = x.result == HandResult::InsuranceWon;
            continue;
        }
        r.hands[x.hand] = x.result;
        r.hand_count = std::max(r.hand_count, x.hand + 1);
    }
    r.split = r.hand_count == 2;
    for (const MoveEntry& m : record.Moves()) r.doubled |= m.move == Move::Double && !m.refused;

    if (g.Phase != RoundPhase::Settled) throw std::logic_error("a round did not come to its end");
    g.Timer1_Timer();
    r.net = g.Credit - before;
    r.predicted = predicted_;
    return r;
}

void SimTable::PlaySplitHands() {
    Game& g = *game_;
    // Plays the hand in play until it is closed: the left hand, then the right.
    auto play = [&](RoundPhase phase, const std::int16_t& total, const Flag& soft,
                    const std::int16_t& cards, coach::Decision decision) {
        while (g.Phase == phase) {
            HandView hand;
            hand.total = total;
            hand.soft = soft != kFalse;
            hand.cards = cards;
            if (Choose(hand, decision) == Action::Hit)
                g.bnCardSplit_Click();
            else
                g.bnStandSplit_Click();
        }
    };
    play(RoundPhase::LeftHand, g.PlayerTotal, g.PlayerSoftAce, g.PlayerCardCount,
         coach::Decision::LeftHand);
    // Timer3's tick deals the right hand its second card.
    if (g.Phase != RoundPhase::PassingToRight)
        throw std::logic_error("the right hand was not dealt");
    g.Timer3_Timer();
    play(RoundPhase::RightHand, g.SplitTotal, g.SplitSoftAce, g.SplitCardCount,
         coach::Decision::RightHand);
    // "Finish" after the right hand busted or won by six cards.
    if (g.Phase == RoundPhase::RightHandDone) g.bnStandSplit_Click();
}

Action SimTable::Choose(const HandView& hand, coach::Decision decision) {
    if (coach_) return AskCoach(hand, decision);
    return Decide(config_.strategy, hand, game_->DealerCards[1]);
}

Action SimTable::AskCoach(const HandView& hand, coach::Decision decision) {
    Game& g = *game_;
    const coach::Advice advice =
        coach_->Advise(g, coach::UnseenCards(g, true), decision, hand.can_double, hand.can_split);
    if (advice.count == 0) throw std::logic_error("the coach had no choice to give");
    // The round's value at the first choice; insurance bought would add its own stake.
    if (!predicted_ && !platform_->took) predicted_ = advice.ValueOf(advice.best);
    switch (advice.best) {
        case coach::Action::Hit:
            return Action::Hit;
        case coach::Action::Double:
            return Action::Double;
        case coach::Action::Split:
            return Action::Split;
        default:
            return Action::Stand;
    }
}

std::string SimTable::InsuranceAnswer() {
    Game& g = *game_;
    const bool pair = g.PlayerCards[1] == g.PlayerCards[2];
    const coach::Advice advice =
        coach_->Advise(g, coach::UnseenCards(g, true), coach::Decision::Insurance, true, pair);
    return advice.best == coach::Action::Insurance ? std::to_string(g.Bet / 2) : "0";
}

void SimTable::CopyStateFrom(const SimTable& other) {
    Game& g = *game_;
    const Game& o = *other.game_;
    static_cast<TableState&>(g) = static_cast<const TableState&>(o);
    g.Form1 = o.Form1;
    g.frmBank = o.frmBank;
    g.Rules = o.Rules;
    g.frmHelp = o.frmHelp;
    g.frmAboutOpen = o.frmAboutOpen;
    g.frmEndShown = o.frmEndShown;
    auto* mine = dynamic_cast<SeededRandom*>(random_.get());
    const auto* theirs = dynamic_cast<const SeededRandom*>(other.random_.get());
    if (!mine || !theirs) throw std::logic_error("a paired run needs a seeded shoe");
    *mine = *theirs;
}

void PairedTally::Merge(const PairedTally& o) {
    first.Merge(o.first);
    second.Merge(o.second);
    shoes += o.shoes;
    diff_sum += o.diff_sum;
    diff_shoe_squares += o.diff_shoe_squares;
    diff_shoe_rounds += o.diff_shoe_rounds;
    shoe_rounds_squares += o.shoe_rounds_squares;
    predicted_rounds += o.predicted_rounds;
    predicted_sum += o.predicted_sum;
    residual_sum += o.residual_sum;
    residual_squares += o.residual_squares;
}

double PairedTally::DiffMean() const {
    return first.rounds ? diff_sum / static_cast<double>(first.rounds) : 0;
}

double PairedTally::DiffCi95() const {
    // The ratio of the shoes' sums, its variance from the spread of the shoes about it.
    if (shoes < 2) return 0;
    const double rounds = static_cast<double>(first.rounds), m = DiffMean();
    const double spread =
        diff_shoe_squares - 2 * m * diff_shoe_rounds + m * m * shoe_rounds_squares;
    const double k = static_cast<double>(shoes);
    return 1.959964 * std::sqrt(std::max(0.0, spread) * k / (k - 1)) / rounds;
}

double PairedTally::ResidualMean() const {
    return predicted_rounds ? residual_sum / static_cast<double>(predicted_rounds) : 0;
}

double PairedTally::ResidualCi95() const {
    // Each round's surprise has mean zero whatever came before it: rounds count one by one.
    if (predicted_rounds < 2) return 0;
    const double k = static_cast<double>(predicted_rounds), m = ResidualMean();
    const double var = (residual_squares - k * m * m) / (k - 1);
    return 1.959964 * std::sqrt(std::max(0.0, var) / k);
}

namespace {

// Plays a run's chunks on every thread: each thread takes the next chunk until none is left and
// keeps a tally of its own; the first error stops them all and is thrown again here.
template <typename Totals, typename PlayChunk>
Totals PlayChunks(const Config& config, PlayChunk play_chunk) {
    const int threads = ThreadCount(config);
    const std::uint64_t piece = config.chunk_rounds;
    const std::uint64_t chunks = (config.rounds + piece - 1) / piece;
    std::atomic<std::uint64_t> next_chunk{0};
    std::vector<Totals> tallies(static_cast<std::size_t>(threads));
    std::mutex error_lock;
    std::exception_ptr error;

    auto work = [&](Totals& out) {
        try {
            Totals tally;
            for (std::uint64_t c = next_chunk++; c < chunks; c = next_chunk++)
                play_chunk(tally, c, std::min(piece, config.rounds - c * piece));
            out = tally;
        } catch (...) {
            const std::lock_guard lock(error_lock);
            if (!error) error = std::current_exception();
            next_chunk = chunks;  // the other threads stop after their piece
        }
    };

    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work, std::ref(tallies[static_cast<std::size_t>(t)]));
    work(tallies[0]);
    for (auto& th : pool) th.join();
    if (error) std::rethrow_exception(error);

    Totals total;
    for (const Totals& t : tallies) total.Merge(t);
    return total;
}

constexpr const char* kNotHalfBets = "a round's result is not a whole number of half bets";

}  // namespace

PairedTally RunPaired(const Config& config, StrategyKind second,
                      std::atomic<std::uint64_t>* progress) {
    if (!config.seed) throw std::logic_error("a paired run needs a seed");
    Config other = config;
    other.strategy = second;
    const double bet = config.bet;

    return PlayChunks<PairedTally>(config, [&](PairedTally& t, std::uint64_t c, std::uint64_t n) {
        // The difference is summed per shoe: shoes are independent, rounds within one are not.
        double shoe_diff = 0, shoe_rounds = 0;
        auto close_shoe = [&] {
            if (shoe_rounds == 0) return;
            ++t.shoes;
            t.diff_shoe_squares += shoe_diff * shoe_diff;
            t.diff_shoe_rounds += shoe_diff * shoe_rounds;
            t.shoe_rounds_squares += shoe_rounds * shoe_rounds;
            shoe_diff = shoe_rounds = 0;
        };
        const std::uint64_t seed = ChunkSeed(*config.seed, c);
        SimTable a(config, seed), b(other, seed);
        for (std::uint64_t i = 0; i < n; ++i) {
            b.CopyStateFrom(a);
            const RoundResult ra = a.PlayRound();
            const RoundResult rb = b.PlayRound();
            if (!t.first.Add(ra, config.bet) || !t.second.Add(rb, config.bet))
                throw std::logic_error(kNotHalfBets);
            if (ra.shuffled) close_shoe();
            const double d = static_cast<double>(ra.net - rb.net) / bet;
            t.diff_sum += d;
            shoe_diff += d;
            ++shoe_rounds;
            if (ra.predicted) {
                const double residual = static_cast<double>(ra.net) / bet - *ra.predicted;
                ++t.predicted_rounds;
                t.predicted_sum += *ra.predicted;
                t.residual_sum += residual;
                t.residual_squares += residual * residual;
            }
            if (progress) ++*progress;
        }
        close_shoe();
    });
}

Tally Run(const Config& config, std::atomic<std::uint64_t>* progress) {
    return PlayChunks<Tally>(config, [&](Tally& tally, std::uint64_t c, std::uint64_t n) {
        SimTable table(config, ChunkSeed(config.seed.value_or(0), c));
        const int bet = config.bet;  // a constant of the loop, as Tally::Add wants it
        for (std::uint64_t i = 0; i < n; ++i) {
            if (!tally.Add(table.PlayRound(), bet)) throw std::logic_error(kNotHalfBets);
            if (progress && (i + 1) % kProgressStep == 0) *progress += kProgressStep;
        }
        if (progress) *progress += n % kProgressStep;
    });
}

}  // namespace vex::sim
