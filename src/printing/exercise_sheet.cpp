// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/exercise_sheet.h"

#include "state/drill_state.h"

#include <algorithm>

namespace sd {
namespace {

constexpr int kLeft = 1000;
constexpr int kHeadingTop = 1000;
constexpr int kFirstLineTop = 2000;
constexpr int kLineSpacing = 400;
constexpr int kFirstTimeTop = 11000;
constexpr int kSecondTimeTop = 11400;

QString sheetTimeLine(int exercise, const QString& seconds) {
    return QStringLiteral("Eser. n.%1: Tempo tot. ").arg(exercise) + seconds +
           QStringLiteral(" secondi");
}

}  // namespace

std::optional<QString> chooseSheetFont(const QStringList& printerFonts) {
    for (const QString& name : printerFonts) {
        if (name == kCourierNew || name == kCourier) return name;
    }
    return std::nullopt;
}

int sheetLineCount(const DrillState& state) {
    return std::clamp(static_cast<int>(state.questionsAsked), 0, kSheetRecordLines);
}

PageOps buildExerciseSheet(const DrillState& state, const QString& sheetFont) {
    PageOps ops{PageOp::font(sheetFont), PageOp::size(18),
                PageOp::textAt(kLeft, kHeadingTop, QStringLiteral("SCUOLA ELEMENTARE DI ")),
                PageOp::size(12), PageOp::weight(true)};
    // A record line in 12-point Courier is nearly nine inches long, wider than any sheet: only
    // the record lines give way, the heading and the times keep their sizes.
    for (int line = 1; line <= sheetLineCount(state); ++line) {
        const int top = kFirstLineTop + (line - 1) * kLineSpacing;
        ops.push_back(
            PageOp::fittedTextAt(kLeft, top, state.exerciseRecord[static_cast<size_t>(line)]));
        ops.push_back(PageOp::endLine());
    }
    ops.push_back(PageOp::textAt(kLeft, kFirstTimeTop, sheetTimeLine(1, state.exerciseTimes[1])));
    ops.push_back(PageOp::textAt(kLeft, kSecondTimeTop, sheetTimeLine(2, state.exerciseTimes[2])));
    ops.push_back(PageOp::endDocument());
    return ops;
}

SheetPrint printExerciseSheet(const DrillState& state, const QStringList& printerFonts) {
    if (state.questionsAsked < kQuestionsBeforePrinting) return {kTooFewQuestionsMessage, {}};
    const std::optional<QString> font = chooseSheetFont(printerFonts);
    if (!font) return {kNoCourierMessage, {}};
    return {{}, buildExerciseSheet(state, *font)};
}

}  // namespace sd
