// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace sd {

struct DrillState;
class RandomSource;

// One row of a question bank, as written in the bank's table.
struct QuestionRow {
    int16_t number;
    std::array<const char16_t*, 5> parts;  // parts 1 to 5; "" where unused
    const char16_t* expected;              // the expected answer, blanks included
};

// The shown text: parts 1 to 5 joined with nothing between them, then "?".
QString questionText(const std::array<QString, 5>& parts);
QString questionText(const QuestionRow& row);

// Writes a row into the state's current question.
void loadQuestion(DrillState& state, const QuestionRow& row);

// The row with the given number, or nullptr.
const QuestionRow* findRow(std::span<const QuestionRow> rows, int number);

// Draws one of the bank's free questions, every free one equally likely, marks its number used
// and counts the draw. With no number free, a new cycle starts first (marks and count cleared),
// so the draw always ends.
const QuestionRow& drawFreeRow(DrillState& state, std::span<const QuestionRow> rows,
                               RandomSource& random);

// Removes leading and trailing blanks (and only blanks).
QString trimBlanks(const QString& text);

}  // namespace sd
