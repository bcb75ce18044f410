// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/record.h"

#include "banks/question.h"
#include "state/drill_state.h"

#include <cmath>

namespace sd {
namespace {

QString blanks(qsizetype count) {
    return count > 0 ? QString(count, u' ') : QString();
}

}  // namespace

int answerSecondsBetween(float start, float end) {
    double elapsed = static_cast<double>(end) - static_cast<double>(start);
    if (elapsed < 0.0) elapsed += kSecondsPerDay;
    return static_cast<int>(std::floor(elapsed));
}

void measureAnswer(DrillState& state, double now) {
    state.answerEndTime = static_cast<float>(now);
    state.answerSeconds = answerSecondsBetween(state.answerStartTime, state.answerEndTime);
    state.answerSecondsText = QString::number(state.answerSeconds);
    state.exerciseSeconds += state.answerSeconds;
    const int slot = state.exerciseNumber;
    if (slot >= 0 && slot < static_cast<int>(state.exerciseTimes.size()))
        state.exerciseTimes[static_cast<size_t>(slot)] = QString::number(state.exerciseSeconds);
}

QString answerSecondsLabel(const DrillState& state) {
    return state.answerSeconds >= 99 ? QStringLiteral("99") : state.answerSecondsText;
}

QString exerciseSecondsLabel(const DrillState& state) {
    if (state.exerciseSeconds >= 999) return QStringLiteral("999");
    const int slot = state.exerciseNumber;
    if (slot < 0 || slot >= static_cast<int>(state.exerciseTimes.size())) return QString();
    return state.exerciseTimes[static_cast<size_t>(slot)];
}

void CalcolaSpazi(DrillState& state) {
    // Answer and expected answer are right-aligned in columns of 6 and 5 characters.
    const qsizetype answerLength = trimBlanks(state.pupilAnswer).size();
    state.answerFill =
        (answerLength >= 1 && answerLength <= 5) ? blanks(6 - answerLength) : QString();
    const qsizetype expectedLength = trimBlanks(state.expectedAnswer).size();
    state.expectedFill =
        (expectedLength >= 1 && expectedLength <= 4) ? blanks(5 - expectedLength) : QString();
    const int line = state.questionsAsked;
    const qsizetype lineLength = (line >= 0 && line < DrillState::kRecordLines)
                                     ? state.exerciseRecord[static_cast<size_t>(line)].size()
                                     : 0;
    state.questionFill = blanks(kQuestionColumnWidth - lineLength);
    state.secondsFill = state.answerSeconds < 10 ? QStringLiteral(" ") : QString();
}

void appendJudgement(DrillState& state, bool right) {
    const int line = state.questionsAsked;
    if (line < 0 || line >= DrillState::kRecordLines) return;
    QString judged = state.questionFill + state.answerFill + state.pupilAnswer + state.answerMark;
    judged += right ? blanks(7) : state.expectedFill + state.expectedAnswer;
    judged += QStringLiteral(" s.") + state.secondsFill + trimBlanks(state.answerSecondsText);
    state.exerciseRecord[static_cast<size_t>(line)] += judged;
}

}  // namespace sd
