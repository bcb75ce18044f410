// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "banks/question.h"

#include "state/clock.h"
#include "state/drill_state.h"

#include <vector>

namespace sd {

QString questionText(const std::array<QString, 5>& parts) {
    QString text;
    for (const QString& part : parts) text += part;
    return text + u'?';
}

QString questionText(const QuestionRow& row) {
    std::array<QString, 5> parts;
    for (size_t i = 0; i < parts.size(); ++i) parts[i] = QString::fromUtf16(row.parts[i]);
    return questionText(parts);
}

void loadQuestion(DrillState& state, const QuestionRow& row) {
    state.questionNumber = row.number;
    for (size_t i = 0; i < state.questionParts.size(); ++i)
        state.questionParts[i] = QString::fromUtf16(row.parts[i]);
    state.expectedAnswer = QString::fromUtf16(row.expected);
}

const QuestionRow* findRow(std::span<const QuestionRow> rows, int number) {
    for (const QuestionRow& row : rows)
        if (row.number == number) return &row;
    return nullptr;
}

const QuestionRow& drawFreeRow(DrillState& state, std::span<const QuestionRow> rows,
                               RandomSource& random) {
    std::vector<const QuestionRow*> free;
    free.reserve(rows.size());
    for (const QuestionRow& row : rows)
        if (!state.isUsed(row.number)) free.push_back(&row);
    if (free.empty()) {
        state.clearUsedMarks();
        for (const QuestionRow& row : rows) free.push_back(&row);
    }
    const QuestionRow& drawn =
        *free[static_cast<size_t>(random.below(static_cast<int>(free.size())))];
    state.markUsed(drawn.number);
    ++state.drawCount;
    return drawn;
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

}  // namespace sd
