// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/clock.h"

#include <deque>

namespace sd::test {

// A clock that reads whatever the test sets.
class FakeClock final : public Clock {
public:
    double now = 0.0;
    double secondsSinceMidnight() override { return now; }
};

// Draws taken from a script; once the script is used up, always the first free choice.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> script;
    int below(int bound) override {
        if (script.empty()) return 0;
        const int value = script.front();
        script.pop_front();
        return value % bound;
    }
};

}  // namespace sd::test
