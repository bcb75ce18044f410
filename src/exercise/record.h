// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace sd {

struct DrillState;

inline constexpr int kSecondsPerDay = 86400;
inline constexpr int kQuestionColumnWidth = 70;

// Whole seconds from start to end, rounded down. A reading below the start means the clock
// passed midnight in between, so a day is added instead of giving a negative time.
int answerSecondsBetween(float start, float end);

// CalcolaTempi without the labels: end time, answer seconds and their text, the running total
// of the exercise and its exercise-time slot.
void measureAnswer(DrillState& state, double now);

// The two time labels' texts, with their caps ("99" and "999").
QString answerSecondsLabel(const DrillState& state);
QString exerciseSecondsLabel(const DrillState& state);

// The Spazi module: the four blank runs that align the columns of a record line.
void CalcolaSpazi(DrillState& state);

// Appends the judged fields to record line `questionsAsked`: fills, the pupil's answer, the mark,
// seven blanks (right) or the correction (wrong), " s." and the seconds. The fills must be
// computed.
void appendJudgement(DrillState& state, bool right);

}  // namespace sd
