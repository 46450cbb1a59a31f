#include "coach/Session.h"

namespace vex::coach {

namespace {

bool BettingPhase(RoundPhase p) {
    return p == RoundPhase::Betting || p == RoundPhase::Shuffling;
}

}  // namespace

Session::Look Session::Take(const Game& g) {
    return {g.Phase, g.Bet, g.PlayerCardCount, g.SplitCardCount, g.Credit};
}

std::optional<Advice> Session::Decide(const Game& g, RoundPhase phase) {
    Decision decision;
    bool can_double = false, can_split = false;
    switch (phase) {
        case RoundPhase::MainHand:
            decision = Decision::MainHand;
            can_double = Game::Usable(g.Form1.bnDouble) && g.CanDoubleStake();
            can_split = Game::Usable(g.Form1.bnSplit) && g.CanDoubleStake();
            break;
        case RoundPhase::Insurance:  // what the hand may do once the question is answered
            decision = Decision::Insurance;
            can_double = g.CanDoubleStake();
            can_split = g.PlayerCards[1] == g.PlayerCards[2] && g.CanDoubleStake();
            break;
        case RoundPhase::LeftHand:
            decision = Decision::LeftHand;
            break;
        case RoundPhase::RightHand:
            decision = Decision::RightHand;
            break;
        default:
            return std::nullopt;
    }
    // At every choice the hole card is still face down: it is one of the unseen cards.
    return engine_.Advise(g, UnseenCards(g, true), decision, can_double, can_split);
}

std::optional<Action> Session::Taken(const Look& before, const Look& after) {
    switch (before.phase) {
        case RoundPhase::MainHand:
            if (after.phase == RoundPhase::LeftHand) return Action::Split;
            if (after.bet == 2 * before.bet && after.bet != 0) return Action::Double;
            if (after.player_cards > before.player_cards) return Action::Hit;
            if (after.phase == RoundPhase::Settled) return Action::Stand;
            return std::nullopt;  // a refused double or split, or an event off the table
        case RoundPhase::LeftHand:
            if (after.player_cards > before.player_cards) return Action::Hit;
            if (after.phase == RoundPhase::PassingToRight) return Action::Stand;
            return std::nullopt;
        case RoundPhase::RightHand:
            if (after.split_cards > before.split_cards) return Action::Hit;
            if (after.phase == RoundPhase::Settled) return Action::Stand;
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void Session::Record(const Advice& advice, double chosen_ev) {
    const double loss = chosen_ev - advice.ValueOf(advice.best).value_or(chosen_ev);
    if (!decided_) {
        round_expected_ = initial_bet_ * chosen_ev;
        decided_ = true;
    } else {
        round_expected_ += initial_bet_ * loss;
    }
    stats_.given_away += initial_bet_ * loss;
}

void Session::Settle(const Game& g) {
    const std::int64_t net = std::int64_t{g.Credit} - g.Debt - wealth_before_;
    ++stats_.rounds;
    stats_.net += net;
    if (net > 0) ++stats_.wins;
    if (net < 0) ++stats_.losses;
    if (net == 0) ++stats_.pushes;
    if (!decided_ && g.PlayerTotal == 21 && g.DealerTotal != 21) ++stats_.blackjacks;
    stats_.expected_net += decided_ ? round_expected_ : static_cast<double>(net);
    in_round_ = false;
}

void Session::Observe(const Game& g) {
    const Look now = Take(g);
    if (!seen_) {
        seen_ = true;
        last_ = now;
        if (BettingPhase(now.phase)) wealth_betting_ = std::int64_t{g.Credit} + g.Bet - g.Debt;
        pending_ = Decide(g, now.phase);
        return;
    }

    // The choice made at the decision the player was facing.
    if (pending_ && in_round_)
        if (const auto action = Taken(last_, now))
            Record(*pending_, pending_->ValueOf(*action).value_or(0));

    // The deal: a round begins. With an ace up and no blackjack in the player's hand the deal
    // asks for insurance. Seen during the question, its advice waits for the answer; seen only
    // afterwards, it is valued now, which gives the same values: no card was drawn after it.
    if (BettingPhase(last_.phase) && !BettingPhase(now.phase)) {
        in_round_ = true;
        decided_ = false;
        round_expected_ = 0;
        wealth_before_ = wealth_betting_;
        initial_bet_ = g.Bet;
        if (now.phase != RoundPhase::Insurance && g.DealerCards[1] == 1 && g.PlayerTotal != 21)
            RecordInsurance(g, *Decide(g, RoundPhase::Insurance));
    } else if (last_.phase == RoundPhase::Insurance && now.phase != RoundPhase::Insurance &&
               pending_ && in_round_) {
        RecordInsurance(g, *pending_);
    }

    if (in_round_ && now.phase == RoundPhase::Settled) Settle(g);
    if (BettingPhase(now.phase)) {
        in_round_ = false;  // cleared, or a New Game left the round unpaid
        wealth_betting_ = std::int64_t{g.Credit} + g.Bet - g.Debt;
    }
    if (!(now == last_)) pending_ = Decide(g, now.phase);
    last_ = now;
}

void Session::RecordInsurance(const Game& g, const Advice& advice) {
    const double none = advice.ValueOf(Action::NoInsurance).value_or(0);
    const double half = advice.ValueOf(Action::Insurance).value_or(none);
    // The bet's own outcome does not depend on the insurance: its value is linear in the amount.
    Record(advice, none + (half - none) * g.Insurance / (g.Bet / 2.0));
}

std::vector<Choice> Session::Costliest(std::size_t) const {
    return {};
}

std::string VerdictText(const Choice&) {
    return {};
}

std::string ReviewText(const Choice&) {
    return {};
}

}  // namespace vex::coach
