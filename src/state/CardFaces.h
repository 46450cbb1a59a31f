#pragma once

#include <cstdint>

namespace vex {

// Card pictures are numbered 101 to 153: spades, hearts, diamonds, clubs, ace to king within
// each suit, then the back.
inline constexpr std::int16_t kNoPicture = 0;
inline constexpr std::int16_t kFirstCardFace = 101;
inline constexpr std::int16_t kCardBack = 153;

constexpr std::int16_t CardFace(int suit, int value) {
    return static_cast<std::int16_t>(87 + 13 * suit + value);
}

// The table's 20 card slots: the player's hand (the left hand after a split) in 0..5, the right
// hand of a split in 6..11, the dealer in 12..19 (12 the up card, 13 the hole card). A dealer
// hand longer than eight cards goes on in further slots from 20 on, along the dealer's row.
inline constexpr int kTableSlots = 20;
inline constexpr int kHoleCardSlot = 13;

constexpr int PlayerCardSlot(int n) {
    return n - 1;
}
constexpr int SplitCardSlot(int n) {
    return n + 5;
}
constexpr int DealerCardSlot(int n) {
    return n + 11;
}

// The row a slot belongs to, and which card of that hand it shows (from 1).
enum class SlotRow { Player, Split, Dealer };
struct SlotSeat {
    SlotRow Row;
    int Card;
};
constexpr SlotSeat SeatOfSlot(int slot) {
    if (slot < 6) return {SlotRow::Player, slot + 1};
    if (slot < 12) return {SlotRow::Split, slot - 5};
    return {SlotRow::Dealer, slot - 11};
}

// A place on the table window in pixels at 96 dpi.
struct Place {
    int Left, Top, Width, Height;
};

// Card slots overlap along their row; a very long dealer hand goes on to the right and stops at
// the window's edge.
inline constexpr int kTableWidth = 679;
inline constexpr int kTableHeight = 486;
constexpr Place SlotPlace(int slot) {
    constexpr int kStep = 32, kWidth = 54, kHeight = 73;
    const SlotSeat seat = SeatOfSlot(slot);
    const int first = seat.Row == SlotRow::Split ? 440 : 216;
    int left = first + kStep * (seat.Card - 1);
    if (seat.Row == SlotRow::Dealer && left > kTableWidth - kWidth - 4)
        left = kTableWidth - kWidth - 4;
    return {left, seat.Row == SlotRow::Dealer ? 96 : 216, kWidth, kHeight};
}

}  // namespace vex
