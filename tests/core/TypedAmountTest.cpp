// Reading an amount the player typed (insurance, bank checks).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "state/TypedAmount.h"

namespace vex::test {
namespace {

constexpr std::optional<int> kOut = std::nullopt;

TEST(TypedAmount, ReadsTheLeadingNumberRoundedHalfToEven) {
    const std::string thousand_digits(1000, '7');
    const struct {
        std::string text;
        std::optional<int> amount;
    } cases[] = {
        {"250", 250},
        {"12.5", 12},
        {"13.5", 14},
        {"-2.5", -2},
        {"0.5", 0},
        {"1.5", 2},
        {".51", 1},
        {"1 000", 1000},
        {"\t4 2", 42},
        {"- 5", -5},
        {"+7", 7},
        {"40abc", 40},
        {"1.2.3", 1},
        {"&H1F", 31},
        {"&h1f", 31},
        {"&O17", 15},
        {"&O19", 1},
        {"&H", 0},
        {"&HFFFF", kOut},
        {"&H7FFF", 32767},
        {"", 0},
        {"abc", 0},
        {"+", 0},
        {"-", 0},
        {".", 0},
        {"e5", 0},
        {"1E", 1},
        {"1E+", 1},
        {"2.5E1", 25},
        {"25e-1", 2},
        {"1e4", 10000},
        {"1e5", kOut},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", kOut},
        {"-32769", kOut},
        {"32767.5", kOut},
        {"32767.4", 32767},
        {"-32768.5", -32768},
        {"0032767", 32767},
        {"1e10", kOut},
        {"1e99999", kOut},
        {"1e-99999", 0},
        {thousand_digits, kOut},
        {"0.000001", 0},
        {"000", 0},
        // Rounded on the exact digits, however far the deciding one stands (the amount fuzzer
        // found these rounding wrongly through a double).
        {".50000000000000000004 000000", 1},
        {"12.50000000000000000001", 13},
        {"3.49999999999999999999", 3},
        {"0.000000000000000000005E20", 0},
        {"32767.50000000000000000001", kOut},
    };
    for (const auto& c : cases) {
        const auto got = ReadTypedAmount(c.text);
        const std::optional<int> as_int = got ? std::optional<int>(*got) : std::nullopt;
        EXPECT_EQ(as_int, c.amount) << '"' << c.text.substr(0, 20) << '"';
    }
}

}  // namespace
}  // namespace vex::test
