// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "banks/question.h"
#include "exercise/operativo_fixture.h"
#include "platform/fonts.h"
#include "state/colours.h"
#include "support/face.h"
#include "ui/widgets/cross_overlay.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/windows/frm_operativo.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace sd::test {
namespace {

class OperativoWindow : public ::testing::Test {
  protected:
    DrillState state;
    FakeClock clock;
    WantedNumbers random{state};
    std::unique_ptr<FrmOperativo> window;
    int closeRequests = 0;

    void SetUp() override { ImpostaColori(state); }

    void open(int kind, std::initializer_list<int> numbers = {}) {
        state.exerciseKind = static_cast<int16_t>(kind);
        random.wanted.insert(random.wanted.end(), numbers.begin(), numbers.end());
        window = std::make_unique<FrmOperativo>(state, clock, random);
        QObject::connect(window.get(), &FrmOperativo::closeRequested, [this] { ++closeRequests; });
        window->resize(1000, 760);
        window->show();
        window->activateWindow();
        // Focus and activation take effect after one pass of the event loop.
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
    }

    QWidget* key(int index) { return window->keypad().item(index); }
    QWidget* option(int index) { return window->avviso().item(index); }
    QWidget* focused() { return QApplication::focusWidget(); }
    const ExerciseView& view() { return window->model().view(); }

    // Types a key as the platform delivers it: the press to the control with the focus, the
    // release to the one that has it after the press.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyPress(focused(), key, modifiers);
        ASSERT_NE(focused(), nullptr);
        QTest::keyRelease(focused(), key, modifiers);
    }

    int keyOf(const QString& caption) {
        for (int index = 0; index < kAnswerKeyCount; ++index)
            if (view().keyCaptions[static_cast<size_t>(index)] == caption) return index;
        ADD_FAILURE() << "no key " << caption.toStdString();
        return 0;
    }

    // Answers the current question right with the keyboard alone: blanks to the key, Enter, Enter.
    void answerRightByKeyboard() {
        const int target = keyOf(trimBlanks(state.expectedAnswer));
        ASSERT_EQ(focused(), key(0));
        for (int step = 0; step < target; ++step) type(Qt::Key_Space);
        ASSERT_EQ(focused(), key(target));
        type(Qt::Key_Return);
        ASSERT_EQ(focused(), key(kKeyVerifica));
        type(Qt::Key_Return);
    }

    void click(QWidget* button, Qt::MouseButton mouseButton = Qt::LeftButton) {
        QTest::mouseClick(button, mouseButton, Qt::NoModifier, button->rect().center());
    }

    QColor ground(QWidget* button) { return faceColour(*button); }

    // The frame that a click in the middle of the frames' place reaches.
    QWidget* frontFrame() {
        QWidget& anyFrame = window->frame(Riquadro::Keypad);
        const QPoint centre = anyFrame.geometry().center();
        QWidget* hit = window->client().childAt(centre);
        const std::array<QWidget*, 3> frames{&window->frame(Riquadro::Keypad),
                                             &window->frame(Riquadro::Finito),
                                             &window->frame(Riquadro::Avviso)};
        while (hit != nullptr && std::find(frames.begin(), frames.end(), hit) == frames.end())
            hit = hit->parentWidget();
        return hit;
    }
};

TEST_F(OperativoWindow, ShowsTheQuestionBlueWithItsPartsRed) {
    open(1, {25});
    EXPECT_EQ(
        window->windowTitle(),
        QStringLiteral(
            "48 DOMANDE PER CONOSCERE I MULTIPLI: il migliaio, il centinaio, la decina, l'unità"));
    QTextEdit& box = window->questionBox();
    EXPECT_EQ(box.toPlainText(), QStringLiteral("Se divido il  h  in 10 parti uguali ottengo ?"));
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_EQ(box.textInteractionFlags(), Qt::NoTextInteraction);
    auto colourAt = [&](int position) {
        QTextCursor cursor(box.document());
        cursor.setPosition(position + 1);  // the format of the character before the cursor
        return cursor.charFormat().foreground().color();
    };
    EXPECT_EQ(colourAt(0), QColor(0, 0, 255));
    EXPECT_EQ(colourAt(14), QColor(255, 0, 0));  // the "h" of " h "
    EXPECT_EQ(colourAt(20), QColor(0, 0, 255));
    EXPECT_EQ(colourAt(37), QColor(255, 0, 0));  // inside " ottengo "
    EXPECT_EQ(colourAt(44), QColor(0, 0, 255));  // "?"
    EXPECT_EQ(window->label("Label2").text(), QStringLiteral("25"));
    EXPECT_EQ(window->label("lblRisultato2").text(), QStringLiteral("?"));
    EXPECT_EQ(window->label("LblTempoOperazione").toolTip(),
              QStringLiteral("Secondi impiegati per ogni risposta"));
    EXPECT_EQ(window->label("LblTempoEsercizio").toolTip(),
              QStringLiteral("Secondi impiegati per ogni esercizio"));
    EXPECT_EQ(window->label("lblRisultato2").textFormat(), Qt::PlainText);
}

TEST_F(OperativoWindow, TheFocusedKeyIsHighlightedAndArrowsDoNotMoveIt) {
    open(1, {1});
    EXPECT_EQ(focused(), key(0));
    EXPECT_EQ(ground(key(0)), QColor(255, 229, 142));
    EXPECT_EQ(ground(key(1)), QColor(255, 240, 186));
    EXPECT_FALSE(key(kKeyVerifica)->isEnabled());
    type(Qt::Key_Right);
    type(Qt::Key_Down);
    EXPECT_EQ(focused(), key(0));
    type(Qt::Key_Space);
    EXPECT_EQ(focused(), key(1));
    EXPECT_EQ(ground(key(1)), QColor(255, 229, 142));
    EXPECT_EQ(ground(key(0)), QColor(255, 240, 186));
    // A disabled key keeps its face; only its caption greys.
    EXPECT_EQ(ground(key(kKeyVerifica)), QColor(255, 240, 186));
    // Tab stays the platform's focus key, and the model follows it.
    type(Qt::Key_Tab);
    EXPECT_EQ(focused(), key(2));
    EXPECT_EQ(window->model().focus(), keyFocus(2));
    type(Qt::Key_Space);
    EXPECT_EQ(focused(), key(3));
}

TEST_F(OperativoWindow, AHeldBlankMovesTheFocusOnce) {
    open(1, {1});
    QWidget* target = key(0);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(target, &press);
    for (int repeat = 0; repeat < 5; ++repeat) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                          true);
        QApplication::sendEvent(focused(), &release);
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(focused(), &again);
    }
    EXPECT_EQ(focused(), key(1));
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(focused(), &last);
    type(Qt::Key_Space);
    EXPECT_EQ(focused(), key(2));
}

TEST_F(OperativoWindow, ADigitOnAnAnswerKeyShowsTheAnswerItChooses) {
    open(1, {13});  // expects " 100 "
    type(Qt::Key_Space);
    type(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(window->label("lblRisultato2").text(), QStringLiteral("100"));
    EXPECT_EQ(focused(), key(1));
    EXPECT_TRUE(key(kKeyVerifica)->isEnabled());
    type(Qt::Key_Tab);
    type(Qt::Key_Tab);
    type(Qt::Key_Tab);
    type(Qt::Key_Tab);
    type(Qt::Key_Tab);
    type(Qt::Key_Tab);
    ASSERT_EQ(focused(), key(kKeyVerifica));
    type(Qt::Key_7);
    type(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window->label("LblEsito").text(), QStringLiteral("Esatto"));
}

TEST_F(OperativoWindow, AWholeExerciseByKeyboardAlone) {
    clock.now = 100.0;
    open(1);
    for (int question = 1; question <= 10; ++question) {
        clock.now += 3.0;
        answerRightByKeyboard();
        EXPECT_EQ(window->label("LblEsito").text(), QStringLiteral("Esatto")) << question;
        EXPECT_EQ(window->label("LblOperazione").text(), QString::number(question));
        if (question < 10) {
            EXPECT_EQ(focused(), key(kKeyAvanti));
            type(Qt::Key_Return);
        }
    }
    EXPECT_EQ(window->label("lblRisEsatte").text(), QStringLiteral("10"));
    EXPECT_TRUE(window->label("lblRisErrate").text().isEmpty());
    EXPECT_EQ(window->label("LblTempoEsercizio").text(), QStringLiteral("30"));
    EXPECT_TRUE(window->frame(Riquadro::Avviso).isEnabled());
    EXPECT_FALSE(window->frame(Riquadro::Keypad).isEnabled());
    EXPECT_EQ(frontFrame(), &window->frame(Riquadro::Avviso));
    EXPECT_EQ(focused(), option(0));
    EXPECT_EQ(ground(option(0)), QColor(255, 229, 142));
    type(Qt::Key_R);
    EXPECT_EQ(focused(), option(1));
    type(Qt::Key_Return);
    EXPECT_EQ(state.questionsAsked, 1);
    EXPECT_TRUE(window->label("LblOperazione").text().isEmpty());
    EXPECT_EQ(frontFrame(), &window->frame(Riquadro::Keypad));
    EXPECT_EQ(focused(), key(0));
    // "esco" after an answer, by keyboard: "E" then Enter.
    answerRightByKeyboard();
    type(Qt::Key_E);
    EXPECT_EQ(focused(), key(kKeyEsco));
    type(Qt::Key_Return);
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(OperativoWindow, AWholeExerciseByMouseAlone) {
    open(2);
    for (int question = 1; question <= 10; ++question) {
        // Every other answer wrong: "m" is right only where the bank expects it.
        const bool wantRight = question % 2 == 1;
        const QString expected = trimBlanks(state.expectedAnswer);
        const QString chosen = wantRight ? expected
                                         : (expected == QStringLiteral("u") ? QStringLiteral("d")
                                                                            : QStringLiteral("u"));
        click(key(keyOf(chosen)), question == 3 ? Qt::RightButton : Qt::LeftButton);
        click(key(kKeyVerifica));
        EXPECT_EQ(window->label("LblEsito").text(),
                  wantRight ? QStringLiteral("Esatto") : QStringLiteral("Errato"));
        EXPECT_EQ(window->cross().isVisible(), !wantRight);
        EXPECT_EQ(window->label("lblCorrezione2").text(),
                  wantRight ? QString() : state.expectedAnswer);
        if (question < 10) click(key(kKeyAvanti));
    }
    EXPECT_EQ(window->label("lblRisEsatte").text(), QStringLiteral("5"));
    EXPECT_EQ(window->label("lblRisErrate").text(), QStringLiteral("5"));
    EXPECT_EQ(frontFrame(), &window->frame(Riquadro::Avviso));
    click(option(2));
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(OperativoWindow, ExhaustedFrameAndReinizia) {
    for (const QuestionRow& row : Algoritmi1::rows().first(47)) state.markUsed(row.number);
    state.drawCount = 47;
    open(1);
    click(key(keyOf(QStringLiteral("u"))));
    click(key(kKeyVerifica));
    EXPECT_TRUE(window->frame(Riquadro::Finito).isEnabled());
    EXPECT_FALSE(window->frame(Riquadro::Keypad).isEnabled());
    EXPECT_EQ(frontFrame(), &window->frame(Riquadro::Finito));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label6"))->text(),
              QStringLiteral("DOMANDE ESAURITE"));
    // "REINIZIA" is no menu: with the focus it keeps the window's colour; it reacts to no key.
    QWidget* reinizia = window->finito().item(0);
    reinizia->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(focused(), reinizia);
    EXPECT_EQ(ground(reinizia), QColor(255, 240, 186));
    QTest::keyClick(reinizia, Qt::Key_Return);
    EXPECT_EQ(state.drawCount, 48);
    click(window->finito().item(0));
    EXPECT_EQ(state.drawCount, 1);
    EXPECT_EQ(frontFrame(), &window->frame(Riquadro::Keypad));
    EXPECT_EQ(focused(), key(0));
}

TEST_F(OperativoWindow, AResizeKeepsProportionsAndHidesTheCross) {
    open(1, {1});
    click(key(keyOf(QStringLiteral("da"))));
    click(key(kKeyVerifica));
    ASSERT_TRUE(window->cross().isVisible());
    QLabel& answer = window->label("lblRisultato2");
    EXPECT_EQ(window->cross().geometry(), answer.geometry());
    const QRect before = answer.geometry();
    const int clientWidth = window->client().width();
    window->resize(window->width() + clientWidth, window->height());
    QApplication::processEvents();
    EXPECT_FALSE(window->cross().isVisible());
    EXPECT_NEAR(answer.x(), 2 * before.x(), 2);
    EXPECT_NEAR(answer.width(), 2 * before.width(), 2);
    EXPECT_EQ(answer.y(), before.y());
    EXPECT_EQ(answer.font().pointSizeF(), 48.0);
    QLabel& correction = window->label("lblCorrezione2");
    EXPECT_GT(correction.x(), answer.geometry().right());
    EXPECT_LE(correction.x(), answer.geometry().right() + 3);
    EXPECT_EQ(window->cross().geometry(), answer.geometry());
}

TEST_F(OperativoWindow, ADoubleClickShowsAndHidesTheDrawnNumbers) {
    open(1, {5});
    QLabel& list = window->label("Label7");
    EXPECT_FALSE(list.isVisible());
    QTest::mouseDClick(&window->client(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.text(), QStringLiteral("5 "));
    QTest::mouseDClick(&window->client(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(list.isVisible());
    // Controls without a double click of their own swallow it: the question, a label, a frame.
    QTextEdit& question = window->questionBox();
    for (QWidget* control : std::initializer_list<QWidget*>{
             question.viewport(), &window->label("LblEsito"), &window->frame(Riquadro::Keypad)}) {
        QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_FALSE(list.isVisible()) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace sd::test

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sd::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
