#pragma once

class QMainWindow;

namespace vex::ui {

// What a screen reader learns about the table beyond what each widget says by itself. The
// widgets name themselves (cards in words, labels by their text, buttons by their captions,
// chips by their value); this adds a description saying whose card, total, bet or credit a
// widget shows, and has pictures read as images and the game's own windows as dialogs.
// Call once for the table window, after its widgets exist.
void DescribeForScreenReaders(QMainWindow& table);

}  // namespace vex::ui
