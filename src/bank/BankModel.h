#pragma once

#include "table/Controls.h"

namespace vex {

// The loan bank's check window. Open: the amount box and Sign can be used. Signed: the signature
// shows for a moment (Timer1 running) before the check closes.
struct BankModel {
    bool Open = false;  // the window exists
    Control txtBorrow{"", true, true};
    Control LabelSign{"Lucky Loser", false};
    Control bnSign{"Sign"};
    Timer Timer1{1500};

    bool Signed() const { return Timer1.Enabled; }
};

inline constexpr int kDebtCeiling = 25000;

}  // namespace vex
