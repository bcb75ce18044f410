// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"
#include "certificate/certificate.h"
#include "certificate/certificate_menu.h"
#include "platform/cups/print_service.h"
#include "printing/name_entry.h"
#include "state/colours.h"
#include "support/face.h"
#include "support/fakes.h"
#include "support/message_box.h"
#include "support/pdf_content.h"
#include "support/printed_page.h"
#include "support/spooler.h"
#include "ui/widgets/certificate_surface.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/windows/frm_attestato.h"
#include "ui/windows/frm_nome.h"
#include "ui/windows/frm_stampa_esercizio.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The name window and the certificate window, reached from the print window by real keys and
// mouse presses; the certificate prints through a private cupsd whose default queue "aula" writes
// what it prints into a file.

namespace sd {
namespace {

test::PrivateSpooler spool;
// The certificate's white ground on a printed page: left, top, width, height in 1200-dpi units.
const QRegularExpression kGround(QStringLiteral("(\\S+) (\\S+) (\\S+) (\\S+) re\\s+f"));

using test::messageDuring;

class CertificateJourney : public ::testing::Test {
  protected:
    std::unique_ptr<App> app;
    int ends = 0;

    static void SetUpTestSuite() { spool.startWith({"aula"}, "aula"); }
    static void TearDownTestSuite() { spool.clean(); }

    void SetUp() override {
        spool.forget({"aula"});
        app = std::make_unique<App>(std::make_unique<test::FakeClock>(),
                                    std::make_unique<test::ScriptedRandom>(), [this] { ++ends; });
        ImpostaColori(app->state());
        result(9, 10);
        app->state().exerciseKind = 1;
        app->state().exerciseTitle = QStringLiteral("I multipli");
        app->state().subjectTitle = QStringLiteral("SISTEMA DECIMALE");
        app->state().topicTitle = QStringLiteral("I valori di posizione");
    }
    void TearDown() override { app.reset(); }

    void result(int right, int asked) {
        app->state().rightAnswers = static_cast<int16_t>(right);
        app->state().questionsAsked = static_cast<int16_t>(asked);
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    // Chooses an item of the print window's menu with its key and Enter.
    template <class Window>
    Window* choose(Qt::Key key, WindowId id) {
        auto* print = qobject_cast<FrmStampaEsercizio*>(app->showWindow(WindowId::StampaEsercizio));
        EXPECT_TRUE(QTest::qWaitForWindowActive(print));
        QTest::keyClick(focused(), key);
        QTest::keyClick(focused(), Qt::Key_Return);
        auto* window = app->window<Window>(id);
        EXPECT_NE(window, nullptr);
        if (window != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }
    FrmAttestato* certificate() {
        FrmAttestato* window = choose<FrmAttestato>(Qt::Key_4, WindowId::Attestato);
        if (window != nullptr) window->finishDrawing();
        return window;
    }
};

TEST_F(CertificateJourney, TheNameIsWrittenWithTheOnScreenAndThePhysicalKeys) {
    FrmNome* name = choose<FrmNome>(Qt::Key_2, WindowId::Nome);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->windowTitle(), QStringLiteral("Form2"));
    EXPECT_EQ(name->lblNome().text(), QStringLiteral("?"));
    EXPECT_EQ(app->state().pupilName, QStringLiteral("?"));
    // The focus starts on "A": a letter does nothing, Enter writes "A" and the focus goes on.
    ASSERT_EQ(focused(), &name->key(0));
    QTest::keyClick(focused(), Qt::Key_G);
    EXPECT_EQ(name->lblNome().text(), QStringLiteral("?"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(name->lblNome().text(), QStringLiteral("A"));
    ASSERT_EQ(focused(), &name->avanti());
    // Letters come out in capitals whatever the shift; a held key types once; other keys nothing.
    struct Typed {
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers;
        const char* label;
    };
    for (const Typed& t : {Typed{Qt::Key_N, "n", Qt::NoModifier, "AN"},
                           Typed{Qt::Key_N, "N", Qt::ShiftModifier, "ANN"},
                           Typed{Qt::Key_Backspace, "", Qt::NoModifier, "AN"},
                           Typed{Qt::Key_5, "5", Qt::NoModifier, "AN"},
                           Typed{Qt::Key_Space, " ", Qt::NoModifier, "AN"},
                           Typed{Qt::Key_Comma, ",", Qt::NoModifier, "AN"},
                           Typed{Qt::Key_A, "a", Qt::NoModifier, "ANA"}}) {
        QTest::keyClick(focused(), t.key, t.modifiers);
        EXPECT_EQ(name->lblNome().text(), QString::fromLatin1(t.label)) << t.label;
    }
    QKeyEvent down(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
    QApplication::sendEvent(focused(), &down);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), true);
        QApplication::sendEvent(focused(), &up);
        QKeyEvent again(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), true);
        QApplication::sendEvent(focused(), &again);
    }
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
    QApplication::sendEvent(focused(), &up);
    EXPECT_EQ(name->lblNome().text(), QStringLiteral("ANAS"));
    EXPECT_EQ(app->state().pupilName, QStringLiteral("ANAS"));

    // "CANCELLA" empties it; Backspace on nothing shows "?", and the name is what the label shows.
    QPushButton& cancella = name->key(static_cast<int>(nameKeyboard().size()) - 1);
    ASSERT_EQ(cancella.text(), QStringLiteral("CANCELLA"));
    QTest::mouseClick(&cancella, Qt::LeftButton);
    EXPECT_TRUE(name->lblNome().text().isEmpty());
    EXPECT_TRUE(app->state().pupilName.isEmpty());
    name->avanti().setFocus();
    QTest::keyClick(focused(), Qt::Key_Backspace);
    EXPECT_EQ(name->lblNome().text(), QStringLiteral("?"));
    EXPECT_EQ(app->state().pupilName, QStringLiteral("?"));
    for (const char* letter : {"G", "I", "U", "L", "I", "A"}) {
        const auto& keys = nameKeyboard();
        const auto at = std::find_if(keys.begin(), keys.end(), [&](const NameKey& k) {
            return k.caption == QLatin1String(letter);
        });
        QTest::mouseClick(&name->key(static_cast<int>(at - keys.begin())), Qt::LeftButton);
    }
    EXPECT_EQ(name->lblNome().text(), QStringLiteral("GIULIA"));

    // A press on "AVANTI" closes the window; the name stays.
    QTest::mousePress(&name->avanti(), Qt::LeftButton);
    EXPECT_FALSE(app->registry().isLoaded(WindowId::Nome));
    EXPECT_EQ(app->state().pupilName, QStringLiteral("GIULIA"));
}

TEST_F(CertificateJourney, TheCertificateIsDrawnCentredRowByRowWithItsMenu) {
    app->state().pupilName = QStringLiteral("GIULIA");
    FrmAttestato* window = certificate();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(app->state().pupilName, QStringLiteral("Giulia"));
    EXPECT_EQ(app->state().grade, QStringLiteral("OTTIMO"));
    const QStringList rows = window->picture1().lines();
    ASSERT_EQ(rows.size(), kCertificateRows);
    EXPECT_EQ(
        rows.mid(0, 10),
        (QStringList{"DIPLOMA DI MERITO", "RILASCIATO A", "Giulia", " per la conoscenza del ",
                     "SISTEMA DECIMALE", "I valori di posizione", "I multipli",
                     "con la valutazione di", "OTTIMO", "con 9 risposte esatte su 10 richieste"}));
    EXPECT_TRUE(rows[10].startsWith(QStringLiteral("Data  ")));
    EXPECT_TRUE(rows[10].contains(QStringLiteral("          Ora: ")));

    // The first row, red, stands in the middle of the surface.
    const QImage image = window->picture1().image();
    ASSERT_EQ(image.width(), window->picture1().width());
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height() / 4; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(255, 0, 0)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(right, left);
    EXPECT_NEAR((left + right) / 2.0, image.width() / 2.0, 3);

    // The menu: fixed colours, the start window's keys, the print option first.
    OptionButtonMenu& menu = window->menu();
    EXPECT_EQ(menu.item(0)->text(), QStringLiteral("STAMPA L'ATTESTATO"));
    EXPECT_EQ(focused(), menu.item(0));
    EXPECT_EQ(test::faceColour(*menu.item(0)), QColor(255, 192, 128));
    EXPECT_EQ(test::faceColour(*menu.item(1)), QColor(255, 224, 192));
    QTest::keyClick(focused(), Qt::Key_3);
    EXPECT_EQ(focused(), menu.item(2));
    EXPECT_EQ(test::faceColour(*menu.item(2)), QColor(255, 192, 128));
    EXPECT_EQ(ends, 0);
    QTest::keyClick(focused(), Qt::Key_Return);  // "FINE SESSIONE"
    EXPECT_EQ(app->registry().loadedCount(), 0);
    EXPECT_EQ(ends, 1);
}

TEST_F(CertificateJourney, NonClassificatoIsDrawnButCannotBePrinted) {
    result(4, 10);
    FrmAttestato* window = certificate();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->picture1().lines().at(8), QStringLiteral("Non classificato"));
    QWidget* option0 = window->menu().item(0);
    EXPECT_EQ(qobject_cast<QPushButton*>(option0)->text(),
              QStringLiteral("ATTESTATO NON STAMPABILE"));
    EXPECT_FALSE(option0->isEnabled());
    EXPECT_EQ(focused(), window->menu().item(1));
    QTest::keyClick(focused(), Qt::Key_1);
    EXPECT_EQ(focused(), window->menu().item(1));
    QTest::mousePress(option0, Qt::LeftButton);
    EXPECT_TRUE(test::run("ls " + spool.output("aula") + " 2>/dev/null").empty());
    // "TORNA ALLA FINESTRA PRECEDENTE" on the press: the print window is in front again.
    QTest::mousePress(window->menu().item(1), Qt::LeftButton);
    EXPECT_FALSE(app->registry().isLoaded(WindowId::Attestato));
    EXPECT_TRUE(QTest::qWaitForWindowActive(app->window<QWidget>(WindowId::StampaEsercizio)));
}

// The page of a print action: the frame, then the white ground over it at 1000, 100 twips; opening
// the window never draws on a printer, so an unprinted certificate leaves no lines on the sheet.
TEST_F(CertificateJourney, EachPrintIsAPageWithTheFrameUnderTheGround) {
    for (int opening = 0; opening < 2; ++opening) {
        certificate();
        app->unloadWindow(WindowId::Attestato);
    }
    app->window<FrmStampaEsercizio>(WindowId::StampaEsercizio)->AzioneMenu(2);
    EXPECT_EQ(test::printMessage(*app), QString());
    const QString sheet = test::pdfOperators(spool.output("aula"));
    ASSERT_TRUE(sheet.contains(QStringLiteral("Tj")));
    EXPECT_FALSE(sheet.contains(QRegularExpression(QStringLiteral("\\sl\\n"))));

    FrmAttestato* window = certificate();
    ASSERT_NE(window, nullptr);
    for (int print = 1; print <= 2; ++print) {
        std::remove(spool.output("aula").c_str());
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_EQ(test::printMessage(*app), QString());
        const QString page = test::pdfOperators(spool.output("aula"));
        const QRegularExpressionMatch at = kGround.match(page);
        ASSERT_TRUE(at.hasMatch()) << page.toStdString();
        const qsizetype ground = at.capturedStart();
        EXPECT_EQ(page.left(ground).count(QRegularExpression(QStringLiteral("\\sl\\n"))), 4);
        EXPECT_FALSE(page.mid(ground).contains(QRegularExpression(QStringLiteral("\\sl\\n"))));
        EXPECT_FALSE(page.left(ground).contains(QStringLiteral(" Tj")));  // the rows over it
        // Its corner, in the page's 1200-dpi units: 1000 and 100 twips.
        EXPECT_NEAR(at.captured(1).toDouble(), 1000 * 1200 / 1440.0, 1);
        EXPECT_NEAR(at.captured(2).toDouble(), 100 * 1200 / 1440.0, 1);
    }
    // The sheet, then one job for each print of the certificate.
    EXPECT_EQ(test::run("lpstat -W completed -o aula | wc -l"), "3\n");

    spool.command("reject", "aula");
    window->AzioneMenu(0);
    EXPECT_EQ(test::printMessage(*app), printFailureMessage(PrintOutcome::Refused));
    EXPECT_TRUE(window->isVisible());
    spool.command("accept", "aula");
}

// Whatever the screen the window stands on (CTest runs this on several), every row shows whole on
// the surface, and prints as text on A4 as on Letter, centred on its white ground on the page.
TEST_F(CertificateJourney, EveryRowIsShownAndPrintedOnEveryScreen) {
    app->state().pupilName = QStringLiteral("GIULIA");
    FrmAttestato* window = certificate();
    ASSERT_NE(window, nullptr);
    const QImage shown = window->picture1().image();
    const QImage white = shown.copy(0, 0, shown.width(), 1);  // a line of the top margin
    QString ink;  // a character for each line of pixels: 'x' where any differs from the margin's
    for (int y = 0; y < shown.height(); ++y)
        ink += shown.copy(0, y, shown.width(), 1) == white ? u'.' : u'x';
    EXPECT_EQ(ink.split(u'.', Qt::SkipEmptyParts).size(), kCertificateRows);
    EXPECT_TRUE(ink.endsWith(u'.'));  // the last row is not cut by the lower edge
    // pdftotext finds where proportional words begin, not the blanks between them.
    const QStringList rows = QStringList(window->picture1().lines()).replaceInStrings(" ", "");
    // A4, the queue's own, last.
    for (const auto& [paper, width, height] : {std::tuple{"Letter", 612, 792}, {"A4", 595, 842}}) {
        test::run(std::string("lpadmin -p aula -o PageSize=") + paper);
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_EQ(test::printMessage(*app), QString());
        const std::string pdf = spool.output("aula");
        const QString page = test::pdfOperators(pdf);
        EXPECT_TRUE(page.contains(QStringLiteral(" %1 cm").arg(height))) << paper;  // its height
        const QRegularExpressionMatch at = kGround.match(page);
        const auto points = [&at](int n) { return at.captured(n).toDouble() * 72 / 1200; };
        const QRectF ground(points(1), points(2), points(3), points(4));
        EXPECT_NEAR(ground.width() / ground.height(), 5910.0 / 6765, 1e-3);
        EXPECT_TRUE(QRectF(0, 0, width, height).contains(ground)) << paper;
        QStringList printed;
        for (const test::PrintedLine& line : test::printedLines(pdf)) {
            printed << QString(line.text).remove(u' ');
            EXPECT_NEAR((line.x + line.right) / 2, ground.center().x(), 1) << paper;
        }
        EXPECT_EQ(printed, rows) << paper;
    }
}

}  // namespace
}  // namespace sd
