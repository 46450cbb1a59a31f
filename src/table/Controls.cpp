#include "table/Controls.h"

#include <charconv>

namespace vex {

void Control::SetNumber(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    Caption.assign(buffer, result.ptr);
}

}  // namespace vex
