#pragma once

namespace vex::ui {

// Sets up the application as the game runs: its name, version and desktop entry, the Fusion
// style, the window icon and the table's default font. The check's embedded fonts are not loaded
// here: GameFont loads them when a check is first drawn, which keeps them off the start-up.
// Called once, right after the QApplication is made, by the game and by every program that
// shows the real table (stacked_table, the window benchmark, the HiDPI test).
void SetUpApplication();

}  // namespace vex::ui
