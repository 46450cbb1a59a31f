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
#include <stdexcept>
#include <utility>
#include <vector>

#include "state/Scoring.h"

namespace vex::coach {

namespace {

constexpr int kRanks = 10;
constexpr int Point(int value) {
    return value > 10 ? 10 : value;
}

// A dealer's final totals: 17, 18, 19, 20, 21 and bust, weighted by 1(no dealer blackjack).
using DealerOdds = std::array<double, 6>;

// Eight compositions side by side: the dealer's odds are worked out for the cards a hand may
// draw next all at once, each lane of a small array one composition. The hot sums are written
// out lane by lane (EachLane), which the compiler packs into vector instructions at -O2.
constexpr int kLanes = 8;
using Lanes = std::array<double, kLanes>;
// f(0), ..., f(kLanes - 1) written out one after the other, so that the lanes' sums can stay in
// registers: a loop over them would keep them in memory.
template <class F>
inline void EachLane(F f) {
    [&]<std::size_t... J>(std::index_sequence<J...>) {
        (f(J), ...);
    }
    (std::make_index_sequence<kLanes>{});
}

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
// most (a 2 up) instead of 20,000 card sequences. Each state lists the cards that lead on to
// another state apart from those that end the hand, so that playing it takes no branch on which.
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
        for (State& s : states_) {
            s.first = static_cast<std::uint32_t>(edges_.size());
            for (int r = 1; r <= kRanks; ++r)
                if (s.edge[r] >= 0) edges_.push_back({static_cast<std::uint8_t>(r), s.edge[r]});
            s.ends = static_cast<std::uint32_t>(edges_.size());
            for (int r = 1; r <= kRanks; ++r)
                if (s.edge[r] < 0 && s.edge[r] != kNoEdge)
                    edges_.push_back({static_cast<std::uint8_t>(r), -1 - s.edge[r]});
            s.last = static_cast<std::uint32_t>(edges_.size());
        }
        for (const State& s : states_)
            for (int r = 1; r <= kRanks; ++r)
                most_taken_[static_cast<std::size_t>(r)] =
                    std::max(most_taken_[static_cast<std::size_t>(r)], int{s.taken[r]});
        for (int r = 1, row = 0; r <= kRanks; ++r) {
            row_of_[static_cast<std::size_t>(r)] = row;
            row += most_taken_[static_cast<std::size_t>(r)] + 1;
            if (row > kMaxRows) throw std::logic_error("the dealer's graph holds too many cards");
        }
        for (const State& s : states_)
            if (s.cards > kMaxCards) throw std::logic_error("a dealer's hand of too many cards");
        auto row = [&](const State& s, int r) {
            return static_cast<std::uint32_t>(row_of_[static_cast<std::size_t>(r)] + s.taken[r]);
        };
        for (std::size_t i = 0; i < states_.size(); ++i)
            for (std::uint32_t k = states_[i].ends; k < states_[i].last; ++k)
                ends_[static_cast<std::size_t>(edges_[k].to)].push_back(
                    {static_cast<std::uint32_t>(i), row(states_[i], edges_[k].rank)});
        std::vector<std::vector<Step>> from(states_.size());
        for (std::size_t i = 0; i < states_.size(); ++i)
            for (std::uint32_t k = states_[i].first; k < states_[i].ends; ++k)
                from[static_cast<std::size_t>(edges_[k].to)].push_back(
                    {static_cast<std::uint32_t>(i), row(states_[i], edges_[k].rank)});
        for (std::size_t i = 0; i < states_.size(); ++i) {
            states_[i].from_first = static_cast<std::uint32_t>(from_.size());
            from_.insert(from_.end(), from[i].begin(), from[i].end());
            states_[i].from_last = static_cast<std::uint32_t>(from_.size());
        }
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
            // Each further state is reached from here by one card only, so the order of these
            // two loops leaves every sum as it was; the ends keep their order among themselves.
            for (std::uint32_t k = s.first; k < s.ends; ++k) {
                const int available = c[edges_[k].rank] - s.taken[edges_[k].rank];
                if (available > 0)
                    reach[static_cast<std::size_t>(edges_[k].to)] += per_card * available;
            }
            for (std::uint32_t k = s.ends; k < s.last; ++k) {
                const int available = c[edges_[k].rank] - s.taken[edges_[k].rank];
                if (available > 0)
                    out[static_cast<std::size_t>(edges_[k].to)] += per_card * available;
            }
        }
    }

    // The same for kLanes compositions at once: `counts` holds the lanes of each rank's count,
    // `out` those of each outcome. Each lane does exactly the arithmetic of Play, in the same
    // order (a card that is not there adds +0), so its odds are the same to the last bit.
    void PlayMany(const double* counts, const double* n_lanes, std::vector<double>& reach,
                  double* out) const {
        // The cards of each rank left to draw, once for each number of them the dealer may hold
        // (cut to none below that): a step reads its row rather than working it out.
        std::array<Lanes, kMaxRows> available;
        for (int r = 1; r <= kRanks; ++r)
            for (int t = 0; t <= most_taken_[static_cast<std::size_t>(r)]; ++t) {
                Lanes& row =
                    available[static_cast<std::size_t>(row_of_[static_cast<std::size_t>(r)] + t)];
                for (int j = 0; j < kLanes; ++j) {
                    const double a = counts[r * kLanes + j] - t;
                    row[static_cast<std::size_t>(j)] = a > 0 ? a : 0;
                }
            }
        // The cards left in each lane once the dealer holds `cards` of them: each state's
        // chance is divided by that, or by one and then cut to none where no card is left.
        std::array<Lanes, kMaxCards + 1> divisor, kept;
        for (std::size_t cards = 0; cards <= kMaxCards; ++cards)
            for (std::size_t j = 0; j < kLanes; ++j) {
                const double left = n_lanes[j] - static_cast<double>(cards);
                divisor[cards][j] = left > 0 ? left : 1;
                kept[cards][j] = left > 0 ? 1 : 0;
            }
        // Each state's chance gathered from the states that lead to it, in the order Play adds
        // them (by the state they leave), then shared among the cards left: `reach` keeps that
        // share. The sums stay in registers, where adding into the next states went through
        // memory, and no state's place is written twice.
        reach.resize(states_.size() * kLanes);
        for (std::size_t i = 0; i < states_.size(); ++i) {
            const State& s = states_[i];
            Lanes p{};
            if (i == 0) p.fill(1);
            for (std::uint32_t k = s.from_first; k < s.from_last; ++k) {
                const Step& from = from_[k];
                const Lanes& a = available[from.row];
                const double* share = &reach[std::size_t{from.state} * kLanes];
                EachLane([&](std::size_t j) { p[j] += share[j] * a[j]; });
            }
            const Lanes& d = divisor[s.cards];
            const Lanes& keep = kept[s.cards];
            double* here = &reach[i * kLanes];
            EachLane([&](std::size_t j) { here[j] = p[j] / d[j] * keep[j]; });
        }
        // Each outcome's sum in the order Play adds it.
        for (std::size_t o = 0; o < 6; ++o) {
            Lanes sum{};
            for (const Step& e : ends_[o]) {
                const Lanes& a = available[e.row];
                const double* p = &reach[std::size_t{e.state} * kLanes];
                EachLane([&](std::size_t j) { sum[j] += p[j] * a[j]; });
            }
            for (std::size_t j = 0; j < kLanes; ++j) out[o * kLanes + j] = sum[j];
        }
    }

  private:
    static constexpr int kNoEdge = -100;
    static constexpr int kMaxRows = 64;
    static constexpr std::size_t kMaxCards = 16;  // a dealer's hand below 17 holds fewer
    struct State {
        std::array<std::uint8_t, kRanks + 1> taken{};
        std::uint8_t cards = 0;
        std::int16_t total = 0;
        Flag soft = kFalse;
        std::array<int, kRanks + 1> edge{};  // a state's index, or -1 - outcome when it ends
        std::uint32_t first = 0, ends = 0, last = 0;  // its edges: on to states, then the ends
        std::uint32_t from_first = 0, from_last = 0;  // the states that lead here: from_
    };
    struct Edge {
        std::uint8_t rank;
        int to;  // a state's index, or an outcome
    };
    // A card that leads from a state to another one or to an outcome.
    struct Step {
        std::uint32_t state;  // where it is drawn
        std::uint32_t row;    // of PlayMany's cards left: its rank and those the dealer holds
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
    std::vector<Edge> edges_;
    std::array<std::vector<Step>, 6> ends_;  // the cards that end the hand, by outcome
    std::vector<Step> from_;  // the cards into each state, in the order of the states they leave
    std::array<int, kRanks + 1> most_taken_{};  // of each rank, in any state
    std::array<int, kRanks + 1> row_of_{};      // PlayMany's row of each rank with none taken
    std::map<std::uint64_t, int> index_;
};

const DealerGraph& GraphFor(int up) {
    static const std::array<DealerGraph, kRanks> graphs = {
        DealerGraph(1), DealerGraph(2), DealerGraph(3), DealerGraph(4), DealerGraph(5),
        DealerGraph(6), DealerGraph(7), DealerGraph(8), DealerGraph(9), DealerGraph(10)};
    return graphs[static_cast<std::size_t>(up - 1)];
}

// The unseen cards packed in one word, six bits a count for aces to nines and eight for the
// tens: taking a card out subtracts its step. Holds a shoe of up to ten decks.
constexpr int kCountBits = 6;
constexpr int kMaxCount = (1 << kCountBits) - 1;
constexpr int kMaxTens = 255;
constexpr std::uint64_t CardStep(int rank) {
    return std::uint64_t{1} << (kCountBits * (rank - 1));
}

// An open-addressed table of values by (composition, what else they depend on). The values
// depend on nothing more, so they stay true from one call to the next: a later decision of the
// same round, or another starting hand of the edge before the deal, finds them ready. Emptied
// (by a stamp, without touching its storage) when half full.
template <class Value>
class Memo {
  public:
    explicit Memo(int bits) { Reserve(bits); }
    // At least 2^bits slots (emptied if it grows).
    void Reserve(int bits) {
        if (slots_.size() >= std::size_t{1} << bits) return;
        bits_ = bits;
        mask_ = (std::size_t{1} << bits) - 1;
        slots_.assign(mask_ + 1, Slot{});
        stamp_ = 1;
        used_ = 0;
    }

    Value* Find(std::uint64_t cards, std::uint32_t more) {
        for (std::size_t i = Hash(cards, more);; i = (i + 1) & mask_) {
            Slot& s = slots_[i];
            if (s.stamp != stamp_) return nullptr;
            if (s.cards == cards && s.more == more) return &s.value;
        }
    }
    void Clear() { used_ = slots_.size(); }  // the next Claim empties the table
    // Empties the table unless `room` more values fit, so that it is not emptied while they go in.
    void MakeRoom(std::size_t room) {
        if (used_ + room > slots_.size() / 2) Clear();
    }
    // Room for a value not in the table; it stays where it is until the next Claim.
    Value& Claim(std::uint64_t cards, std::uint32_t more) {
        if (++used_ > slots_.size() / 2) {
            used_ = 1;
            if (++stamp_ == 0) {  // wrapped: clear for real once in four billion emptyings
                for (Slot& s : slots_) s.stamp = 0;
                stamp_ = 1;
            }
        }
        std::size_t i = Hash(cards, more);
        while (slots_[i].stamp == stamp_) i = (i + 1) & mask_;
        Slot& s = slots_[i];
        s.stamp = stamp_;
        s.cards = cards;
        s.more = more;
        return s.value;
    }
    // Puts the key in the table: false if it was there already (one look instead of two).
    bool Mark(std::uint64_t cards, std::uint32_t more) {
        if (used_ + 1 > slots_.size() / 2) {
            if (Find(cards, more)) return false;
            Claim(cards, more);
            return true;
        }
        std::size_t i = Hash(cards, more);
        for (; slots_[i].stamp == stamp_; i = (i + 1) & mask_)
            if (slots_[i].cards == cards && slots_[i].more == more) return false;
        ++used_;
        slots_[i].stamp = stamp_;
        slots_[i].cards = cards;
        slots_[i].more = more;
        return true;
    }

  private:
    struct Slot {
        std::uint64_t cards = 0;
        std::uint32_t more = 0;
        std::uint32_t stamp = 0;
        Value value{};
    };
    std::size_t Hash(std::uint64_t cards, std::uint32_t more) const {
        std::uint64_t key = cards ^ (std::uint64_t{more} * 0xC2B2AE3D27D4EB4Full);
        key ^= key >> 29;
        key *= 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(key >> (64 - bits_));
    }
    std::vector<Slot> slots_;
    int bits_ = 0;
    std::size_t mask_ = 0;
    std::uint32_t stamp_ = 1;
    std::size_t used_ = 0;
};

}  // namespace

struct Engine::Impl {
    // The unseen cards as the recursion goes: taken out while a branch draws them.
    std::array<int, kRanks + 1> c{};
    int n = 0;
    std::uint64_t cards = 0;  // c packed (CardStep)
    int up = 0;
    int blackjack = 0;  // the rank that would give the dealer blackjack as hole card, or 0

    // What the other hand of a split adds when the right hand is in play.
    bool left_open = false;
    int left_total = 0;
    double left_fixed = 0;  // a finished left hand's net (busted -1, six cards +1), else 0

    // The dealer's odds by (composition, up card); the best play's W by (composition, up card,
    // hand, the left hand of a split).
    // Sized for the few hundred values of one decision; the edge before the deal asks for more.
    Memo<DealerOdds> dealer_memo{12};
    Memo<double> value_memo{13};

    const DealerGraph* graph = nullptr;
    std::vector<double> reach;

    void Take(int r) {
        --c[r];
        --n;
        cards -= CardStep(r);
    }
    void PutBack(int r) {
        ++c[r];
        ++n;
        cards += CardStep(r);
    }

    // The probability, among the unseen cards as they stand, that the hole card gives no
    // blackjack.
    double NoBlackjack() const {
        return blackjack == 0 || n == 0 ? 1.0 : 1.0 - static_cast<double>(c[blackjack]) / n;
    }

    // Compositions whose dealer's odds are wanted next, played together by Flush.
    std::array<double, (kRanks + 1) * kLanes> lane_counts{};
    std::array<double, kLanes> lane_n{};
    std::array<std::uint64_t, kLanes> lane_cards{};
    int lanes = 0;
    std::vector<double> lane_reach;
    std::array<double, 6 * kLanes> lane_out{};

    // Asks for the dealer's odds of the cards as they stand, unless they are known.
    void Want() {
        const auto more = static_cast<std::uint32_t>(up);
        if (dealer_memo.Find(cards, more)) return;
        for (int j = 0; j < lanes; ++j)
            if (lane_cards[static_cast<std::size_t>(j)] == cards) return;
        for (int r = 1; r <= kRanks; ++r)
            lane_counts[static_cast<std::size_t>(r * kLanes + lanes)] = c[r];
        lane_n[static_cast<std::size_t>(lanes)] = n;
        lane_cards[static_cast<std::size_t>(lanes)] = cards;
        if (++lanes == kLanes) Flush();
    }
    void Flush() {
        if (lanes == 0) return;
        for (int j = lanes; j < kLanes; ++j) {  // empty lanes: no card to draw
            lane_n[static_cast<std::size_t>(j)] = 0;
            for (int r = 1; r <= kRanks; ++r)
                lane_counts[static_cast<std::size_t>(r * kLanes + j)] = 0;
        }
        graph->PlayMany(lane_counts.data(), lane_n.data(), lane_reach, lane_out.data());
        const auto more = static_cast<std::uint32_t>(up);
        for (int j = 0; j < lanes; ++j) {
            DealerOdds& odds = dealer_memo.Claim(lane_cards[static_cast<std::size_t>(j)], more);
            for (std::size_t o = 0; o < odds.size(); ++o)
                odds[o] = lane_out[o * kLanes + static_cast<std::size_t>(j)];
        }
        lanes = 0;
    }

    // The walk the values are about to take, asking for every dealer's odds they will look at,
    // so that these are played eight at a time (Flush) rather than one by one. `planned` keeps
    // the nodes walked, as the values' table will.
    Memo<char> planned{13};
    void PlanBest(Score hand, int cards_in_hand) {
        const std::uint32_t more = ValueKey(hand, cards_in_hand);
        if (value_memo.Find(cards, more) || !planned.Mark(cards, more)) return;
        if (n == 0 || !CannotBust(hand)) Want();
        if (n > 0) PlanHit(hand, cards_in_hand);
    }
    void PlanHit(Score hand, int cards_in_hand) {
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0) continue;
            const Score next = ScoreNextCard(hand, r);
            Take(r);
            if (next.Total > 21 || cards_in_hand + 1 >= kPlayerHandSize) {
                if (left_open) Want();
            } else {
                PlanBest(next, cards_in_hand + 1);
            }
            PutBack(r);
        }
    }
    void PlanDouble(Score hand) {
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0 || ScoreNextCard(hand, r).Total > 21) continue;
            Take(r);
            Want();
            PutBack(r);
        }
    }
    void PlanSplitHand(int first) {
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0) continue;
            Take(r);
            PlanBest(ScoreSecondCard(ScoreFirstCard(first), r), 2);
            PutBack(r);
        }
    }

    // A hand that no card can bust: soft up to 16, hard up to 11.
    static bool CannotBust(Score hand) {
        return hand.SoftAce ? hand.Total <= 16 : hand.Total <= 11;
    }

    const DealerOdds& Dealer() {
        const auto more = static_cast<std::uint32_t>(up);
        if (const DealerOdds* known = dealer_memo.Find(cards, more)) return *known;
        DealerOdds& odds = dealer_memo.Claim(cards, more);
        graph->Play(c, n, reach, odds);
        return odds;
    }

    // W of the round when the hand in play stands on `total`.
    double StandW(int total) {
        const DealerOdds& d = Dealer();
        double w = AgainstDealer(total, d);
        if (left_open) w += AgainstDealer(left_total, d);
        return w + left_fixed * Weight(d);
    }

    // W of the round when the hand in play ends by itself (busted: -1, six cards: +1); the
    // dealer still draws for an open left hand.
    double FinishedW(double net) {
        if (left_open) {
            const DealerOdds& d = Dealer();
            return (net + left_fixed) * Weight(d) + AgainstDealer(left_total, d);
        }
        return (net + left_fixed) * NoBlackjack();
    }

    // W of one more card and the best play after it.
    double HitW(Score hand, int cards_in_hand) {
        double w = 0;
        const double per_card = 1.0 / n;
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0) continue;
            const double pr = per_card * c[r];
            const Score next = ScoreNextCard(hand, r);
            Take(r);
            double v;
            if (next.Total > 21)
                v = FinishedW(-1);
            else if (cards_in_hand + 1 >= kPlayerHandSize)
                v = FinishedW(+1);  // a sixth card that does not bust wins at once
            else
                v = BestW(next, cards_in_hand + 1);
            PutBack(r);
            w += pr * v;
        }
        return w;
    }

    // What a value depends on besides the composition: the up card, the hand and the left hand.
    std::uint32_t ValueKey(Score hand, int cards_in_hand) const {
        std::uint32_t k = static_cast<std::uint32_t>(up);
        k = k << 5 | static_cast<std::uint32_t>(hand.Total);
        k = k << 1 | (hand.SoftAce != kFalse ? 1u : 0u);
        k = k << 3 | static_cast<std::uint32_t>(cards_in_hand);
        k = k << 1 | (left_open ? 1u : 0u);
        k = k << 5 | static_cast<std::uint32_t>(left_open ? left_total : 0);
        return k << 2 | static_cast<std::uint32_t>(left_fixed + 1);
    }

    double BestW(Score hand, int cards_in_hand) {
        const std::uint32_t more = ValueKey(hand, cards_in_hand);
        if (const double* known = value_memo.Find(cards, more)) return *known;
        double best;
        if (n > 0 && CannotBust(hand)) {
            // No card can bust this hand, and the dealer's cards come from the same shoe after
            // one card more or less: a card and then standing already loses less than standing
            // now (every dealer total beats 16), so the dealer's odds here are not needed.
            best = HitW(hand, cards_in_hand);
        } else {
            best = StandW(hand.Total);
            if (n > 0) best = std::max(best, HitW(hand, cards_in_hand));
        }
        value_memo.Claim(cards, more) = best;
        return best;
    }

    // W of doubling: one card at twice the stake, then the dealer.
    double DoubleW(Score hand) {
        double w = 0;
        for (int r = 1; r <= kRanks; ++r) {
            if (c[r] == 0) continue;
            const double pr = static_cast<double>(c[r]) / n;
            const Score next = ScoreNextCard(hand, r);
            Take(r);
            w += pr * 2 * (next.Total > 21 ? -NoBlackjack() : StandW(next.Total));
            PutBack(r);
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
            Take(r);
            w += pr * BestW(ScoreSecondCard(start, r), 2);
            PutBack(r);
        }
        return w;
    }

    // Loads the unseen cards; false for more than the packed counts hold.
    bool Load(const Composition& unseen) {
        n = 0;
        cards = 0;
        for (int r = 1; r <= kRanks; ++r) {
            c[r] = std::max(0, unseen.count[r]);
            if (c[r] > (r == kRanks ? kMaxTens : kMaxCount)) return false;
            n += c[r];
            cards += CardStep(r) * static_cast<std::uint64_t>(c[r]);
        }
        return true;
    }

    // The dealer's up card for what follows, with no split hand open.
    void Facing(int up_value) {
        up = Point(up_value);
        graph = &GraphFor(up);
        blackjack = up == 1 ? 10 : (up == 10 ? 1 : 0);
        left_open = false;
        left_total = 0;
        left_fixed = 0;
    }

    double DealtRound(int p1, int p2);
    void PlanRound(int p1, int p2);

    bool Begin(const Composition& unseen, int up_value) {
        // Room for a decision's values, so that the values asked for before it are not lost in
        // the middle of it.
        dealer_memo.MakeRoom(1024);
        value_memo.MakeRoom(2048);
        Facing(up_value);
        return Load(unseen);
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
    if (!e.Begin(unseen, s.DealerCards[1]) || e.n == 0) return advice;
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

    const bool main = decision == Decision::MainHand || decision == Decision::Insurance;
    const bool may_double = main && can_double && cards == 2;
    const bool may_split = main && can_split && cards == 2 && s.PlayerCards[1] == s.PlayerCards[2];
    e.planned.Clear();
    e.Want();
    e.PlanHit(hand, cards);
    if (decision == Decision::LeftHand) e.PlanSplitHand(Point(s.SplitCards[1]));
    if (may_double) e.PlanDouble(hand);
    if (may_split) e.PlanSplitHand(Point(s.PlayerCards[1]));
    e.Flush();

    const double stand = e.StandW(hand.Total) / q0;
    const double hit = e.HitW(hand, cards) / q0;
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
    if (may_double) Add(play, Action::Double, e.DoubleW(hand) / q0);
    if (may_split) Add(play, Action::Split, 2 * e.SplitHandW(Point(s.PlayerCards[1])) / q0);
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

// The round from the deal on, with the cards taken out of `c` and the dealer's up card set: the
// naturals, insurance where it is worth more than none, then the best of the hand's choices.
// Tens are never split: the composition does not say whether two of them are the same card, as
// a split asks, and off a six-deck shoe two tens stand.
double Engine::Impl::DealtRound(int p1, int p2) {
    const Score hand = ScoreSecondCard(ScoreFirstCard(p1), p2);
    const double q0 = NoBlackjack();
    if (hand.Total == 21) return 1.5 * q0;  // a blackjack pays 3 to 2, and pushes the dealer's
    double best = std::max({StandW(hand.Total), HitW(hand, 2), DoubleW(hand)});
    if (p1 == p2 && p1 != 10) best = std::max(best, 2 * SplitHandW(p1));
    const double p_blackjack = 1 - q0;
    double net = -p_blackjack + best;
    if (up == 1) net += std::max(0.0, p_blackjack - 0.5);  // insurance of half the bet
    return net;
}

void Engine::Impl::PlanRound(int p1, int p2) {
    const Score hand = ScoreSecondCard(ScoreFirstCard(p1), p2);
    if (hand.Total == 21) return;
    Want();
    PlanHit(hand, 2);
    PlanDouble(hand);
    if (p1 == p2 && p1 != 10) PlanSplitHand(p1);
}

double Engine::EdgeBeforeDeal(const Composition& unseen) {
    Impl& e = *impl_;
    // Room for every hand against every up card: some 15,000 dealer's odds.
    e.dealer_memo.Reserve(16);
    e.value_memo.Reserve(17);
    e.planned.Reserve(14);
    if (!e.Load(unseen) || e.n < 4) return 0;
    double edge = 0;
    for (int up = 1; up <= kRanks; ++up) {
        if (e.c[up] == 0) continue;
        const double p_up = static_cast<double>(e.c[up]) / e.n;
        e.Facing(up);
        e.dealer_memo.MakeRoom(8192);
        e.value_memo.MakeRoom(16384);
        e.planned.Clear();
        e.Take(up);
        // The player's two cards, in either order: first every dealer's odds the hands will
        // look at, eight at a time, then the hands.
        const double pairs = static_cast<double>(e.n) * (e.n - 1);
        for (int pass = 0; pass < 2; ++pass) {
            for (int p1 = 1; p1 <= kRanks; ++p1) {
                if (e.c[p1] == 0) continue;
                const double w1 = e.c[p1];
                e.Take(p1);
                for (int p2 = p1; p2 <= kRanks; ++p2) {
                    if (e.c[p2] == 0) continue;
                    const double ways = (p1 == p2 ? 1 : 2) * w1 * e.c[p2];
                    e.Take(p2);
                    if (pass == 0)
                        e.PlanRound(p1, p2);
                    else
                        edge += p_up * ways / pairs * e.DealtRound(p1, p2);
                    e.PutBack(p2);
                }
                e.PutBack(p1);
            }
            if (pass == 0) e.Flush();
        }
        e.PutBack(up);
    }
    return edge;
}

}  // namespace vex::coach
