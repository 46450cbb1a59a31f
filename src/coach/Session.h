#pragma once

#include <optional>

#include "coach/Coach.h"
#include "table/Game.h"

namespace vex::coach {

// What the coach shows: the choice in front of the player with the value of each usable action,
// the count, and how the session has gone.
struct Stats {
    int rounds = 0;
    int wins = 0;  // blackjacks included
    int losses = 0;
    int pushes = 0;
    int blackjacks = 0;
    std::int64_t net = 0;  // dollars won or lost over the rounds played
    // What the rounds were worth as the player played them, at the moment of each choice: the
    // value of the first choice of a round, less what each later choice gave away against the
    // best one. A round settled at the deal counts at its result. net - expected is the luck of
    // the cards that came after the choices.
    double expected_net = 0;
    double given_away = 0;  // the part of expected_net lost to choices other than the best
};

// The coach's memory of a session. It watches the game after every event and never writes to
// it: from one look to the next it tells which choice the player made, values it, and settles
// each round's result when the round is paid.
class Session {
  public:
    // Looks at the game after an event (and once when the coach opens).
    void Observe(const Game& g);

    // The decision in front of the player now, with its values; empty between decisions.
    const std::optional<Advice>& Current() const { return pending_; }
    const Stats& stats() const { return stats_; }

  private:
    struct Look {
        RoundPhase phase = RoundPhase::Betting;
        int bet = 0;
        int player_cards = 0;
        int split_cards = 0;
        std::int64_t credit = 0;  // Double and Split depend on it
        friend bool operator==(const Look&, const Look&) = default;
    };
    static Look Take(const Game& g);
    // Values the decision the game is waiting for, if any.
    std::optional<Advice> Decide(const Game& g, RoundPhase phase);
    // The action the player took between two looks at a decision, if any.
    static std::optional<Action> Taken(const Look& before, const Look& after);
    void Record(const Advice& advice, double chosen_ev);
    // The insurance bought, valued from the advice given for the question.
    void RecordInsurance(const Game& g, const Advice& advice);
    void Settle(const Game& g);

    Engine engine_;
    Stats stats_;
    bool seen_ = false;
    Look last_;
    std::optional<Advice> pending_;
    // The round in play: the money the player had on the table and off it before the deal, net
    // of loans, its first bet, and its expected net so far.
    bool in_round_ = false;
    bool decided_ = false;
    std::int64_t wealth_before_ = 0;
    std::int64_t wealth_betting_ = 0;
    int initial_bet_ = 0;
    double round_expected_ = 0;
};

}  // namespace vex::coach
