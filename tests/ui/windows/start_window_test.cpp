// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"
#include "state/colours.h"
#include "support/face.h"
#include "support/fakes.h"
#include "ui/drawing/colour.h"
#include "ui/widgets/drawn_controls.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/widgets/proportional_layout.h"
#include "ui/windows/curtain.h"
#include "ui/windows/frm_autore.h"
#include "ui/windows/frm_inizio.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace sd {
namespace {

// The exercise window stands in as a plain window that notes what the state held when it loaded.
struct ExerciseLoad {
    int kind = -1;
    QString title;
};

class StartWindow : public ::testing::Test {
  protected:
    int ends = 0;
    std::vector<ExerciseLoad> exerciseLoads;
    std::unique_ptr<App> app;
    FrmInizio* window = nullptr;

    void SetUp() override {
        app = std::make_unique<App>(std::make_unique<test::FakeClock>(),
                                    std::make_unique<test::ScriptedRandom>(), [this] { ++ends; });
        app->registerWindow(
            WindowId::Operativo,
            [this] {
                exerciseLoads.push_back({app->state().exerciseKind, app->state().exerciseTitle});
                auto exercise = std::make_unique<QWidget>();
                exercise->resize(300, 200);
                return exercise;
            },
            WindowShow::Normal);
        app->start();
        window = app->window<FrmInizio>(WindowId::Inizio);
        ASSERT_NE(window, nullptr);
        waitUntilActive(window);
    }

    void TearDown() override { app.reset(); }

    static void waitUntilActive(QWidget* target) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(target));
        // Focus and activation take effect after one pass of the event loop.
        QApplication::processEvents();
    }

    QWidget* item(int index) const { return window->menu().item(index); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    QColor ground(int index) const { return test::faceColour(*item(index)); }
    int highlighted() const {
        int found = -1;
        for (int i = 0; i < 3; ++i)
            if (ground(i) == toQColor(kHighlightColour)) found = found == -1 ? i : -2;
        return found;
    }
    const OptionMenu& logic() const { return *window->menu().logic(); }

    // The loaded windows in the order that `closing` destroys them.
    std::vector<QObject*> destroyedOrder(const std::function<void()>& closing) {
        std::vector<QObject*> order;
        for (int i = 0; i < kWindowCount; ++i)
            if (QObject* loaded = app->registry().instance(static_cast<WindowId>(i)))
                QObject::connect(loaded, &QObject::destroyed,
                                 [&order](QObject* gone) { order.push_back(gone); });
        closing();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return order;
    }

    // A key goes to whatever has the focus, as the platform delivers it.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyPress(focused(), key, modifiers);
    }
    static void release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyRelease(focused(), key, modifiers);
    }
    static void click(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), key, modifiers);
    }
    // The platform's repeat of a held key: a release and a press, both marked as automatic. The
    // release in between is no key-up: both flags stay as they were.
    void autoRepeat(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
        const bool keyHeld = logic().keyHeld();
        const bool spaceHeld = logic().spaceHeld();
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text, true);
        QApplication::sendEvent(focused(), &up);
        EXPECT_EQ(logic().keyHeld(), keyHeld);
        EXPECT_EQ(logic().spaceHeld(), spaceHeld);
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text, true);
        QApplication::sendEvent(focused(), &down);
    }
};

TEST_F(StartWindow, OpensMaximisedUntitledWithTheMenuAndTheFirstItemHighlighted) {
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->windowTitle().isEmpty());
    EXPECT_EQ(window->label4(0).text(), QStringLiteral("IL SISTEMA DECIMALE"));
    EXPECT_EQ(window->label4(1).text(), QStringLiteral("uk   -   h   da   u   -    d   c   m"));
    EXPECT_EQ(window->label1().text(), QStringLiteral("vers. 10.00"));
    EXPECT_EQ(window->label5().textFormat(), Qt::PlainText);
    EXPECT_EQ(window->menu().item(0)->text(), QStringLiteral("I MULTIPLI"));
    EXPECT_EQ(window->menu().item(1)->text(), QStringLiteral("I SOTTOMULTIPLI"));
    EXPECT_EQ(window->menu().item(2)->text(), QStringLiteral("ESCI"));
    EXPECT_EQ(window->mnuAutore().text(), QStringLiteral("Autore"));
    EXPECT_EQ(focused(), item(0));
    EXPECT_EQ(ground(0), QColor(255, 229, 142));
    EXPECT_EQ(ground(1), QColor(255, 240, 186));
    EXPECT_EQ(ground(2), QColor(255, 240, 186));
    EXPECT_EQ(app->state().normalColour, QStringLiteral("12251391"));
    EXPECT_EQ(app->state().highlightColour, QStringLiteral("9364991"));
    EXPECT_EQ(window->client().palette().color(QPalette::Window), QColor(255, 240, 186));
    EXPECT_EQ(window->label4(0).palette().color(QPalette::Window), QColor(255, 240, 186));
}

TEST_F(StartWindow, DigitsOfBothRowsMoveTheHighlightAndRunNothing) {
    click(Qt::Key_3);
    EXPECT_EQ(focused(), item(2));
    EXPECT_EQ(highlighted(), 2);
    click(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(highlighted(), 1);
    click(Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(highlighted(), 0);
    EXPECT_EQ(app->registry().loadedCount(), 1);
    EXPECT_EQ(app->state().exerciseKind, 0);
}

TEST_F(StartWindow, ThreeThenEnterEndsTheProgram) {
    click(Qt::Key_3);
    click(Qt::Key_Return);
    EXPECT_EQ(app->registry().loadedCount(), 0);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(app->state().subjectTitle, QStringLiteral("SISTEMA DECIMALE"));
    EXPECT_EQ(app->state().topicTitle, QStringLiteral("I valori di posizione"));
}

TEST_F(StartWindow, AHeldKeyActsOnceThroughItsAutomaticRepeat) {
    press(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(highlighted(), 1);
    for (int i = 0; i < 5; ++i) autoRepeat(Qt::Key_2, Qt::KeypadModifier, QStringLiteral("2"));
    EXPECT_TRUE(logic().keyHeld());
    press(Qt::Key_3);  // another key while 2 is held: nothing
    EXPECT_EQ(highlighted(), 1);
    EXPECT_EQ(focused(), item(1));
    release(Qt::Key_3);
    release(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_FALSE(logic().keyHeld());
    click(Qt::Key_3);
    EXPECT_EQ(highlighted(), 2);
}

TEST_F(StartWindow, TheBlankMovesOnFromTheLastItemToTheFirstOncePerPress) {
    click(Qt::Key_3);
    press(Qt::Key_Space);
    EXPECT_EQ(highlighted(), 0);
    EXPECT_TRUE(logic().spaceHeld());
    autoRepeat(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_EQ(highlighted(), 0);
    release(Qt::Key_Space);
    click(Qt::Key_Space);
    EXPECT_EQ(highlighted(), 1);
}

TEST_F(StartWindow, ALetterOrAnArrowIsDiscardedAndChangesNothing) {
    click(Qt::Key_2);
    press(Qt::Key_A);
    EXPECT_FALSE(logic().keyHeld());
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), item(1));
    EXPECT_EQ(highlighted(), 1);
    EXPECT_EQ(app->registry().loadedCount(), 1);
}

TEST_F(StartWindow, AMousePressWithAnyButtonRunsTheItemEvenWhileAKeyIsHeld) {
    press(Qt::Key_2, Qt::KeypadModifier);
    QTest::mousePress(item(0), Qt::RightButton);
    EXPECT_EQ(app->state().exerciseKind, 1);
    EXPECT_TRUE(app->registry().isLoaded(WindowId::Operativo));
    EXPECT_EQ(app->state().exerciseTitle, QStringLiteral("I multipli"));
    QTest::mouseRelease(item(0), Qt::RightButton);
    EXPECT_FALSE(logic().keyHeld());  // the mouse release clears it
}

TEST_F(StartWindow, ChoosingAnExerciseSetsTheKindBeforeTheWindowLoadsAndTheTitleAfter) {
    app->state().exerciseTitle = QStringLiteral("prima");
    click(Qt::Key_2);
    click(Qt::Key_Return);
    ASSERT_EQ(exerciseLoads.size(), 1U);
    EXPECT_EQ(exerciseLoads[0].kind, 2);
    EXPECT_EQ(exerciseLoads[0].title, QStringLiteral("prima"));
    EXPECT_EQ(app->state().exerciseTitle, QStringLiteral("I sottomultipli"));
    EXPECT_EQ(app->state().subjectTitle, QStringLiteral("SISTEMA DECIMALE"));
    // Choosing again while the exercise window is open loads nothing new.
    window->AzioneMenu(0);
    EXPECT_EQ(exerciseLoads.size(), 1U);
    EXPECT_EQ(app->state().exerciseKind, 1);
}

TEST_F(StartWindow, WithoutAnExerciseWindowChoosingStillSetsTheState) {
    app->registerWindow(WindowId::Operativo, nullptr, WindowShow::Maximised);
    QTest::mousePress(item(1), Qt::LeftButton);
    EXPECT_EQ(app->state().exerciseKind, 2);
    EXPECT_EQ(app->state().exerciseTitle, QStringLiteral("I sottomultipli"));
    EXPECT_EQ(app->registry().loadedCount(), 1);
}

TEST_F(StartWindow, BackFromTheWindowEnterOpenedTheFirstKeyDownIsIgnored) {
    click(Qt::Key_2);
    press(Qt::Key_Return);  // opens the exercise window, which takes the keyboard
    QWidget* exercise = app->window<QWidget>(WindowId::Operativo);
    ASSERT_NE(exercise, nullptr);
    waitUntilActive(exercise);
    QTest::keyRelease(exercise, Qt::Key_Return);  // the release reaches the other window
    exercise->close();
    EXPECT_FALSE(app->registry().isLoaded(WindowId::Operativo));
    waitUntilActive(window);
    EXPECT_EQ(highlighted(), 0);  // every activation puts the focus on "I MULTIPLI"
    EXPECT_TRUE(logic().keyHeld());
    press(Qt::Key_3);
    EXPECT_EQ(highlighted(), 0);
    release(Qt::Key_3);
    click(Qt::Key_3);
    EXPECT_EQ(highlighted(), 2);
}

TEST_F(StartWindow, ShowingAMinimisedWindowBringsItBack) {
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    EXPECT_EQ(app->showWindow(WindowId::Inizio), window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(StartWindow, TabAndShiftTabMoveTheHighlightWithTheFocus) {
    click(Qt::Key_Tab);
    EXPECT_EQ(focused(), item(1));
    EXPECT_EQ(highlighted(), 1);
    click(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(highlighted(), 0);
}

TEST_F(StartWindow, ClosingTheStartWindowUnloadsTheExerciseWindowFirst) {
    window->AzioneMenu(0);
    ASSERT_TRUE(app->registry().isLoaded(WindowId::Operativo));
    const std::vector<QObject*> expected{app->registry().instance(WindowId::Operativo), window};
    EXPECT_EQ(destroyedOrder([this] { window->close(); }), expected);
    EXPECT_EQ(app->registry().loadedCount(), 0);
    EXPECT_EQ(ends, 1);
}

TEST_F(StartWindow, EsciClosesEveryWindowTheExerciseWindowBeforeTheStartWindow) {
    window->AzioneMenu(0);
    window->mnuAutore().trigger();
    ASSERT_EQ(app->registry().loadedCount(), 3);
    const std::vector<QObject*> expected{app->registry().instance(WindowId::Operativo), window,
                                         app->registry().instance(WindowId::Autore)};
    EXPECT_EQ(destroyedOrder([this] { QTest::mousePress(item(2), Qt::LeftButton); }), expected);
    EXPECT_EQ(app->registry().loadedCount(), 0);
    EXPECT_EQ(ends, 1);
}

// When a window goes, the one that was active just before it comes back with the keyboard, even
// when another was shown after it. The pupil brings the start window forward by activating it.
TEST_F(StartWindow, TheWindowActiveBeforeAClosedOneComesBackToTheFront) {
    // An exercise, back to the start window, "Autore", then "C h i u d i".
    window->AzioneMenu(0);
    QWidget* exercise = app->window<QWidget>(WindowId::Operativo);
    waitUntilActive(exercise);
    window->activateWindow();
    waitUntilActive(window);
    window->mnuAutore().trigger();
    auto* about = app->window<FrmAutore>(WindowId::Autore);
    waitUntilActive(about);
    QTest::mouseClick(&about->command1(), Qt::LeftButton);
    waitUntilActive(window);
    EXPECT_EQ(QApplication::activeWindow(), window);

    // The exercise window closed while the about window, shown before it, is still open.
    window->mnuAutore().trigger();
    waitUntilActive(app->window<QWidget>(WindowId::Autore));
    window->activateWindow();
    waitUntilActive(window);
    window->AzioneMenu(0);
    waitUntilActive(exercise);
    exercise->close();
    waitUntilActive(window);
    EXPECT_EQ(QApplication::activeWindow(), window);
    EXPECT_EQ(app->activationOrder(), (std::vector<WindowId>{WindowId::Autore, WindowId::Inizio}));
}

// The printer window stays loaded once "C H I U D I" hides it. Once the pupil has closed every
// window on screen, it must not keep the program running unseen.
TEST_F(StartWindow, ClosingTheLastWindowOnScreenEndsTheProgramDespiteAHiddenOne) {
    app->registerWindow(
        WindowId::SceltaStampante, [] { return std::make_unique<QWidget>(); }, WindowShow::Normal);
    app->showWindow(WindowId::SceltaStampante)->hide();
    window->mnuAutore().trigger();
    auto* about = app->window<FrmAutore>(WindowId::Autore);
    window->close();
    EXPECT_EQ(ends, 0);  // the about window is still on screen
    EXPECT_TRUE(app->registry().isLoaded(WindowId::SceltaStampante));
    QTest::mouseClick(&about->command1(), Qt::LeftButton);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(app->registry().loadedCount(), 0);
}

TEST_F(StartWindow, AutoreTwiceOpensOneAboutWindowThatClosesAndComesBackAfresh) {
    window->mnuAutore().trigger();
    auto* about = app->window<FrmAutore>(WindowId::Autore);
    ASSERT_NE(about, nullptr);
    window->mnuAutore().trigger();
    EXPECT_EQ(app->window<FrmAutore>(WindowId::Autore), about);
    EXPECT_EQ(app->registry().loadedCount(), 2);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Autore"));
    EXPECT_EQ(about->label(1).text(), QStringLiteral("Sito dell'autore:"));
    EXPECT_EQ(about->command1().text(), QStringLiteral("C h i u d i"));
    EXPECT_FALSE(about->isMaximized());

    QTest::mouseClick(&about->command1(), Qt::LeftButton);
    EXPECT_FALSE(app->registry().isLoaded(WindowId::Autore));
    EXPECT_EQ(ends, 0);
    window->mnuAutore().trigger();
    EXPECT_TRUE(app->registry().isLoaded(WindowId::Autore));
}

TEST_F(StartWindow, TheCurtainOpensFullyStopsAndStaysOpenThroughResizes) {
    for (int waited = 0; window->timerTendine().isActive() && waited < 10000; waited += 20)
        QTest::qWait(20);
    EXPECT_FALSE(window->timerTendine().isActive());
    EXPECT_EQ(window->picture1().width(), 0);
    EXPECT_EQ(window->picture2().width(), 0);
    EXPECT_FALSE(window->picture1().isVisible());
    const QSize size = window->client().size();
    window->client().resize(size.width() / 2, size.height());
    window->client().resize(size);
    EXPECT_EQ(window->picture1().width(), 0);
    EXPECT_EQ(window->picture2().width(), 0);
}

TEST(StartWindowCurtain, Moves50TwipsATickWhateverThePixels) {
    App app(std::make_unique<test::FakeClock>(), std::make_unique<test::ScriptedRandom>(), [] {});
    auto* window = qobject_cast<FrmInizio*>(app.loadWindow(WindowId::Inizio));
    ASSERT_NE(window, nullptr);
    QSignalSpy ticks(&window->timerTendine(), &QTimer::timeout);
    // 1000 pixels at 96 DPI: two halves of 7500 twips, open after 150 steps of 50 twips.
    ASSERT_DOUBLE_EQ(window->logicalDpiX(), 96.0);
    window->client().resize(1000, 700);
    window->layout().apply();
    ASSERT_EQ(window->picture1().width(), 500);
    for (int waited = 0; window->timerTendine().isActive() && waited < 20000; waited += 10)
        QTest::qWait(10);
    EXPECT_FALSE(window->timerTendine().isActive());
    EXPECT_EQ(ticks.count(), 150);
}

TEST(StartWindowCurtain, CoversTheClientAreaAtLoadAndNarrowsInTheHighlightColour) {
    App app(std::make_unique<test::FakeClock>(), std::make_unique<test::ScriptedRandom>(), [] {});
    auto* window = qobject_cast<FrmInizio*>(app.loadWindow(WindowId::Inizio));
    ASSERT_NE(window, nullptr);
    // Loaded, not yet shown: the halves meet in the middle and the timer is on.
    const int clientWidth = window->client().width();
    EXPECT_TRUE(window->timerTendine().isActive());
    EXPECT_EQ(window->timerTendine().interval(), 10);
    EXPECT_NEAR(window->picture1().width(), clientWidth / 2, 1);
    EXPECT_EQ(window->picture1().x(), 0);
    EXPECT_EQ(window->picture2().geometry().right(), clientWidth - 1);
    EXPECT_EQ(window->picture1().height(), window->client().height());
    const int closed = window->picture1().width();
    QTest::qWait(50);
    EXPECT_LT(window->picture1().width(), closed);
    EXPECT_EQ(window->picture2().geometry().right(), clientWidth - 1);
    EXPECT_EQ(window->picture1().palette().color(QPalette::Window), QColor(255, 229, 142));
}

TEST_F(StartWindow, TheLayoutFollowsTheClientWidthAndKeepsFonts) {
    QWidget& client = window->client();
    const QSize size = client.size();
    std::vector<QWidget*> controls{&window->label4(0), &window->label5(), &window->image1(),
                                   &window->frame1(),  item(0),           item(2)};
    std::vector<QRect> before;
    for (QWidget* control : controls) before.push_back(control->geometry());
    const QFont titleFont = window->label4(0).font();

    client.resize(size.width() * 2, size.height());
    for (size_t i = 0; i < controls.size(); ++i) {
        const QRect now = controls[i]->geometry();
        EXPECT_NEAR(now.left(), 2 * before[i].left(), 1) << i;
        EXPECT_NEAR(now.width(), 2 * before[i].width(), 1) << i;
        EXPECT_EQ(now.top(), before[i].top()) << i;
        EXPECT_EQ(now.height(), before[i].height()) << i;
    }
    EXPECT_EQ(window->label4(0).font(), titleFont);
    EXPECT_DOUBLE_EQ(window->label4(0).font().pointSizeF(), 36.0);

    client.resize(0, 0);
    EXPECT_EQ(window->label5().size(), QSize(0, 0));
    client.resize(size);
    for (size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i]->geometry(), before[i]) << i;
}

TEST_F(StartWindow, TheDesignPlacesAreFractionsOfTheDesignClientArea) {
    // Label4(0) sits at 210, 330 with 11505 x 645 twips on 11880 x 8130.
    const ProportionalLayout::Fractions title = window->layout().fractions(0);
    EXPECT_NEAR(title.left, 210.0 / 11880, 0.002);
    EXPECT_NEAR(title.top, 330.0 / 8130, 0.002);
    EXPECT_NEAR(title.width, 11505.0 / 11880, 0.002);
    EXPECT_NEAR(title.height, 645.0 / 8130, 0.002);
    // The curtain halves start at half the width each.
    EXPECT_NEAR(window->layout().fractions(11).width, 0.5, 0.01);
    EXPECT_EQ(window->layout().count(), 15);
}

// Drawn at the size it is shown, device pixels included, also once that has changed;
// start_window_legend_x2 runs it at twice the scale.
TEST_F(StartWindow, TheLegendIsDrawnAtTheSizeItIsShown) {
    LegendPicture& legend = window->image1();
    legend.resize(legend.width() / 2, legend.height());
    const QImage shown = legend.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage image = legend.picture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), (QSizeF(legend.size()) * legend.devicePixelRatioF()).toSize());
    EXPECT_EQ(shown, image) << "shown stretched, not as drawn";
    bool blue = false;
    bool red = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue |= c.blue() > 200 && c.red() < 60 && c.green() < 60;
            red |= c.red() > 200 && c.blue() < 60 && c.green() < 60;
        }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(red);
}

TEST(CurtainSteps, StartsAtHalfTheOuterWidthEach) {
    EXPECT_EQ(CurtainSteps::start(11881), (CurtainWidths{5940, 5940}));
    EXPECT_EQ(CurtainSteps::start(-5), (CurtainWidths{0, 0}));
}

TEST(CurtainSteps, NarrowsBothHalvesBy50TwipsUntilTheLeftIsAt10OrLess) {
    CurtainSteps::Tick tick = CurtainSteps::tick({1000, 1000});
    EXPECT_EQ(tick.widths, (CurtainWidths{950, 950}));
    EXPECT_FALSE(tick.open);
    tick = CurtainSteps::tick({61, 61});
    EXPECT_EQ(tick.widths, (CurtainWidths{11, 11}));
    EXPECT_FALSE(tick.open);
    tick = CurtainSteps::tick({60, 60});
    EXPECT_TRUE(tick.open);
    EXPECT_EQ(tick.widths, (CurtainWidths{0, 0}));
}

TEST(CurtainSteps, AStepBelowZeroOpensTheCurtainInsteadOfTickingForEver) {
    // A left half between 11 and 49 twips cannot lose 50 more.
    for (const CurtainWidths stuck : {CurtainWidths{30, 30}, CurtainWidths{49, 300},
                                      CurtainWidths{500, 20}, CurtainWidths{0, 0}}) {
        const CurtainSteps::Tick tick = CurtainSteps::tick(stuck);
        EXPECT_TRUE(tick.open) << stuck.left << " " << stuck.right;
        EXPECT_EQ(tick.widths, (CurtainWidths{0, 0}));
    }
}

TEST(CurtainSteps, OpensFromAnyWidthWithinItsNumberOfSteps) {
    for (int width = 0; width <= 16000; width += 7) {
        CurtainWidths widths = CurtainSteps::start(width);
        int ticks = 0;
        bool open = false;
        while (!open && ticks <= width / 100 + 2) {
            const CurtainSteps::Tick tick = CurtainSteps::tick(widths);
            widths = tick.widths;
            open = tick.open;
            ++ticks;
        }
        ASSERT_TRUE(open) << "outer width " << width;
        EXPECT_EQ(widths, (CurtainWidths{0, 0}));
    }
    // About 150 ticks for a client area 15000 twips wide.
    CurtainWidths widths = CurtainSteps::start(15000);
    int ticks = 1;
    while (!CurtainSteps::tick(widths).open) {
        widths = CurtainSteps::tick(widths).widths;
        ++ticks;
    }
    EXPECT_EQ(ticks, 150);
}

}  // namespace
}  // namespace sd
