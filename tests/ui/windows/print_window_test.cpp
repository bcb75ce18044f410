// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"
#include "app/print_jobs.h"
#include "platform/cups/print_service.h"
#include "printing/exercise_sheet.h"
#include "printing/printer_choice.h"
#include "state/colours.h"
#include "support/face.h"
#include "support/fakes.h"
#include "support/message_box.h"
#include "support/printed_page.h"
#include "support/spooler.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/windows/frm_scelta_stampante.h"
#include "ui/windows/frm_stampa_esercizio.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The print window and the printer window, printing through a private cupsd of the test's own:
// its default queue "prima" and a second queue "seconda" write what they print into files.

namespace sd {
namespace {

test::PrivateSpooler spool;

// A record line as the exercise window writes it: the question filled to 70 characters, the
// answer right-aligned, its mark, the correction column and the seconds.
QString recordLine(int i) {
    return QStringLiteral("Domanda numero %1 del foglio?").arg(i).leftJustified(70) +
           QStringLiteral("   100* 1.000  s. %1").arg(i);
}

using test::messageDuring;

class PrintWindow : public ::testing::Test {
  protected:
    std::unique_ptr<App> app;
    static void SetUpTestSuite() { spool.startWith({"prima", "seconda"}, "prima"); }
    static void TearDownTestSuite() { spool.clean(); }

    void SetUp() override {
        spool.forget({"prima", "seconda"});
        app = std::make_unique<App>(std::make_unique<test::FakeClock>(),
                                    std::make_unique<test::ScriptedRandom>(), [] {});
        ImpostaColori(app->state());
        answered(10);
    }
    void TearDown() override { app.reset(); }

    void answered(int questions) {
        DrillState& state = app->state();
        state.questionsAsked = static_cast<int16_t>(questions);
        for (int i = 1; i <= 10; ++i) state.exerciseRecord[static_cast<size_t>(i)] = recordLine(i);
        state.exerciseTimes[1] = QStringLiteral("57");
        state.exerciseTimes[2].clear();
    }
    FrmStampaEsercizio* open() {
        auto* window =
            qobject_cast<FrmStampaEsercizio*>(app->showWindow(WindowId::StampaEsercizio));
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QApplication::processEvents();
        return window;
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    // Waits until the print service has told its queues.
    void knowPrinters() {
        app->printers().ask();
        EXPECT_TRUE(QTest::qWaitFor([&] { return app->printers().list() == PrinterList::Listed; }));
    }
    // The first line printed on the queue, or nothing.
    static QString printed(const std::string& queue) {
        const std::vector<test::PrintedLine> lines = test::printedLines(spool.output(queue));
        return lines.empty() ? QString() : lines.front().text;
    }
};

TEST_F(PrintWindow, ShowsTheRecordLinesAndTheTimesAsTheyStoodWhenItOpened) {
    FrmStampaEsercizio* window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("FINESTRA DI STAMPA "));
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->label5().text(), QStringLiteral("E S E R C I Z I   E S E G U I T I "));
    EXPECT_EQ(window->mnuScegli().text(), QStringLiteral("Scegli la stampante"));
    for (int label = 1; label <= kPreviewLabels; ++label)
        EXPECT_EQ(window->lblOp(label).text(), label <= 10 ? recordLine(label) : QString())
            << label;
    // Debian's Liberation Mono stands for Courier New.
    ASSERT_EQ(window->sheetFont(), kCourierNew);
    EXPECT_EQ(window->lblOp(1).font().family(), kCourierNew);
    EXPECT_DOUBLE_EQ(window->lblOp(1).font().pointSizeF(), 9.0);
    EXPECT_TRUE(window->lblOp(1).font().bold());
    EXPECT_EQ(window->label1().text(), QStringLiteral("Tempo totale:    57   secondi"));
    EXPECT_EQ(window->label2().text(), QStringLiteral("Tempo totale:       secondi"));
    EXPECT_EQ(test::faceColour(*window->menu().item(0)), QColor(255, 229, 142));
    // The items rest in their own colour; the normal one replaces it once an item loses the focus.
    EXPECT_EQ(test::faceColour(*window->menu().item(2)), QColor(255, 224, 192));
    QTest::keyClick(window->menu().item(0), Qt::Key_2);
    EXPECT_EQ(test::faceColour(*window->menu().item(0)), QColor(255, 240, 186));
    EXPECT_EQ(test::faceColour(*window->menu().item(1)), QColor(255, 229, 142));
    EXPECT_EQ(test::faceColour(*window->menu().item(2)), QColor(255, 224, 192));
    QTest::keyClick(window->menu().item(1), Qt::Key_1);

    // "Visualizza", chosen by the keyboard on the exercise window's menu bar, brings it back; not
    // refreshed when shown. The exercise window's focus stays put while it has the keyboard (on
    // Wayland each change there asks for it to come to the front) and is where it was once back.
    app->state().exerciseTimes[1] = QStringLiteral("99");
    app->state().exerciseKind = 1;
    QWidget* exercise = app->showWindow(WindowId::Operativo);
    ASSERT_TRUE(QTest::qWaitForWindowActive(exercise));
    QWidget* key = focused();
    QTest::keyClick(exercise->windowHandle(), Qt::Key_Alt);
    int changes = 0;
    const auto counting = QObject::connect(qApp, &QGuiApplication::focusObjectChanged, [&] {
        changes += QGuiApplication::focusWindow() == exercise->windowHandle() ? 1 : 0;
    });
    QTest::keyClick(exercise->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QObject::disconnect(counting);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(window->label1().text(), QStringLiteral("Tempo totale:    57   secondi"));
    app->unloadWindow(WindowId::StampaEsercizio);
    ASSERT_TRUE(QTest::qWaitForWindowActive(exercise));
    EXPECT_EQ(focused(), key);
}

TEST_F(PrintWindow, DigitsOfBothRowsMoveTheFocusAndTooFewQuestionsPrintNothing) {
    answered(9);
    FrmStampaEsercizio* window = open();
    const std::vector<std::pair<Qt::KeyboardModifiers, std::array<Qt::Key, 4>>> rows{
        {Qt::NoModifier, {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}},
        {Qt::KeypadModifier, {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3}}};
    for (const auto& [modifier, keys] : rows)
        for (int item = 3; item >= 0; --item) {
            QTest::keyClick(focused(), keys.at(static_cast<size_t>(item)), modifier);
            EXPECT_EQ(focused(), window->menu().item(item)) << item;
        }
    QTest::keyClick(focused(), Qt::Key_3);
    EXPECT_EQ(messageDuring([] { QTest::keyClick(focused(), Qt::Key_Return); }),
              QStringLiteral("Esegui almeno 10 operazioni. "));
    EXPECT_EQ(messageDuring([&] { QTest::mousePress(window->menu().item(2), Qt::LeftButton); }),
              QStringLiteral("Esegui almeno 10 operazioni. "));
    EXPECT_TRUE(printed("prima").isEmpty());
}

// Once the message is acknowledged the keys work on the window again, with no window manager to
// hand the keyboard back.
TEST_F(PrintWindow, AfterAMessageTheWindowHasTheKeyboardAgain) {
    answered(9);
    FrmStampaEsercizio* window = open();
    QTest::keyClick(focused(), Qt::Key_3);
    EXPECT_EQ(messageDuring([] { QTest::keyClick(focused(), Qt::Key_Return); }),
              kTooFewQuestionsMessage);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(focused(), window->menu().item(2));
}

TEST_F(PrintWindow, EsciEmptiesTheTimesAndTheNextOpeningShowsNoNumber) {
    app->state().exerciseTimes[3] = QStringLiteral("12");
    QTest::mousePress(open()->menu().item(0), Qt::LeftButton);
    EXPECT_FALSE(app->registry().isLoaded(WindowId::StampaEsercizio));
    for (size_t slot = 1; slot <= 3; ++slot)
        EXPECT_TRUE(app->state().exerciseTimes[slot].isEmpty());
    EXPECT_EQ(open()->label1().text(), QStringLiteral("Tempo totale:       secondi"));
}

// The sheet read back from the printed PDF: every line, with its runs of blanks, at its place,
// whole on the page.
TEST_F(PrintWindow, PrintsTheSheetOnOnePageLineByLineAtItsPlaces) {
    FrmStampaEsercizio* window = open();
    QTest::keyClick(focused(), Qt::Key_3);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(test::printMessage(*app), QString());
    EXPECT_EQ(test::run("pdfinfo " + spool.output("prima") + " | awk '/^Pages:/ {print $2}'"),
              "1\n");
    const std::vector<test::PrintedLine> lines = test::printedLines(spool.output("prima"));
    std::vector<std::pair<int, QString>> expected{{1000, QStringLiteral("SCUOLA ELEMENTARE DI")}};
    for (int i = 1; i <= 10; ++i) expected.emplace_back(2000 + 400 * (i - 1), recordLine(i));
    expected.emplace_back(11000, QStringLiteral("Eser. n.1: Tempo tot. 57 secondi"));
    expected.emplace_back(11400, QStringLiteral("Eser. n.2: Tempo tot.  secondi"));
    ASSERT_EQ(lines.size(), expected.size());
    // Positions count from the printable area's corner, wherever the page's margins put it.
    const double left = lines[0].x - 50;
    const double top = lines[0].y - 50;
    const double pageWidth = 595;  // A4, in points
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i].second) << i;
        EXPECT_NEAR(lines[i].x - left, 50, 0.5) << i;
        EXPECT_NEAR(lines[i].y - top, expected[i].first / 20.0, 0.5) << i;
        EXPECT_LE(lines[i].x + lines[i].pitch * lines[i].text.size(), pageWidth - left) << i;
    }
    EXPECT_NEAR(lines[0].pitch, 18 * 0.6, 0.01);  // 18-point Courier New
    // Only the record lines give way, to end 1000 twips off the edge of this page without margins.
    ASSERT_NEAR(left, 0, 0.5);
    EXPECT_LT(lines[1].pitch, 12 * 0.6);
    double longest = 0;
    for (size_t i = 1; i <= 10; ++i) {
        EXPECT_NEAR(lines[i].pitch, lines[1].pitch, 0.01) << i;
        longest = std::max(longest, lines[i].x + lines[i].pitch * lines[i].text.size());
    }
    EXPECT_LE(longest, pageWidth - 50 + 0.5);
    EXPECT_GE(longest, pageWidth - 50 - 6);
    for (size_t i = 11; i < lines.size(); ++i) EXPECT_NEAR(lines[i].pitch, 12 * 0.6, 0.01) << i;
    EXPECT_TRUE(app->registry().isLoaded(WindowId::StampaEsercizio));
    EXPECT_EQ(window, app->window<FrmStampaEsercizio>(WindowId::StampaEsercizio));
}

TEST_F(PrintWindow, ThePrinterWindowChoosesWhereTheSheetGoes) {
    FrmStampaEsercizio* window = open();
    window->mnuScegli().trigger();
    auto* chooser = app->window<FrmSceltaStampante>(WindowId::SceltaStampante);
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isModal());
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Form1"));
    // Open before the print service has answered; the list comes with its answer.
    EXPECT_EQ(chooser->label1().text(), kLookingForPrinters);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chooser->combo1().count() == 2; }));
    EXPECT_EQ(chooser->combo1().currentText(), QStringLiteral("prima"));
    EXPECT_EQ(chooser->label1().text(), QStringLiteral("La stampante predefinita è \nprima"));
    EXPECT_TRUE(chooser->label2().text().isEmpty());
    QTest::keyClick(&chooser->combo1(), Qt::Key_Down);
    EXPECT_EQ(chooser->label2().text(), QStringLiteral("La stampante scelta è \nseconda"));
    QTest::mouseClick(&chooser->command2(), Qt::LeftButton);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(app->printers().model().currentName(), QStringLiteral("seconda"));

    window->AzioneMenu(2);
    EXPECT_EQ(test::printMessage(*app), QString());
    EXPECT_TRUE(printed("prima").isEmpty());
    EXPECT_EQ(printed("seconda"), QStringLiteral("SCUOLA ELEMENTARE DI"));

    // Shown again as it was left; its close box destroys it and the next opening starts afresh.
    window->mnuScegli().trigger();
    EXPECT_EQ(app->window<FrmSceltaStampante>(WindowId::SceltaStampante), chooser);
    EXPECT_EQ(chooser->label1().text(), QStringLiteral("La stampante predefinita è \nprima"));
    chooser->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(app->registry().isLoaded(WindowId::SceltaStampante));
    window->mnuScegli().trigger();
    chooser = app->window<FrmSceltaStampante>(WindowId::SceltaStampante);
    // The queues are not asked for again: the list of the run is known.
    EXPECT_EQ(chooser->combo1().count(), 2);
    EXPECT_EQ(chooser->label1().text(), QStringLiteral("La stampante predefinita è \nseconda"));
    EXPECT_TRUE(chooser->label2().text().isEmpty());
    chooser->hide();
}

// The close buttons of the about and the printer window: one colour all over the face as it is
// drawn, inside a darker edge.
TEST_F(PrintWindow, TheCloseButtonsOfTheAboutAndThePrinterWindowAreFlat) {
    for (const auto& [id, colour] : {std::pair{WindowId::Autore, QColor(128, 255, 255)},
                                     std::pair{WindowId::SceltaStampante, QColor(255, 255, 128)}}) {
        QWidget* window = app->showWindow(id);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QImage face = window->findChild<QPushButton*>()->grab().toImage();
        const int right = face.width() - 4, bottom = face.height() - 4;
        for (const QPoint spot : {QPoint(3, 3), QPoint(3, bottom), QPoint(right, bottom / 2)})
            EXPECT_EQ(face.pixelColor(spot).name(), colour.name()) << spot.x() << "," << spot.y();
        EXPECT_LT(face.pixelColor(0, bottom / 2).lightness(), colour.lightness());
    }
}

// Whatever goes wrong, the pupil is told in a message box, nothing is lost, and printing again on
// a printer that works comes out.
TEST_F(PrintWindow, EachPrintFailureGivesItsMessageAndTheWindowStays) {
    FrmStampaEsercizio* window = open();
    const auto print = [&] {
        window->AzioneMenu(2);
        return test::printMessage(*app);
    };
    spool.command("reject", "prima");
    EXPECT_EQ(print(), printFailureMessage(PrintOutcome::Refused));
    spool.command("stop");
    EXPECT_EQ(print(), printFailureMessage(PrintOutcome::ServiceUnreachable));
    spool.command("start");
    app->printers().model().select(QStringLiteral("seconda"));
    EXPECT_EQ(print(), QString());
    EXPECT_EQ(printed("seconda"), QStringLiteral("SCUOLA ELEMENTARE DI"));
    EXPECT_EQ(app->state().questionsAsked, 10);
    EXPECT_TRUE(window->isVisible());
    spool.command("accept", "prima");

    // A program whose print service knows no printer at all.
    for (const char* queue : {"prima", "seconda"}) spool.command("remove", queue);
    app = std::make_unique<App>(std::make_unique<test::FakeClock>(),
                                std::make_unique<test::ScriptedRandom>(), [] {});
    answered(10);
    window = open();
    EXPECT_EQ(print(), printFailureMessage(PrintOutcome::NoPrinter));
    EXPECT_TRUE(window->isVisible());
    window->mnuScegli().trigger();
    auto* chooser = app->window<FrmSceltaStampante>(WindowId::SceltaStampante);
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chooser->label1().text() == kNoPrinterInstalled; }));
    EXPECT_EQ(chooser->combo1().count(), 0);
    QTest::keyClick(&chooser->combo1(), Qt::Key_Down);  // nothing to choose, nothing breaks
    EXPECT_TRUE(chooser->label2().text().isEmpty());
    QTest::mouseClick(&chooser->command2(), Qt::LeftButton);
    for (const char* queue : {"prima", "seconda"}) spool.addQueue(queue);
    spool.command("default", "prima");
}

// A slow printer holds nobody up, and its sheet comes out untold. Of one that never answers the
// pupil is told once, over the window in front, that the sheet stays queued: it does, for good.
TEST_F(PrintWindow, PrintingNeverHoldsTheWindowsUp) {
    spool.addSlowQueue("lenta", 3);
    spool.addSlowQueue("muta", 3600);
    FrmStampaEsercizio* window = open();
    knowPrinters();
    ASSERT_TRUE(app->printers().model().select(QStringLiteral("lenta")));
    window->AzioneMenu(2);
    QTest::keyClick(focused(), Qt::Key_2);
    EXPECT_EQ(focused(), window->menu().item(1));
    EXPECT_TRUE(QTest::qWaitFor([] { return !test::run("lpstat -o lenta").empty(); }));
    EXPECT_EQ(test::printMessage(*app), QString());
    EXPECT_EQ(printed("lenta"), QStringLiteral("SCUOLA ELEMENTARE DI"));
    ASSERT_TRUE(app->printers().model().select(QStringLiteral("muta")));
    app->printJobs().setPatience(std::chrono::milliseconds(800));
    window->AzioneMenu(2);
    QTest::keyClick(focused(), Qt::Key_Return);  // "SCRIVI IL NOME"
    auto* name = app->window<QWidget>(WindowId::Nome);
    ASSERT_TRUE(QTest::qWaitForWindowActive(name));
    const test::Message waiting = test::nextMessage([] { return false; }, 5000);
    EXPECT_EQ(waiting.text, kJobWaitingMessage);
    EXPECT_EQ(waiting.over, name);
    EXPECT_TRUE(QTest::qWaitForWindowActive(name));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(test::nextMessage([&] { return clock.elapsed() > 1500; }).text, QString());
    app.reset();
    EXPECT_NE(test::run("lpstat -o muta"), "");
    for (const char* queue : {"lenta", "muta"}) spool.command("remove", queue);
}

// A print service that stops answering once it has listed its queues, and one that never answers
// at all: the windows go on taking keys while each request waits, a second press starts no second
// job, and the pupil is told that the service does not answer, never that no printer is there.
TEST_F(PrintWindow, AServiceThatDoesNotAnswerHoldsNobodyUp) {
    const auto patient = [&] {
        app->printJobs().setServicePatience(std::chrono::milliseconds(1000));
        return open();
    };
    FrmStampaEsercizio* window = patient();
    window->mnuScegli().trigger();
    auto* chooser = app->window<FrmSceltaStampante>(WindowId::SceltaStampante);
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chooser->combo1().count() == 2; }));
    QTest::mouseClick(&chooser->command2(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return focused() == window->menu().item(0); }));
    const std::string jobs = test::run("lpstat -W all -o prima");
    spool.command("freeze");
    window->AzioneMenu(2);
    window->AzioneMenu(2);
    QTest::keyClick(focused(), Qt::Key_2);
    EXPECT_EQ(focused(), window->menu().item(1));
    EXPECT_TRUE(app->printJobs().handingOver(QStringLiteral("Esercizio")));
    EXPECT_EQ(test::printMessage(*app), printFailureMessage(PrintOutcome::ServiceUnreachable));
    spool.command("thaw");
    EXPECT_EQ(test::run("lpstat -W all -o prima"), jobs);

    const test::SilentService silent;
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QByteArray::fromStdString(silent.server()));
    app = std::make_unique<App>(std::make_unique<test::FakeClock>(),
                                std::make_unique<test::ScriptedRandom>(), [] {});
    answered(10);
    window = patient();
    window->mnuScegli().trigger();
    chooser = app->window<FrmSceltaStampante>(WindowId::SceltaStampante);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->label1().text(), kLookingForPrinters);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return chooser->label1().text() == kPrintServiceSilent; }));
    QTest::mouseClick(&chooser->command2(), Qt::LeftButton);
    window->AzioneMenu(2);
    EXPECT_EQ(test::printMessage(*app), printFailureMessage(PrintOutcome::ServiceUnreachable));
    // The program ends with a request waiting; its late answer finds nobody, and harms nobody.
    window->AzioneMenu(2);
    app.reset();
    QTest::qWait(1500);
    qputenv("CUPS_SERVER", server);
}

// Run with a font set-up of its own that has no Courier face nor any stand-in for one.
TEST(PrintWindowWithoutCourier, SaysSoWhenItOpensAndAtEveryPrinting) {
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE")) GTEST_SKIP() << "needs its own fonts";
    App app(std::make_unique<test::FakeClock>(), std::make_unique<test::ScriptedRandom>(), [] {});
    app.state().questionsAsked = 10;
    FrmStampaEsercizio* window = nullptr;
    EXPECT_EQ(messageDuring([&] {
                  window =
                      qobject_cast<FrmStampaEsercizio*>(app.showWindow(WindowId::StampaEsercizio));
              }),
              kNoCourierMessage);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->sheetFont().has_value());
    EXPECT_EQ(messageDuring([&] { window->AzioneMenu(2); }), kNoCourierMessage);
}

}  // namespace
}  // namespace sd
