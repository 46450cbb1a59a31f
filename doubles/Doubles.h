#pragma once
// Doubles for the game's seams, shared by the tests, the fuzzer, the benches and the simulator: a
// shoe that deals the cards asked for, a window system that shows nothing and answers every
// question alike, one that answers from a script and remembers what it was asked, and a started
// game on a stacked shoe.

#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "state/Random.h"
#include "state/TableState.h"
#include "table/Game.h"
#include "table/Platform.h"

namespace vex::doubles {

// Deals the stacked cards first, in order, each from a deck whose copy of that card is still in
// the shoe; once the stack is empty it deals like a seeded shoe, the same way on every run.
class StackedRandom : public RandomSource {
  public:
    // The shoe whose marks decide which deck a stacked card comes from.
    void Attach(const TableState& table) { table_ = &table; }

    // Puts a card of this value (1 ace .. 13 king) and suit (1 spades .. 4 clubs) on the stack.
    void Stack(int value, int suit = 1) { stack_.push_back({value, suit}); }
    void Stack(std::initializer_list<int> values) {
        for (int v : values) Stack(v);
    }
    bool Empty() const { return stack_.empty(); }

    void Reseed() override {}
    double Next() override;

  private:
    struct Wanted {
        int value;
        int suit;
    };
    const TableState* table_ = nullptr;
    std::deque<Wanted> stack_;
    int phase_ = 0;  // 0 deck, 1 suit, 2 value of the card being drawn
    std::mt19937_64 fallback_{20261206};
};

// Shows nothing and answers every input box alike, or as `decide` says; counts the questions.
class QuietPlatform : public Platform {
  public:
    std::string answer = "0";
    std::function<std::string()> decide;
    int asked = 0;
    bool took = false;  // the last answer was not "0"

    std::string InputBox(std::string_view, std::string_view, std::string_view,
                         const ScreenPlace*) override {
        ++asked;
        std::string given = decide ? decide() : answer;
        took = given != "0";
        return given;
    }
    void MessageBox(std::string_view) override {}
    void DropGameMenu() override {}
    void EndProgram() override {}
    void ShowWindow(Window) override {}
    void HideWindow(Window) override {}
    void CloseWindow(Window) override {}
};

// Answers the input boxes from a script ("0" once the script runs out) and records every call.
class ScriptedPlatform : public Platform {
  public:
    std::deque<std::string> answers;

    struct Question {
        std::string prompt, title, default_answer;
        std::optional<ScreenPlace> place;
    };
    std::vector<Question> questions;
    std::vector<std::string> messages;
    int menu_drops = 0;
    bool ended = false;
    std::vector<std::string> window_calls;  // "show Bank", "close Help", ...

    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view default_answer, const ScreenPlace* place) override;
    void MessageBox(std::string_view text) override { messages.emplace_back(text); }
    void DropGameMenu() override { ++menu_drops; }
    void EndProgram() override { ended = true; }
    void ShowWindow(Window w) override { window_calls.push_back("show " + Name(w)); }
    void HideWindow(Window w) override { window_calls.push_back("hide " + Name(w)); }
    void CloseWindow(Window w) override { window_calls.push_back("close " + Name(w)); }

    static std::string Name(Window w);
};

// A started game on a stacked shoe, with helpers that act as the player would.
struct Table {
    StackedRandom rng;
    ScriptedPlatform port;
    Game game{port, rng};

    // Attaches the shoe and runs the table's start-up.
    Table();
    // Drops chips of these values on the betting spot.
    void BetChips(std::initializer_list<int> chips);
    // Stacks the deal's four cards (player, player, dealer up, dealer hole) and presses Deal.
    void Deal(int p1, int p2, int up, int hole);
    // Money the player owns: the credit and the stake on the table.
    std::int64_t Money() const { return std::int64_t{game.Credit} + game.Bet; }
};

}  // namespace vex::doubles
