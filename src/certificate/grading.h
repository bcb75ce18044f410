// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace sd {

struct DrillState;

inline const QString kNonClassificato = QStringLiteral("Non classificato");

// Ten times the share of right answers, rounded down; 0 when no question was asked.
int16_t gradeValue(int16_t rightAnswers, int16_t questionsAsked);
// The grade word of a grade value.
QString gradeWord(int value);
// Grades the current result into the state's grade and tells whether the certificate may be
// printed.
bool gradeResult(DrillState& state);
// A certificate is printable unless its grade is "Non classificato" (exact comparison).
bool isPrintable(const QString& grade);

}  // namespace sd
