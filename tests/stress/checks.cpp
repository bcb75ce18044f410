// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stress/checks.h"

#include "banks/algoritmi1.h"
#include "banks/algoritmi2.h"
#include "banks/question.h"
#include "exercise/record.h"
#include "state/drill_state.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace sd::stress {
namespace {

constexpr int kAnswerWidth = 6;      // the answer, right-aligned
constexpr int kCorrectionWidth = 5;  // the expected answer after a wrong one, right-aligned
constexpr int kRightBlanks = 7;      // where a right answer has no correction

// Captions of the answer keys of both exercises.
const QStringList kAnswers{QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("1.000"),
                           QStringLiteral("uk"), QStringLiteral("h"),   QStringLiteral("da"),
                           QStringLiteral("u"),  QStringLiteral("d"),   QStringLiteral("c"),
                           QStringLiteral("m")};

QString blanks(qsizetype count) {
    return QString(count > 0 ? count : 0, u' ');
}

std::span<const QuestionRow> bankOf(int kind) {
    if (kind == 1) return Algoritmi1::rows();
    if (kind == 2) return Algoritmi2::rows();
    return {};
}

// Where the mark of a judged line stands.
qsizetype markColumn(const QString& question) {
    return std::max<qsizetype>(question.size(), kQuestionColumnWidth) + kAnswerWidth;
}

}  // namespace

std::optional<QString> recordLineProblem(const QString& line, const QString& question,
                                         const QString& expected, bool judged) {
    if (!line.startsWith(question))
        return QStringLiteral("does not start with its question \"%1\"").arg(question);
    if (!judged) {
        if (line == question) return std::nullopt;
        return QStringLiteral("holds more than its question before it is judged");
    }
    QString rest = line.mid(question.size());
    const qsizetype fill = kQuestionColumnWidth - question.size();
    if (fill > 0) {
        if (!rest.startsWith(blanks(fill)))
            return QStringLiteral("the answer does not start at column %1")
                .arg(kQuestionColumnWidth + 1);
        rest = rest.mid(fill);
    }
    if (rest.size() < kAnswerWidth + 1) return QStringLiteral("ends before the answer's mark");
    const QString answer = trimBlanks(rest.left(kAnswerWidth));
    if (!kAnswers.contains(answer) ||
        rest.left(kAnswerWidth) != blanks(kAnswerWidth - answer.size()) + answer)
        return QStringLiteral("no answer key's caption right-aligned in columns 71 to 76");
    const bool right = answer == trimBlanks(expected);
    if (rest.at(kAnswerWidth) != (right ? u' ' : u'*'))
        return QStringLiteral("the mark does not say whether \"%1\" answers \"%2\"")
            .arg(answer, expected);
    rest = rest.mid(kAnswerWidth + 1);
    QString correction = blanks(kRightBlanks);
    if (!right) {
        const qsizetype length = trimBlanks(expected).size();
        correction =
            (length >= 1 && length <= 4 ? blanks(kCorrectionWidth - length) : QString()) + expected;
    }
    if (!rest.startsWith(correction))
        return QStringLiteral("the correction column is not \"%1\"").arg(correction);
    rest = rest.mid(correction.size());
    static const QRegularExpression seconds(QStringLiteral("^ s\\.( [0-9]|[1-9][0-9]{1,4})$"));
    if (!seconds.match(rest).hasMatch())
        return QStringLiteral("the seconds \"%1\" are not \" s.\" and a number aligned").arg(rest);
    if (rest.mid(3).trimmed().toInt() >= kSecondsPerDay)
        return QStringLiteral("an answer took more than a day");
    return std::nullopt;
}

void DrawWatch::fail(const QString& problem) {
    if (!drawProblem_) drawProblem_ = problem;
}

void DrawWatch::draw(const DrillState& state, int bound, int choice) {
    ++draws_;
    const std::span<const QuestionRow> rows = bankOf(state.exerciseKind);
    if (rows.empty()) {
        fail(QStringLiteral("a bank draws for exercise kind %1").arg(state.exerciseKind));
        return;
    }
    std::vector<const QuestionRow*> free;
    for (const QuestionRow& row : rows)
        if (!state.isUsed(row.number)) free.push_back(&row);
    if (static_cast<int>(free.size()) != bound)
        fail(QStringLiteral("the bank draws among %1 questions but %2 are free")
                 .arg(bound)
                 .arg(free.size()));
    // Cleared marks start a new cycle; only a finished one may be cleared.
    if (state.drawCount == 0 && state.usedMarkCount() == 0) {
        if (!cycle_.empty() && static_cast<int>(cycle_.size()) < kDrawsPerCycle)
            fail(QStringLiteral("the marks were cleared after %1 draws of the cycle (a bank with "
                                "nothing free?)")
                     .arg(cycle_.size()));
        cycle_.clear();
    }
    if (state.drawCount != static_cast<int>(cycle_.size()))
        fail(QStringLiteral("draw count %1 but %2 draws in this cycle")
                 .arg(state.drawCount)
                 .arg(cycle_.size()));
    if (static_cast<int>(cycle_.size()) >= kDrawsPerCycle)
        fail(QStringLiteral("draw %1 of one cycle").arg(cycle_.size() + 1));
    if (choice < 0 || choice >= static_cast<int>(free.size())) return;
    const QuestionRow& row = *free[static_cast<size_t>(choice)];
    if (!cycle_.insert(row.number).second)
        fail(QStringLiteral("question %1 drawn twice in one cycle").arg(row.number));
    const size_t line = static_cast<size_t>(state.questionsAsked) + 1;
    if (line < lines_.size())
        lines_[line] = Asked{questionText(row), QString::fromUtf16(row.expected)};
}

std::optional<QString> DrawWatch::check(const DrillState& state,
                                        std::optional<WindowState> exercise) const {
    if (drawProblem_) return drawProblem_;
    if (state.usedMarkCount() != state.drawCount)
        return QStringLiteral("%1 used marks but draw count %2")
            .arg(state.usedMarkCount())
            .arg(state.drawCount);
    if (state.drawCount < 0 || state.drawCount > kDrawsPerCycle)
        return QStringLiteral("draw count %1").arg(state.drawCount);
    for (int number = 0; number < DrillState::kMarkCount; ++number)
        if (state.isUsed(number) != (cycle_.count(number) > 0))
            return QStringLiteral("question %1 is %2 but was %3 in this cycle")
                .arg(number)
                .arg(state.isUsed(number) ? QStringLiteral("marked") : QStringLiteral("free"))
                .arg(cycle_.count(number) > 0 ? QStringLiteral("drawn")
                                              : QStringLiteral("not drawn"));
    return countersProblem(state, exercise);
}

std::optional<QString> DrawWatch::countersProblem(const DrillState& state,
                                                  std::optional<WindowState> exercise) const {
    const int asked = state.questionsAsked;
    if (asked < 0 || asked > kQuestionsPerExercise)
        return QStringLiteral("%1 questions asked").arg(asked);
    if (state.rightAnswers < 0 || state.wrongAnswers < 0)
        return QStringLiteral("%1 right and %2 wrong answers")
            .arg(state.rightAnswers)
            .arg(state.wrongAnswers);
    const int judged = state.rightAnswers + state.wrongAnswers;
    const bool waiting = exercise ? *exercise == WindowState::Answering : judged == asked - 1;
    if (judged != asked - (waiting ? 1 : 0))
        return QStringLiteral("%1 right plus %2 wrong answers after %3 questions asked%4")
            .arg(state.rightAnswers)
            .arg(state.wrongAnswers)
            .arg(asked)
            .arg(waiting ? QStringLiteral(", one waiting for its answer") : QString());
    int wrongLines = 0;
    for (int k = 1; k <= asked; ++k) {
        const std::optional<Asked>& drawn = lines_[static_cast<size_t>(k)];
        if (!drawn) return QStringLiteral("record line %1 has no question drawn for it").arg(k);
        const QString& line = state.exerciseRecord[static_cast<size_t>(k)];
        if (const std::optional<QString> problem =
                recordLineProblem(line, drawn->question, drawn->expected, k <= judged))
            return QStringLiteral("record line %1 \"%2\": %3").arg(k).arg(line, *problem);
        if (k <= judged && line.at(markColumn(drawn->question)) == u'*') ++wrongLines;
    }
    if (wrongLines != state.wrongAnswers)
        return QStringLiteral("%1 record lines marked wrong but %2 wrong answers")
            .arg(wrongLines)
            .arg(state.wrongAnswers);
    return std::nullopt;
}

}  // namespace sd::stress
