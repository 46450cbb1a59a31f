// vex-shuffle-stats: the shoe's chi-square tests on fresh seeds and many millions of draws.
//   vex-shuffle-stats [SCALE] [--clock]
//     SCALE    multiplies the sample sizes (default 1: about 250 million cards drawn)
//     --clock  draws with the game's own generator, reseeded from the clock at every shuffle;
//              otherwise a seeded generator whose first seed is taken from the clock and printed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "ShuffleStats.h"

int main(int argc, char** argv) {
    using namespace vex::stats;
    double scale = 1.0;
    bool clock = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--clock")
            clock = true;
        else
            scale = std::atof(argv[i]);
    }
    if (!(scale > 0)) {
        std::fprintf(stderr, "usage: vex-shuffle-stats [SCALE] [--clock]\n");
        return 2;
    }
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    vex::SeededRandom seeded(seed);
    vex::ClockRandom clock_random;
    vex::RandomSource& random = clock ? static_cast<vex::RandomSource&>(clock_random) : seeded;
    auto n = [scale](double count) { return static_cast<std::uint64_t>(count * scale); };

    const auto start = std::chrono::steady_clock::now();
    std::vector<ChiSquare> results;
    std::uint64_t draws = 0;
    results.push_back(FirstCard(random, n(3'120'000)));
    draws += results.back().samples;
    for (int position = 1; position <= 6; ++position) {
        results.push_back(ValueAtDraw(random, n(1'300'000), position));
        draws += results.back().samples * position;
    }
    for (int position : {1, 20, 100}) {
        results.push_back(ValuePairs(random, n(1'690'000), position));
        draws += results.back().samples * (position + 1);
    }
    for (ChiSquare& r : Scaling(random, n(4'000'000))) results.push_back(r);
    draws += n(4'000'000);
    results.push_back(LastCard(random, n(15'600)));
    draws += results.back().samples * 312;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (clock)
        std::printf("vex-shuffle-stats: the game's clock-seeded generator, ");
    else
        std::printf("vex-shuffle-stats: seed %llu, ", static_cast<unsigned long long>(seed));
    std::printf("%llu cards drawn in %.1f s\n", static_cast<unsigned long long>(draws), seconds);
    std::printf("%-52s %12s %11s %5s %8s  %s\n", "test", "samples", "chi-square", "dof", "p",
                "at 99%");
    int failed = 0;
    for (const ChiSquare& r : results) {
        const bool pass = r.p > 0.01;
        failed += !pass;
        std::printf("%-52s %12llu %11.2f %5d %8.4f  %s\n", r.name.c_str(),
                    static_cast<unsigned long long>(r.samples), r.statistic, r.dof, r.p,
                    pass ? "pass" : "FAIL");
    }
    // With this many tests one may fail by chance now and then (1% each); run again to tell.
    std::printf("%d of %zu tests below the 1%% level\n", failed, results.size());
    return 0;
}
