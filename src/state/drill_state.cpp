// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/drill_state.h"

#include <algorithm>

namespace sd {

void DrillState::clearExerciseTimes(int last) {
    for (int slot = 1; slot <= last && slot < static_cast<int>(exerciseTimes.size()); ++slot)
        exerciseTimes[static_cast<size_t>(slot)].clear();
}

void DrillState::clearUsedMarks() {
    for (QString& mark : usedMarks) mark.clear();
    drawCount = 0;
}

int DrillState::usedMarkCount() const {
    return static_cast<int>(std::count_if(usedMarks.begin(), usedMarks.end(),
                                          [](const QString& m) { return m == kUsedMark; }));
}

bool DrillState::isUsed(int number) const {
    return number >= 0 && number < kMarkCount && usedMarks[number] == kUsedMark;
}

void DrillState::markUsed(int number) {
    if (number >= 0 && number < kMarkCount) usedMarks[number] = kUsedMark;
}

}  // namespace sd
