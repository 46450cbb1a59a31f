#include "Doubles.h"

#include <stdexcept>

#include "state/Card.h"

namespace vex::doubles {

double StackedRandom::Next() {
    if (stack_.empty()) {
        phase_ = 0;
        return UnitInterval(fallback_());
    }
    const Wanted& card = stack_.front();
    switch (phase_) {
        case 0: {
            phase_ = 1;
            int deck = 1;
            while (deck < kDecks && table_ && table_->ShoeUsed[deck][card.suit][card.value] != 0)
                ++deck;
            return (deck - 0.5) / kDecks;
        }
        case 1:
            phase_ = 2;
            return (card.suit - 0.5) / kSuits;
        default:
            phase_ = 0;
            const double r = (card.value - 0.5) / kValues;
            stack_.pop_front();
            return r;
    }
}

std::string ScriptedPlatform::InputBox(std::string_view prompt, std::string_view title,
                                       std::string_view default_answer, const ScreenPlace* place) {
    questions.push_back({std::string(prompt), std::string(title), std::string(default_answer),
                         place ? std::optional<ScreenPlace>(*place) : std::nullopt});
    if (answers.empty()) {
        // A question asked again and again after the answers ran out would never end.
        if (questions.size() > 50) throw std::runtime_error("asked again and again");
        return "0";
    }
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedPlatform::Name(Window w) {
    // In the order of the enumeration.
    static constexpr const char* kNames[] = {"Bank", "Rules", "Help", "About", "End"};
    return kNames[static_cast<int>(w)];
}

Table::Table() {
    rng.Attach(game);
    game.Form_Load();
}

void Table::BetChips(std::initializer_list<int> chips) {
    for (int chip : chips) game.ChipDrop(std::to_string(chip));
}

void Table::Deal(int p1, int p2, int up, int hole) {
    rng.Stack({p1, p2, up, hole});
    game.bnDeal_Click();
}

}  // namespace vex::doubles
