// The coach's session: which choice the player made, what it was worth, and each round's result.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <tuple>

#include "Doubles.h"
#include "coach/Session.h"

namespace vex::test {
using namespace vex::doubles;
using coach::Action;
namespace {

// A table whose every event is followed by the coach's look, as the window does.
struct Watched {
    Table t;
    coach::Session session;
    const coach::Stats& s = session.stats();
    Watched() { session.Observe(t.game); }
    // The event, after stacking the cards it will draw.
    template <class Event>
    void Do(Event event, std::initializer_list<int> cards = {}) {
        t.rng.Stack(cards);
        std::invoke(event, t.game);
        session.Observe(t.game);
    }
    // Clears the last round's table, as its timer does, and deals a bet of 10.
    void Deal(int p1, int p2, int up, int hole) {
        if (t.game.Phase != RoundPhase::Betting) Do(&Game::Timer1_Timer);
        Do([&](Game&) { t.BetChips({10}); });
        Do(&Game::bnDeal_Click, {p1, p2, up, hole});
    }
    double Value(Action a) const { return session.Current().value().ValueOf(a).value(); }
    // Rounds, wins, losses, blackjacks and the money won.
    auto Counted() const { return std::tuple(s.rounds, s.wins, s.losses, s.blackjacks, s.net); }
};

TEST(CoachSession, EachRoundIsCountedAtItsPayAndEachChoiceValued) {
    Watched w;
    // Hard 16 against a 10, stood on: a loss, and the choice gave away a little to Hit.
    w.Deal(10, 6, 10, 8);
    const double stand = w.Value(Action::Stand), hit = w.Value(Action::Hit);
    w.Do(&Game::bnStay_Click);
    EXPECT_EQ(w.Counted(), std::tuple(1, 0, 1, 0, std::int64_t{-10}));
    EXPECT_NEAR(w.s.expected_net, 10 * stand, 1e-9);
    EXPECT_NEAR(w.s.given_away, 10 * (stand - hit), 1e-9);

    // 11 against a 6, doubled and won; a loan in the middle of the round is no winnings.
    w.Deal(5, 6, 6, 10);
    const double doubled = w.Value(Action::Double);
    w.Do([](Game& g) {
        g.frmBank.txtBorrow.Caption = "100";
        g.frmBank_bnSign_Click();
    });
    w.Do(&Game::bnDouble_Click, {10, 10});  // 21; the dealer's 16 draws a 10
    EXPECT_EQ(w.Counted(), std::tuple(2, 1, 1, 0, std::int64_t{-10 + 20}));
    EXPECT_NEAR(w.s.expected_net, 10 * stand + 10 * doubled, 1e-9);

    // A blackjack is settled at the deal: no choice, the result is its value.
    w.Deal(1, 13, 9, 7);
    EXPECT_EQ(w.Counted(), std::tuple(3, 2, 1, 1, std::int64_t{10 + 15}));
    EXPECT_NEAR(w.s.expected_net, 10 * stand + 10 * doubled + 15, 1e-9);

    // A round left by New Game is not counted.
    w.Deal(10, 7, 10, 9);
    w.Do(&Game::mnuNewGame_Click);
    w.Deal(10, 10, 10, 9);
    w.Do(&Game::bnStay_Click);
    EXPECT_EQ(w.Counted(), std::tuple(4, 3, 1, 1, std::int64_t{35}));
}

TEST(CoachSession, SplitHandsAndInsuranceAreFollowed) {
    Watched w;
    // Eights split against a 10: the split is the choice, then each hand stands.
    w.Deal(8, 8, 10, 7);
    const double split = w.Value(Action::Split);  // the best play
    w.Do(&Game::bnSplit_Click, {10});
    EXPECT_TRUE(coach::VerdictText(*w.session.LastChoice()).starts_with("Split a pair of 8s"));
    EXPECT_TRUE(w.session.Current().has_value());  // the left hand's choice
    w.Do(&Game::bnStandSplit_Click);
    EXPECT_TRUE(coach::VerdictText(*w.session.LastChoice())
                    .starts_with("Stand on the left hand's 18 against a 10: "));
    EXPECT_FALSE(w.session.Current().has_value());  // the pass to the right hand
    w.Do(&Game::Timer3_Timer, {10});
    EXPECT_TRUE(w.session.Current().has_value());
    w.Do(&Game::bnStandSplit_Click);  // Finish: 18 and 18 against 17
    EXPECT_EQ(w.Counted(), std::tuple(1, 1, 0, 0, std::int64_t{20}));
    // The split's value, less what the two stands gave away against the best plays.
    EXPECT_NEAR(w.s.expected_net, 10 * split + w.s.given_away, 1e-9);
    const double given_away = w.s.given_away;

    // Insurance of 5 on a bet of 10 against a dealer blackjack: the bet is lost, the insurance
    // returns 10.
    w.t.port.answers = {"5"};
    w.Deal(9, 7, 1, 13);
    EXPECT_EQ(w.Counted(), std::tuple(2, 1, 1, 0, std::int64_t{20 - 10 - 5 + 10}));
    EXPECT_LT(w.s.given_away, given_away);  // insurance on a nearly full shoe is a poor bet
}

TEST(CoachSession, EachChoiceGetsAVerdictAndTheCostliestAreReviewed) {
    Watched w;
    // 18 against an 8, hit: a mistake, whose verdict outlasts the round.
    w.Deal(10, 8, 8, 10);
    const double stand = w.Value(Action::Stand), hit = w.Value(Action::Hit);
    w.Do(&Game::bnCard_Click, {5});
    w.Do(&Game::Timer1_Timer);
    const coach::Choice mistake = w.session.LastChoice().value();
    EXPECT_FALSE(mistake.best_choice);
    EXPECT_NEAR(mistake.cost, 10 * (stand - hit), 1e-9);
    char expected[200];
    std::snprintf(expected, sizeof expected,
                  "Hit on 18 against an 8: \u2212%.1f %%. Stand was best (+%.1f %%). Cost %.2f $",
                  -100 * hit, 100 * stand, mistake.cost);
    EXPECT_EQ(coach::VerdictText(mistake), expected);

    // A pair of fives doubled against a 6: the best choice, said so.
    w.Deal(5, 5, 6, 10);
    w.Do(&Game::bnDouble_Click, {10, 10});
    const coach::Choice good = w.session.LastChoice().value();
    EXPECT_TRUE(good.best_choice);
    EXPECT_EQ(good.cost, 0);
    EXPECT_TRUE(coach::VerdictText(good).starts_with("Double on a pair of 5s against a 6: +"));
    EXPECT_TRUE(coach::VerdictText(good).ends_with(" %, the best choice."));

    // Declining insurance with 20 against an ace on a nearly full shoe is the best answer; then
    // a stand on 12 against the ace gives away a little.
    w.t.port.answers = {"0"};
    w.Deal(10, 2, 1, 9);
    EXPECT_TRUE(w.session.LastChoice()->best_choice);
    EXPECT_EQ(w.session.LastChoice()->chosen, Action::NoInsurance);
    w.Do(&Game::bnStay_Click, {});
    EXPECT_EQ(w.s.choices, 4);
    EXPECT_EQ(w.s.best_choices, 2);

    // The review: the costliest first, each with its round and the shoe at the time.
    const auto review = w.session.Costliest();
    ASSERT_EQ(review.size(), 2u);
    EXPECT_GE(review[0].cost, review[1].cost);
    const coach::Choice& hit18 = review[0].round == 1 ? review[0] : review[1];
    EXPECT_TRUE(
        coach::ReviewText(hit18).starts_with("Round 1: Hit on 18 against an 8 (308 cards "
                                             "left). Stand was best (+"));
    EXPECT_EQ(w.session.Costliest(1).size(), 1u);

    // The session round by round: each point sums the rounds so far, and play as good as can be
    // is worth at least what was played.
    const auto& history = w.session.History();
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history.back().round, 3);
    EXPECT_EQ(history.back().net, static_cast<double>(w.s.net));
    EXPECT_NEAR(history.back().expected, w.s.expected_net, 1e-9);
    for (const coach::RoundPoint& p : history) EXPECT_GE(p.best, p.expected - 1e-9);
    EXPECT_NEAR(history.back().best - history.back().expected, -w.s.given_away, 1e-9);
}

}  // namespace
}  // namespace vex::test
