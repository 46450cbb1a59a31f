// The event fuzzer's player and referee.
//
// The player: the input's bytes, read from the front, choose each event among those a player could
// cause at that moment (a chip that can be dragged, a button that is shown and enabled, a menu
// command, a dialog's control, a timer that is running), and answer the insurance question and
// fill in the check. The input's last bytes, read from the back, may also stand for the shoe's
// random numbers, so that the fuzzer can steer the cards as well as the player.
//
// The referee keeps its own picture of the table, written from the rules and not from the game's
// code: the cards each hand holds (with the deck they came from, seen as the shoe draws them), the
// money the player should own, the debt, the phase of the round, and which dialogs are open. After
// every event it compares the game with that picture: money to the dollar, the shoe's marks, every
// card slot, counts and totals, the buttons shown and enabled, the timers, and the outcome texts.
#include "EventHarness.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "AmountReference.h"
#include "state/CardFaces.h"
#include "state/Random.h"
#include "table/Game.h"

namespace vex::fuzz {

namespace {

std::uint64_t g_events = 0;
Reached g_reached;

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

struct Dealt {
    int deck = 0, suit = 0, value = 0;
};

std::string CardText(const Dealt& c) {
    static const char* kValues[] = {"?", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static const char* kSuits[] = {"?", "s", "h", "d", "c"};
    return std::string(kValues[c.value]) + kSuits[c.suit] + "/" + std::to_string(c.deck);
}

// A hand scored the way every blackjack table scores it: aces 1, raised to 11 when that does not
// pass 21.
struct Hand {
    std::vector<Dealt> cards;

    int Hard() const {
        int sum = 0;
        for (const Dealt& c : cards) sum += c.value > 10 ? 10 : c.value;
        return sum;
    }
    bool HasAce() const {
        for (const Dealt& c : cards)
            if (c.value == 1) return true;
        return false;
    }
    bool Soft() const { return HasAce() && Hard() + 10 <= 21; }
    int Total() const { return Soft() ? Hard() + 10 : Hard(); }
    bool Natural() const { return cards.size() == 2 && Total() == 21; }
    std::size_t Size() const { return cards.size(); }
};

// Watches the shoe draw: every third random number completes a try (deck, suit, value, each
// scaled as floor(n r) + 1); a try on a card still in the shoe deals it. Keeps its own marks.
class ShoeWatch : public RandomSource {
public:
    explicit ShoeWatch(RandomSource& inner) : inner_(inner) {}
    void Attach(const TableState& table) { table_ = &table; }

    void Reseed() override {
        inner_.Reseed();
        ++shuffles;
        ClearMarks();
        phase_ = 0;
        in_draw_ = false;
    }

    double Next() override {
        const double r = inner_.Next();
        if (phase_ == 0 && !in_draw_) StartDraw();
        pick_[phase_] = r;
        if (++phase_ == 3) {
            phase_ = 0;
            Try();
        }
        return r;
    }

    void BeginEvent(bool may_begin_round) {
        event_cards.clear();
        shuffles = 0;
        takebacks = 0;
        begin_round_ = may_begin_round;
    }
    void EndEvent() { begin_round_ = false; }

    bool Marked(int d, int s, int v) const { return used_[d][s][v]; }
    int MarkedCount() const { return marked_; }

    std::vector<Dealt> event_cards;
    int shuffles = 0;
    int takebacks = 0;
    std::string error;

private:
    void ClearMarks() {
        for (auto& deck : used_)
            for (auto& suit : deck)
                for (bool& v : suit) v = false;
        marked_ = 0;
    }
    void Mark(const Dealt& c) {
        used_[c.deck][c.suit][c.value] = true;
        ++marked_;
    }
    void StartDraw() {
        in_draw_ = true;
        if (begin_round_) {  // the first card of a deal starts a new round
            round_.clear();
            begin_round_ = false;
        }
        if (marked_ == kShoeSize) {
            // An exhausted shoe takes back every card that is not on the table.
            ClearMarks();
            for (const Dealt& c : round_) Mark(c);
            ++takebacks;
        }
    }
    void Try() {
        Dealt c;
        c.deck = static_cast<int>(pick_[0] * kDecks) + 1;
        c.suit = static_cast<int>(pick_[1] * kSuits) + 1;
        c.value = static_cast<int>(pick_[2] * kValues) + 1;
        if (c.deck < 1 || c.deck > kDecks || c.suit < 1 || c.suit > kSuits || c.value < 1 ||
            c.value > kValues) {
            if (error.empty()) error = "a random number scaled outside the shoe";
            return;
        }
        const bool game_marked = table_->ShoeUsed[c.deck][c.suit][c.value] != 0;
        if (game_marked != used_[c.deck][c.suit][c.value] && error.empty())
            error = "the shoe's mark of " + CardText(c) + " disagrees with the cards dealt";
        if (used_[c.deck][c.suit][c.value]) return;  // already dealt: the draw tries again
        Mark(c);
        round_.push_back(c);
        event_cards.push_back(c);
        in_draw_ = false;
    }

    RandomSource& inner_;
    const TableState* table_ = nullptr;
    bool used_[kDecks + 1][kSuits + 1][kValues + 1] = {};
    int marked_ = 0;
    std::vector<Dealt> round_;
    double pick_[3] = {};
    int phase_ = 0;
    bool in_draw_ = false;
    bool begin_round_ = false;
};

// A few characters of any kind, straight from the input.
std::string RawText(Bytes& in) {
    std::string s;
    for (int n = in.Next() % 12; n > 0; --n) s += static_cast<char>(in.Next());
    return s;
}

// The window system as the fuzzer's player: answers the insurance question from the input.
class FuzzPlatform : public Platform {
public:
    FuzzPlatform(Bytes& in) : in_(in) {}
    void Attach(const Game& game) { game_ = &game; }

    struct Question {
        std::string prompt, title, default_answer;
        bool placed = false;
        ScreenPlace place;
        std::string answer;
    };
    std::vector<Question> questions;
    std::vector<std::string> messages;
    int menu_drops = 0;
    bool ended = false;

    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view default_answer, const ScreenPlace* place) override {
        Question q{std::string(prompt), std::string(title), std::string(default_answer),
                   place != nullptr, place ? *place : ScreenPlace{}, {}};
        // A player who keeps typing nonsense gives up in the end and declines.
        q.answer = questions.size() >= 12 ? "0" : Answer();
        questions.push_back(q);
        return q.answer;
    }
    void MessageBox(std::string_view text) override { messages.emplace_back(text); }
    void DropGameMenu() override { ++menu_drops; }
    void EndProgram() override { ended = true; }
    void ShowWindow(Window) override {}
    void HideWindow(Window) override {}
    void CloseWindow(Window) override {}

    std::string CheckAmount() {
        switch (in_.Next() % 15) {
            case 0: return "";
            case 1: return "0";
            case 2: return "100";
            case 3: return "1000";
            case 4: return "32767";
            case 5: return "-32768";
            case 6: return "32768";
            case 7: return "12.5";
            case 8: return "1 000";
            case 9: return "abc";
            case 10: {
                const int hi = in_.Next();
                return std::to_string(static_cast<std::int16_t>(hi << 8 | in_.Next()));
            }
            case 11: return RawText(in_);
            case 12: return "-" + std::to_string(in_.Next() * 100);
            case 13: return "2.5E4";
            default: return std::to_string(in_.Next() * 10);
        }
    }

private:
    std::string Answer() {
        const int bet = game_->Bet;
        const std::int64_t credit = game_->Credit;
        switch (in_.Next() % 16) {
            case 0: return "0";
            case 1: return "";  // cancelled
            case 2: return std::to_string(bet / 2);
            case 3: return std::to_string(bet / 2 + 1);
            case 4: return std::to_string(in_.Next() % (bet / 2 + 1));
            case 5: return std::to_string(credit);
            case 6: return std::to_string(credit + 1);
            case 7: return "-" + std::to_string(1 + in_.Next());
            case 8: return "99999";
            case 9: return "abc";
            case 10: return std::to_string(bet / 2) + ".5";
            case 11: {
                char hex[8];
                std::snprintf(hex, sizeof hex, "&H%X", in_.Next());
                return hex;
            }
            case 12: return RawText(in_);
            case 13: return "32768";
            case 14: return "1E3";
            default: return std::to_string(in_.Next()) + " $";
        }
    }

    Bytes& in_;
    const Game* game_ = nullptr;
};

enum class Phase { Betting, Reshuffling, FirstDecision, Hitting, SplitLeft, Passing, SplitRight, RightDone, Over };

const char* PhaseName(Phase p) {
    switch (p) {
        case Phase::Betting: return "betting";
        case Phase::Reshuffling: return "reshuffling";
        case Phase::FirstDecision: return "first decision";
        case Phase::Hitting: return "hitting";
        case Phase::SplitLeft: return "left hand";
        case Phase::Passing: return "passing";
        case Phase::SplitRight: return "right hand";
        case Phase::RightDone: return "right hand done";
        case Phase::Over: return "round over";
    }
    return "?";
}

enum class Kind {
    Chip, Deal, Clear, Hit, Stand, Double, Split, SplitHit, SplitStand, Timer1, Timer2, Timer3,
    NewGame, Borrow, BankType, BankSign, BankTick, BankClose, Options, Option1, Option2, RulesOK,
    RulesClose, Topics, Topic, HelpOK, HelpClose, About, AboutOK, AboutClose, EndOK, EndClose
};

struct Event {
    Kind kind;
    int arg = 0;
};

std::string EventName(const Event& e) {
    switch (e.kind) {
        case Kind::Chip: return "drop chip " + std::to_string(kChipValues[e.arg]);
        case Kind::Deal: return "Deal";
        case Kind::Clear: return "Clear bet";
        case Kind::Hit: return "Hit";
        case Kind::Stand: return "Stand";
        case Kind::Double: return "Double";
        case Kind::Split: return "Split";
        case Kind::SplitHit: return "split Hit";
        case Kind::SplitStand: return "split Stand/Finish";
        case Kind::Timer1: return "Timer1 tick";
        case Kind::Timer2: return "Timer2 tick";
        case Kind::Timer3: return "Timer3 tick";
        case Kind::NewGame: return "Game > New Game";
        case Kind::Borrow: return "Game > Borrow";
        case Kind::BankType: return "type in the check";
        case Kind::BankSign: return "bank: Sign";
        case Kind::BankTick: return "bank timer tick";
        case Kind::BankClose: return "bank: close box";
        case Kind::Options: return "Game > Settings";
        case Kind::Option1: return "rules: table limits " + std::to_string(e.arg);
        case Kind::Option2: return "rules: insurance limit " + std::to_string(e.arg);
        case Kind::RulesOK: return "rules: OK";
        case Kind::RulesClose: return "rules: close box";
        case Kind::Topics: return "Help > How to play";
        case Kind::Topic: return "help topic " + std::to_string(e.arg);
        case Kind::HelpOK: return "help: OK";
        case Kind::HelpClose: return "help: close box";
        case Kind::About: return "Help > About";
        case Kind::AboutOK: return "about: OK";
        case Kind::AboutClose: return "about: close box";
        case Kind::EndOK: return "game over: OK";
        case Kind::EndClose: return "game over: close box";
    }
    return "?";
}

constexpr std::string_view kPleaseBet = "Please bet...";
constexpr std::string_view kBetMore = "You must bet more to play or...borrow!";
constexpr std::string_view kNotEnough = "Not enough credit or over table limits";
constexpr std::string_view kBusted = "Player busted...You lost!";
constexpr std::string_view kStatement = "Hey, look at your last statement of account,\ryou can't afford!";

bool FitsInt32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// 2.5 times the bet, a half to the even neighbour.
std::int64_t BlackJackReturn(std::int64_t bet) {
    std::int64_t r = 5 * bet / 2;
    if ((5 * bet) % 2 != 0 && r % 2 != 0) r += 1;
    return r;
}

class Session {
public:
    Session(const std::uint8_t* data, std::size_t size)
        : in_(data, size),
          random_(in_, size > 0 && (data[0] & 1) != 0,
                  size > 1 ? (std::uint64_t{data[0]} << 8 | data[1]) : 1),
          watch_(random_),
          platform_(in_),
          game_(platform_, watch_) {
        in_.Next();  // the byte that chose the card source
        watch_.Attach(game_);
        platform_.Attach(game_);
    }

    void Run() {
        history_.push_back("start-up");
        watch_.BeginEvent(false);
        game_.Form_Load();
        watch_.EndEvent();
        if (watch_.shuffles != 1) Fail("start-up did not shuffle the shoe");
        Check();
        if (LabelCredit() != "500") Fail("start-up shows a credit other than 500");
        for (int steps = 0; steps < 5000 && !in_.Empty() && !platform_.ended; ++steps) {
            Event e = AllEvents()[in_.Next() % AllEvents().size()];
            if (!Possible(e)) continue;
            if (e.kind == Kind::Topic) e.arg = in_.Next() % 10;
            Play(e);
            ++g_events;
        }
    }

private:
    // ----- what the player can do now --------------------------------------------------------
    // Every byte names one event of a fixed list, so that a byte means the same event in every
    // state; an event the player cannot cause at that moment (a hidden button, a stopped timer, a
    // closed dialog) is skipped.
    static const std::vector<Event>& AllEvents() {
        static const std::vector<Event> all = [] {
            std::vector<Event> v;
            for (int i = 0; i < kChipCount; ++i) v.push_back({Kind::Chip, i});
            for (Kind k : {Kind::Deal, Kind::Clear, Kind::Hit, Kind::Stand, Kind::Double, Kind::Split,
                           Kind::SplitHit, Kind::SplitStand, Kind::Timer1, Kind::Timer2, Kind::Timer3,
                           Kind::NewGame, Kind::Borrow, Kind::BankType, Kind::BankSign, Kind::BankTick,
                           Kind::BankClose, Kind::Options})
                v.push_back({k});
            for (int i = 0; i < 3; ++i) v.push_back({Kind::Option1, i});
            for (int i = 0; i < 2; ++i) v.push_back({Kind::Option2, i});
            for (Kind k : {Kind::RulesOK, Kind::RulesClose, Kind::Topics, Kind::Topic, Kind::HelpOK,
                           Kind::HelpClose, Kind::About, Kind::AboutOK, Kind::AboutClose, Kind::EndOK,
                           Kind::EndClose})
                v.push_back({k});
            return v;
        }();
        return all;
    }

    bool Possible(const Event& e) const {
        const Form1Model& f = game_.Form1;
        auto usable = [](const Control& c) { return c.Visible && c.Enabled; };
        const bool table = !game_.frmEndShown;  // the table and its menus are there
        const BankModel& bank = game_.frmBank;
        switch (e.kind) {
            case Kind::Chip: return table && f.ChipDraggable[e.arg];
            case Kind::Deal: return table && usable(f.bnDeal);
            case Kind::Clear: return table && usable(f.bnClear);
            case Kind::Hit: return table && usable(f.bnCard);
            case Kind::Stand: return table && usable(f.bnStay);
            case Kind::Double: return table && usable(f.bnDouble);
            case Kind::Split: return table && usable(f.bnSplit);
            case Kind::SplitHit: return table && usable(f.bnCardSplit);
            case Kind::SplitStand: return table && usable(f.bnStandSplit);
            case Kind::Timer1: return f.Timer1.Enabled;
            case Kind::Timer2: return f.Timer2.Enabled;
            case Kind::Timer3: return f.Timer3.Enabled;
            case Kind::NewGame: case Kind::Borrow: case Kind::Options: case Kind::Topics: case Kind::About:
                return table;
            case Kind::BankType: return bank.Open && bank.txtBorrow.Enabled;
            case Kind::BankSign: return bank.Open && usable(bank.bnSign);
            case Kind::BankTick: return bank.Open && bank.Timer1.Enabled;
            case Kind::BankClose: return bank.Open;
            case Kind::Option1: case Kind::Option2: case Kind::RulesOK: case Kind::RulesClose:
                return table && game_.Rules.Visible;
            case Kind::Topic: case Kind::HelpOK: case Kind::HelpClose: return table && game_.frmHelp.Open;
            case Kind::AboutOK: case Kind::AboutClose: return table && game_.frmAboutOpen;
            case Kind::EndOK: case Kind::EndClose: return game_.frmEndShown;
        }
        return false;
    }

    // ----- one event, with what the rules say it must do --------------------------------------
    void Play(const Event& e) {
        history_.push_back(EventName(e));
        platform_.questions.clear();
        platform_.messages.clear();
        drops_before_ = platform_.menu_drops;
        credit_before_ = game_.Credit;
        watch_.BeginEvent(e.kind == Kind::Deal);

        switch (e.kind) {
            case Kind::Chip: Chip(e.arg); break;
            case Kind::Deal: Deal(); break;
            case Kind::Clear: Clear(); break;
            case Kind::Hit: Hit(); break;
            case Kind::Stand: Stand(); break;
            case Kind::Double: Double(); break;
            case Kind::Split: Split(); break;
            case Kind::SplitHit: SplitHit(); break;
            case Kind::SplitStand: SplitStand(); break;
            case Kind::Timer1: Timer1(); break;
            case Kind::Timer2: Timer2(); break;
            case Kind::Timer3: Timer3(); break;
            case Kind::NewGame: NewGame(); break;
            case Kind::Borrow: Borrow(); break;
            case Kind::BankType: {
                // The amount box reports every edit as the whole text.
                game_.frmBank.txtBorrow.Caption = platform_.CheckAmount();
                history_.back() += " \"" + Printable(game_.frmBank.txtBorrow.Caption) + "\"";
                break;
            }
            case Kind::BankSign: Sign(); break;
            case Kind::BankTick:
                game_.frmBank_Timer1_Timer();
                bank_open_ = false;
                if (LabelCredit() != std::to_string(game_.Credit))
                    Fail("the closed check does not show the new credit");
                break;
            case Kind::BankClose:
                game_.frmBank_Closed();
                if (bank_signed_ && LabelCredit() != std::to_string(game_.Credit))
                    Fail("closing a signed check does not show the new credit");
                bank_open_ = false;
                break;
            case Kind::Options: game_.mnuOptions_Click(); break;
            case Kind::Option1: {
                game_.Rules_Option1_Click(e.arg);
                static constexpr int kMin[] = {10, 50, 10};
                static constexpr std::int64_t kMax[] = {500, 2000, 1000000};
                min_bet_ = kMin[e.arg];
                max_bet_ = kMax[e.arg];
                break;
            }
            case Kind::Option2:
                game_.Rules_Option2_Click(e.arg);
                half_bet_ = e.arg == 0;
                break;
            case Kind::RulesOK: game_.Rules_bnOK_Click(); break;
            case Kind::RulesClose: game_.Rules_Closed(); break;
            case Kind::Topics: game_.mnuTopics_Click(); break;
            case Kind::Topic:
                game_.frmHelp_Topic_Click(e.arg);
                if (!game_.frmHelp.lblRegles.Visible) Fail("a help topic shows no text");
                break;
            case Kind::HelpOK: game_.frmHelp_Command1_Click(); break;
            case Kind::HelpClose: game_.frmHelp_Closed(); break;
            case Kind::About: game_.mnuAbout_Click(); break;
            case Kind::AboutOK: game_.frmAbout_cmdOK_Click(); break;
            case Kind::AboutClose: game_.frmAbout_Closed(); break;
            case Kind::EndOK: game_.frmEnd_Command1_Click(); break;
            case Kind::EndClose: game_.frmEnd_Closed(); break;
        }
        watch_.EndEvent();
        g_reached.takebacks += watch_.takebacks;

        if (!watch_.event_cards.empty()) {
            history_.back() += "  cards:";
            for (const Dealt& c : watch_.event_cards) history_.back() += " " + CardText(c);
        }
        for (const auto& q : platform_.questions) history_.back() += "  insurance? \"" + Printable(q.answer) + "\"";
        if (!watch_.error.empty()) Fail(watch_.error);
        if (e.kind == Kind::EndOK || e.kind == Kind::EndClose) {
            if (!platform_.ended) Fail("the game-over window did not end the program");
            return;
        }
        if (platform_.ended) Fail("the program ended on " + EventName(e));
        if (!Drawing(e.kind) && !watch_.event_cards.empty()) Fail("cards were dealt by " + EventName(e));
        if (e.kind != Kind::Deal && e.kind != Kind::NewGame && watch_.shuffles != 0)
            Fail("the shoe was shuffled by " + EventName(e));
        if (e.kind != Kind::Deal && !platform_.questions.empty()) Fail("insurance asked outside the deal");
        if (e.kind != Kind::Timer1 && platform_.menu_drops != drops_before_)
            Fail("the Game menu dropped down outside the end of a round");
        Check();
        char summary[160];
        std::snprintf(summary, sizeof summary, "   -> %s, Credit %d, Bet %d, Debt %d",
                      PhaseName(phase_), game_.Credit, game_.Bet, game_.Debt);
        history_.back() += summary;
    }

    static bool Drawing(Kind k) {
        switch (k) {
            case Kind::Deal: case Kind::Hit: case Kind::Stand: case Kind::Double: case Kind::Split:
            case Kind::SplitHit: case Kind::SplitStand: case Kind::Timer3:
                return true;
            default:
                return false;
        }
    }

    // ----- the handlers, each with its expectations ---------------------------------------------
    void Chip(int i) {
        const int v = kChipValues[i];
        const std::int64_t limit = std::min<std::int64_t>(max_bet_, 32767);
        const bool accepted = bet_ + v <= limit && Credit() >= v;
        game_.ChipDrop(std::to_string(v));
        if (accepted) {
            bet_ += v;
            if (game_.Form1.Label12.Visible) Fail("an accepted chip left the prompt shown");
            if (LabelCredit() != std::to_string(Credit())) Fail("an accepted chip does not show the credit");
        } else {
            const std::string want = bet_ + v <= limit
                                         ? std::string("No credit left!")
                                         : "Maximum bet  " + std::to_string(limit) + "$";
            ExpectShown(game_.Form1.Label12, want, "Label12 after a refused chip");
        }
    }

    void Clear() {
        game_.bnClear_Click();
        bet_ = 0;
        ExpectShown(game_.Form1.Label12, kPleaseBet, "Label12 after Clear bet");
        if (LabelCredit() != std::to_string(Credit())) Fail("Clear bet does not show the credit");
    }

    void Deal() {
        const int bet = bet_;
        const std::int64_t credit = Credit();
        game_.bnDeal_Click();
        const auto& cards = watch_.event_cards;
        if (bet > max_bet_ || bet < min_bet_ || rounds_ >= 20) {
            if (rounds_ < 20 || bet < 5) {
                if (!cards.empty() || watch_.shuffles != 0) Fail("a refused deal dealt or shuffled");
                ExpectShown(game_.Form1.Commentaire, kBetMore, "the refused deal's message");
                return;
            }
            if (!cards.empty() || watch_.shuffles != 1) Fail("the reshuffle press dealt or did not shuffle");
            if (watch_.MarkedCount() != 0) Fail("the reshuffled shoe is not full");
            rounds_ = 0;
            ++g_reached.reshuffles;
            phase_ = Phase::Reshuffling;
            ExpectShown(game_.Form1.Commentaire, "Shuffling cards...Please wait!", "the reshuffle message");
            return;
        }
        if (cards.size() != 4 || watch_.shuffles != 0) Fail("the deal did not deal exactly four cards");
        ++rounds_;
        ++g_reached.rounds;
        main_.cards = {cards[0], cards[1]};
        right_.cards.clear();
        dealer_.cards = {cards[2], cards[3]};
        hole_turned_ = false;
        dealer_total_shown_ = false;
        split_round_ = false;
        doubled_ = false;
        right_second_ = false;
        if (game_.Form1.Label12.Visible) Fail("the prompt stays shown during the round");

        const bool player_bj = main_.Natural();
        const bool dealer_bj = dealer_.Natural();
        const bool ace_up = cards[2].value == 1;
        const bool pair = cards[0].value == cards[1].value;
        auto over = [&](std::string_view text, bool turned) {
            phase_ = Phase::Over;
            hole_turned_ = turned;
            ExpectShown(game_.Form1.Commentaire, text, "the deal's outcome");
        };
        if (!ace_up && !player_bj && dealer_bj) {
            NoInsurance();
            return over("Dealer has BlackJack...You lost!", true);
        }
        if (player_bj && !dealer_bj) {
            NoInsurance();
            money_ += BlackJackReturn(bet);
            return over("You have BlackJack...You won!", false);
        }
        if (player_bj && dealer_bj) {
            NoInsurance();
            money_ += bet;
            return over("Double BlackJack!", true);
        }
        if (!ace_up) {
            NoInsurance();
            phase_ = Phase::FirstDecision;
            pair_offered_ = pair;
            if (game_.Form1.Commentaire.Visible) Fail("a comment stays shown over a hand in play");
            return;
        }

        // Insurance: every answer but the last must have been refused, the last one taken.
        const auto& qs = platform_.questions;
        if (qs.empty()) return Fail("no insurance question with an ace up");
        g_reached.insurance_questions += qs.size();
        std::size_t too_much = 0;
        int insurance = 0;
        for (std::size_t k = 0; k < qs.size(); ++k) {
            const auto& q = qs[k];
            std::string prompt = "Please enter amount of insurance";
            if (half_bet_) prompt += "\r\rMaximum =  " + std::to_string(bet / 2) + (bet % 2 ? ".5" : "");
            if (q.prompt != prompt || q.title != "Insurance" || q.default_answer != "0")
                Fail("the insurance box reads \"" + Printable(q.prompt) + "\"");
            if (q.placed != half_bet_ || (q.placed && (q.place.LeftTwips != 2000 || q.place.TopTwips != 200)))
                Fail("the insurance box is not where it belongs");
            const auto amount = ReferenceAmount(q.answer);
            bool taken = false;
            if (!amount) {
                ++too_much;
            } else {
                const int a = *amount;
                taken = a >= 0 && (a == 0 || a <= credit) && (!half_bet_ || 2 * a <= bet);
            }
            if (taken != (k + 1 == qs.size()))
                return Fail(taken ? "an acceptable insurance answer was asked again"
                                  : "an insurance answer that must be refused was taken");
            if (taken) insurance = *amount;
        }
        if (platform_.messages.size() != too_much) Fail("\"Hey, this is too much!\" shown the wrong number of times");
        for (const auto& m : platform_.messages)
            if (m != "Hey, this is too much!") Fail("unexpected message box: " + Printable(m));
        if (game_.Insurance != insurance) Fail("Insurance is not the amount taken");
        money_ -= insurance;
        if (LabelCredit() != std::to_string(credit - insurance)) Fail("the credit after insurance is not shown");
        if (dealer_bj && insurance != 0) {
            ++g_reached.insurance_won;
            money_ += 2 * std::int64_t{insurance};
            return over("Dealer has BlackJack...Insurance won!", true);
        }
        if (dealer_bj) return over("Dealer has BlackJack...You lost!", true);
        phase_ = Phase::FirstDecision;
        pair_offered_ = pair && credit - insurance >= bet;
    }

    void NoInsurance() {
        if (!platform_.questions.empty()) Fail("insurance asked without a dealer ace or after a blackjack");
        if (!platform_.messages.empty()) Fail("a message box during the deal");
    }

    void Hit() {
        game_.bnCard_Click();
        if (watch_.event_cards.size() != 1) return Fail("Hit did not deal one card");
        main_.cards.push_back(watch_.event_cards[0]);
        if (main_.Size() == 6 && main_.Total() <= 21) {
            money_ += 2 * std::int64_t{bet_};
            ++g_reached.six_card_wins;
            phase_ = Phase::Over;
            ExpectShown(game_.Form1.Commentaire, "You have drawn 6 cards...You won!", "the six-card win");
        } else if (main_.Total() > 21) {
            phase_ = Phase::Over;
            ExpectShown(game_.Form1.Commentaire, kBusted, "the bust");
        } else {
            phase_ = Phase::Hitting;
            if (game_.Form1.Commentaire.Visible) Fail("a comment stays shown after Hit");
        }
    }

    // The dealer draws the cards of this event from `from` on.
    void DealerPlays(std::size_t from) {
        const auto& cards = watch_.event_cards;
        for (std::size_t k = from; k < cards.size(); ++k) {
            if (dealer_.Total() >= 17) return Fail("the dealer drew on " + std::to_string(dealer_.Total()));
            dealer_.cards.push_back(cards[k]);
        }
        if (dealer_.Total() < 17) Fail("the dealer stood on " + std::to_string(dealer_.Total()));
        hole_turned_ = true;
        dealer_total_shown_ = true;
        if (dealer_.Size() > 8) ++g_reached.dealer_beyond_eight;
    }

    void SettleMain(int stake) {
        const int d = dealer_.Total(), p = main_.Total();
        std::string_view text;
        std::int64_t paid = 0;
        if (d > 21) text = "Dealer busted...You won!", paid = 2 * std::int64_t{stake};
        else if (p > d) text = "You won!", paid = 2 * std::int64_t{stake};
        else if (p < d) text = "You lost!";
        else text = "Push...", paid = stake;
        money_ += paid;
        phase_ = Phase::Over;
        ExpectShown(game_.Form1.Commentaire, text, "the settlement");
    }

    void Stand() {
        game_.bnStay_Click();
        DealerPlays(0);
        SettleMain(bet_);
    }

    bool StakeCanDouble() const {
        return 2 * bet_ <= max_bet_ && 2 * bet_ <= 32767 && Credit() >= bet_;
    }

    void Double() {
        const bool accepted = StakeCanDouble();
        game_.bnDouble_Click();
        if (!accepted) {
            if (!watch_.event_cards.empty()) Fail("a refused double dealt");
            ExpectShown(game_.Form1.Commentaire, kNotEnough, "the refused double");
            return;
        }
        bet_ *= 2;
        doubled_ = true;
        if (watch_.event_cards.empty()) return Fail("Double dealt no card");
        main_.cards.push_back(watch_.event_cards[0]);
        if (main_.Total() > 21) {
            if (watch_.event_cards.size() != 1) Fail("the dealer drew after a busted double");
            phase_ = Phase::Over;
            ExpectShown(game_.Form1.Commentaire, kBusted, "the busted double");
            return;
        }
        DealerPlays(1);
        SettleMain(bet_);
    }

    void Split() {
        const bool accepted = StakeCanDouble();
        game_.bnSplit_Click();
        if (!accepted) {
            if (!watch_.event_cards.empty()) Fail("a refused split dealt");
            ExpectShown(game_.Form1.Commentaire, kNotEnough, "the refused split");
            return;
        }
        bet_ *= 2;
        ++g_reached.splits;
        if (watch_.event_cards.size() != 1) return Fail("the split did not deal one card");
        right_.cards = {main_.cards[1]};
        main_.cards[1] = watch_.event_cards[0];
        split_round_ = true;
        phase_ = Phase::SplitLeft;
        ExpectShown(game_.Form1.Commentaire, "Now play left hand...", "the split's prompt");
    }

    void SplitHit() {
        const bool left = phase_ == Phase::SplitLeft;
        game_.bnCardSplit_Click();
        if (watch_.event_cards.size() != 1) return Fail("split Hit did not deal one card");
        Hand& hand = left ? main_ : right_;
        const Control& outcome = left ? game_.Form1.CommentaireGauche : game_.Form1.CommentaireDroite;
        hand.cards.push_back(watch_.event_cards[0]);
        const bool six = hand.Size() == 6 && hand.Total() <= 21;
        const bool busted = hand.Total() > 21;
        if (six) {
            ++g_reached.split_six_card_wins;
            money_ += bet_;
            ExpectShown(outcome, "6 cards drawn!", "the split hand's six-card win");
        } else if (busted) {
            ExpectShown(outcome, "Busted!", "the split hand's bust");
        }
        if (!six && !busted) return;
        if (left) {
            phase_ = Phase::Passing;
        } else {
            phase_ = Phase::RightDone;
            if (busted) ExpectShown(game_.Form1.Commentaire, "Press Finish...", "the right hand's bust");
        }
    }

    static bool Open(const Hand& h) { return h.Total() <= 21 && h.Size() < 6; }

    void SplitStand() {
        const bool left = phase_ == Phase::SplitLeft;
        game_.bnStandSplit_Click();
        if (left) {
            phase_ = Phase::Passing;
            return;
        }
        if (Open(main_) || Open(right_)) {
            DealerPlays(0);
        } else if (!watch_.event_cards.empty()) {
            Fail("the dealer drew with no hand left to play against");
        }
        const int d = dealer_.Total();
        for (const auto& [hand, label] : {std::pair{&main_, &game_.Form1.CommentaireGauche},
                                          std::pair{&right_, &game_.Form1.CommentaireDroite}}) {
            if (!Open(*hand)) continue;
            const int t = hand->Total();
            if (d > 21 || t > d) {
                money_ += bet_;
                ExpectShown(*label, "Won!", "a split hand's win");
            } else if (t == d) {
                money_ += bet_ / 2;
                ExpectShown(*label, "Push...", "a split hand's push");
            } else {
                ExpectShown(*label, "Lost!", "a split hand's loss");
            }
        }
        phase_ = Phase::Over;
        if (game_.Form1.Commentaire.Visible) Fail("the comment stays shown after Finish");
    }

    void Timer1() {
        game_.Timer1_Timer();
        money_ -= bet_;  // the stakes of the settled round leave the table
        bet_ = 0;
        ClearHands();
        phase_ = Phase::Betting;
        if (LabelCredit() != std::to_string(Credit())) Fail("the cleared table does not show the credit");
        ExpectShown(game_.Form1.Label12, kPleaseBet, "the prompt after the round");
        if (Credit() < 10) {
            ExpectShown(game_.Form1.Commentaire, "Not enough credit...Click the 'Borrow' submenu !", "the low-credit hint");
            if (platform_.menu_drops != drops_before_ + 1) Fail("the Game menu did not drop down");
        } else {
            if (game_.Form1.Commentaire.Visible) Fail("a comment stays on the cleared table");
            if (platform_.menu_drops != drops_before_) Fail("the Game menu dropped down with credit left");
        }
    }

    void Timer2() {
        game_.Timer2_Timer();
        phase_ = Phase::Betting;
        if (game_.Form1.Commentaire.Visible) Fail("the shuffle message stays after the pause");
    }

    void Timer3() {
        game_.Timer3_Timer();
        if (watch_.event_cards.size() != 1) return Fail("the pass to the right hand did not deal one card");
        right_.cards.push_back(watch_.event_cards[0]);
        right_second_ = true;
        phase_ = Phase::SplitRight;
        if (game_.Form1.Commentaire.Caption != "Now play right hand...") Fail("no right-hand prompt");
    }

    void NewGame() {
        game_.mnuNewGame_Click();
        if (watch_.shuffles != 1) Fail("New Game did not shuffle");
        money_ = 500;
        bet_ = 0;
        debt_ = 0;
        min_bet_ = 10;
        max_bet_ = 500;
        half_bet_ = true;
        rounds_ = 0;
        ClearHands();
        phase_ = Phase::Betting;
        if (game_.Rules.Option1 != 0 || game_.Rules.Option2 != 0) Fail("New Game left the rules dialog's choices");
        if (LabelCredit() != "500") Fail("New Game does not show 500");
        ExpectShown(game_.Form1.Label12, kPleaseBet, "the prompt after New Game");
        if (game_.Form1.Commentaire.Visible) Fail("a comment stays after New Game");
    }

    void Borrow() {
        game_.mnuBorrow_Click();
        if (debt_ < 25000) {
            if (!bank_open_) bank_signed_ = false;
            bank_open_ = true;
            if (!game_.frmBank.Open) Fail("Borrow did not open the bank");
        } else {
            game_over_ = true;
            ++g_reached.game_overs;
            if (game_.Form1.Visible || !game_.frmEndShown) Fail("the game did not end at the debt ceiling");
        }
    }

    void Sign() {
        const std::string text = game_.frmBank.txtBorrow.Caption;
        const auto amount = ReferenceAmount(text);
        const bool ok = amount && FitsInt32(Credit() + *amount) && FitsInt32(debt_ + *amount);
        const bool hint = game_.Form1.Commentaire.Visible;
        game_.frmBank_bnSign_Click();
        if (ok) {
            money_ += *amount;
            debt_ += *amount;
            ++g_reached.checks_signed;
            bank_signed_ = true;
            const BankModel& b = game_.frmBank;
            if (!platform_.messages.empty()) Fail("a message box for a valid check");
            if (!b.Open || !b.Timer1.Enabled || b.txtBorrow.Enabled || b.bnSign.Enabled || !b.LabelSign.Visible)
                Fail("the signed check is not in its signed state");
            if (game_.Form1.Commentaire.Visible) Fail("signing did not hide the table's comment");
        } else {
            ++g_reached.checks_refused;
            if (platform_.messages.size() != 1 || platform_.messages[0] != kStatement)
                Fail("a refused check without its message");
            bank_open_ = false;
            if (game_.frmBank.Open) Fail("the refused check stays open");
            if (game_.Form1.Commentaire.Visible != hint) Fail("a refused check changed the table's comment");
        }
    }

    void ClearHands() {
        main_.cards.clear();
        right_.cards.clear();
        dealer_.cards.clear();
        hole_turned_ = dealer_total_shown_ = split_round_ = right_second_ = doubled_ = false;
        pair_offered_ = false;
    }

    // ----- the whole table against the referee's picture --------------------------------------
    void Check() {
        const Form1Model& f = game_.Form1;
        // Money, to the dollar, with no wrap-around anywhere.
        const std::int64_t owned = std::int64_t{game_.Credit} + game_.Bet;
        if (owned != money_ || game_.Bet != bet_)
            Fail("money: the player owns " + std::to_string(owned) + " (bet " + std::to_string(game_.Bet) +
                 "), the rules say " + std::to_string(money_) + " (bet " + std::to_string(bet_) + ")");
        if (game_.Debt != debt_) Fail("debt: " + std::to_string(game_.Debt) + ", the rules say " + std::to_string(debt_));
        if (game_.Bet < 0) Fail("a negative bet");
        if (f.LabelMise.Caption != std::to_string(game_.Bet)) Fail("the bet spot does not show the bet");
        if (game_.Insurance < 0) Fail("negative insurance");
        if (game_.MinBet != min_bet_ || game_.MaxBet != max_bet_ || (game_.InsuranceHalfBet != 0) != half_bet_)
            Fail("the table limits are not those chosen");
        if (game_.RoundsSinceShuffle != rounds_) Fail("RoundsSinceShuffle is " + std::to_string(game_.RoundsSinceShuffle));

        // The shoe: its marks are exactly the cards dealt since the shuffle.
        for (int d = 1; d <= kDecks; ++d)
            for (int s = 1; s <= kSuits; ++s)
                for (int v = 1; v <= kValues; ++v)
                    if ((game_.ShoeUsed[d][s][v] != 0) != watch_.Marked(d, s, v))
                        Fail("the shoe's marks are not the cards dealt");
        if (game_.ShoeCardsLeft != kShoeSize - watch_.MarkedCount()) Fail("ShoeCardsLeft is off");

        // The windows.
        if (f.Visible == game_over_ || game_.frmEndShown != game_over_) Fail("table or game-over window in the wrong state");
        if (game_.frmBank.Open != bank_open_) Fail("the bank window is open when it should not be, or the other way");

        const bool in_round = phase_ != Phase::Betting && phase_ != Phase::Reshuffling;
        CheckButtons(in_round);
        CheckSlots(in_round);
        if (in_round) CheckHands();
        else if (f.lblTotalJoueur.Visible || f.lblTotalSplit.Visible || f.lblTotalBanque.Visible)
            Fail("a total shown between rounds");
    }

    void CheckButtons(bool in_round) {
        const Form1Model& f = game_.Form1;
        bool card = false, stay = false, dbl = false, split = false, csplit = false, ssplit = false;
        std::string_view caption;
        switch (phase_) {
            case Phase::FirstDecision: card = stay = dbl = true, split = pair_offered_; break;
            case Phase::Hitting: card = stay = true; break;
            case Phase::SplitLeft: csplit = ssplit = true, caption = "Stand"; break;
            case Phase::SplitRight: csplit = ssplit = true, caption = "Finish"; break;
            case Phase::RightDone: ssplit = true, caption = "Finish"; break;
            default: break;
        }
        const bool shown[] = {f.bnCard.Visible, f.bnStay.Visible, f.bnDouble.Visible,
                              f.bnSplit.Visible, f.bnCardSplit.Visible, f.bnStandSplit.Visible};
        // Whatever the phase, only these combinations can ever be on the table.
        static constexpr std::array<std::array<bool, 6>, 7> kAllowed{{
            {0, 0, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0}, {1, 1, 1, 1, 0, 0}, {1, 1, 0, 0, 0, 0},
            {0, 0, 0, 0, 1, 1}, {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0},
        }};
        bool allowed = false;
        for (const auto& combo : kAllowed) {
            bool same = true;
            for (int i = 0; i < 6; ++i) same = same && combo[i] == shown[i];
            allowed = allowed || same;
        }
        if (!allowed) Fail("the buttons shown are no combination of the round's states");
        if (shown[0] != card || shown[1] != stay || shown[2] != dbl || shown[3] != split ||
            shown[4] != csplit || shown[5] != ssplit)
            Fail(std::string("the buttons shown do not fit the state '") + PhaseName(phase_) + "'");
        if (ssplit && f.bnStandSplit.Caption != caption) Fail("the split Stand button reads " + f.bnStandSplit.Caption);
        for (const Control* c : {&f.bnCard, &f.bnStay, &f.bnDouble, &f.bnSplit, &f.bnCardSplit, &f.bnStandSplit})
            if (!c->Enabled) Fail("a round button is disabled");
        if (!f.bnDeal.Visible || !f.bnClear.Visible) Fail("Deal or Clear bet hidden");
        if (f.bnDeal.Enabled != (phase_ == Phase::Betting))
            Fail(f.bnDeal.Enabled ? "Deal enabled while a round is in play or the shoe is being shuffled"
                                  : "Deal disabled between rounds");
        const bool betting_open = !in_round;
        if (f.bnClear.Enabled != betting_open) Fail("Clear bet enabled in the wrong state");
        for (bool d : f.ChipDraggable)
            if (d != betting_open) Fail("chips draggable in the wrong state");
        if (f.Timer1.Enabled != (phase_ == Phase::Over) || f.Timer2.Enabled != (phase_ == Phase::Reshuffling) ||
            f.Timer3.Enabled != (phase_ == Phase::Passing))
            Fail("a timer runs in the wrong state");
    }

    void CheckSlots(bool in_round) {
        std::array<std::int16_t, kCardSlots> want{};
        if (in_round) {
            auto put = [&](int slot, const Dealt& c) {
                if (slot >= kCardSlots) return Fail("a card with no slot to show it");
                want[slot] = CardFace(c.suit, c.value);
            };
            for (std::size_t n = 1; n <= main_.Size(); ++n) put(PlayerCardSlot(n), main_.cards[n - 1]);
            for (std::size_t n = 1; n <= right_.Size(); ++n) put(SplitCardSlot(n), right_.cards[n - 1]);
            for (std::size_t n = 1; n <= dealer_.Size(); ++n) put(DealerCardSlot(n), dealer_.cards[n - 1]);
            if (!hole_turned_) want[kHoleCardSlot] = kCardBack;
        }
        for (int i = 0; i < kCardSlots; ++i)
            if (game_.Form1.ImageCarte[i] != want[i])
                Fail("card slot " + std::to_string(i) + " shows picture " + std::to_string(game_.Form1.ImageCarte[i]) +
                     ", the hands say " + std::to_string(want[i]));
    }

    void CheckHand(const char* name, const Hand& h, const std::int16_t* cards, int count, int total, Flag soft,
                   bool check_count) {
        if (check_count && count != static_cast<int>(h.Size()))
            Fail(std::string(name) + ": count " + std::to_string(count) + " for " + std::to_string(h.Size()) + " cards");
        for (std::size_t n = 1; n <= h.Size(); ++n)
            if (cards[n] != h.cards[n - 1].value) Fail(std::string(name) + ": a card's value is not the card dealt");
        if (total != h.Total()) Fail(std::string(name) + ": total " + std::to_string(total) + ", the cards make " + std::to_string(h.Total()));
        if ((soft != 0) != h.Soft() || (soft != 0 && soft != kTrue)) Fail(std::string(name) + ": the soft-ace flag is wrong");
    }

    void CheckHands() {
        const Form1Model& f = game_.Form1;
        // A double stores its card at position 3 but leaves the count at 2.
        CheckHand("player", main_, game_.PlayerCards.data(),
                  game_.PlayerCardCount + (doubled_ ? 1 : 0), game_.PlayerTotal, game_.PlayerSoftAce, true);
        CheckHand("dealer", dealer_, game_.DealerCards.data(), static_cast<int>(dealer_.Size()), game_.DealerTotal, game_.DealerSoftAce, false);
        if (split_round_)
            CheckHand("right hand", right_, game_.SplitCards.data(), game_.SplitCardCount, game_.SplitTotal, game_.SplitSoftAce, right_second_);
        if (Shown(f.lblTotalJoueur) != std::to_string(main_.Total())) Fail("the player's total is not shown");
        const std::string split_total = right_second_ ? std::to_string(right_.Total()) : "";
        if (Shown(f.lblTotalSplit) != split_total) Fail("the right hand's total label is wrong");
        const std::string dealer_total = dealer_total_shown_ ? std::to_string(dealer_.Total()) : "";
        if (Shown(f.lblTotalBanque) != dealer_total) Fail("the dealer's total label is wrong");
    }

    // ----- helpers ----------------------------------------------------------------------------
    std::int64_t Credit() const { return money_ - bet_; }
    const std::string& LabelCredit() const { return game_.Form1.LabelCredit.Caption; }
    static std::string Shown(const Control& c) { return c.Visible ? c.Caption : std::string(); }

    void ExpectShown(const Control& c, std::string_view text, const char* what) {
        if (!c.Visible || c.Caption != text)
            Fail(std::string(what) + ": shows \"" + Printable(c.Caption) + "\"" + (c.Visible ? "" : " (hidden)") +
                 ", the rules say \"" + std::string(text) + "\"");
    }

    static std::string Printable(std::string_view s) {
        std::string out;
        for (unsigned char c : s) {
            if (c >= 32 && c < 127 && c != '\\') {
                out += static_cast<char>(c);
            } else {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\x%02X", c);
                out += esc;
            }
        }
        return out;
    }

    [[noreturn]] void Fail(const std::string& what) {
        std::fprintf(stderr, "\n*** RULE BROKEN: %s\nin state '%s'. Events from start-up:\n", what.c_str(), PhaseName(phase_));
        for (std::size_t i = 0; i < history_.size(); ++i) std::fprintf(stderr, "%4zu  %s\n", i, history_[i].c_str());
        std::fflush(stderr);
        std::abort();
    }

    Bytes in_;
    InputRandom random_;
    ShoeWatch watch_;
    FuzzPlatform platform_;
    Game game_;
    std::vector<std::string> history_;

    // The referee's picture of the table.
    Phase phase_ = Phase::Betting;
    Hand main_, right_, dealer_;
    bool pair_offered_ = false, hole_turned_ = false, dealer_total_shown_ = false;
    bool split_round_ = false, right_second_ = false, doubled_ = false;
    std::int64_t money_ = 500, debt_ = 0;
    int bet_ = 0;
    int min_bet_ = 10;
    std::int64_t max_bet_ = 500;
    bool half_bet_ = true;
    int rounds_ = 0;
    bool game_over_ = false, bank_open_ = false, bank_signed_ = false;
    int drops_before_ = 0;
    std::int64_t credit_before_ = 0;
};

}  // namespace

void RunEventSequence(const std::uint8_t* data, std::size_t size) {
    Session session(data, size);
    session.Run();
}

std::uint64_t EventsExecuted() { return g_events; }

const Reached& SituationsReached() { return g_reached; }

}  // namespace vex::fuzz
