#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

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
    // What the rounds would have been worth had every choice been the best one.
    double best_net = 0;
    int choices = 0;       // choices made (insurance answers included)
    int best_choices = 0;  // of those, the best or worth the same within kSameValue
};

// Two choices whose values differ by no more than this share of the bet are equally good.
inline constexpr double kSameValue = 0.0005;

// One choice the player made, with what it was worth against the best one.
struct Choice {
    int round = 0;  // the session's round, from 1
    Decision decision = Decision::MainHand;
    Action chosen = Action::Stand;
    Action best = Action::Stand;
    double chosen_ev = 0;  // per dollar of the round's first bet
    double best_ev = 0;
    int bet = 0;              // the round's first bet, in dollars
    int insurance = 0;        // the insurance bought, for an insurance answer
    double cost = 0;          // dollars given away: 0 for a best choice
    bool best_choice = true;  // the best, or worth the same within kSameValue
    // The hand as it stood: its total, soft or hard, the value of a pair's cards (0: no pair),
    // the dealer's up card (1 ace .. 13 king) and the cards left in the shoe.
    int total = 0;
    bool soft = false;
    int pair = 0;
    int up_card = 0;
    int cards_left = 0;
};

// A card's name as a player says it: "ace", "2".."10", "jack", "queen", "king".
std::string CardName(int value);

// "Hit on 18 against an 8: −58.7 %. Stand was best (+10.4 %). Cost 41.46 $", or for a best
// choice "Stand on 18 against an 8: +10.4 %, the best choice."
std::string VerdictText(const Choice& c);
// One line of the review: "Round 3: Hit on 18 against an 8 (250 cards left). Stand was best
// (+10.4 %). Cost 41.46 $".
std::string ReviewText(const Choice& c);

// The session after each round: sums from the coach's opening to that round's end.
struct RoundPoint {
    int round = 0;
    double net = 0;       // dollars won or lost
    double expected = 0;  // the expected net of the choices made
    double best = 0;      // the expected net had every choice been the best
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
    // The last choice made, with its verdict; it stays until the next one.
    const std::optional<Choice>& LastChoice() const { return last_choice_; }
    // The session's costliest choices, costliest first (best choices never among them).
    std::vector<Choice> Costliest(std::size_t n = 10) const;
    // The session round by round.
    const std::vector<RoundPoint>& History() const { return history_; }

  private:
    // What the advice depends on: when none of it changed, the advice still stands.
    struct Look {
        RoundPhase phase = RoundPhase::Betting;
        int bet = 0;
        int player_cards = 0;
        int split_cards = 0;
        std::int64_t credit = 0;  // Double and Split depend on it
        friend bool operator==(const Look&, const Look&) = default;
    };
    static Look Take(const Game& g);
    // Values the decision the game is waiting for, if any, and notes the hand it is about.
    std::optional<Advice> Decide(const Game& g, RoundPhase phase);
    // A move of the round in play, valued against the advice for the decision it answered.
    void Judge(const Game& g, const MoveEntry& move);
    void Record(const Advice& advice, Action chosen, double chosen_ev, int insurance);
    void Settle(const RoundRecord& record);

    Engine engine_;
    Stats stats_;
    std::optional<Choice> last_choice_;
    std::vector<Choice> mistakes_;
    std::vector<RoundPoint> history_;

    bool seen_ = false;
    Look last_;
    std::optional<Advice> pending_;
    Choice pending_hand_;  // the decision pending_ is about and the hand as it stood
    // The round being followed (one dealt while the coach watched): the record's number and the
    // moves already judged, its first bet, and its expected net as played and with best play.
    std::uint64_t round_seen_ = 0;
    std::uint32_t moves_seen_ = 0;
    bool in_round_ = false;
    bool decided_ = false;
    int initial_bet_ = 0;
    double round_expected_ = 0;
    double round_best_ = 0;
};

}  // namespace vex::coach
