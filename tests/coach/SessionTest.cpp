// The coach's session: which choice the player made, what it was worth, and each round's result.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Doubles.h"
#include "coach/Session.h"

namespace vex::test {
using namespace vex::doubles;
namespace {

// A table whose every event is followed by the coach's look, as the window does.
struct Watched {
    Table t;
    coach::Session session;
    Watched() { session.Observe(t.game); }
    void Do(const std::function<void(Game&)>& event) {
        event(t.game);
        session.Observe(t.game);
    }
    void Deal(int p1, int p2, int up, int hole) {
        Do([&](Game&) { t.BetChips({10}); });
        t.rng.Stack({p1, p2, up, hole});
        Do([](Game& g) { g.bnDeal_Click(); });
    }
    double Value(coach::Action a) const { return session.Current()->ValueOf(a).value(); }
};

TEST(CoachSession, EachRoundIsCountedAtItsPayAndEachChoiceValued) {
    Watched w;
    const coach::Stats& s = w.session.stats();

    // Hard 16 against a 10, stood on: a loss, and the choice gave away a little to Hit.
    w.Deal(10, 6, 10, 8);
    ASSERT_TRUE(w.session.Current().has_value());
    const double stand = w.Value(coach::Action::Stand);
    const double best = w.Value(w.session.Current()->best);
    EXPECT_EQ(w.session.Current()->best, coach::Action::Hit);
    w.Do([](Game& g) { g.bnStay_Click(); });
    EXPECT_FALSE(w.session.Current().has_value());
    w.Do([](Game& g) { g.Timer1_Timer(); });
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(s.losses, 1);
    EXPECT_EQ(s.net, -10);
    EXPECT_NEAR(s.expected_net, 10 * stand, 1e-9);
    EXPECT_NEAR(s.given_away, 10 * (stand - best), 1e-9);
    EXPECT_LT(s.given_away, 0);

    // 11 against a 6, doubled and won; a loan in the middle of the round is no winnings.
    w.Deal(5, 6, 6, 10);
    const double doubled = w.Value(coach::Action::Double);
    EXPECT_EQ(w.session.Current()->best, coach::Action::Double);
    w.Do([](Game& g) {
        g.frmBank.txtBorrow.Caption = "100";
        g.frmBank_bnSign_Click();
    });
    w.t.rng.Stack({10});  // 21; the dealer's 16 draws a 10
    w.t.rng.Stack({10});
    w.Do([](Game& g) { g.bnDouble_Click(); });
    w.Do([](Game& g) { g.Timer1_Timer(); });
    EXPECT_EQ(s.rounds, 2);
    EXPECT_EQ(s.wins, 1);
    EXPECT_EQ(s.net, -10 + 20);
    EXPECT_NEAR(s.expected_net, 10 * stand + 10 * doubled, 1e-9);

    // A blackjack is settled at the deal: no choice, the result is its value.
    w.Deal(1, 13, 9, 7);
    w.Do([](Game& g) { g.Timer1_Timer(); });
    EXPECT_EQ(s.rounds, 3);
    EXPECT_EQ(s.wins, 2);
    EXPECT_EQ(s.blackjacks, 1);
    EXPECT_EQ(s.net, 10 + 15);
    EXPECT_NEAR(s.expected_net, 10 * stand + 10 * doubled + 15, 1e-9);

    // A round left by New Game is not counted.
    w.Deal(10, 7, 10, 9);
    w.Do([](Game& g) { g.mnuNewGame_Click(); });
    w.Deal(10, 10, 10, 9);
    w.Do([](Game& g) { g.bnStay_Click(); });
    EXPECT_EQ(s.rounds, 4);
    EXPECT_EQ(s.pushes, 0);
    EXPECT_EQ(s.wins, 3);
    EXPECT_EQ(s.net, 35);
}

TEST(CoachSession, SplitHandsAndInsuranceAreFollowed) {
    Watched w;
    const coach::Stats& s = w.session.stats();

    // Eights split against a 10: the split is the choice, then each hand stands.
    w.Deal(8, 8, 10, 7);
    const double split = w.Value(coach::Action::Split);
    const double first_best = w.Value(w.session.Current()->best);
    w.t.rng.Stack({10});
    w.Do([](Game& g) { g.bnSplit_Click(); });
    ASSERT_TRUE(w.session.Current().has_value());  // the left hand's choice
    w.Do([](Game& g) { g.bnStandSplit_Click(); });
    EXPECT_FALSE(w.session.Current().has_value());  // the pass to the right hand
    w.t.rng.Stack({10});
    w.Do([](Game& g) { g.Timer3_Timer(); });
    ASSERT_TRUE(w.session.Current().has_value());
    w.Do([](Game& g) { g.bnStandSplit_Click(); });  // Finish: 18 and 18 against 17
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(s.wins, 1);
    EXPECT_EQ(s.net, 20);
    EXPECT_LE(s.given_away, 0);
    // The split's value, less what the two stands gave away against the best plays.
    EXPECT_NEAR(s.expected_net, 10 * split + s.given_away - 10 * (split - first_best), 1e-9);
    w.Do([](Game& g) { g.Timer1_Timer(); });
    const double given_away = s.given_away;

    // Insurance of 5 on a bet of 10 against a dealer blackjack: the bet is lost, the insurance
    // returns 10. Taking it is worth the same as declining it plus the insurance's own value.
    w.t.port.answers = {"5"};
    w.Deal(9, 7, 1, 13);
    EXPECT_EQ(s.rounds, 2);
    EXPECT_EQ(s.net, 20 - 10 - 5 + 10);
    EXPECT_LT(s.given_away, given_away);  // insurance on a nearly full shoe is a poor bet
}

}  // namespace
}  // namespace vex::test
