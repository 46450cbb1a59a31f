// libFuzzer entry of the event-sequence fuzzer; the replay driver links it too.
#include <cstdio>

#include "EventHarness.h"

namespace {

// Reports the events played when the process ends, for the fuzzing log.
struct EventCountReport {
    ~EventCountReport() {
        if (vex::fuzz::EventsExecuted() == 0) return;
        std::fprintf(stderr, "event fuzzer: %llu events executed\n",
                     static_cast<unsigned long long>(vex::fuzz::EventsExecuted()));
    }
} report;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vex::fuzz::RunEventSequence(data, size);
    return 0;
}
