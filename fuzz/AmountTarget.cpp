// libFuzzer entry of the typed-amount fuzzer: the game's reader and the reference reading must
// agree on every text. The replay driver links it too.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "AmountReference.h"
#include "state/TypedAmount.h"

namespace {

std::string Describe(const std::optional<int>& v) {
    return v ? std::to_string(*v) : "no value";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int16_t> game = vex::ReadTypedAmount(text);
    const std::optional<int> reference = vex::fuzz::ReferenceAmount(text);
    const std::optional<int> got = game ? std::optional<int>(*game) : std::nullopt;
    if (got != reference) {
        std::fprintf(stderr, "\n*** TYPED AMOUNTS DISAGREE on \"");
        for (unsigned char c : text) {
            if (c >= 32 && c < 127)
                std::fputc(c, stderr);
            else
                std::fprintf(stderr, "\\x%02X", c);
        }
        std::fprintf(stderr, "\": the game reads %s, the rules say %s\n", Describe(got).c_str(),
                     Describe(reference).c_str());
        std::abort();
    }
    return 0;
}
