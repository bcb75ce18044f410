// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <vector>

namespace sd {

// Virtual key codes used by the menus and keypads.
namespace vk {
inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kSpace = 32;
inline constexpr int kDigit0 = 48;   // main row "0"; "1" is 49 ... "9" is 57
inline constexpr int kLetterA = 65;  // letters 65 ("A") to 90 ("Z")
inline constexpr int kPad0 = 96;     // numeric pad 0; pad 1 is 97 ... pad 9 is 105
inline constexpr int kF2 = 113;
constexpr int letter(char upper) {
    return kLetterA + (upper - 'A');
}
constexpr bool isDigitKey(int code) {
    return (code >= kDigit0 && code <= kDigit0 + 9) || (code >= kPad0 && code <= kPad0 + 9);
}
}  // namespace vk

// What a key-down did in a menu.
enum class KeyOutcome {
    Ignored,    // a key was already held: nothing at all happened
    Discarded,  // the key is not in the menu's map and has no further effect
    Accepted,   // the key was handled and the key-held flag is now set
};

struct KeyDownResult {
    KeyOutcome outcome = KeyOutcome::Ignored;
    std::optional<int> run;  // the item whose action the owner runs now (Enter)
};

// The behaviour every menu of option buttons shares: the focused item, the key map that moves
// the focus, Enter that runs the focused item, the blank that moves to the next item, and the
// key-held and space-held flags that make a held key act exactly once.
class OptionMenu {
  public:
    using KeyMap = std::map<int, int>;  // virtual key code -> item index

    struct Options {
        bool spaceSkipsDisabled = false;       // the blank passes over disabled items
        bool mouseReleaseClearsSpace = false;  // a mouse release clears the space-held flag too
    };

    OptionMenu(int itemCount, KeyMap keyMap);
    OptionMenu(int itemCount, KeyMap keyMap, Options options);

    int itemCount() const { return static_cast<int>(enabled_.size()); }
    bool isEnabled(int index) const;
    void setEnabled(int index, bool enabled);

    // Index of the item with the focus, or -1 when the focus is elsewhere.
    int focus() const { return focus_; }
    // Moves the focus; a disabled or unknown item cannot take it and the call is ignored.
    bool setFocus(int index);
    // The focus went to a control outside this menu.
    void loseFocus() { focus_ = -1; }

    bool keyHeld() const { return keyHeld_; }
    bool spaceHeld() const { return spaceHeld_; }
    void setKeyHeld() { keyHeld_ = true; }
    void setSpaceHeld() { spaceHeld_ = true; }

    // Key-down on the focused item, by the common rule.
    KeyDownResult keyDown(int keyCode);
    // Character typed on the focused item: a blank moves the focus to the next item.
    void keyChar(char16_t character);
    // Any key released.
    void keyUp();
    // Mouse button pressed on an item: the item to run, at once, whatever the flags; a disabled
    // item runs nothing.
    std::optional<int> mousePress(int index) const;
    // Mouse button released over an item.
    void mouseRelease();

    // The item the blank moves to from `from`, or -1 if none can take the focus.
    int nextItem(int from) const;

  private:
    std::vector<bool> enabled_;
    KeyMap keyMap_;
    Options options_;
    int focus_ = -1;
    bool keyHeld_ = false;
    bool spaceHeld_ = false;
};

}  // namespace sd
