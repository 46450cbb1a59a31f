#include "coach/Session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vex::coach {

namespace {

std::optional<Action> ActionOf(Move m) {
    switch (m) {
        case Move::Hit:
            return Action::Hit;
        case Move::Stand:
            return Action::Stand;
        case Move::Double:
            return Action::Double;
        case Move::Split:
            return Action::Split;
        default:
            return std::nullopt;  // Finish closes a hand that is over; insurance is apart
    }
}

// A share of the bet as a signed percentage: "+10.4 %", "−58.7 %" (a real minus), "0.0 %".
std::string Percent(double share) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.1f", std::abs(100 * share));
    const bool zero = std::string_view(digits) == "0.0";
    return std::string(zero ? "" : share < 0 ? "\u2212" : "+") + digits + " %";
}

std::string Dollars(double amount) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.2f $", amount);
    return digits;
}

std::string AgainstUpCard(int up) {
    const bool vowel = up == 1 || up == 8;
    return std::string(vowel ? " against an " : " against a ") + CardName(up);
}

std::string HandName(const Choice& c) {
    if (c.pair != 0) return "a pair of " + CardName(c.pair) + "s";
    const std::string total = (c.soft ? "soft " : "") + std::to_string(c.total);
    if (c.decision == Decision::LeftHand) return "the left hand's " + total;
    if (c.decision == Decision::RightHand) return "the right hand's " + total;
    return total;
}

std::string ActionName(Action a, const Choice& c) {
    switch (a) {
        case Action::Stand:
            return "Stand";
        case Action::Hit:
            return "Hit";
        case Action::Double:
            return "Double";
        case Action::Split:
            return "Split";
        case Action::Insurance:
            return c.insurance > 0 && a == c.chosen
                       ? "Insurance of " + std::to_string(c.insurance) + " $"
                       : "Insurance of half the bet";
        case Action::NoInsurance:
            return "No insurance";
    }
    return {};
}

// "Hit on 18 against an 8", "Split a pair of 8s against a 10"
std::string ChoiceName(const Choice& c) {
    const std::string joint = c.chosen == Action::Split ? " " : " on ";
    return ActionName(c.chosen, c) + joint + HandName(c) + AgainstUpCard(c.up_card);
}

// "Stand was best (+10.4 %). Cost 41.46 $", or for a best choice "the best choice."
std::string Judgement(const Choice& c) {
    if (c.best_choice) return "the best choice.";
    return ActionName(c.best, c) + " was best (" + Percent(c.best_ev) + "). Cost " +
           Dollars(c.cost);
}

}  // namespace

std::string CardName(int value) {
    switch (value) {
        case 1:
            return "ace";
        case 11:
            return "jack";
        case 12:
            return "queen";
        case 13:
            return "king";
        default:
            return std::to_string(value);
    }
}

std::string VerdictText(const Choice& c) {
    return ChoiceName(c) + ": " + Percent(c.chosen_ev) + (c.best_choice ? ", " : ". ") +
           Judgement(c);
}

std::string ReviewText(const Choice& c) {
    return "Round " + std::to_string(c.round) + ": " + ChoiceName(c) + " (" +
           std::to_string(c.cards_left) + " cards left). " + Judgement(c);
}

Session::Look Session::Take(const Game& g) {
    return {g.Phase, g.Bet, g.PlayerCardCount, g.SplitCardCount, g.Credit};
}

std::optional<Advice> Session::Decide(const Game& g, RoundPhase phase) {
    Decision decision;
    bool can_double = false, can_split = false;
    const bool pair = g.PlayerCardCount == 2 && g.PlayerCards[1] == g.PlayerCards[2];
    switch (phase) {
        case RoundPhase::MainHand:
            decision = Decision::MainHand;
            can_double = Game::Usable(g.Form1.bnDouble) && g.CanDoubleStake();
            can_split = Game::Usable(g.Form1.bnSplit) && g.CanDoubleStake();
            break;
        case RoundPhase::Insurance:  // what the hand may do once the question is answered
            decision = Decision::Insurance;
            can_double = g.CanDoubleStake();
            can_split = pair && g.CanDoubleStake();
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
    const bool right = decision == Decision::RightHand;
    pending_hand_ = Choice{};
    pending_hand_.decision = decision;
    pending_hand_.total = right ? g.SplitTotal : g.PlayerTotal;
    pending_hand_.soft = (right ? g.SplitSoftAce : g.PlayerSoftAce) != kFalse;
    pending_hand_.pair = pair && (decision == Decision::MainHand || decision == Decision::Insurance)
                             ? g.PlayerCards[1]
                             : 0;
    pending_hand_.up_card = g.DealerCards[1];
    pending_hand_.cards_left = g.ShoeCardsLeft;
    // At every choice the hole card is still face down: it is one of the unseen cards.
    return engine_.Advise(g, UnseenCards(g, true), decision, can_double, can_split);
}

void Session::Record(const Advice& advice, Action chosen, double chosen_ev, int insurance) {
    const double best_ev = advice.ValueOf(advice.best).value_or(chosen_ev);
    const double loss = chosen_ev - best_ev;
    if (!decided_) {
        round_expected_ = initial_bet_ * chosen_ev;
        round_best_ = initial_bet_ * best_ev;
        decided_ = true;
    } else {
        round_expected_ += initial_bet_ * loss;
    }
    stats_.given_away += initial_bet_ * loss;

    Choice c = pending_hand_;
    c.round = stats_.rounds + 1;
    c.chosen = chosen;
    c.best = advice.best;
    c.chosen_ev = chosen_ev;
    c.best_ev = best_ev;
    c.bet = initial_bet_;
    c.insurance = insurance;
    c.best_choice = -loss <= kSameValue;
    c.cost = c.best_choice ? 0 : -loss * initial_bet_;
    ++stats_.choices;
    if (c.best_choice)
        ++stats_.best_choices;
    else
        mistakes_.push_back(c);
    last_choice_ = c;
}

void Session::Judge(const Game& g, const MoveEntry& move) {
    if (move.refused) return;  // nothing happened: the choice is still to be made
    if (move.move == Move::Insurance) {
        // Seen during the question, its advice waits for the answer; seen only afterwards, it
        // is valued now, which gives the same values: no card was drawn after it.
        if (!pending_ || pending_hand_.decision != Decision::Insurance)
            pending_ = Decide(g, RoundPhase::Insurance);
        const double none = pending_->ValueOf(Action::NoInsurance).value_or(0);
        const double half = pending_->ValueOf(Action::Insurance).value_or(none);
        // The bet's own outcome does not depend on the insurance: its value is linear in the
        // amount.
        const double chosen = none + (half - none) * move.amount / (initial_bet_ / 2.0);
        Record(*pending_, move.amount != 0 ? Action::Insurance : Action::NoInsurance, chosen,
               move.amount);
        return;
    }
    const auto action = ActionOf(move.move);
    if (!action || !pending_ || pending_hand_.decision == Decision::Insurance) return;
    Record(*pending_, *action, pending_->ValueOf(*action).value_or(0), 0);
}

void Session::Settle(const RoundRecord& record) {
    const std::int64_t net = record.Net();
    ++stats_.rounds;
    stats_.net += net;
    if (net > 0) ++stats_.wins;
    if (net < 0) ++stats_.losses;
    if (net == 0) ++stats_.pushes;
    for (const ResultEntry& r : record.Results())
        if (r.result == HandResult::Blackjack) ++stats_.blackjacks;
    // A round settled at the deal had no choice: its result is its value.
    stats_.expected_net += decided_ ? round_expected_ : static_cast<double>(net);
    stats_.best_net += decided_ ? round_best_ : static_cast<double>(net);
    history_.push_back(
        {stats_.rounds, static_cast<double>(stats_.net), stats_.expected_net, stats_.best_net});
    in_round_ = false;
}

void Session::Observe(const Game& g) {
    const RoundRecord& record = g.Record();
    const Look now = Take(g);
    if (!seen_) {  // a round already under way is not followed
        seen_ = true;
        round_seen_ = record.number;
        moves_seen_ = record.moves_made;
        last_ = now;
        pending_ = Decide(g, now.phase);
        return;
    }

    if (record.number != round_seen_) {  // dealt since the last look
        round_seen_ = record.number;
        moves_seen_ = 0;
        in_round_ = true;
        decided_ = false;
        round_expected_ = round_best_ = 0;
        initial_bet_ = record.first_bet;
    }
    if (in_round_) {
        const auto moves = record.Moves();
        for (std::size_t i = moves_seen_; i < moves.size(); ++i) Judge(g, moves[i]);
        if (record.settled) Settle(record);
    }
    moves_seen_ = record.moves_made;

    if (!(now == last_)) pending_ = Decide(g, now.phase);
    last_ = now;
}

std::vector<Choice> Session::Costliest(std::size_t n) const {
    std::vector<Choice> worst = mistakes_;
    // The costliest first; of two that cost the same, the earlier.
    std::stable_sort(worst.begin(), worst.end(),
                     [](const Choice& a, const Choice& b) { return a.cost > b.cost; });
    if (worst.size() > n) worst.resize(n);
    return worst;
}

}  // namespace vex::coach
