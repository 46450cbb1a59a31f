#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "state/TableState.h"

namespace vex::coach {

// Unseen cards by point value: index 1 aces, 2..9, 10 every ten-valued card (index 0 unused).
struct Composition {
    std::array<int, 11> count{};
    int total() const;
    friend bool operator==(const Composition&, const Composition&) = default;
};

// The cards the player has not seen: those still in the shoe (read from ShoeUsed, which also
// holds after an exhausted shoe took cards back mid-round), plus the dealer's hole card while it
// is face down.
Composition UnseenCards(const TableState& s, bool hole_card_face_down);

// The Hi-Lo count of the cards seen since the shuffle (2-6 count +1, tens and aces -1), and the
// running count per deck of unseen cards.
struct HiLo {
    int running = 0;
    double true_count = 0;
};
HiLo HiLoCount(const Composition& unseen);

enum class Action : std::uint8_t { Stand, Hit, Double, Split, Insurance, NoInsurance };

// The choice the player is facing.
enum class Decision : std::uint8_t {
    Insurance,  // the ace-up question, before the dealer checks for blackjack
    MainHand,   // the two-card hand or later (PlayerCards)
    LeftHand,   // after a split, the left hand in play (PlayerCards)
    RightHand,  // after a split, the right hand in play (SplitCards), the left one finished
};

struct ActionValue {
    Action action = Action::Stand;
    double ev = 0;  // expected net of the whole round per initial bet
};

// The usable actions with their values, and the best of them. Fixed storage: no allocation.
struct Advice {
    std::array<ActionValue, 4> slots{};
    int count = 0;
    Action best = Action::Stand;

    std::span<const ActionValue> values() const {
        return {slots.data(), static_cast<std::size_t>(count)};
    }
    std::optional<double> ValueOf(Action a) const;
};

// Expected values of the player's choices, exact for the unseen composition under this table's
// rules, with the hole card known not to make a dealer blackjack once the player acts. A split is
// valued with each hand played from the post-split composition on its own cards (the other
// hand's cards ignored); see Coach.cpp. Keeps its working tables between calls: one engine per
// thread.
class Engine {
  public:
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Decision::Insurance values taking half the bet (Insurance) against none (NoInsurance), each
    // followed by the best play; can_double and can_split say what the hand may do next.
    Advice Advise(const TableState& s, const Composition& unseen, Decision decision,
                  bool can_double, bool can_split);

    // The next round's expected net per dollar bet, before the deal, off the unseen composition:
    // the naturals, insurance of half the bet taken where it is worth more than none, then the
    // best play of every starting hand (Double and Split allowed, a split valued as Advise values
    // it).
    double EdgeBeforeDeal(const Composition& unseen);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vex::coach
