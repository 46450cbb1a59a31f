#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vex {

// A text known when the game is built, such as the dealer's comments: it lives as long as the
// program, so a caption can keep where it is instead of a copy.
struct FixedText {
    consteval FixedText(const char* text) : view(text) {}
    consteval FixedText(std::string_view text) : view(text) {}
    std::string_view view;
};

// What a control says, read and written like a string. A number is kept as a number, and a
// fixed text as where it is, and written out as text when the caption is first read: the window
// reads every caption after every event, and rounds played with no window (the simulator) never
// pay for digits or copies that nobody reads.
class CaptionText {
  public:
    CaptionText() = default;
    CaptionText(const char* text) : text_(text) {}  // implicit: Control{"Deal"}

    CaptionText& operator=(const char* text) { return assign(text); }
    CaptionText& operator=(const std::string& text) { return assign(text); }
    CaptionText& operator=(std::string_view text) { return assign(text); }
    CaptionText& assign(std::string_view text) {
        pending_ = Pending::None;
        // Most writes repeat what the caption already says ("Please bet..." every round).
        if (text_ != text) text_.assign(text);
        return *this;
    }
    CaptionText& append(std::string_view text) {
        Write();
        text_.append(text);
        return *this;
    }
    CaptionText& append(const char* first, const char* last) {
        return append(std::string_view(first, static_cast<std::size_t>(last - first)));
    }
    void clear() { assign({}); }
    // Plain decimal text: no separators, a minus sign only if negative.
    void SetNumber(std::int64_t value) {
        number_ = value;
        pending_ = Pending::Number;
    }
    void SetFixed(FixedText text) {
        fixed_ = text.view;
        pending_ = Pending::Fixed;
    }

    const std::string& str() const {
        if (pending_ != Pending::None) Write();
        return text_;
    }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    std::size_t size() const { return str().size(); }
    bool empty() const { return str().empty(); }
    const char* data() const { return str().data(); }
    const char* c_str() const { return str().c_str(); }

    friend bool operator==(const CaptionText& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const CaptionText& a, const char* b) { return a.str() == b; }
    friend std::string operator+(std::string a, const CaptionText& b) { return a += b.str(); }
    friend std::string operator+(const char* a, const CaptionText& b) { return a + b.str(); }
    friend std::string operator+(const CaptionText& a, std::string_view b) {
        std::string s = a.str();
        return s.append(b);
    }
    friend std::ostream& operator<<(std::ostream& out, const CaptionText& c);

  private:
    void Write() const;

    enum class Pending : std::uint8_t { None, Number, Fixed };
    mutable std::string text_;
    std::int64_t number_ = 0;
    std::string_view fixed_;
    mutable Pending pending_ = Pending::None;
};

// The part of a window control that the game writes: what it says, whether it is shown,
// whether it can be used. The window renders these; the rules read and write them.
struct Control {
    CaptionText Caption;
    bool Visible = true;
    bool Enabled = true;

    void Show(FixedText text) {
        Caption.SetFixed(text);
        Visible = true;
    }
    // Writes a whole number as plain decimal text: no separators, a minus sign only if negative.
    void SetNumber(std::int64_t value) { Caption.SetNumber(value); }
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
    // Started or stopped as `on` says.
    void Run(bool on) {
        Starts += on && !Enabled;
        Enabled = on;
    }
};

}  // namespace vex
