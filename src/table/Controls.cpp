#include "table/Controls.h"

#include <charconv>
#include <ostream>

namespace vex {

void CaptionText::Write() const {
    if (!number_pending_) return;
    number_pending_ = false;
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number_);
    // The caption keeps its storage: a number is written into it without allocating.
    text_.assign(buffer, result.ptr);
}

std::ostream& operator<<(std::ostream& out, const CaptionText& c) {
    return out << c.str();
}

}  // namespace vex
