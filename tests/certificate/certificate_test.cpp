// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "certificate/certificate.h"
#include "certificate/certificate_menu.h"
#include "certificate/certificate_page.h"

#include "state/drill_state.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

#include <ostream>

namespace sd {

// Readable failure messages when whole drawings differ.
void PrintTo(const SurfaceOp& op, std::ostream* out) {
    *out << static_cast<int>(op.kind) << " \"" << op.text.toStdString() << "\" " << op.points << ' '
         << op.bold << " rgb(" << op.colour.red << ',' << op.colour.green << ',' << op.colour.blue
         << ')';
}

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
const QLocale kItalian(QLocale::Italian, QLocale::Italy);
const QDateTime kMorning(QDate(2024, 3, 5), QTime(9, 7, 3));

// The multiples certificate drawn at kMorning; only the name, grade and score change.
SurfaceOps multiplesDrawing(const char* name, const char* grade, const char* score) {
    using O = SurfaceOp;
    const O e = O::emptyLine();
    // clang-format off
    return {
        e, e, e, e, e,
        O::font("Arial"), O::size(20), O::textColour(kRed), O::centred("DIPLOMA DI MERITO"),
        O::font("Arial"), O::textColour(kBlack), O::centred("RILASCIATO A"), e,
        O::font("Arial"), O::size(20), O::weight(true), O::textColour(kRed), O::centred(name), e,
        O::font("Arial"), O::size(12), O::weight(false), O::textColour(kBlack),
            O::centred(" per la conoscenza del "), e,
        O::size(14), O::weight(true), O::centred("SISTEMA DECIMALE"), e,
        O::size(14), O::weight(true), O::centred("I valori di posizione"), e,
        O::size(14), O::weight(true), O::centred("I multipli"), e,
        O::size(12), O::weight(false), O::centred("con la valutazione di"), e,
        O::size(14), O::weight(true), O::textColour(kRed), O::centred(grade), e,
        O::size(12), O::weight(false), O::textColour(kBlack), O::centred(score), e, e, e,
        O::size(12), O::weight(false), O::centred("Data  05/03/24          Ora: 09:07:03")};
    // clang-format on
}

TEST(Certificate, LoadingRewritesTheNameGradesAndDrawsEveryResult) {
    const struct {
        const char *typedName, *name;
        int right, asked;
        const char *grade, *score, *printCaption;
    } cases[] = {
        {"GIULIA", "Giulia", 9, 10, "OTTIMO", "con 9 risposte esatte su 10 richieste",
         "STAMPA L'ATTESTATO"},
        {"", "", 5, 10, "SUFFICIENTE (!)", "con 5 risposte esatte su 10 richieste",
         "STAMPA L'ATTESTATO"},
        {"marco", "Marco", 4, 10, "Non classificato", "con 4 risposte esatte su 10 richieste",
         "ATTESTATO NON STAMPABILE"},
        {"", "", 0, 0, "Non classificato", "con 0 risposte esatte su 0 richieste",
         "ATTESTATO NON STAMPABILE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        DrillState state;
        state.subjectTitle = QStringLiteral("SISTEMA DECIMALE");
        state.topicTitle = QStringLiteral("I valori di posizione");
        state.exerciseTitle = QStringLiteral("I multipli");
        state.pupilName = QString::fromUtf8(c.typedName);
        state.rightAnswers = static_cast<int16_t>(c.right);
        state.questionsAsked = static_cast<int16_t>(c.asked);
        const bool printable = loadCertificate(state);
        EXPECT_EQ(state.pupilName, QString::fromUtf8(c.name));
        EXPECT_EQ(certificateCaptions(printable).front(), QString::fromUtf8(c.printCaption));
        EXPECT_EQ(buildCertificate(state, kMorning, kItalian),
                  multiplesDrawing(c.name, c.grade, c.score));
    }
}

TEST(Certificate, NameRewriteCountsCharacters) {
    const struct {
        const char *typed, *rewritten;
    } cases[] = {
        {"MARIO ROSSI", "Mario rossi"},
        {"giulia", "Giulia"},
        {"", ""},
        {"àLBERTO", "Àlberto"},
        {" ANNA", " anna"},
        {"𐐨𐐀A", "𐐀𐐨a"},  // a first letter outside the basic plane is raised whole
    };
    for (const auto& c : cases)
        EXPECT_EQ(capitaliseName(QString::fromUtf8(c.typed)), QString::fromUtf8(c.rewritten));
}

TEST(Certificate, DateLineHasTheShortDateAndTheTimeWithSeconds) {
    const QDateTime lastSecond(QDate(2023, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(dateLine(lastSecond, kItalian), "Data  31/12/23          Ora: 23:59:59");
    // Another Italian system's own formats; any other system's give way to Italy's, digits too.
    const std::pair<QLocale, const char*> lines[] = {
        {QLocale(QLocale::Italian, QLocale::Switzerland), "Data  05.03.24          Ora: 09:07:03"},
        {QLocale::c(), "Data  05/03/24          Ora: 09:07:03"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "Data  05/03/24          Ora: 09:07:03"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "Data  05/03/24          Ora: 09:07:03"},
    };
    for (const auto& [locale, line] : lines)
        EXPECT_EQ(dateLine(kMorning, locale).toStdString(), line);
    const struct {
        const char *shortFormat, *withSeconds;
    } cases[] = {
        {"HH:mm", "HH:mm:ss"},           {"h:mm AP", "h:mm:ss AP"},     {"H.mm", "H.mm.ss"},
        {"HH:mm:ss", "HH:mm:ss"},        {"HH 'h' mm", "HH 'h' mm:ss"}, {"HH", "HH:mm:ss"},
        {"'ms' HH:mm", "'ms' HH:mm:ss"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(timeFormatWithSeconds(c.shortFormat), QString::fromUtf8(c.withSeconds));
}

TEST(Certificate, PaperGrowsToHoldTheRowsAndAShortSurfaceShrinksThem) {
    // What a 400 x 500 box does for a drawing: nothing while it fits, else the larger factor.
    const std::pair<QSizeF, double> cases[] = {
        {{300, 450}, 1.0}, {{400, 500}, 1.0}, {{400, 600}, 1.2},
        {{600, 500}, 1.5}, {{480, 650}, 1.3},
    };
    for (const auto& [needed, factor] : cases) {
        EXPECT_DOUBLE_EQ(enlargementToHold(needed, {400, 500}), factor);
        EXPECT_DOUBLE_EQ(shrinkToFit(needed, {400, 500}), 1 / factor);
    }
}

TEST(Certificate, PrintingDrawsTheFrameThenTheCertificateInOneDocument) {
    using P = CertificatePageOp;
    const CertificatePage expected{P::line(1500, 500, 5500, 500, kBlack),
                                   P::line(1500, 500, 1500, 6000, kBlack),
                                   P::line(5500, 500, 5500, 6000, kBlack),
                                   P::line(1500, 6000, 5500, 6000, kBlack),
                                   P::emptyLine(),
                                   P::certificate(1000, 100),
                                   P::endDocument()};
    EXPECT_EQ(certificatePrintPage(), expected);
}

TEST(Certificate, MenuKeysAndBlankNeverReachADisabledPrintItem) {
    constexpr int kBlank = -1;  // the blank typed, not a key-down
    const struct {
        bool printable;
        int focus;
        std::vector<int> keys;
        int focusAfter;
    } cases[] = {
        {true, 2, {vk::kDigit0 + 1}, 0}, {false, 2, {vk::kDigit0 + 1}, 2},
        {false, 1, {vk::kPad0 + 1}, 1},  {false, 1, {vk::kPad0 + 3, vk::kDigit0 + 2}, 1},
        {true, 2, {kBlank}, 0},          {false, 2, {kBlank}, 1},
        {false, 1, {kBlank, kBlank}, 1},
    };
    for (const auto& c : cases) {
        OptionMenu menu(kCertificateItems, kCertificateKeys, kCertificateMenuOptions);
        applyPrintability(menu, c.printable);
        ASSERT_TRUE(menu.setFocus(c.focus));
        for (const int key : c.keys) {
            if (key == kBlank)
                menu.keyChar(u' ');
            else
                menu.keyDown(key);
            menu.keyUp();
        }
        EXPECT_EQ(menu.focus(), c.focusAfter) << c.printable << ' ' << c.keys.size();
        EXPECT_EQ(menu.mousePress(kItemStampaAttestato).has_value(), c.printable);
        EXPECT_EQ(menu.keyDown(vk::kEnter).run, c.focusAfter);
    }
}

}  // namespace
}  // namespace sd
