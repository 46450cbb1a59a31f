// vex-simulate: plays rounds of Vex's BlackJack headless through the game's own handlers and
// prints the player's expected return per initial bet. The result goes to standard output; a
// progress bar goes to the terminal (standard error) when there is one.
#include <unistd.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <thread>

#include "Simulator.h"

namespace {

using vex::sim::Config;

constexpr const char* kUsage =
    "usage: vex-simulate [options]\n"
    "  -n, --rounds N        rounds to play (default 1000000; 100M, 1e8 and 2G are understood)\n"
    "  -s, --seed N          a repeatable run from this seed (default: shoes reseeded from the "
    "clock)\n"
    "      --strategy NAME   basic (default), mimic: hit to 16, stand on 17, as the dealer does,\n"
    "                        or exact: the coach's best play for the cards left in the shoe\n"
    "      --versus NAME     also play strategy NAME on the same rounds, from the same game and\n"
    "                        shoe, and report the difference (needs --seed)\n"
    "      --bet N           the initial bet, a multiple of 10 (default 100)\n"
    "      --limits L        table limits: 10-500 (default), 50-2000 or 10-unlimited (or 0, 1, 2)\n"
    "      --insurance R     insurance limit: half (half the bet, default) or unlimited\n"
    "      --take-insurance  take insurance of half the bet whenever it is offered\n"
    "                        (the strategies never take it otherwise)\n"
    "      --fresh-shoe      deal every round off the top of a freshly shuffled shoe\n"
    "  -j, --threads N       threads, each with its own game and shoe (default: every core)\n"
    "  -q, --quiet           no progress bar\n"
    "  -h, --help            this text\n";

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "vex-simulate: %s\n%s", message.c_str(), kUsage);
    std::exit(2);
}

std::uint64_t ParseCount(std::string_view text, const char* what) {
    std::string s(text);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(s.c_str(), &end);
    double scale = 1;
    if (end && *end) {
        const std::string suffix(end);
        if (suffix == "k" || suffix == "K")
            scale = 1e3;
        else if (suffix == "M" || suffix == "m")
            scale = 1e6;
        else if (suffix == "G" || suffix == "g")
            scale = 1e9;
        else
            Fail(std::string("not a number for ") + what + ": " + s);
    }
    if (errno != 0 || end == s.c_str() || !(value >= 0) || value * scale > 1e15)
        Fail(std::string("not a number for ") + what + ": " + s);
    return static_cast<std::uint64_t>(value * scale + 0.5);
}

Config ParseArgs(int argc, char** argv) {
    Config config;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        // A short option may carry its value: -j1, -n100M.
        std::string_view attached;
        if (arg.size() > 2 && arg[0] == '-' && arg[1] != '-' &&
            std::string_view("nsj").find(arg[1]) != std::string_view::npos) {
            attached = arg.substr(2);
            arg = arg.substr(0, 2);
        }
        auto value = [&]() -> std::string_view {
            if (!attached.empty()) return attached;
            if (i + 1 >= argc) Fail(std::string("missing value after ") + std::string(arg));
            return argv[++i];
        };
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (arg == "-n" || arg == "--rounds") {
            config.rounds = ParseCount(value(), "--rounds");
        } else if (arg == "-s" || arg == "--seed") {
            const std::string s(value());
            char* end = nullptr;
            config.seed = std::strtoull(s.c_str(), &end, 0);
            if (s.empty() || *end) Fail("not a seed: " + s);
        } else if (arg == "--strategy") {
            const std::string_view s = value();
            if (s == "basic")
                config.strategy = vex::sim::StrategyKind::Basic;
            else if (s == "mimic" || s == "mimic-dealer")
                config.strategy = vex::sim::StrategyKind::MimicDealer;
            else if (s == "exact")
                config.strategy = vex::sim::StrategyKind::Exact;
            else
                Fail("unknown strategy: " + std::string(s));
        } else if (arg == "--versus") {
            const std::string_view s = value();
            if (s == "basic")
                config.versus = vex::sim::StrategyKind::Basic;
            else if (s == "mimic" || s == "mimic-dealer")
                config.versus = vex::sim::StrategyKind::MimicDealer;
            else if (s == "exact")
                config.versus = vex::sim::StrategyKind::Exact;
            else
                Fail("unknown strategy: " + std::string(s));
        } else if (arg == "--bet") {
            config.bet = static_cast<int>(ParseCount(value(), "--bet"));
        } else if (arg == "--limits") {
            const std::string_view s = value();
            if (s == "0" || s == "10-500")
                config.limits = 0;
            else if (s == "1" || s == "50-2000")
                config.limits = 1;
            else if (s == "2" || s == "10-unlimited")
                config.limits = 2;
            else
                Fail("unknown table limits: " + std::string(s));
        } else if (arg == "--insurance") {
            const std::string_view s = value();
            if (s == "half")
                config.insurance_rule = 0;
            else if (s == "unlimited")
                config.insurance_rule = 1;
            else
                Fail("unknown insurance limit: " + std::string(s));
        } else if (arg == "--take-insurance") {
            config.take_insurance = true;
        } else if (arg == "--fresh-shoe") {
            config.fresh_shoe = true;
        } else if (arg == "-j" || arg == "--threads") {
            config.threads = static_cast<int>(ParseCount(value(), "--threads"));
        } else if (arg == "-q" || arg == "--quiet") {
            // read by main
        } else {
            Fail("unknown option: " + std::string(arg));
        }
    }
    if (auto problem = vex::sim::Validate(config)) Fail(*problem);
    return config;
}

std::string Millions(double n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2fM", n / 1e6);
    return text;
}

// A rate readable at any speed: "8.59 M", "4.3 k", "950" (rounds a second).
std::string Rate(double per_second) {
    char text[32];
    if (per_second >= 1e6)
        std::snprintf(text, sizeof text, "%.2f M", per_second / 1e6);
    else if (per_second >= 1e3)
        std::snprintf(text, sizeof text, "%.1f k", per_second / 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f", per_second);
    return text;
}

void DrawProgress(std::uint64_t done, std::uint64_t total, double seconds) {
    constexpr int kWidth = 30;
    const double part = total ? static_cast<double>(done) / static_cast<double>(total) : 1;
    const int filled = static_cast<int>(part * kWidth);
    char bar[kWidth + 1];
    for (int i = 0; i < kWidth; ++i) bar[i] = i < filled ? '#' : '-';
    bar[kWidth] = 0;
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const double eta = rate > 0 ? static_cast<double>(total - done) / rate : 0;
    std::fprintf(stderr, "\r[%s] %5.1f%%  %s rounds  %s rounds/s  %.0f s left  ", bar, 100 * part,
                 Millions(static_cast<double>(done)).c_str(), Rate(rate).c_str(), eta);
    std::fflush(stderr);
}

void PrintReport(const Config& config, const vex::sim::Tally& t, double seconds) {
    const char* limits[] = {"10-500 $", "50-2000 $", "10 $-unlimited"};
    std::printf("Vex's BlackJack, simulated: %" PRIu64
                " rounds, strategy %s, bet %d $, table %s, "
                "insurance up to %s (%s)\n",
                t.rounds, std::string(vex::sim::StrategyName(config.strategy)).c_str(), config.bet,
                limits[config.limits], config.insurance_rule == 0 ? "half the bet" : "the credit",
                config.take_insurance ? "taken, half the bet" : "never taken");
    if (config.seed)
        std::printf("seed %" PRIu64 "\n", *config.seed);
    else
        std::printf("seed: none, shoes reseeded from the clock\n");
    if (config.fresh_shoe) std::printf("every round off the top of a freshly shuffled shoe\n");

    const double mean = t.Mean(), ci = t.Ci95();
    std::printf(
        "\nexpected return per initial bet: %+.4f%% +/- %.4f%% (95%% CI %+.4f%% .. %+.4f%%)\n",
        100 * mean, 100 * ci, 100 * (mean - ci), 100 * (mean + ci));
    std::printf("house edge:                      %.4f%% +/- %.4f%%\n", -100 * mean, 100 * ci);
    std::printf("standard deviation per round:    %.4f bets\n", t.StdDev());

    const double hands = static_cast<double>(t.hands), rounds = static_cast<double>(t.rounds);
    std::printf("\noutcomes, per hand (%" PRIu64 " hands):\n", t.hands);
    constexpr vex::sim::Outcome order[] = {
        vex::sim::Outcome::Blackjack,  vex::sim::Outcome::SixCardWin, vex::sim::Outcome::Win,
        vex::sim::Outcome::DealerBust, vex::sim::Outcome::Push,       vex::sim::Outcome::Loss,
        vex::sim::Outcome::Bust};
    for (auto o : order)
        std::printf("  %-15s %8.4f%%\n", std::string(vex::sim::OutcomeName(o)).c_str(),
                    100 * static_cast<double>(t.outcomes[static_cast<std::size_t>(o)]) / hands);
    std::printf("per round:\n");
    std::printf("  %-15s %8.4f%%\n", "doubled", 100 * static_cast<double>(t.doubles) / rounds);
    std::printf("  %-15s %8.4f%%\n", "split", 100 * static_cast<double>(t.splits) / rounds);
    std::printf("  %-15s %8.4f%%\n", "insurance taken",
                100 * static_cast<double>(t.insurance_taken) / rounds);
    std::printf("  %-15s %8.4f%%\n", "insurance won",
                100 * static_cast<double>(t.insurance_won) / rounds);

    std::printf("\nspeed: %s rounds/s on %d threads (%.1f s)\n", Rate(rounds / seconds).c_str(),
                vex::sim::ThreadCount(config), seconds);
}

void PrintPaired(const Config& config, const vex::sim::PairedTally& p) {
    const std::string first(vex::sim::StrategyName(config.strategy));
    const std::string second(vex::sim::StrategyName(*config.versus));
    std::printf("\nthe same rounds played by %s, from the same game and shoe:\n", second.c_str());
    std::printf("house edge (%s):%*s%.4f%% +/- %.4f%%\n", second.c_str(),
                static_cast<int>(18 - second.size()), "", -100 * p.second.Mean(),
                100 * p.second.Ci95());
    std::printf("difference %s - %s:  %+.4f%% +/- %.4f%% per initial bet (95%%, over %" PRIu64
                " shoes)\n",
                first.c_str(), second.c_str(), 100 * p.DiffMean(), 100 * p.DiffCi95(), p.shoes);
    if (p.predicted_rounds > 0)
        std::printf(
            "coach's values: %" PRIu64
            " rounds played, predicted %+.4f%%, paid %+.4f%%, "
            "paid - predicted %+.4f%% +/- %.4f%%\n",
            p.predicted_rounds, 100 * p.predicted_sum / static_cast<double>(p.predicted_rounds),
            100 * (p.predicted_sum + p.residual_sum) / static_cast<double>(p.predicted_rounds),
            100 * p.ResidualMean(), 100 * p.ResidualCi95());
}

}  // namespace

int main(int argc, char** argv) {
    bool quiet = false;
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "-q") || !std::strcmp(argv[i], "--quiet")) quiet = true;
    const Config config = ParseArgs(argc, argv);
    const bool bar = !quiet && isatty(STDERR_FILENO);

    std::atomic<std::uint64_t> done{0};
    vex::sim::Tally tally;
    vex::sim::PairedTally paired;
    std::exception_ptr error;
    std::atomic<bool> finished{false};
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };

    double seconds = 0;
    std::thread runner([&] {
        try {
            if (config.versus) {
                paired = vex::sim::RunPaired(config, *config.versus, &done);
                tally = paired.first;
            } else {
                tally = vex::sim::Run(config, &done);
            }
        } catch (...) {
            error = std::current_exception();
        }
        seconds = elapsed();
        finished = true;
    });
    while (!finished) {
        std::this_thread::sleep_for(std::chrono::milliseconds(bar ? 200 : 20));
        if (bar && !finished) DrawProgress(done, config.rounds, elapsed());
    }
    runner.join();
    if (bar) std::fprintf(stderr, "\r\033[K");
    if (error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "vex-simulate: %s\n", e.what());
        }
        return 1;
    }
    PrintReport(config, tally, seconds);
    if (config.versus) PrintPaired(config, paired);
    return 0;
}
