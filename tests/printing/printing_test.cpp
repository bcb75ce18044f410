// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/exercise_sheet.h"
#include "printing/font_names.h"
#include "printing/print_window.h"
#include "printing/printer_choice.h"
#include "printing/printer_model.h"

#include "state/drill_state.h"

#include <gtest/gtest.h>

#include <ostream>

namespace sd {

// Readable failure messages when whole sheets differ.
void PrintTo(const PageOp& op, std::ostream* out) {
    *out << static_cast<int>(op.kind) << " \"" << op.text.toStdString() << "\" " << op.points << ' '
         << op.bold << " (" << op.x << ',' << op.y << ')';
}

namespace {

DrillState stateWithRecord(int questionsAsked) {
    DrillState state;
    state.questionsAsked = static_cast<int16_t>(questionsAsked);
    for (int i = 1; i < DrillState::kRecordLines; ++i)
        state.exerciseRecord[static_cast<size_t>(i)] = QStringLiteral("riga %1").arg(i);
    return state;
}

TEST(ExerciseSheet, TwoLinesWithTheirTimes) {
    DrillState state = stateWithRecord(2);
    state.exerciseTimes[1] = QStringLiteral("57");
    const PageOps expected{PageOp::font("Courier"),
                           PageOp::size(18),
                           PageOp::textAt(1000, 1000, "SCUOLA ELEMENTARE DI "),
                           PageOp::size(12),
                           PageOp::weight(true),
                           PageOp::fittedTextAt(1000, 2000, "riga 1"),
                           PageOp::endLine(),
                           PageOp::fittedTextAt(1000, 2400, "riga 2"),
                           PageOp::endLine(),
                           PageOp::textAt(1000, 11000, "Eser. n.1: Tempo tot. 57 secondi"),
                           PageOp::textAt(1000, 11400, "Eser. n.2: Tempo tot.  secondi"),
                           PageOp::endDocument()};
    EXPECT_EQ(buildExerciseSheet(state, "Courier"), expected);
}

TEST(ExerciseSheet, RecordLinesFollowQuestionsAskedUpToTen) {
    const struct {
        int asked, lines, lastTop;
    } cases[] = {{-1, 0, 0},     {0, 0, 0},      {1, 1, 2000},   {9, 9, 5200},
                 {10, 10, 5600}, {11, 10, 5600}, {46, 10, 5600}, {32767, 10, 5600}};
    for (const auto& c : cases) {
        int lines = 0, lastTop = 0;
        for (const PageOp& op : buildExerciseSheet(stateWithRecord(c.asked), kCourier)) {
            if (op.kind != PageOpKind::Text || op.y < 2000 || op.y >= 11000) continue;
            lastTop = op.y;
            EXPECT_EQ(op.text, QStringLiteral("riga %1").arg(++lines)) << c.asked;
        }
        EXPECT_EQ(lines, c.lines) << c.asked;
        EXPECT_EQ(lastTop, c.lastTop) << c.asked;
    }
}

TEST(SheetFont, FirstExactCourierNameInThePrintersOrder) {
    const struct {
        QStringList fonts;
        std::optional<QString> chosen;
    } cases[] = {
        {{}, std::nullopt},
        {{"Arial", "Courier", "Courier New"}, "Courier"},
        {{"Courier New", "Courier"}, "Courier New"},
        {{"courier new", "Courier New ", "Courier 10 Pitch"}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(chooseSheetFont(c.fonts), c.chosen);
}

TEST(SheetPrint, TooFewQuestionsComeBeforeTheMissingFont) {
    EXPECT_EQ(printExerciseSheet(stateWithRecord(9), {}).message, "Esegui almeno 10 operazioni. ");
    const SheetPrint noFont = printExerciseSheet(stateWithRecord(10), {"Arial"});
    EXPECT_EQ(noFont.message, "Devi installare il font Courier o il font Courier New");
    EXPECT_TRUE(noFont.sheet.empty());
    const SheetPrint printed = printExerciseSheet(stateWithRecord(10), {"Arial", "Courier"});
    EXPECT_EQ(printed.sheet, buildExerciseSheet(stateWithRecord(10), "Courier"));
}

TEST(PrintWindow, TimeLabelsAndPreviewLines) {
    EXPECT_EQ(timeLabelText("57"), QStringLiteral("Tempo totale:    57   secondi"));
    EXPECT_EQ(timeLabelText({}), QStringLiteral("Tempo totale:       secondi"));
    EXPECT_TRUE(previewLine(stateWithRecord(3), 4).isEmpty());
    const DrillState twelve = stateWithRecord(12);
    EXPECT_EQ(previewLine(twelve, 10), QStringLiteral("riga 10"));
    for (int label : {0, 11, kPreviewLabels}) EXPECT_TRUE(previewLine(twelve, label).isEmpty());
}

TEST(PrinterFontNames, SubstitutesStandForTheirCourierAtTheirFirstPlace) {
    const struct {
        QStringList families, names;
    } cases[] = {
        {{"DejaVu Sans", "Liberation Mono", "Nimbus Mono PS", "Courier New", "Cousine"},
         {"DejaVu Sans", "Courier New", "Courier"}},
        {{"Nimbus Mono L", "Cousine", "Courier", "Arial", "Arial"},
         {"Courier", "Courier New", "Arial"}},
    };
    for (const auto& c : cases) EXPECT_EQ(printerFontNames(c.families), c.names);
}

TEST(DrawingFamily, GenuineFaceElseFirstSubstitute) {
    EXPECT_EQ(drawingFamily("Courier New", {"Cousine", "Liberation Mono"}), "Cousine");
    EXPECT_EQ(drawingFamily("Courier New", {"Liberation Mono", "Courier New"}), "Courier New");
    EXPECT_EQ(drawingFamily("Courier", {"DejaVu Sans Mono"}), std::nullopt);
}

TEST(PrinterModel, StartsOnTheDefaultAndSelectsTheFirstOfAnExactName) {
    EXPECT_EQ(PrinterModel().currentIndex(), std::nullopt);
    EXPECT_EQ(PrinterModel({{"Uno"}, {"Due"}}).currentIndex(), 0U);
    PrinterModel model({{"Ufficio"}, {"Aula", true}, {"Ufficio", true}});
    EXPECT_EQ(model.currentIndex(), 1U);
    EXPECT_TRUE(model.select("Ufficio"));
    EXPECT_FALSE(model.select("aula"));
    EXPECT_EQ(model.currentIndex(), 0U);
}

const QString kDefaultIs = QStringLiteral("La stampante predefinita è \r\n");
const QString kChosenIs = QStringLiteral("La stampante scelta è \r\n");

// The list comes when the print service answers; until then there is nothing to choose from.
TEST(PrinterChoice, TheListComesOnceWhenTheServiceAnswers) {
    PrinterModel model;
    PrinterChoice window(model);
    EXPECT_EQ(window.label1(), kLookingForPrinters);
    window.unanswered();
    EXPECT_FALSE(window.filled());
    model = PrinterModel({{"Aula", true}});
    window.listed();
    model = PrinterModel({{"Aula"}, {"Ufficio", true}});
    window.listed();
    EXPECT_EQ(window.entries(), QStringList{"Aula"});
    EXPECT_EQ(window.label1(), kDefaultIs + "Aula");
}

TEST(PrinterChoice, CreationActsOnNothingAndEveryUserChoiceCounts) {
    PrinterModel model({{"Aula"}, {"Ufficio", true}});
    PrinterChoice window(model);
    window.listed();
    EXPECT_EQ(window.entries(), (QStringList{"Aula", "Ufficio"}));
    EXPECT_EQ(window.initialSelection(), 0);
    EXPECT_EQ(window.label1(), kDefaultIs + "Ufficio");
    EXPECT_TRUE(window.label2().isEmpty());
    EXPECT_EQ(model.currentIndex(), 1U);
    window.selectionMade("Aula");
    EXPECT_EQ(model.currentIndex(), 0U);
    window.selectionMade("Sconosciuta");
    EXPECT_EQ(window.label2(), kChosenIs + "Aula");
    EXPECT_EQ(window.label1(), kDefaultIs + "Ufficio");
}

TEST(PrinterChoice, AWindowCreatedAgainStartsAfresh) {
    PrinterModel model({{"Aula"}, {"Ufficio"}, {"Sala", true}});
    PrinterChoice first(model);
    first.listed();
    first.selectionMade("Ufficio");
    PrinterChoice again(model);
    again.listed();
    EXPECT_EQ(again.label1(), kDefaultIs + "Ufficio");
    EXPECT_TRUE(again.label2().isEmpty());
    again.selectionMade("Sala");
    EXPECT_EQ(model.currentIndex(), 2U);
}

TEST(PrinterChoice, NoPrinterInstalled) {
    PrinterModel model;
    PrinterChoice window(model);
    window.listed();
    EXPECT_EQ(window.initialSelection(), std::nullopt);
    EXPECT_EQ(window.label1(), QStringLiteral("Nessuna stampante installata"));
}

}  // namespace
}  // namespace sd
