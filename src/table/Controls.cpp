#include "table/Controls.h"

#include <charconv>
#include <ostream>

namespace vex {

void CaptionText::Write() const {
    const Pending pending = pending_;
    pending_ = Pending::None;
    if (pending == Pending::None) return;
    if (pending == Pending::Fixed) {
        if (text_ != fixed_) text_.assign(fixed_);
        return;
    }
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number_);
    // The caption keeps its storage: a number is written into it without allocating.
    text_.assign(buffer, result.ptr);
}

std::ostream& operator<<(std::ostream& out, const CaptionText& c) {
    return out << c.str();
}

}  // namespace vex
