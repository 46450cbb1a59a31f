#!/usr/bin/env python3
"""Writes a few hand-made starting inputs for the event fuzzer into the folder given.

Each byte from the front names one event of the harness's fixed list (byte % 38, skipped when the
player could not cause it at that moment); the first byte's lowest bit says whether the shoe's
random numbers come from the input's tail (read backwards, one byte per number) or from the
seeded generator. These seeds reach what random bytes find slowly: 20 rounds and the reshuffle,
six-card split hands, very long dealer hands, the debt ceiling."""
import sys, os

CHIP10, CHIP50, CHIP100, CHIP500 = 0, 1, 2, 3
DEAL, CLEAR, HIT, STAND, DOUBLE, SPLIT, SPLITHIT, SPLITSTAND = 4, 5, 6, 7, 8, 9, 10, 11
TIMER1, TIMER2, TIMER3, NEWGAME, BORROW, BANKTYPE, BANKSIGN, BANKTICK, BANKCLOSE = 12, 13, 14, 15, 16, 17, 18, 19, 20
OPTIONS, LIMITS_UNLIMITED, INSURANCE_UNLIMITED = 21, 24, 26

def card_bytes(deck, suit, value):
    # The middle of each number's interval: floor(n r) + 1 lands on the card wanted.
    return [int((deck - 0.5) / 6 * 256), int((suit - 0.5) / 4 * 256), int((value - 0.5) / 13 * 256)]

def shoe_low_first():
    order = []
    for value in range(1, 14):
        for deck in range(1, 7):
            for suit in range(1, 5):
                order += card_bytes(deck, suit, value)
    return order

def with_tail(front, draws):
    # The tail is read from the end backwards: the first number drawn is the last byte.
    return bytes([1] + front) + bytes(reversed(draws))

seeds = {
    # Twenty-odd quick rounds on the seeded shoe: the 21st Deal reshuffles.
    "long-session": bytes([0] + [CHIP10, DEAL, HIT, STAND, SPLITHIT, SPLITSTAND, TIMER3, SPLITHIT,
                                 SPLITSTAND, TIMER1, TIMER2] * 30),
    # The shoe dealt aces first, then twos...: a dealer of many small cards goes past eight.
    "small-cards-long-dealer-hands": with_tail([CHIP10, DEAL, 0, STAND, TIMER1] * 30, shoe_low_first()),
    # Split pairs of small cards and hit both hands to six cards.
    "split-hands-of-six-cards": with_tail(
        [CHIP10, DEAL, 0, SPLIT, SPLITHIT, SPLITHIT, SPLITHIT, SPLITHIT, TIMER3, SPLITHIT, SPLITHIT,
         SPLITHIT, SPLITHIT, SPLITSTAND, HIT, HIT, HIT, HIT, STAND, TIMER1] * 40,
        shoe_low_first() * 3),
    # Unlimited table and insurance, big bets, borrowing up to the ceiling and past it.
    "borrow-to-the-ceiling": bytes([0] + [OPTIONS, LIMITS_UNLIMITED, INSURANCE_UNLIMITED] +
                                   [BORROW, BANKTYPE, 4, BANKSIGN, BANKTICK, CHIP500, CHIP500, DEAL, 5,
                                    DOUBLE, STAND, TIMER1] * 6 + [BORROW, 36]),
}

out = sys.argv[1]
os.makedirs(out, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)
