// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/faces.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace sd {

struct DrillState;

// One step of a printed page, for the ui layer to replay on the current printer. Positions are
// twips from the top-left corner of the printable area; a text's top-left corner sits at its
// position. Font, size and weight stay in force until set again. A renderer starts each document
// in regular weight: the sheet's heading relies on that, since the sheet turns bold on only
// after it. A text is drawn at the size set unless it is marked as fitted: the fitted texts
// between two font operations shrink together, just enough for each to end at least as far from
// the printable area's right edge as it starts from its left, so that they keep one size, their
// columns and the page's margins.
enum class PageOpKind {
    SetFont,      // family: a printer font name
    SetSize,      // points, fractions allowed
    SetWeight,    // bold or regular
    Text,         // text at (x, y); fitted or not
    EndLine,      // ends the printed line; the next text brings its own position anyway
    EndDocument,  // sends the page to the printer
};

struct PageOp {
    PageOpKind kind = PageOpKind::EndDocument;
    QString text{};  // the family for SetFont, the text for Text
    double points = 0.0;
    bool bold = false;
    int x = 0;
    int y = 0;
    bool fitted = false;  // for Text: shrinks to keep the page's margins

    static PageOp font(const QString& family) {
        return {.kind = PageOpKind::SetFont, .text = family};
    }
    static PageOp size(double points) { return {.kind = PageOpKind::SetSize, .points = points}; }
    static PageOp weight(bool bold) { return {.kind = PageOpKind::SetWeight, .bold = bold}; }
    static PageOp textAt(int x, int y, const QString& text) {
        return {.kind = PageOpKind::Text, .text = text, .x = x, .y = y};
    }
    static PageOp fittedTextAt(int x, int y, const QString& text) {
        return {.kind = PageOpKind::Text, .text = text, .x = x, .y = y, .fitted = true};
    }
    static PageOp endLine() { return {.kind = PageOpKind::EndLine}; }
    static PageOp endDocument() { return {.kind = PageOpKind::EndDocument}; }

    friend bool operator==(const PageOp&, const PageOp&) = default;
};

using PageOps = std::vector<PageOp>;

inline const QString kNoCourierMessage =
    QStringLiteral("Devi installare il font Courier o il font Courier New");
inline const QString kTooFewQuestionsMessage = QStringLiteral("Esegui almeno 10 operazioni. ");

// An exercise has ten questions, so the sheet and the preview show at most ten record lines.
inline constexpr int kSheetRecordLines = 10;
inline constexpr int kQuestionsBeforePrinting = 10;

// The first of the printer's font names, in the printer's order, that is exactly "Courier New"
// or "Courier"; none when the printer offers neither.
std::optional<QString> chooseSheetFont(const QStringList& printerFonts);

// How many record lines the sheet and the preview take: questions asked, within 0 and 10.
int sheetLineCount(const DrillState& state);

// The exercise sheet, one page, in the given sheet font.
PageOps buildExerciseSheet(const DrillState& state, const QString& sheetFont);

// What "STAMPA ESERCIZIO" does: either a message for a message box (nothing is printed) or the
// sheet to print.
struct SheetPrint {
    QString message;
    PageOps sheet;
};
SheetPrint printExerciseSheet(const DrillState& state, const QStringList& printerFonts);

}  // namespace sd
