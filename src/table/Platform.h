#pragma once

#include <string>
#include <string_view>

namespace vex {

// The game's windows besides the table.
enum class Window { Bank, Rules, Help, About, End };

// A place on the screen in twips (1/1440 inch; 15 twips make a pixel at 96 dpi).
struct ScreenPlace {
    int LeftTwips = 0;
    int TopTwips = 0;
};

// What a handler needs from the window system in the middle of its run. The Qt windows
// implement it; tests answer it with scripted replies.
class Platform {
  public:
    virtual ~Platform() = default;

    // A modal input box; returns the typed text, or empty text when cancelled. Line breaks in the
    // prompt are carriage returns. With no place, the window system chooses one.
    virtual std::string InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view default_answer, const ScreenPlace* place) = 0;
    // A modal message box with an OK button, titled with the game's name.
    virtual void MessageBox(std::string_view text) = 0;
    // Drops the table window's Game menu down, as Alt+G would.
    virtual void DropGameMenu() = 0;
    // Ends the program at once, closing every window.
    virtual void EndProgram() = 0;
    // Shows a window without blocking the table, creating it if needed, and brings it to the front.
    virtual void ShowWindow(Window w) = 0;
    // Hides a window but keeps it.
    virtual void HideWindow(Window w) = 0;
    // Closes and destroys a window.
    virtual void CloseWindow(Window w) = 0;
};

}  // namespace vex
