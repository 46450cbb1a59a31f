// The coach's values against an exhaustive reading of the rules on small shoes, against
// simulated play on a full shoe, and against what is known of six-deck tables.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Doubles.h"
#include "coach/Coach.h"
#include "state/Scoring.h"

namespace vex::coach {
namespace {

using Counts = std::array<int, 11>;

int Point(int value) {
    return value > 10 ? 10 : value;
}

// A hand scored card by card as the table scores it.
Score ScoreHand(const std::vector<int>& cards) {
    Score s = ScoreFirstCard(cards[0]);
    if (cards.size() > 1) s = ScoreSecondCard(s, cards[1]);
    for (std::size_t i = 2; i < cards.size(); ++i) s = ScoreNextCard(s, cards[i]);
    return s;
}

// The situation of one decision: the hand in play, and the left hand when the right one plays.
struct Spot {
    Spot(std::vector<int> p, int u, Decision d = Decision::MainHand, std::vector<int> r = {})
        : player(std::move(p)), up(u), decision(d), right(std::move(r)) {}
    std::vector<int> player;  // the main hand, or the left hand after a split
    int up = 0;
    Decision decision = Decision::MainHand;
    std::vector<int> right;  // the right hand of a split (its first card while the left plays)
};

TableState StateOf(const Spot& spot) {
    TableState s;
    const Score left = ScoreHand(spot.player);
    for (std::size_t i = 0; i < spot.player.size(); ++i)
        s.PlayerCards[i + 1] = static_cast<std::int16_t>(spot.player[i]);
    s.PlayerCardCount = static_cast<std::int16_t>(spot.player.size());
    s.PlayerTotal = left.Total;
    s.PlayerSoftAce = left.SoftAce;
    if (!spot.right.empty()) {
        const Score right = ScoreHand(spot.right);
        for (std::size_t i = 0; i < spot.right.size(); ++i)
            s.SplitCards[i + 1] = static_cast<std::int16_t>(spot.right[i]);
        s.SplitCardCount = static_cast<std::int16_t>(spot.right.size());
        s.SplitTotal = right.Total;
        s.SplitSoftAce = right.SoftAce;
        s.ActiveSplitHand = spot.decision == Decision::RightHand ? 1 : 0;
    }
    s.DealerCards[1] = static_cast<std::int16_t>(spot.up);
    return s;
}

Composition FullShoeLess(const std::vector<int>& seen) {
    Composition c;
    for (int r = 1; r <= 9; ++r) c.count[r] = 24;
    c.count[10] = 96;
    for (int v : seen) --c.count[Point(v)];
    return c;
}

int Compare(int total, int dealer) {
    if (dealer > 21 || total > dealer) return 1;
    return total < dealer ? -1 : 0;
}

// Every order of the unseen cards, read straight from the rules: the hole card first, never one
// that gives the dealer blackjack, then the player's cards, then the dealer's. Each value is
// the expectation given what the player has seen, and the player's next card is weighed over
// every hole card it could sit above.
class Exhaustive {
  public:
    Exhaustive(const Spot& spot) : up_(Point(spot.up)) {
        blackjack_ = up_ == 1 ? 10 : (up_ == 10 ? 1 : 0);
        if (spot.decision == Decision::RightHand) {
            const Score left = ScoreHand(spot.player);
            left_open_ = left.Total <= 21 && spot.player.size() < 6;
            left_total_ = left.Total;
            left_fixed_ = left_open_ ? 0 : (left.Total > 21 ? -1 : 1);
        }
    }

    double Stand(Counts& c, int total) {
        return OverHoleCards(c, [&](int d) {
            return Compare(total, d) + (left_open_ ? Compare(left_total_, d) : 0) + left_fixed_;
        });
    }
    // The hand in play ended by itself with `net`; the dealer plays only for an open left hand.
    double Finished(Counts& c, double net) {
        if (!left_open_) return net + left_fixed_;
        return OverHoleCards(c, [&](int d) { return net + left_fixed_ + Compare(left_total_, d); });
    }
    double Hit(Counts& c, Score hand, int cards) {
        return OverNextCard(c, [&](int r) {
            const Score next = ScoreNextCard(hand, r);
            if (next.Total > 21) return Finished(c, -1);
            if (cards + 1 == 6) return Finished(c, +1);
            return Best(c, next, cards + 1);
        });
    }
    double Best(Counts& c, Score hand, int cards) {
        const auto key = std::make_tuple(c, hand.Total, hand.SoftAce, cards);
        if (auto it = memo_.find(key); it != memo_.end()) return it->second;
        return memo_[key] = std::max(Stand(c, hand.Total), Hit(c, hand, cards));
    }
    double Double(Counts& c, Score hand) {
        return OverNextCard(c, [&](int r) {
            const Score next = ScoreNextCard(hand, r);
            return 2 * (next.Total > 21 ? -1 : Stand(c, next.Total));
        });
    }
    // One split hand from its first card, as the coach values it (see Coach.h).
    double SplitHand(Counts& c, int first) {
        return OverNextCard(
            c, [&](int r) { return Best(c, ScoreSecondCard(ScoreFirstCard(first), r), 2); });
    }

  private:
    // The expectation of payoff(dealer's final total, 22 for a bust) over the hole cards that
    // give no blackjack and every order of the dealer's later cards.
    template <class Payoff>
    double OverHoleCards(Counts& c, Payoff payoff) {
        double sum = 0, weight = 0;
        for (int h = 1; h <= 10; ++h) {
            if (h == blackjack_ || c[h] == 0) continue;
            const int ways = c[h]--;
            sum += ways * Dealer(c, ScoreSecondCard(ScoreFirstCard(up_), h), payoff);
            weight += ways;
            ++c[h];
        }
        return sum / weight;
    }
    template <class Payoff>
    double Dealer(Counts& c, Score hand, Payoff& payoff) {
        if (hand.Total >= 17) return payoff(hand.Total > 21 ? 22 : hand.Total);
        int n = 0;
        for (int r = 1; r <= 10; ++r) n += c[r];
        double sum = 0;
        for (int r = 1; r <= 10; ++r) {
            if (c[r] == 0) continue;
            const int ways = c[r]--;
            sum += ways * Dealer(c, ScoreNextCard(hand, r), payoff);
            ++c[r];
        }
        return sum / n;
    }
    // The player's next card r, over every pair (hole card without blackjack, card r above it).
    template <class Then>
    double OverNextCard(Counts& c, Then then) {
        double sum = 0, weight = 0;
        for (int h = 1; h <= 10; ++h) {
            if (h == blackjack_ || c[h] == 0) continue;
            for (int r = 1; r <= 10; ++r) {
                const double ways = c[h] * double(c[r] - (r == h));
                if (ways <= 0) continue;
                --c[r];
                sum += ways * then(r);
                ++c[r];
                weight += ways;
            }
        }
        return sum / weight;
    }

    int up_;
    int blackjack_;
    bool left_open_ = false;
    int left_total_ = 0;
    double left_fixed_ = 0;
    std::map<std::tuple<Counts, int, int, int>, double> memo_;
};

TEST(CoachExhaustive, EveryActionMatchesEveryOrderOfASmallShoe) {
    const Spot spots[] = {
        {{10, 6}, 10},
        {{13, 2}, 4},
        {{6, 5}, 1, Decision::Insurance},
        {{8, 8}, 9},
        {{1, 1}, 6},
        {{2, 3}, 5},
        {{1, 6}, 10},
        {{2, 2, 3, 2, 4}, 7},                                   // the next card is the sixth
        {{10, 8}, 7, Decision::RightHand, {8, 3}},              // the left hand still open
        {{8, 9, 10}, 1, Decision::RightHand, {8, 2}},           // the left hand busted
        {{9, 2, 3, 2, 1, 1}, 10, Decision::RightHand, {9, 7}},  // the left hand won by six cards
        {{8, 5}, 10, Decision::LeftHand, {8}},
    };
    // A few cards of each value, tens four times as many as the others.
    const Counts shoes[] = {
        {0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 8},
        {0, 3, 1, 2, 1, 3, 2, 1, 2, 2, 6},
    };
    Engine engine;
    for (const Counts& shoe : shoes) {
        for (const Spot& spot : spots) {
            SCOPED_TRACE(::testing::Message()
                         << "hand " << spot.player[0] << ',' << spot.player[1] << " v " << spot.up
                         << " decision " << static_cast<int>(spot.decision));
            Composition unseen;
            unseen.count = shoe;
            const TableState s = StateOf(spot);
            const Advice advice = engine.Advise(s, unseen, spot.decision, true, true);

            Exhaustive x(spot);
            Counts c = shoe;
            const bool right = spot.decision == Decision::RightHand;
            const Score hand = right ? ScoreHand(spot.right) : ScoreHand(spot.player);
            const int cards = static_cast<int>(right ? spot.right.size() : spot.player.size());
            const double split_right =
                spot.decision == Decision::LeftHand ? x.SplitHand(c, spot.right[0]) : 0;
            std::map<Action, double> want = {{Action::Stand, x.Stand(c, hand.Total) + split_right},
                                             {Action::Hit, x.Hit(c, hand, cards) + split_right}};
            const bool two_cards = !right && spot.player.size() == 2;
            if (two_cards && spot.decision != Decision::LeftHand) {
                want[Action::Double] = x.Double(c, hand);
                if (spot.player[0] == spot.player[1])
                    want[Action::Split] = 2 * x.SplitHand(c, spot.player[0]);
            }
            if (spot.decision == Decision::Insurance) {
                double best = -10;
                for (const auto& [action, ev] : want) best = std::max(best, ev);
                // Over the hole card: a ten ends the round at once (the bet lost, the half bet
                // of insurance won once), anything else leaves the hand to play.
                double n = 0, take = 0, decline = 0;
                for (int h = 1; h <= 10; ++h) {
                    n += shoe[h];
                    take += shoe[h] * (h == 10 ? -1 + 0.5 : -0.5 + best);
                    decline += shoe[h] * (h == 10 ? -1 : best);
                }
                want = {{Action::Insurance, take / n}, {Action::NoInsurance, decline / n}};
            }

            ASSERT_EQ(advice.values().size(), want.size());
            double best = -10;
            for (const auto& [action, ev] : want) {
                SCOPED_TRACE(static_cast<int>(action));
                ASSERT_TRUE(advice.ValueOf(action).has_value());
                EXPECT_NEAR(*advice.ValueOf(action), ev, 1e-9);
                best = std::max(best, ev);
            }
            EXPECT_NEAR(*advice.ValueOf(advice.best), best, 1e-12);
        }
    }
}

// Plays one action many times from a full shoe, drawing from the unseen cards with the hole card
// dealt first and redealt while it gives the dealer blackjack, and following the coach for every
// later choice, and returns the mean net and the half-width of its 95% interval.
class Simulation {
  public:
    Simulation(const Spot& spot, std::uint64_t seed) : spot_(spot), rng_(seed) {}

    std::pair<double, double> Run(Action first, int rounds) {
        double sum = 0, sum2 = 0;
        for (int i = 0; i < rounds; ++i) {
            const double net = Round(first);
            sum += net;
            sum2 += net * net;
        }
        const double mean = sum / rounds;
        const double var = sum2 / rounds - mean * mean;
        return {mean, 1.96 * std::sqrt(var / rounds)};
    }

  private:
    int Draw() {
        std::uniform_int_distribution<int> pick(0, n_ - 1);
        int k = pick(rng_);
        for (int r = 1; r <= 10; ++r) {
            if (k < c_[r]) {
                --c_[r];
                --n_;
                return r;
            }
            k -= c_[r];
        }
        return 0;
    }

    // What the coach says for these hands, asked once per distinct situation: the cards of each
    // hand in any order (counts per value, three bits each) and the decision.
    Action Choose(const Spot& spot) {
        std::uint64_t key = static_cast<std::uint64_t>(spot.decision);
        for (int v : spot.player) key += std::uint64_t{1} << (2 + 3 * (Point(v) - 1));
        for (int v : spot.right) key += std::uint64_t{1} << (32 + 3 * (Point(v) - 1));
        if (auto it = choices_.find(key); it != choices_.end()) return it->second;
        std::vector<int> seen = spot.player;
        seen.insert(seen.end(), spot.right.begin(), spot.right.end());
        seen.push_back(spot.up);
        const Advice a = engine_.Advise(StateOf(spot), FullShoeLess(seen), spot.decision,
                                        spot.decision == Decision::MainHand, false);
        return choices_[key] = a.best;
    }

    // Plays the hand in play (hits while the coach says so); true if it ended by itself.
    void PlayOut(Spot& spot, std::vector<int>& hand) {
        while (ScoreHand(hand).Total <= 21 && hand.size() < 6 && Choose(spot) == Action::Hit)
            hand.push_back(Draw());
    }

    int DealerTotal(int hole) {
        Score d = ScoreSecondCard(ScoreFirstCard(spot_.up), hole);
        while (d.Total <= 16) d = ScoreNextCard(d, Draw());
        return d.Total;
    }

    // The net of a hand that is over: a bust, six cards, or a total against the dealer's.
    static double Net(const std::vector<int>& hand, int dealer) {
        const int total = ScoreHand(hand).Total;
        if (total > 21) return -1;
        if (hand.size() == 6) return 1;
        return Compare(total, dealer);
    }
    static bool Open(const std::vector<int>& hand) {
        return ScoreHand(hand).Total <= 21 && hand.size() < 6;
    }

    double Round(Action first) {
        std::vector<int> seen = spot_.player;
        seen.push_back(spot_.up);
        c_ = FullShoeLess(seen).count;
        n_ = 0;
        for (int r = 1; r <= 10; ++r) n_ += c_[r];
        const int up = Point(spot_.up);
        int hole;
        for (;;) {  // the dealer has checked: no blackjack
            hole = Draw();
            if (!((up == 1 && hole == 10) || (up == 10 && hole == 1))) break;
            ++c_[hole];
            ++n_;
        }
        Spot spot = spot_;
        switch (first) {
            case Action::Stand:
                return Net(spot.player, DealerTotal(hole));
            case Action::Double: {
                spot.player.push_back(Draw());
                const bool bust = ScoreHand(spot.player).Total > 21;
                return 2 * (bust ? -1 : Net(spot.player, DealerTotal(hole)));
            }
            case Action::Hit: {
                spot.player.push_back(Draw());
                PlayOut(spot, spot.player);
                return Open(spot.player) ? Net(spot.player, DealerTotal(hole))
                                         : Net(spot.player, 0);
            }
            default: {  // Split: the left hand to its end, then the right hand
                spot.right = {spot.player[1]};
                spot.player = {spot.player[0], Draw()};
                spot.decision = Decision::LeftHand;
                PlayOut(spot, spot.player);
                spot.right.push_back(Draw());
                spot.decision = Decision::RightHand;
                PlayOut(spot, spot.right);
                const bool dealer_plays = Open(spot.player) || Open(spot.right);
                const int dealer = dealer_plays ? DealerTotal(hole) : 0;
                return Net(spot.player, dealer) + Net(spot.right, dealer);
            }
        }
    }

    Spot spot_;
    std::mt19937_64 rng_;
    Counts c_{};
    int n_ = 0;
    Engine engine_;
    std::unordered_map<std::uint64_t, Action> choices_;
};

// A fixed seed keeps the check repeatable: at 95% each comparison misses one seed in twenty.
// COACH_SEED and COACH_SCALE (a multiple of the rounds) rerun it larger and print each figure.
std::uint64_t SimulationSeed() {
    const char* seed = std::getenv("COACH_SEED");
    return seed ? std::stoull(seed) : 2;
}
int SimulationScale() {
    const char* scale = std::getenv("COACH_SCALE");
    return scale ? std::max(1, std::atoi(scale)) : 1;
}

TEST(CoachSimulation, EachActionOnAFullShoeFallsWithinItsInterval) {
    const struct {
        Spot spot;
        Action action;
        int rounds;
    } cases[] = {
        {{{10, 6}, 10}, Action::Stand, 100'000}, {{{10, 6}, 10}, Action::Hit, 100'000},
        {{{6, 5}, 1}, Action::Hit, 100'000},     {{{6, 5}, 1}, Action::Double, 100'000},
        {{{2, 3}, 6}, Action::Hit, 100'000},     {{{8, 8}, 10}, Action::Split, 60'000},
    };
    Engine engine;
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.spot.player[0] << ',' << k.spot.player[1] << " v "
                                          << k.spot.up << " action " << static_cast<int>(k.action));
        const Advice a = engine.Advise(
            StateOf(k.spot), FullShoeLess({k.spot.player[0], k.spot.player[1], k.spot.up}),
            Decision::MainHand, true, true);
        Simulation sim(k.spot, SimulationSeed());
        const auto [mean, ci] = sim.Run(k.action, k.rounds * SimulationScale());
        if (SimulationScale() > 1)
            std::printf("engine %.5f sim %.5f ci %.5f z %.2f\n", *a.ValueOf(k.action), mean, ci,
                        1.96 * (mean - *a.ValueOf(k.action)) / ci);
        EXPECT_NEAR(*a.ValueOf(k.action), mean, ci);
    }
}

TEST(CoachKnownValues, SixDeckStandOnSeventeenOrderings) {
    Engine engine;
    auto advise = [&](int p1, int p2, int up) {
        return engine.Advise(StateOf({{p1, p2}, up}), FullShoeLess({p1, p2, up}),
                             Decision::MainHand, true, true);
    };
    // Hard 16 against a ten: both lose about 54 cents, within a cent of each other.
    const Advice h16 = advise(10, 6, 10);
    EXPECT_LT(*h16.ValueOf(Action::Stand), -0.5);
    EXPECT_LT(*h16.ValueOf(Action::Hit), -0.5);
    EXPECT_NEAR(*h16.ValueOf(Action::Hit), *h16.ValueOf(Action::Stand), 0.01);
    // 11 against an ace: both win. With the dealer standing on soft 17, six-deck tables hit
    // rather than double (only a dealer hitting soft 17 makes the double right).
    const Advice h11 = advise(6, 5, 1);
    EXPECT_GT(*h11.ValueOf(Action::Double), 0.1);
    EXPECT_GT(*h11.ValueOf(Action::Hit), *h11.ValueOf(Action::Double));
    // 8-8 against a ten: splitting loses less than standing or hitting 16.
    const Advice p8 = advise(8, 8, 10);
    EXPECT_EQ(p8.best, Action::Split);
    EXPECT_LT(*p8.ValueOf(Action::Split), -0.4);
    // Insurance that pays back its stake once never pays on a full shoe.
    const Advice ins = engine.Advise(StateOf({{10, 9}, 1}), FullShoeLess({10, 9, 1}),
                                     Decision::Insurance, true, false);
    EXPECT_EQ(ins.best, Action::NoInsurance);
}

TEST(CoachUnseen, TheHoleCardIsUnseenAndTheCountFollowsTheCardsShown) {
    doubles::Table t;
    t.BetChips({10});
    t.Deal(5, 6, 9, 1);  // 11 against a nine, an ace in the hole
    const TableState& s = t.game;
    const Composition hidden = UnseenCards(s, true);
    EXPECT_EQ(hidden.total(), s.ShoeCardsLeft + 1);
    EXPECT_EQ(hidden.count[1], 24);
    EXPECT_EQ(hidden.count[10], 96);
    EXPECT_EQ(UnseenCards(s, false).count[1], 23);
    // Seen: a 5 and a 6 (+2) and a nine (0); the ace in the hole is not counted yet.
    const HiLo count = HiLoCount(hidden);
    EXPECT_EQ(count.running, 2);
    EXPECT_NEAR(count.true_count, 2 * 52.0 / hidden.total(), 1e-12);

    // An empty shoe takes back, mid-round, every card but the five on the table.
    Game& g = t.game;
    for (auto& deck : g.ShoeUsed)
        for (auto& suit : deck)
            for (auto& used : suit) used = 1;
    g.ShoeCardsLeft = 0;
    t.rng.Stack(9);
    g.bnCard_Click();
    const Composition refilled = UnseenCards(g, true);
    EXPECT_EQ(refilled.total(), kShoeSize - 5 + 1);
    EXPECT_EQ(refilled.count[9], 22);  // the up card and the hit
    EXPECT_EQ(refilled.count[1], 24);
}

}  // namespace
}  // namespace vex::coach
