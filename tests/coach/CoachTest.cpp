// The coach's values against an exhaustive reading of the rules on small shoes (the session
// tests see its known orderings on a nearly full six-deck shoe).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <ranges>
#include <vector>

#include "Doubles.h"
#include "coach/Coach.h"
#include "state/Scoring.h"

namespace vex::coach {
namespace {

using Counts = std::array<int, 11>;

constexpr auto Point = [](int value) { return value > 10 ? 10 : value; };
// A hand's net against the dealer's final total: a total over 21 is a bust, 99 six cards.
constexpr auto Net = [](int total, int dealer) {
    if (total > 21 && total != 99) return -1;
    return dealer > 21 || total > dealer ? 1 : total < dealer ? -1 : 0;
};

Score ScoreHand(const std::vector<int>& cards) {
    Score s = ScoreFirstCard(cards[0]);
    if (cards.size() > 1) s = ScoreSecondCard(s, cards[1]);
    for (std::size_t i = 2; i < cards.size(); ++i) s = ScoreNextCard(s, cards[i]);
    return s;
}

// One decision: the hand in play (the left hand after a split) and the right hand of a split.
struct Spot {
    std::vector<int> player;
    int up = 0;
    Decision decision = Decision::MainHand;
    std::vector<int> right = {};
};

TableState StateOf(const Spot& spot) {
    TableState s;
    auto put = [](const std::vector<int>& hand, auto& cards, std::int16_t& count,
                  std::int16_t& total, Flag& soft) {
        for (std::size_t i = 0; i < hand.size(); ++i) cards[i + 1] = std::int16_t(hand[i]);
        count = std::int16_t(hand.size());
        if (count > 0) total = ScoreHand(hand).Total, soft = ScoreHand(hand).SoftAce;
    };
    put(spot.player, s.PlayerCards, s.PlayerCardCount, s.PlayerTotal, s.PlayerSoftAce);
    put(spot.right, s.SplitCards, s.SplitCardCount, s.SplitTotal, s.SplitSoftAce);
    s.DealerCards[1] = std::int16_t(spot.up);
    return s;
}

// Every order of the unseen cards, read straight from the rules: the hole card first, never one
// that gives the dealer blackjack, then the player's cards, then the dealer's. While the right
// hand of a split plays, the left one (its total, or 99 for six cards) is settled with it.
struct Reference {
    int up, left, blackjack = (up == 1) * 10 + (up == 10);  // the hole card making blackjack
    std::map<std::tuple<Counts, int, int, int>, double> memo;
    Reference(int up_card, int left_total) : up(Point(up_card)), left(left_total) {}

    // The mean of f(r) over the cards r left in c but `skip`, each taken out while f looks.
    template <class F>
    double Mean(Counts& c, int skip, F f) {
        double sum = 0, n = 0;
        for (int r = 1; r <= 10; ++r) {
            if (r == skip || c[r] == 0) continue;
            const int ways = c[r]--;
            sum += ways * f(r);
            n += ways;
            ++c[r];
        }
        return sum / n;
    }
    // The round's net with the hand in play ended on `total`, from the hole card on.
    double Dealer(Counts& c, int total, Score hand = {}, int cards = 0) {
        if (cards == 0) hand = ScoreFirstCard(up);
        if (hand.Total >= 17) return Net(total, hand.Total) + (left ? Net(left, hand.Total) : 0);
        return Mean(c, cards ? 0 : blackjack, [&](int r) {
            return Dealer(c, total, cards ? ScoreNextCard(hand, r) : ScoreSecondCard(hand, r),
                          cards + 1);
        });
    }
    // then(the player's next card): the card under it is any hole card without blackjack.
    template <class Then>
    double Next(Counts& c, Then then) {
        return Mean(c, blackjack, [&](int h) {
            return Mean(c, 0, [&](int r) {
                ++c[h];
                const double v = then(r);
                --c[h];
                return v;
            });
        });
    }
    double Hit(Counts& c, Score hand, int cards) {
        return Next(c, [&](int r) {
            const Score next = ScoreNextCard(hand, r);
            if (next.Total <= 21 && cards < 5) return Best(c, next, cards + 1);
            const int end = next.Total > 21 ? 22 : 99;          // a bust, or six cards
            if (left > 0 && left <= 21) return Dealer(c, end);  // the open left hand needs him
            return Net(end, 0) + (left ? Net(left, 0) : 0.0);
        });
    }
    double Best(Counts& c, Score hand, int cards) {
        const auto key = std::make_tuple(c, hand.Total, hand.SoftAce, cards);
        if (auto it = memo.find(key); it != memo.end()) return it->second;
        return memo[key] = std::max(Dealer(c, hand.Total), Hit(c, hand, cards));
    }
    double Double(Counts& c, Score hand) {
        return Next(c, [&](int r) {
            const Score next = ScoreNextCard(hand, r);
            return 2 * (next.Total > 21 ? -1 : Dealer(c, next.Total));
        });
    }
    // One split hand from its first card, played on its own cards (as Coach.h says).
    double SplitHand(Counts& c, int first) {
        return Next(c,
                    [&](int r) { return Best(c, ScoreSecondCard(ScoreFirstCard(first), r), 2); });
    }
};

TEST(CoachExhaustive, EveryActionMatchesEveryOrderOfASmallShoe) {
    const Spot spots[] = {
        {{10, 6}, 10},
        {{6, 5}, 1, Decision::Insurance},
        {{8, 8}, 9},
        {{1, 1}, 6},
        {{1, 6}, 10},
        {{2, 2, 3, 2, 4}, 7},                                   // the next card is the sixth
        {{10, 8}, 7, Decision::RightHand, {8, 3}},              // the left hand still open
        {{8, 9, 10}, 1, Decision::RightHand, {8, 2}},           // the left hand busted
        {{9, 2, 3, 2, 1, 1}, 10, Decision::RightHand, {9, 7}},  // the left hand won by six cards
        {{8, 5}, 10, Decision::LeftHand, {8}},
    };
    // A few cards of each value, tens four times as many as the others.
    const Counts shoes[] = {{0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 8}, {0, 3, 1, 2, 1, 3, 2, 1, 2, 2, 6}};
    Engine engine;
    for (const Counts& shoe : shoes) {
        for (const Spot& spot : spots) {
            SCOPED_TRACE(::testing::Message() << spot.player[0] << ',' << spot.player[1] << " v "
                                              << spot.up << " decision " << int(spot.decision));
            const Composition unseen{shoe};
            const Advice advice = engine.Advise(StateOf(spot), unseen, spot.decision, true, true);
            const bool right = spot.decision == Decision::RightHand;
            const int left = spot.player.size() == 6 ? 99 : ScoreHand(spot.player).Total;
            Reference x(spot.up, right ? left : 0);
            Counts c = shoe;
            const auto& cards = right ? spot.right : spot.player;
            const Score hand = ScoreHand(cards);
            const double other =  // the right hand's value while the left one plays
                spot.decision == Decision::LeftHand ? x.SplitHand(c, spot.right[0]) : 0;
            std::map<Action, double> want = {
                {Action::Stand, x.Dealer(c, hand.Total) + other},
                {Action::Hit, x.Hit(c, hand, int(cards.size())) + other}};
            if (cards.size() == 2 && spot.right.empty()) {
                want[Action::Double] = x.Double(c, hand);
                if (cards[0] == cards[1]) want[Action::Split] = 2 * x.SplitHand(c, cards[0]);
            }
            if (spot.decision == Decision::Insurance) {
                // A ten in the hole: the bet lost, the half bet of insurance won once. Else the
                // half bet lost, and the hand played.
                const double p = shoe[10] / double(unseen.total());
                const double play = std::ranges::max(want | std::views::values);
                want = {{Action::Insurance, p * (-1 + 0.5) + (1 - p) * (-0.5 + play)},
                        {Action::NoInsurance, p * -1 + (1 - p) * play}};
            }
            ASSERT_EQ(advice.values().size(), want.size());
            for (const auto& [action, ev] : want) {
                EXPECT_NEAR(advice.ValueOf(action).value_or(99), ev, 1e-9) << int(action);
                EXPECT_LE(ev, want.at(advice.best) + 1e-12) << "the best is not the highest";
            }
        }
    }
}

// The round before the deal from the exhaustive reading: every up card and two cards, the
// naturals, half the bet of insurance when it is worth more, then the best play (tens not split).
double EdgeByEveryDeal(const Counts& shoe) {
    double edge = 0, n = Composition{shoe}.total();
    for (int up = 1; up <= 10; ++up) {
        if (shoe[up] == 0) continue;
        Counts c = shoe;
        const double p_up = c[up]-- / n;
        Reference x(up, 0);
        for (int p1 = 1; p1 <= 10; ++p1)
            for (int p2 = p1; p2 <= 10; ++p2) {
                const double ways = (p1 == p2 ? 1 : 2) * c[p1] * (c[p2] - (p1 == p2));
                if (ways <= 0) continue;
                --c[p1], --c[p2];
                const double bj = x.blackjack ? c[x.blackjack] / (n - 3) : 0;
                const Score hand = ScoreHand({p1, p2});
                double v = 1.5 * (1 - bj);
                if (hand.Total != 21) {
                    double play =
                        std::max({x.Dealer(c, hand.Total), x.Hit(c, hand, 2), x.Double(c, hand)});
                    if (p1 == p2 && p1 != 10) play = std::max(play, 2 * x.SplitHand(c, p1));
                    v = -bj + (1 - bj) * play + (up == 1) * std::max(0.0, bj - 0.5);
                }
                edge += p_up * ways / ((n - 1) * (n - 2)) * v;
                ++c[p1], ++c[p2];
            }
    }
    return edge;
}

TEST(CoachEdge, MatchesEveryDealOfSmallShoes) {
    const Counts shoes[] = {{0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 8},  // pairs of every kind split
                            {0, 3, 1, 2, 1, 3, 2, 1, 2, 2, 6},
                            {0, 1, 1, 1, 1, 2, 1, 1, 1, 1, 6}};  // 16 cards
    Engine engine;
    for (const Counts& shoe : shoes)
        EXPECT_NEAR(engine.EdgeBeforeDeal(Composition{shoe}), EdgeByEveryDeal(shoe), 1e-9);
}

// One round dealt from the top of `cards` (shuffled) and played by the coach's choices, as the
// table plays it: naturals, insurance, the hand (or a split's two), the dealer to 17.
double PlayedByTheCoach(Engine& engine, const std::vector<int>& cards, Counts unseen) {
    std::size_t top = 0;
    auto draw = [&] { return --unseen[cards[top]], cards[top++]; };
    const int p1 = draw(), p2 = draw(), up = draw(), hole = draw();
    const Score dealt = ScoreSecondCard(ScoreFirstCard(up), hole);
    auto best = [&](const Spot& spot, bool first_two) {
        Counts hidden = unseen;
        ++hidden[hole];
        const bool pair = first_two && p1 == p2 && p1 != 10;
        return engine.Advise(StateOf(spot), Composition{hidden}, spot.decision, first_two, pair)
            .best;
    };
    if (ScoreHand({p1, p2}).Total == 21) return dealt.Total == 21 ? 0 : 1.5;
    double net = 0;
    if (up == 1 && best({{p1, p2}, up, Decision::Insurance}, true) == Action::Insurance)
        net = dealt.Total == 21 ? 0.5 : -0.5;
    if (dealt.Total == 21) return net - 1;

    std::vector<int> hand = {p1, p2}, right;
    double stake = 1;
    auto ended = [](const std::vector<int>& h) { return ScoreHand(h).Total > 21 || h.size() == 6; };
    // Plays one hand to its end; `spot` says which.
    auto play = [&](std::vector<int>& h, auto spot) {
        while (!ended(h)) {
            const Action a = best(spot(), false);
            if (a == Action::Stand) return;
            h.push_back(draw());
        }
    };
    switch (best({hand, up}, true)) {
        case Action::Hit:
            hand.push_back(draw());
            play(hand, [&] { return Spot{hand, up}; });
            break;
        case Action::Double:
            stake = 2;
            hand.push_back(draw());
            break;
        case Action::Split:
            hand = {p1, draw()}, right = {p2};
            play(hand, [&] { return Spot{hand, up, Decision::LeftHand, right}; });
            right.push_back(draw());
            play(right, [&] { return Spot{hand, up, Decision::RightHand, right}; });
            break;
        default:
            break;
    }
    Score dealer = dealt;
    while (dealer.Total < 17) dealer = ScoreNextCard(dealer, draw());
    for (const auto& h : {hand, right})
        if (!h.empty()) {
            const int total = h.size() == 6 && ScoreHand(h).Total <= 21 ? 99 : ScoreHand(h).Total;
            net += stake * Net(total, dealer.Total);
        }
    return net;
}

TEST(CoachEdge, MatchesRoundsPlayedByTheCoachFromADepletedShoe) {
    const Counts shoe = {0, 9, 5, 6, 4, 5, 7, 9, 8, 6, 35};  // 94 cards, rich in tens and aces
    std::vector<int> cards;
    for (int r = 1; r <= 10; ++r) cards.insert(cards.end(), std::size_t(shoe[r]), r);
    Engine engine;
    std::mt19937_64 random(11);
    constexpr int kRounds = 50'000;
    double sum = 0, squares = 0;
    for (int i = 0; i < kRounds; ++i) {
        std::shuffle(cards.begin(), cards.end(), random);
        const double net = PlayedByTheCoach(engine, cards, shoe);
        sum += net, squares += net * net;
    }
    const double mean = sum / kRounds;
    const double ci99 = 2.576 * std::sqrt((squares / kRounds - mean * mean) / kRounds);
    EXPECT_NEAR(mean, engine.EdgeBeforeDeal(Composition{shoe}), ci99);
}

// The left hand of a split is the right hand's alone: the next decision starts without it.
TEST(CoachEngine, ADecisionAfterASplitsRightHandLeavesTheLeftHandOut) {
    const Composition shoe{{0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 8}};
    const Spot hand{{10, 6}, 10}, right{{10, 8}, 7, Decision::RightHand, {8, 3}};
    Engine fresh, after_split;
    after_split.Advise(StateOf(right), shoe, right.decision, true, true);
    const Advice want = fresh.Advise(StateOf(hand), shoe, hand.decision, true, true);
    const Advice got = after_split.Advise(StateOf(hand), shoe, hand.decision, true, true);
    for (const ActionValue& v : want.values())
        EXPECT_EQ(got.ValueOf(v.action), v.ev) << int(v.action);
}

TEST(CoachUnseen, TheHoleCardIsUnseenAndAnEmptiedShoeIsReadAfterItsRefill) {
    doubles::Table t;
    t.BetChips({10});
    t.Deal(5, 6, 9, 1);  // 11 against a nine, an ace in the hole
    Game& g = t.game;
    const Composition hidden = UnseenCards(g, true);
    EXPECT_EQ(hidden.total(), g.ShoeCardsLeft + 1);
    EXPECT_EQ(hidden.count[1], 24);
    EXPECT_EQ(UnseenCards(g, false).count[1], 23);
    // Seen: a 5 and a 6 (+2) and a nine (0); the ace in the hole is not counted yet.
    EXPECT_EQ(HiLoCount(hidden).running, 2);

    // An empty shoe takes back, mid-round, every card but the five on the table.
    std::fill_n(&g.ShoeUsed[0][0][0], sizeof g.ShoeUsed / sizeof(std::int16_t), 1);
    g.ShoeCardsLeft = 0;
    t.rng.Stack(9);
    g.bnCard_Click();
    EXPECT_EQ(UnseenCards(g, true).total(), kShoeSize - 5 + 1);
    EXPECT_EQ(UnseenCards(g, true).count[9], 22);  // the up card and the hit
}

}  // namespace
}  // namespace vex::coach
