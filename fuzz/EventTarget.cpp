// libFuzzer entry of the event-sequence fuzzer; the replay driver links it too.
#include <cstdio>

#include "EventHarness.h"

namespace {

// Reports the events played when the process ends, for the fuzzing log.
struct EventCountReport {
    ~EventCountReport() {
        if (vex::fuzz::EventsExecuted() == 0) return;
        const auto& r = vex::fuzz::SituationsReached();
        std::fprintf(stderr,
                     "event fuzzer: %llu events executed; reached: %llu rounds, %llu reshuffles, "
                     "%llu insurance questions (%llu won), %llu six-card wins, %llu splits "
                     "(%llu six-card split hands), %llu dealer hands past 8 cards, %llu shoe "
                     "take-backs, %llu checks signed, %llu refused, %llu game overs\n",
                     static_cast<unsigned long long>(vex::fuzz::EventsExecuted()),
                     static_cast<unsigned long long>(r.rounds), static_cast<unsigned long long>(r.reshuffles),
                     static_cast<unsigned long long>(r.insurance_questions),
                     static_cast<unsigned long long>(r.insurance_won),
                     static_cast<unsigned long long>(r.six_card_wins), static_cast<unsigned long long>(r.splits),
                     static_cast<unsigned long long>(r.split_six_card_wins),
                     static_cast<unsigned long long>(r.dealer_beyond_eight),
                     static_cast<unsigned long long>(r.takebacks), static_cast<unsigned long long>(r.checks_signed),
                     static_cast<unsigned long long>(r.checks_refused), static_cast<unsigned long long>(r.game_overs));
    }
} report;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vex::fuzz::RunEventSequence(data, size);
    return 0;
}
