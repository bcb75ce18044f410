// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/option_menu.h"

namespace sd {

OptionMenu::OptionMenu(int itemCount, KeyMap keyMap)
    : OptionMenu(itemCount, std::move(keyMap), {}) {}

OptionMenu::OptionMenu(int itemCount, KeyMap keyMap, Options options)
    : enabled_(static_cast<size_t>(itemCount > 0 ? itemCount : 0), true),
      keyMap_(std::move(keyMap)),
      options_(options) {}

bool OptionMenu::isEnabled(int index) const {
    return index >= 0 && index < itemCount() && enabled_[static_cast<size_t>(index)];
}

void OptionMenu::setEnabled(int index, bool enabled) {
    if (index < 0 || index >= itemCount()) return;
    enabled_[static_cast<size_t>(index)] = enabled;
    // A disabled control cannot keep the focus.
    if (!enabled && focus_ == index) focus_ = -1;
}

bool OptionMenu::setFocus(int index) {
    if (!isEnabled(index)) return false;
    focus_ = index;
    return true;
}

KeyDownResult OptionMenu::keyDown(int keyCode) {
    if (keyHeld_) return {KeyOutcome::Ignored, std::nullopt};
    KeyDownResult result{KeyOutcome::Accepted, std::nullopt};
    if (const auto it = keyMap_.find(keyCode); it != keyMap_.end()) {
        setFocus(it->second);
    } else if (keyCode == vk::kEnter) {
        if (focus_ >= 0) result.run = focus_;
    } else {
        return {KeyOutcome::Discarded, std::nullopt};
    }
    keyHeld_ = true;
    return result;
}

int OptionMenu::nextItem(int from) const {
    const int count = itemCount();
    for (int step = 1; step <= count; ++step) {
        const int candidate = (from + step) % count;
        if (!options_.spaceSkipsDisabled || isEnabled(candidate)) return candidate;
    }
    return -1;
}

void OptionMenu::keyChar(char16_t character) {
    if (spaceHeld_ || character != u' ' || focus_ < 0) return;
    const int next = nextItem(focus_);
    if (next >= 0) setFocus(next);
    spaceHeld_ = true;
}

void OptionMenu::keyUp() {
    keyHeld_ = false;
    spaceHeld_ = false;
}

std::optional<int> OptionMenu::mousePress(int index) const {
    // A disabled item takes no mouse press, so it never runs.
    if (!isEnabled(index)) return std::nullopt;
    return index;
}

void OptionMenu::mouseRelease() {
    keyHeld_ = false;
    if (options_.mouseReleaseClearsSpace) spaceHeld_ = false;
}

}  // namespace sd
