#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

// The part of a window control that the game writes: what it says, whether it is shown,
// whether it can be used. The window renders these; the rules read and write them.
struct Control {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;

    void Show(std::string_view text) {
        Caption.assign(text);
        Visible = true;
    }
    // Writes a whole number as plain decimal text: no separators, a minus sign only if negative.
    void SetNumber(std::int64_t value);
};

// A one-shot window timer: starting it enables it; its tick handler stops it. Starts counts every
// start, so that a window can tell a restart from a timer that simply kept running.
struct Timer {
    int Interval = 0;  // milliseconds
    bool Enabled = false;
    unsigned Starts = 0;

    void Start() {
        if (!Enabled) ++Starts;
        Enabled = true;
    }
    void Stop() { Enabled = false; }
};

}  // namespace vex
