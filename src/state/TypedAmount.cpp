#include "state/TypedAmount.h"

#include <limits>
#include <string>

namespace vex {

namespace {

constexpr int kMinAmount = std::numeric_limits<std::int16_t>::min();
constexpr int kMaxAmount = std::numeric_limits<std::int16_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

std::optional<std::int16_t> Fit(double rounded) {
    if (rounded < kMinAmount || rounded > kMaxAmount) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

// &H1F, &O17: the digits that follow, in base 16 or 8.
std::optional<std::int16_t> ReadRadix(std::string_view s, int base) {
    long long value = 0;
    for (char c : s) {
        const int d = DigitValue(c);
        if (d >= base) break;
        value = value * base + d;
        if (value > kMaxAmount) return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> ReadDecimal(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    // Mantissa: all its digits without the point, and how many came before the point.
    std::string digits;
    std::size_t integer_digits = 0;
    bool seen_point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            digits += s[i];
            if (!seen_point) ++integer_digits;
        } else if (s[i] == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
    }
    if (digits.empty()) return 0;

    // Exponent, taken only when at least one digit follows E and its sign.
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool exp_negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp_negative = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            for (; j < s.size() && IsDigit(s[j]); ++j)
                if (exponent < 1'000'000) exponent = exponent * 10 + (s[j] - '0');
            if (exp_negative) exponent = -exponent;
        }
    }

    // Where the first significant digit stands decides the order of magnitude before any
    // conversion, so that huge or tiny inputs are settled without overflow.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const long magnitude = static_cast<long>(integer_digits) - static_cast<long>(first) + exponent;
    if (magnitude > 5) return std::nullopt;  // at least 100000
    if (magnitude < 0) return 0;             // below 0.1, rounds to 0

    // The integer part of the value is the first `magnitude` significant digits; the digits after
    // them decide the rounding, exactly: through a double, a half followed by a far-off non-zero
    // digit (12.50000000000000000001) would round to even instead of up.
    const std::string significant = digits.substr(first);
    const long size = static_cast<long>(significant.size());
    long whole = 0;
    for (long k = 0; k < magnitude; ++k) whole = whole * 10 + (k < size ? significant[k] - '0' : 0);
    if (magnitude < size) {
        const char next = significant[magnitude];
        const bool beyond_half =
            significant.find_first_not_of('0', static_cast<std::size_t>(magnitude) + 1) !=
            std::string::npos;
        if (next > '5' || (next == '5' && (beyond_half || whole % 2 != 0)))
            ++whole;  // half to even
    }
    return Fit(static_cast<double>(negative ? -whole : whole));
}

}  // namespace

std::optional<std::int16_t> ReadTypedAmount(std::string_view text) {
    // Plain digits, as a chip's tag or a typed "0": read at once, with the same result as below.
    if (!text.empty() && text.size() <= 5) {
        int value = 0;
        bool plain = true;
        for (char c : text) {
            if (!IsDigit(c)) {
                plain = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (plain) {
            if (value > kMaxAmount) return std::nullopt;
            return static_cast<std::int16_t>(value);
        }
    }

    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t') s += c;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return ReadRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return ReadRadix(std::string_view(s).substr(2), 8);
    }
    return ReadDecimal(s);
}

}  // namespace vex
