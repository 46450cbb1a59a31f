// The event fuzzer. The input's bytes, read from the front, choose each event (a chip, a button,
// a menu command, a dialog's control, a timer tick) and answer the insurance question and the
// check; its last bytes, read from the back, may stand for the shoe's random numbers. After every
// event the table is checked against properties that hold whatever the cards: money is only
// moved, lent or paid out where the rules allow; every card on the table is marked in the shoe
// and none is there twice; the buttons and timers are those of the round's phase; a button that is
// hidden or disabled does nothing when its handler runs anyway; no field leaves its range. The
// exact amounts and texts of each outcome are the core tests' business, not this file's.
#include "EventHarness.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Doubles.h"
#include "state/CardFaces.h"
#include "state/Random.h"
#include "table/Game.h"

namespace vex::fuzz {

namespace {

std::uint64_t g_events = 0;

// The input: events and answers from the front, shoe numbers from the back.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), back_(size) {}
    bool Empty() const { return front_ >= back_; }
    std::uint8_t Next() { return front_ < back_ ? data_[front_++] : 0; }
    bool HasBack() const { return back_ > front_; }
    std::uint8_t Back() { return data_[--back_]; }

  private:
    const std::uint8_t* data_;
    std::size_t front_ = 0;
    std::size_t back_;
};

// The shoe's numbers: from the input's tail while it lasts (when the input asks for that), then
// from the game's own seeded generator.
class InputRandom : public RandomSource {
  public:
    InputRandom(Bytes& in, bool from_input, std::uint64_t seed)
        : in_(in), from_input_(from_input), fallback_(seed) {}
    void Reseed() override { fallback_.Reseed(); }
    double Next() override {
        if (from_input_ && in_.HasBack()) return (in_.Back() + 0.5) / 256.0;
        return fallback_.Next();
    }

  private:
    Bytes& in_;
    bool from_input_;
    SeededRandom fallback_;
};

// A few characters of any kind, straight from the input.
std::string RawText(Bytes& in) {
    std::string s;
    for (int n = in.Next() % 12; n > 0; --n) s += static_cast<char>(in.Next());
    return s;
}

// The player at the window system: answers the insurance question from the input, and gives up
// (answers "0") after a dozen tries.
class FuzzPlatform : public doubles::QuietPlatform {
  public:
    FuzzPlatform(Bytes& in, const Game& game) : in_(in), game_(game) {}
    bool ended = false;

    std::string InputBox(std::string_view, std::string_view, std::string_view,
                         const ScreenPlace*) override {
        if (++asked > 12) return "0";
        const int half = game_.Bet / 2;
        const int kind = in_.Next() % 10;
        if (kind == 0) return "0";
        if (kind == 1) return "";  // cancelled
        if (kind == 2) return std::to_string(half);
        if (kind == 3) return std::to_string(half + 1);
        if (kind == 4) return std::to_string(game_.Credit + in_.Next() % 2);
        if (kind == 5) return "-" + std::to_string(1 + in_.Next());
        if (kind == 6) return std::to_string(half) + ".5";
        if (kind == 7) return RawText(in_);
        if (kind == 8) return "32768";
        return std::to_string(in_.Next() % (half + 1));
    }
    void EndProgram() override { ended = true; }
    // The game's other windows on the screen, as the window system keeps them.
    std::array<bool, 5> shown{};
    void ShowWindow(Window w) override { shown[static_cast<int>(w)] = true; }
    void HideWindow(Window w) override { shown[static_cast<int>(w)] = false; }
    void CloseWindow(Window w) override { shown[static_cast<int>(w)] = false; }

    std::string CheckAmount() {
        const int kind = in_.Next() % 8;
        if (kind == 0) return "";
        if (kind == 1) return "32767";
        if (kind == 2) return "-" + std::to_string(in_.Next() * 100);
        if (kind == 3) return "12.5";
        if (kind == 4) return RawText(in_);
        if (kind == 5) {
            const int hi = in_.Next();
            return std::to_string(static_cast<std::int16_t>(hi << 8 | in_.Next()));
        }
        return std::to_string(in_.Next() * 10);
    }

  private:
    Bytes& in_;
    const Game& game_;
};

// When the player can cause an event: a table button or chip is always tried (one the player
// could not use must do nothing), the others only when possible.
enum class When {
    Chip,
    Button,
    Table,
    Timer1,
    Timer2,
    Timer3,
    BankText,
    BankSign,
    BankTick,
    Bank,
    Rules,
    Help,
    About,
    End
};

struct Event {
    const char* name;
    When when;
    void (Game::*run)() = nullptr;  // a handler without arguments
    const Control Form1Model::*button = nullptr;
    int arg = 0;
};

// Every byte names one event of this fixed list (byte % 38), so that a byte means the same event
// in every state; scripts/make-fuzz-seeds.py numbers them the same way.
// clang-format off
const Event kEvents[] = {
    {"chip 10", When::Chip, nullptr, nullptr, 0}, {"chip 50", When::Chip, nullptr, nullptr, 1},
    {"chip 100", When::Chip, nullptr, nullptr, 2}, {"chip 500", When::Chip, nullptr, nullptr, 3},
    {"Deal", When::Button, &Game::bnDeal_Click, &Form1Model::bnDeal},
    {"Clear bet", When::Button, &Game::bnClear_Click, &Form1Model::bnClear},
    {"Hit", When::Button, &Game::bnCard_Click, &Form1Model::bnCard},
    {"Stand", When::Button, &Game::bnStay_Click, &Form1Model::bnStay},
    {"Double", When::Button, &Game::bnDouble_Click, &Form1Model::bnDouble},
    {"Split", When::Button, &Game::bnSplit_Click, &Form1Model::bnSplit},
    {"split Hit", When::Button, &Game::bnCardSplit_Click, &Form1Model::bnCardSplit},
    {"split Stand/Finish", When::Button, &Game::bnStandSplit_Click, &Form1Model::bnStandSplit},
    {"Timer1", When::Timer1, &Game::Timer1_Timer}, {"Timer2", When::Timer2, &Game::Timer2_Timer},
    {"Timer3", When::Timer3, &Game::Timer3_Timer},
    {"New Game", When::Table, &Game::mnuNewGame_Click}, {"Borrow", When::Table, &Game::mnuBorrow_Click},
    {"type in the check", When::BankText}, {"Sign", When::BankSign, &Game::frmBank_bnSign_Click},
    {"bank tick", When::BankTick, &Game::frmBank_Timer1_Timer},
    {"bank close box", When::Bank, &Game::frmBank_Closed},
    {"Settings", When::Table, &Game::mnuOptions_Click},
    {"limits 0", When::Rules, nullptr, nullptr, 0}, {"limits 1", When::Rules, nullptr, nullptr, 1},
    {"limits 2", When::Rules, nullptr, nullptr, 2},
    {"insurance rule 0", When::Rules, nullptr, nullptr, 0}, {"insurance rule 1", When::Rules, nullptr, nullptr, 1},
    {"rules OK", When::Rules, &Game::Rules_bnOK_Click}, {"rules close box", When::Rules, &Game::Rules_Closed},
    {"Help topics", When::Table, &Game::mnuTopics_Click}, {"topic", When::Help},
    {"help OK", When::Help, &Game::frmHelp_Command1_Click}, {"help close box", When::Help, &Game::frmHelp_Closed},
    {"About", When::Table, &Game::mnuAbout_Click}, {"about OK", When::About, &Game::frmAbout_cmdOK_Click},
    {"about close box", When::About, &Game::frmAbout_Closed},
    {"game over OK", When::End, &Game::frmEnd_Command1_Click}, {"game over close box", When::End, &Game::frmEnd_Closed},
};
// clang-format on
constexpr int kEventCount = static_cast<int>(std::size(kEvents));
static_assert(kEventCount == 38);
constexpr int kFirstInsuranceRule = 25, kTopic = 30;

// Events of a round: the only ones that may pay out.
bool PlaysTheRound(const Event& e) {
    return e.button && e.run != &Game::bnClear_Click;
}

// Everything a handler can change on the table, written out so that two moments can be compared.
std::string Snapshot(const Game& g) {
    std::string s;
    auto add = [&s](std::int64_t v) { s += std::to_string(v) + ','; };
    for (std::int64_t v :
         {std::int64_t{g.Credit}, std::int64_t{g.Debt}, std::int64_t{g.Bet},
          std::int64_t{g.Insurance}, std::int64_t{g.RoundsSinceShuffle},
          std::int64_t{g.ShoeCardsLeft}, std::int64_t{g.CardsOnTableCount},
          std::int64_t{g.PlayerCardCount}, std::int64_t{g.PlayerTotal},
          std::int64_t{g.SplitCardCount}, std::int64_t{g.SplitTotal}, std::int64_t{g.DealerTotal},
          std::int64_t{g.ActiveSplitHand}, std::int64_t(g.Phase)})
        add(v);
    for (auto p : g.Form1.ImageCarte) add(p);
    for (bool d : g.Form1.ChipDraggable) add(d);
    auto controls = [&](const auto& list) {
        for (const ControlDecl& d : list) {
            const Control& c = g.Form1.*d.Member;
            s += c.Caption + (c.Visible ? "+" : "-") + (c.Enabled ? "+" : "-");
        }
    };
    controls(kForm1Labels);
    controls(kForm1Buttons);
    for (const Timer* t : {&g.Form1.Timer1, &g.Form1.Timer2, &g.Form1.Timer3}) add(t->Enabled);
    return s;
}

class Session {
  public:
    Session(const std::uint8_t* data, std::size_t size)
        : in_(data, size),
          random_(in_, size > 0 && (data[0] & 1) != 0,
                  size > 1 ? (std::uint64_t{data[0]} << 8 | data[1]) : 1),
          platform_(in_, game_),
          game_(platform_, random_) {
        in_.Next();  // the byte that chose the card source
    }

    void Run() {
        history_.push_back("start-up");
        game_.Form_Load();
        Check(kEvents[15], 500, 0, 0);  // as New Game leaves the table
        for (int steps = 0; steps < 5000 && !in_.Empty() && !platform_.ended; ++steps) {
            const int index = in_.Next() % kEventCount;
            const Event& e = kEvents[index];
            if (!Usable(e)) {
                const bool control = e.when == When::Chip || e.when == When::Button;
                if (control && !game_.frmEndShown) PlayUnusable(index);
                continue;
            }
            const std::int64_t credit = game_.Credit, bet = game_.Bet, debt = game_.Debt;
            record_before_ = game_.Record();
            platform_.asked = 0;
            history_.push_back(e.name);
            Play(index);
            ++g_events;
            if (platform_.ended) {
                if (e.when != When::End) Fail("the program ended");
                return;
            }
            Check(e, credit, bet, debt);
        }
    }

  private:
    bool Usable(const Event& e) const {
        const bool table = !game_.frmEndShown;
        const BankModel& bank = game_.frmBank;
        using enum When;
        const When w = e.when;
        if (w == Chip) return table && game_.Form1.ChipDraggable[e.arg];
        if (w == Button) return table && Game::Usable(game_.Form1.*e.button);
        if (w == Table) return table;
        if (w == Timer1) return game_.Form1.Timer1.Enabled;
        if (w == Timer2) return game_.Form1.Timer2.Enabled;
        if (w == Timer3) return game_.Form1.Timer3.Enabled;
        if (w == BankText) return bank.Open && bank.txtBorrow.Enabled;
        if (w == BankSign) return bank.Open && Game::Usable(bank.bnSign);
        if (w == BankTick) return bank.Open && bank.Timer1.Enabled;
        if (w == Bank) return bank.Open;
        if (w == Rules) return table && game_.Rules.Visible;
        if (w == Help) return table && game_.frmHelp.Open;
        if (w == About) return table && game_.frmAboutOpen;
        return game_.frmEndShown;  // End
    }

    void Play(int index) {
        const Event& e = kEvents[index];
        // A close box closes its window before the game hears of it.
        for (const auto& [closed, w] : {std::pair{&Game::frmBank_Closed, Window::Bank},
                                        {&Game::Rules_Closed, Window::Rules},
                                        {&Game::frmHelp_Closed, Window::Help},
                                        {&Game::frmAbout_Closed, Window::About}})
            if (e.run == closed) platform_.shown[static_cast<int>(w)] = false;
        if (e.run) return (game_.*e.run)();
        if (e.when == When::Chip) return game_.ChipDrop(kChips[e.arg].Tag);
        // The amount box reports every edit as the whole text.
        if (e.when == When::BankText)
            return void(game_.frmBank.txtBorrow.Caption = platform_.CheckAmount());
        if (index == kTopic) return game_.frmHelp_Topic_Click(in_.Next() % 10);
        if (index < kFirstInsuranceRule) return game_.Rules_Option1_Click(e.arg);
        game_.Rules_Option2_Click(e.arg);
    }

    // A chip or button the player cannot use: its handler, run anyway, must change nothing.
    void PlayUnusable(int index) {
        const std::string before = Snapshot(game_);
        Play(index);
        if (Snapshot(game_) != before) {
            history_.push_back(std::string(kEvents[index].name) + " (hidden or disabled)");
            Fail("a hidden or disabled control changed the table");
        }
    }

    // What a round's record has moved to the credit so far: its payouts less the insurance bought.
    static std::int64_t RecordedMoney(const RoundRecord& r) {
        std::int64_t money = 0;
        for (const ResultEntry& x : r.Results()) money += x.paid;
        for (const MoveEntry& m : r.Moves())
            if (m.move == Move::Insurance) money -= m.amount;
        return money;
    }

    void Check(const Event& e, std::int64_t credit, std::int64_t bet, std::int64_t debt) {
        const Game& g = game_;
        // Money: chips and stakes only move between the credit and the bet; a check (negative
        // ones too) adds to both the credit and the debt; only a round's events pay, never more
        // than a blackjack and insurance could; Timer1 takes the stake off the table; New Game
        // starts over.
        const std::int64_t moved = std::int64_t{g.Credit} + g.Bet - credit - bet;
        const std::int64_t lent = g.Debt - debt;
        const std::int64_t insured = platform_.asked > 0 ? g.Insurance : 0;
        if (e.run == &Game::mnuNewGame_Click) {
            if (g.Credit != 500 || g.Debt != 0 || g.Bet != 0) Fail("New Game did not start over");
        } else if (e.when == When::BankSign) {
            if (moved != lent || g.Bet != bet) Fail("a loan did not add to credit and debt alike");
        } else if (lent != 0) {
            Fail("the debt changed outside a loan");
        } else if (e.when == When::Timer1) {
            if (g.Bet != 0 || g.Credit != credit)
                Fail("the cleared table did not take the stake alone");
        } else if (PlaysTheRound(e)) {
            if (moved < -insured || moved > 3 * std::int64_t{g.Bet} + 2 * insured)
                Fail("a payout beyond what the round allows: " + std::to_string(moved));
        } else if (moved != 0) {
            Fail("money appeared or vanished");
        }
        // The round's record says what the event paid out and what insurance it took.
        if (e.run != &Game::mnuNewGame_Click && e.when != When::BankSign &&
            e.when != When::Timer1) {
            const RoundRecord& r = g.Record();
            const std::int64_t recorded =
                RecordedMoney(r) -
                (r.number == record_before_.number ? RecordedMoney(record_before_) : 0);
            if (recorded != moved) Fail("the round's record disagrees with the money moved");
        }
        // A paid round's hands were staked with the whole bet on the table, the insurance apart.
        if (g.Phase == RoundPhase::Settled) {
            std::int64_t hands = 0;
            for (const ResultEntry& x : g.Record().Results())
                if (x.result != HandResult::InsuranceWon && x.result != HandResult::InsuranceLost)
                    hands += x.stake;
            if (hands != g.Bet) Fail("the round's record staked its hands other than the bet");
        }
        if (g.Record().settled != (g.Phase == RoundPhase::Settled) &&
            g.Phase != RoundPhase::Betting && g.Phase != RoundPhase::Shuffling)
            Fail("the round's record and its phase disagree on its end");

        // Cards: those of the round in play are marked in the shoe, each once; the slots show only
        // those.
        int marked = 0;
        for (const auto& deck : g.ShoeUsed)
            for (const auto& suit : deck)
                marked += static_cast<int>(std::count(suit, suit + kValues + 1, 1));
        if (marked != kShoeSize - g.ShoeCardsLeft) Fail("the shoe's marks and its count disagree");
        // Between rounds the table is bare, whatever the last round took from the shoe.
        const bool bare = g.Phase == RoundPhase::Betting || g.Phase == RoundPhase::Shuffling;
        std::vector<int> faces;
        for (int i = 0; i < (bare ? 0 : g.CardsOnTableCount); ++i) {
            const Card& c = g.CardsOnTable[i];
            if (g.ShoeUsed[c.Deck][c.Suit][c.Value] != 1)
                Fail("a card on the table is not marked used");
            for (int j = 0; j < i; ++j) {
                const Card& d = g.CardsOnTable[j];
                if (c == d) Fail("a card is on the table twice");
            }
            faces.push_back(CardFace(c.Suit, c.Value));
        }
        for (int slot = 0; slot < kCardSlots; ++slot) {
            const int p = g.Form1.ImageCarte[slot];
            if (p == kNoPicture || (p == kCardBack && slot == kHoleCardSlot)) continue;
            const auto it = std::find(faces.begin(), faces.end(), p);
            if (it == faces.end())
                Fail("a slot shows a card that was not dealt this round");
            else
                faces.erase(it);
        }

        // The buttons and timers of the phase.
        const Form1Model& f = g.Form1;
        const RoundPhase p = g.Phase;
        const PhaseControls c = ControlsOf(p);
        if (f.bnCard.Visible != c.hit_stand || f.bnStay.Visible != c.hit_stand ||
            (!c.hit_stand && (f.bnDouble.Visible || f.bnSplit.Visible)) ||
            f.bnCardSplit.Visible != c.split_hit || f.bnStandSplit.Visible != c.split_stand ||
            (c.split_stand && f.bnStandSplit.Caption != (c.finish ? "Finish" : "Stand")) ||
            f.bnDeal.Enabled != c.deal || f.bnClear.Enabled != c.betting_open ||
            f.ChipDraggable[0] != c.betting_open || f.Timer1.Enabled != c.timer1 ||
            f.Timer2.Enabled != c.timer2 || f.Timer3.Enabled != c.timer3)
            Fail("the buttons or timers are not those of the phase");
        // Over the main hand the comment line shows nothing but a refused Double or Split.
        if (p == RoundPhase::MainHand && f.Commentaire.Visible &&
            f.Commentaire.Caption != kNotEnoughCredit)
            Fail("a comment stays shown over the hand in play");

        // Ranges.
        auto in = [](std::int64_t v, std::int64_t lo, std::int64_t hi) {
            return v >= lo && v <= hi;
        };
        if (!in(g.Bet, 0, 32767) || !in(g.Insurance, 0, INT32_MAX) ||
            !in(g.PlayerCardCount, 0, kPlayerHandSize) ||
            !in(g.SplitCardCount, 0, kPlayerHandSize) || !in(g.PlayerTotal, 0, 31) ||
            !in(g.SplitTotal, 0, 31) || !in(g.DealerTotal, 0, 26) || !in(g.ActiveSplitHand, 0, 1) ||
            !in(g.RoundsSinceShuffle, 0, 20) || !in(g.ShoeCardsLeft, 0, kShoeSize) ||
            !in(g.CardsOnTableCount, 0, kMaxCardsInRound) ||
            f.LabelMise.Caption != std::to_string(g.Bet) || p == RoundPhase::Insurance)
            Fail("a field left its range");

        // The windows' models agree with the screen; the game is over only past the debt ceiling.
        const auto& shown = platform_.shown;
        auto on = [&shown](Window w) { return shown[static_cast<int>(w)]; };
        if (on(Window::Bank) != g.frmBank.Open || on(Window::Rules) != g.Rules.Visible ||
            on(Window::Help) != g.frmHelp.Open || on(Window::About) != g.frmAboutOpen ||
            on(Window::End) != g.frmEndShown || f.Visible == g.frmEndShown ||
            (g.frmEndShown && g.Debt < kDebtCeiling))
            Fail("a window's model disagrees with the screen");
        // An open check can be filled in and signed until it is signed.
        const BankModel& bank = g.frmBank;
        if (bank.Open && !bank.Signed() && !(Game::Usable(bank.bnSign) && bank.txtBorrow.Enabled))
            Fail("an open check cannot be signed");
    }

    [[noreturn]] void Fail(const std::string& what) {
        std::fprintf(stderr, "event fuzzer: %s\nevents:\n", what.c_str());
        for (const std::string& h : history_) std::fprintf(stderr, "  %s\n", h.c_str());
        std::fprintf(stderr, "now: %s, Credit %d, Bet %d, Debt %d\n",
                     std::string(PhaseName(game_.Phase)).c_str(), game_.Credit, game_.Bet,
                     game_.Debt);
        std::abort();
    }

    Bytes in_;
    InputRandom random_;
    FuzzPlatform platform_;
    Game game_;
    std::vector<std::string> history_;
    RoundRecord record_before_;
};

}  // namespace

void RunEventSequence(const std::uint8_t* data, std::size_t size) {
    Session(data, size).Run();
}

std::uint64_t EventsExecuted() {
    return g_events;
}

}  // namespace vex::fuzz
