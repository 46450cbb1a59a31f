#include "AmountReference.h"

#include <algorithm>
#include <string>

namespace vex::fuzz {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool Digit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> InRange(long long v) {
    if (v < -32768 || v > 32767) return std::nullopt;
    return static_cast<int>(v);
}

}  // namespace

std::optional<int> ReferenceAmount(std::string_view text) {
    std::string t;
    for (char c : text)
        if (c != ' ' && c != '\t') t.push_back(c);

    if (t.size() >= 2 && t[0] == '&' && (Lower(t[1]) == 'h' || Lower(t[1]) == 'o')) {
        const int base = Lower(t[1]) == 'h' ? 16 : 8;
        long long v = 0;
        for (std::size_t i = 2; i < t.size(); ++i) {
            const char c = Lower(t[i]);
            int d = 99;
            if (Digit(c))
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            if (d >= base) break;
            v = std::min(v * base + d, 1'000'000LL);
        }
        return InRange(v);
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::string whole_digits, fraction_digits;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (Digit(t[i]))
            (point ? fraction_digits : whole_digits).push_back(t[i]);
        else if (t[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (whole_digits.empty() && fraction_digits.empty()) return 0;

    long long exponent = 0;
    if (i < t.size() && Lower(t[i]) == 'e') {
        std::size_t j = i + 1;
        bool exponent_negative = false;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exponent_negative = t[j++] == '-';
        if (j < t.size() && Digit(t[j])) {
            for (; j < t.size() && Digit(t[j]); ++j)
                exponent = std::min(exponent * 10 + (t[j] - '0'), 1'000'000'000LL);
            if (exponent_negative) exponent = -exponent;
        }
    }

    // The value is the digit string D times 10^shift; its integer part has |D| + shift digits.
    std::string d = whole_digits + fraction_digits;
    const std::size_t first = d.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    d.erase(0, first);
    const long long shift = exponent - static_cast<long long>(fraction_digits.size());
    const long long integer_digits = static_cast<long long>(d.size()) + shift;
    if (integer_digits >= 6) return std::nullopt;  // 100000 or more
    if (integer_digits < 0) return 0;              // below 0.1

    long long whole = 0;
    for (long long k = 0; k < integer_digits; ++k)
        whole = whole * 10 + (k < static_cast<long long>(d.size()) ? d[k] - '0' : 0);
    const std::string rest =
        integer_digits < static_cast<long long>(d.size()) ? d.substr(integer_digits) : "";
    bool up = false;
    if (!rest.empty()) {
        if (rest[0] > '5')
            up = true;
        else if (rest[0] == '5')
            up = rest.find_first_not_of('0', 1) != std::string::npos || whole % 2 == 1;
    }
    if (up) ++whole;
    return InRange(negative ? -whole : whole);
}

}  // namespace vex::fuzz
