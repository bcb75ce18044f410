// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/keys.h"

#include "state/option_menu.h"

#include <QKeyEvent>

namespace sd {
namespace {

// X11 (evdev) key codes of the main row "1" ... "9", "0". With Shift held the toolkit reports the
// shifted symbol ("!", "\"" ...) as the key, yet the key pressed is still a digit key.
constexpr quint32 kX11RowOne = 10;
constexpr quint32 kX11RowZero = 19;

int digitRowFromScanCode(quint32 scanCode) {
    if (scanCode < kX11RowOne || scanCode > kX11RowZero) return 0;
    const int digit = scanCode == kX11RowZero ? 0 : static_cast<int>(scanCode - kX11RowOne) + 1;
    return vk::kDigit0 + digit;
}

// Keys that no menu maps, given their usual codes so that they are told apart from "no key".
int otherKeyCode(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);  // F2 is 113
    return 0;
}

}  // namespace

int virtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int digit = key - Qt::Key_0;
        return (event.modifiers() & Qt::KeypadModifier) ? vk::kPad0 + digit : vk::kDigit0 + digit;
    }
    // Qt reports a letter key as its capital whatever the shift state.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return vk::kLetterA + (key - Qt::Key_A);
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::kEnter;
        case Qt::Key_Backspace:
            return vk::kBackspace;
        case Qt::Key_Space:
            return vk::kSpace;
        default:
            break;
    }
    if (const int shiftedDigit = digitRowFromScanCode(event.nativeScanCode())) return shiftedDigit;
    return otherKeyCode(key);
}

std::optional<char16_t> typedCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    return text.at(0).unicode();
}

bool isPhysicalRelease(const QKeyEvent& event) {
    return !event.isAutoRepeat();
}

}  // namespace sd
