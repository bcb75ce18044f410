// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>

#include <optional>

class QKeyEvent;

namespace sd {

// The virtual key code of a key event, as the menus' key maps use them (see state/option_menu.h):
// main-row digits 48-57, keypad digits 96-105, letters 65-90 whatever the shift state, Enter and
// keypad Enter 13, Backspace 8, F2 113, blank 32. Keys no menu knows give 0.
int virtualKeyCode(const QKeyEvent& event);

// The character a key press types, when it types exactly one; the key-press event of a menu item.
std::optional<char16_t> typedCharacter(const QKeyEvent& event);

// Whether a release is the key's own: the releases of the platform's automatic repeat of a held
// key are no key-ups.
bool isPhysicalRelease(const QKeyEvent& event);

}  // namespace sd
