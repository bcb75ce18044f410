// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/clock.h"

#include <QTime>

#include <cmath>

namespace sd {

double SystemClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

SeededRandom::SeededRandom(Clock& clock)
    : engine_(static_cast<uint32_t>(std::llround(clock.secondsSinceMidnight() * 1000.0))) {}

int SeededRandom::below(int bound) {
    if (bound <= 1) return 0;
    std::uniform_int_distribution<int> pick(0, bound - 1);
    return pick(engine_);
}

}  // namespace sd
