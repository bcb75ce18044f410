// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/twips.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace sd {
namespace {

TEST(Twips, FifteenToThePixelAt96Dpi) {
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(twipsToPixels(15, 96), 1);
    EXPECT_EQ(twipsToPixels(11880, 96), 792);
    EXPECT_EQ(twipsToPixels(8130, 96), 542);
    EXPECT_EQ(twipsToPixels(1440, 120), 120);
    EXPECT_DOUBLE_EQ(pixelsToTwips(792, 96), 11880.0);
    EXPECT_DOUBLE_EQ(pixelsToTwips(1, 144), 10.0);
    EXPECT_DOUBLE_EQ(pixelsToTwips(5, 0), 0.0);  // no screen yet: no division by zero
}

int codeOf(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {},
           quint32 scanCode = 0) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
    return virtualKeyCode(event);
}

TEST(VirtualKeys, DigitsOfTheMainRowAndOfTheKeypadDiffer) {
    EXPECT_EQ(codeOf(Qt::Key_0), 48);
    EXPECT_EQ(codeOf(Qt::Key_9), 57);
    EXPECT_EQ(codeOf(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(codeOf(Qt::Key_2, Qt::KeypadModifier), 98);
    EXPECT_EQ(codeOf(Qt::Key_9, Qt::KeypadModifier), 105);
}

TEST(VirtualKeys, LettersAndTheKeysTheMenusUse) {
    EXPECT_EQ(codeOf(Qt::Key_A), 65);
    EXPECT_EQ(codeOf(Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")), 65);
    EXPECT_EQ(codeOf(Qt::Key_Z), 90);
    EXPECT_EQ(codeOf(Qt::Key_Return), 13);
    EXPECT_EQ(codeOf(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(codeOf(Qt::Key_Backspace), 8);
    EXPECT_EQ(codeOf(Qt::Key_F2), 113);
    EXPECT_EQ(codeOf(Qt::Key_Space), 32);
    EXPECT_EQ(codeOf(Qt::Key_Down), 40);
}

TEST(VirtualKeys, AShiftedDigitKeyIsStillItsDigit) {
    // Shift+1 reaches the program as "!", yet the X11 key code says which key it was.
    EXPECT_EQ(codeOf(Qt::Key_Exclam, Qt::ShiftModifier, QStringLiteral("!"), 10), 49);
    EXPECT_EQ(codeOf(Qt::Key_Equal, Qt::ShiftModifier, QStringLiteral("="), 19), 48);
    EXPECT_EQ(codeOf(Qt::Key_Exclam, Qt::ShiftModifier, QStringLiteral("!")), 0);
}

TEST(VirtualKeys, OnlyASingleTypedCharacterIsAKeyPress) {
    const QKeyEvent blank(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    const QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    const QKeyEvent accented(QEvent::KeyPress, Qt::Key_Agrave, Qt::NoModifier, QStringLiteral("à"));
    EXPECT_EQ(typedCharacter(blank), std::optional<char16_t>(u' '));
    EXPECT_EQ(typedCharacter(shift), std::nullopt);
    EXPECT_EQ(typedCharacter(accented), std::optional<char16_t>(u'à'));
}

TEST(VirtualKeys, AutomaticRepeatReleasesAreNoKeyUps) {
    const QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_2, Qt::NoModifier, QString(), true);
    const QKeyEvent physical(QEvent::KeyRelease, Qt::Key_2, Qt::NoModifier, QString(), false);
    EXPECT_FALSE(isPhysicalRelease(repeat));
    EXPECT_TRUE(isPhysicalRelease(physical));
}

// X11 with its repeats as presses alone, and Wayland, whose toolkit marks both halves of a
// repeat: each a sequence of (press?, auto-repeat flag, time).
TEST(HeldKeys, AHeldKeyIsNewOnceAndLetGoOnce) {
    struct Step {
        bool press;
        bool autoRepeat;
        quint64 time;
        bool acts;
    };
    const std::vector<std::vector<Step>> holds = {
        {{true, false, 0, true},
         {true, false, 660, false},
         {true, false, 700, false},
         {false, false, 720, true},
         {true, false, 900, true}},
        {{true, false, 0, true},
         {false, true, 660, false},
         {true, true, 660, false},
         {false, false, 800, true}},
        // A press long after the last one is new: the key's release went to another program.
        {{true, false, 0, true}, {true, false, 5000, true}},
    };
    for (size_t h = 0; h < holds.size(); ++h) {
        HeldKeys keys;
        for (size_t i = 0; i < holds[h].size(); ++i) {
            const Step& step = holds[h][i];
            const bool acts = step.press ? keys.press(65, step.autoRepeat, step.time)
                                         : keys.release(65, step.autoRepeat);
            EXPECT_EQ(acts, step.acts) << "hold " << h << ", event " << i;
        }
    }
    // Where the platform marks its repeats, an unmarked press is new though the key seems down.
    HeldKeys marked(true);
    EXPECT_TRUE(marked.press(65, false, 0));
    EXPECT_FALSE(marked.press(65, true, 40));
    EXPECT_TRUE(marked.press(65, false, 300));
    // A key that stopped repeating long ago is up: its release was lost.
    HeldKeys lost;
    EXPECT_TRUE(lost.press(36, false, 0) && lost.press(65, false, 900));
    EXPECT_FALSE(lost.forgetLostReleases(1000));
    EXPECT_TRUE(lost.forgetLostReleases(1001));
    EXPECT_TRUE(!lost.isDown(36) && lost.isDown(65));
}

TEST(PressGuard, TheSecondPressOfADoubleClickNeverReachesTheWindowTheFirstBroughtUp) {
    const int a = 0, b = 0;  // two windows
    const QPoint here(100, 100), near(103, 101), far(300, 100);
    PressGuard guard(400, 5);
    EXPECT_TRUE(guard.acceptPress(&a, 1000, here, 0));
    guard.cameToFront(&b, 5);
    EXPECT_FALSE(guard.acceptPress(&b, 1150, near, 150));
    EXPECT_TRUE(guard.acceptPress(&b, 1450, here, 450));  // later than a double click
    // Quick, but elsewhere: a press of its own.
    guard.cameToFront(&a, 455);
    EXPECT_TRUE(guard.acceptPress(&a, 1500, far, 500));
    // A window already in front, or one that came up because of a key, takes a quick press.
    EXPECT_TRUE(guard.acceptPress(&b, 1600, far, 600));
    guard.keyPressed();
    guard.cameToFront(&a, 610);
    EXPECT_TRUE(guard.acceptPress(&a, 1700, far, 700));
    // A window that comes up long after the press came up for another reason.
    guard.cameToFront(&b, 1200);
    EXPECT_TRUE(guard.acceptPress(&b, 1800, far, 1250));
}

TEST(MissingDisplay, OneLineWithTheXvfbCommandOnlyWhenNothingCanBeOpened) {
    std::map<std::string, QString> variables;
    const auto environment = [&variables](const char* name) {
        const auto it = variables.find(name);
        return it == variables.end() ? QString() : it->second;
    };
    const std::optional<QString> message =
        missingDisplayMessage(environment, QStringLiteral("/opt/sd/sistema-decimale"));
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->contains(QStringLiteral("xvfb-run -a /opt/sd/sistema-decimale")));
    EXPECT_FALSE(message->contains(QLatin1Char('\n')));

    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        variables = {{name, QStringLiteral("x")}};
        EXPECT_EQ(missingDisplayMessage(environment, QStringLiteral("p")), std::nullopt) << name;
    }

    // An X display that does not answer is named in the one line too.
    variables = {{"DISPLAY", QStringLiteral(":9997")}};
    const auto unreachable = [](const QString&) { return false; };
    const std::optional<QString> silent =
        missingDisplayMessage(environment, QStringLiteral("p"), unreachable);
    ASSERT_TRUE(silent.has_value());
    EXPECT_TRUE(silent->contains(QStringLiteral(":9997")));
    EXPECT_TRUE(silent->contains(QStringLiteral("xvfb-run -a p")));
    EXPECT_FALSE(canOpenX11Display(QStringLiteral(":9997")));
    const auto reachable = [](const QString&) { return true; };
    EXPECT_EQ(missingDisplayMessage(environment, QStringLiteral("p"), reachable), std::nullopt);

    // A dead Wayland socket: the program's own line, unless the toolkit may fall back on X.
    EXPECT_FALSE(canOpenWaylandDisplay(QStringLiteral("/nonexistent/wayland-0")));
    variables = {{"WAYLAND_DISPLAY", QStringLiteral("wayland-9")}};
    const std::optional<QString> dead =
        missingDisplayMessage(environment, QStringLiteral("p"), reachable, unreachable);
    ASSERT_TRUE(dead.has_value());
    EXPECT_TRUE(dead->contains(QStringLiteral("wayland-9")));
    variables["DISPLAY"] = QStringLiteral(":0");
    EXPECT_EQ(missingDisplayMessage(environment, QStringLiteral("p"), reachable, unreachable),
              std::nullopt);
    variables["QT_QPA_PLATFORM"] = QStringLiteral("wayland");
    EXPECT_NE(missingDisplayMessage(environment, QStringLiteral("p"), reachable, unreachable),
              std::nullopt);
}

TEST(PreferredPlatform, XWaylandWhereAnXDisplayAnswersElseTheToolkitsChoice) {
    // Chosen platform, Wayland socket, X display answering or not: what the program asks for.
    const std::vector<std::tuple<QString, QString, bool, std::optional<QString>>> cases = {
        {"", "wayland-0", true, "xcb"},
        {"", "wayland-0", false, std::nullopt},
        {"", "", true, std::nullopt},
        {"wayland", "wayland-0", true, std::nullopt}};
    for (const auto& [platform, wayland, answers, chosen] : cases) {
        const std::map<std::string, QString> variables = {
            {"QT_QPA_PLATFORM", platform}, {"WAYLAND_DISPLAY", wayland}, {"DISPLAY", ":0"}};
        const auto environment = [&](const char* name) { return variables.at(name); };
        const auto x11 = [answers = answers](const QString&) { return answers; };
        EXPECT_EQ(preferredPlatform(environment, x11), chosen) << platform.toStdString();
    }
}

TEST(Fonts, DesignFacesMapOntoInstalledOnes) {
    const QFont arial = designFont(QStringLiteral("Arial"), 20.25, true);
    EXPECT_DOUBLE_EQ(arial.pointSizeF(), 20.25);
    EXPECT_TRUE(arial.bold());
    // fonts-liberation is part of the set-up: Arial's metric twin.
    EXPECT_EQ(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
    const QString sansSerif = QFontInfo(designFont(QStringLiteral("MS Sans Serif"), 9.75)).family();
    EXPECT_TRUE(sansSerif == QStringLiteral("Liberation Sans") ||
                sansSerif == QStringLiteral("DejaVu Sans"))
        << sansSerif.toStdString();
}

}  // namespace
}  // namespace sd
