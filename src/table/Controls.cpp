#include "table/Controls.h"

#include <charconv>

namespace vex {

void Control::SetNumber(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    // Numbers are written many times a round. A caption keeps its storage, so the few digits
    // are copied straight into it, without the general string copy; only a longer number than
    // the one shown makes room first.
    const auto n = static_cast<std::size_t>(result.ptr - buffer);
    if (n > Caption.size())
        Caption.append(n - Caption.size(), '0');
    else
        Caption.erase(n);
    char* out = Caption.data();
    for (std::size_t i = 0; i < n; ++i) out[i] = buffer[i];
}

}  // namespace vex
