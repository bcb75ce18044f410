// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "certificate/grading.h"

#include "state/drill_state.h"

#include <cmath>

namespace sd {

int16_t gradeValue(int16_t rightAnswers, int16_t questionsAsked) {
    // With no question asked the share is undefined and the grade value stays 0.
    if (questionsAsked == 0) return 0;
    const int product = 10 * static_cast<int>(rightAnswers);
    if (product > INT16_MAX || product < INT16_MIN) return 0;
    const double quotient = static_cast<double>(product) / static_cast<double>(questionsAsked);
    const double value = std::floor(quotient);
    if (value > INT16_MAX || value < INT16_MIN) return 0;
    return static_cast<int16_t>(value);
}

QString gradeWord(int value) {
    switch (value) {
        case 10:
        case 9:
            return QStringLiteral("OTTIMO");
        case 8:
            return QStringLiteral("DISTINTO");
        case 7:
            return QStringLiteral("BUONO");
        case 6:
            return QStringLiteral("SUFFICIENTE");
        case 5:
            return QStringLiteral("SUFFICIENTE (!)");
        default:
            return kNonClassificato;
    }
}

bool isPrintable(const QString& grade) {
    return grade != kNonClassificato;
}

bool gradeResult(DrillState& state) {
    state.grade = gradeWord(gradeValue(state.rightAnswers, state.questionsAsked));
    return isPrintable(state.grade);
}

}  // namespace sd
