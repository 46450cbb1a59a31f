#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "table/Controls.h"

namespace vex {

// The table rules dialog: which choice of each group is selected.
struct RulesModel {
    bool Visible = false;
    int Option1 = 0;  // table limits
    int Option2 = 0;  // insurance limit
};

struct TableLimit {
    std::string_view Caption;
    std::int16_t MinBet;
    std::int32_t MaxBet;
};
inline constexpr std::array<TableLimit, 3> kTableLimits{{
    {"Min 10 $   Max 500 $", 10, 500},
    {"Min 50 $   Max 2000 $", 50, 2000},
    {"Min 10 $   Max Unlimited", 10, 1000000},
}};
inline constexpr std::array<std::string_view, 2> kInsuranceLimits{"Half of the Current bet",
                                                                  "Unlimited"};

// The help window: no topic shown, or one topic's text in lblRegles.
struct HelpModel {
    bool Open = false;
    Control lblRegles{"", false};
};

struct HelpTopic {
    std::string_view Control;  // the topic label's name
    std::string_view Caption;
    int Top;
    int Width;
    std::string_view Text;
};
// The topics from top to bottom.
extern const std::array<HelpTopic, 10> kHelpTopics;

}  // namespace vex
