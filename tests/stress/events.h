// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <Qt>

#include <cstdint>

namespace sd::stress {

// What the pupil does in one event.
enum class Action {
    Key,          // a key pressed and let go
    HeldKey,      // a key held down: a press, automatic repeats, the release
    Click,        // a mouse press and release on a widget
    DoubleClick,  // press, release, double click, release
    Trigger,      // an item of the menu bar, triggered as its action
    Close,        // the window's close box
    OtherWindow,  // another window brought to the front, as a click on it would
};

struct Event {
    Action action = Action::Key;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString text;  // what the key types
    int repeats = 0;
    Qt::MouseButton button = Qt::LeftButton;
    uint32_t pick = 0;     // which widget, menu item or window
    double x = 0.5;        // where in the widget, as fractions of its width...
    double y = 0.5;        // ...and height
    double seconds = 0.0;  // the clock moves on this much first
};

// Event `index` of the run seeded `seed`. It depends on nothing else, so a run's tail replays
// the same events on a fresh program.
Event eventAt(uint64_t seed, uint64_t index);

// A number for `index` of the run seeded `seed`, for whatever else must be the same on a replay.
uint64_t mix(uint64_t seed, uint64_t index);

QString describe(const Event& event);

}  // namespace sd::stress
