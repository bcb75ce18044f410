// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/option_button_menu.h"

#include "state/colours.h"
#include "state/drill_state.h"
#include "ui/drawing/colour.h"

#include "support/face.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sd {
namespace {

// A window with a routed menu of three items and a plain button after it; every event the menu
// hands over is written down as "event index value".
class RoutedMenu : public ::testing::Test {
  protected:
    DrillState state;
    QWidget window;
    OptionButtonMenu* menu = nullptr;
    QPushButton* outside = nullptr;
    std::vector<std::string> events;
    std::function<void(int, int)> onKeyDown;

    void SetUp() override {
        ImpostaColori(state);
        menu = new OptionButtonMenu(&window, {"uno", "due", "tre"}, state);
        for (int i = 0; i < menu->count(); ++i) menu->item(i)->setGeometry(10, 10 + 40 * i, 80, 30);
        outside = new QPushButton(QStringLiteral("fuori"), &window);
        outside->setGeometry(10, 130, 80, 30);
        MenuRoutes routes;
        routes.keyDown = [this](int index, int code) {
            note("down", index, code);
            if (onKeyDown) onKeyDown(index, code);
        };
        routes.keyChar = [this](int index, char16_t c) { note("char", index, c); };
        routes.keyUp = [this](int index) { note("up", index); };
        routes.mousePress = [this](int index) { note("press", index); };
        routes.mouseRelease = [this](int index) { note("release", index); };
        routes.focusIn = [this](int index) { note("in", index); };
        routes.focusOut = [this](int index) { note("out", index); };
        menu->route(std::move(routes));
        window.resize(120, 180);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        menu->showFocus(0);
        QApplication::processEvents();
        events.clear();
    }

    void note(const char* what, int index, int value = -1) {
        std::string entry = std::string(what) + " " + std::to_string(index);
        if (value >= 0) entry += " " + std::to_string(value);
        events.push_back(entry);
    }

    QColor ground(int index) const { return test::faceColour(*menu->item(index)); }
};

TEST_F(RoutedMenu, KeyDownCarriesTheVirtualCodeAndTheCharacterFollowsEvenWhenUnmapped) {
    QTest::keyPress(menu->item(0), Qt::Key_2, Qt::KeypadModifier);
    QTest::keyPress(menu->item(0), Qt::Key_Q);
    QTest::keyPress(menu->item(0), Qt::Key_Return);
    EXPECT_EQ(events, (std::vector<std::string>{"down 0 98", "char 0 50", "down 0 81", "char 0 113",
                                                "down 0 13", "char 0 13"}));
}

TEST_F(RoutedMenu, TheCharacterGoesToTheItemTheKeyDownGaveTheFocusTo) {
    onKeyDown = [this](int, int code) {
        if (code == 32) menu->showFocus(2);
    };
    QTest::keyPress(menu->item(0), Qt::Key_Space);
    EXPECT_EQ(events, (std::vector<std::string>{"down 0 32", "char 2 32"}));
    EXPECT_EQ(QApplication::focusWidget(), menu->item(2));
}

TEST_F(RoutedMenu, OnlyAPhysicalReleaseIsAKeyUp) {
    QWidget* item = menu->item(1);
    menu->showFocus(1);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"),
                            true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"), true);
    QApplication::sendEvent(item, &repeatRelease);
    QApplication::sendEvent(item, &repeatPress);
    QTest::keyRelease(item, Qt::Key_2);
    EXPECT_EQ(events, (std::vector<std::string>{"down 1 50", "char 1 50", "up 1"}));
}

TEST_F(RoutedMenu, ArrowKeysAndTheBlankDoNotMoveTheFocusOrPressTheButton) {
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(menu->item(0), key);
    EXPECT_EQ(QApplication::focusWidget(), menu->item(0));
    EXPECT_FALSE(menu->item(0)->isDown());
    EXPECT_FALSE(menu->item(0)->isChecked());
    EXPECT_EQ(std::count(events.begin(), events.end(), "in 1"), 0);
}

TEST_F(RoutedMenu, AnyMouseButtonIsAPressOnThePressAndTheButtonNeverStaysDown) {
    QTest::mousePress(menu->item(2), Qt::RightButton);
    EXPECT_FALSE(menu->item(2)->isDown());
    QTest::mouseRelease(menu->item(2), Qt::RightButton);
    QTest::mousePress(menu->item(1), Qt::MiddleButton);
    QTest::mouseRelease(menu->item(1), Qt::MiddleButton);
    // The click gives the focus before the press is handled, as the toolkit does.
    EXPECT_EQ(events, (std::vector<std::string>{"out 0", "in 2", "press 2", "release 2", "out 2",
                                                "in 1", "press 1", "release 1"}));
    EXPECT_FALSE(menu->item(1)->isDown());
}

TEST_F(RoutedMenu, TabStaysThePlatformsFocusKeyAndTheOwnerHearsOfIt) {
    QTest::keyClick(menu->item(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), menu->item(1));
    QTest::keyClick(menu->item(1), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), menu->item(0));
    EXPECT_EQ(std::count(events.begin(), events.end(), "in 1"), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "in 0"), 1);
    // Tab is no key of the menu's; only the Shift key itself comes through as a key-down.
    EXPECT_EQ(std::count(events.begin(), events.end(), "down 0 9"), 0);
    EXPECT_EQ(std::count(events.begin(), events.end(), "down 1 9"), 0);
    EXPECT_EQ(std::count(events.begin(), events.end(), "down 1 16"), 1);
}

TEST_F(RoutedMenu, TheFocusedItemHasTheStatesHighlightTheOthersTheNormalColour) {
    const QColor normal = toQColor(kNormalColour);
    const QColor highlight = toQColor(kHighlightColour);
    EXPECT_EQ(ground(0), highlight);
    EXPECT_EQ(ground(1), normal);
    menu->showFocus(2);
    EXPECT_EQ(ground(0), normal);
    EXPECT_EQ(ground(2), highlight);
    // Focus shown by the owner does not come back to it as news.
    EXPECT_TRUE(events.empty());
    menu->showFocus(-1);
    EXPECT_EQ(ground(2), normal);
}

TEST_F(RoutedMenu, FixedColoursAndNoHighlight) {
    menu->setFixedColours(QColor(255, 224, 192), QColor(255, 192, 128));
    EXPECT_EQ(ground(0), QColor(255, 192, 128));
    EXPECT_EQ(ground(1), QColor(255, 224, 192));
    menu->setHighlightsFocus(false);
    EXPECT_EQ(ground(0), QColor(255, 224, 192));
}

TEST_F(RoutedMenu, ADisabledItemTakesNoFocusAndTheToolkitDoesNotPassItOnBehindTheOwner) {
    menu->setItemEnabled(0, false);
    EXPECT_FALSE(menu->item(0)->isEnabled());
    EXPECT_TRUE(std::none_of(events.begin(), events.end(),
                             [](const std::string& e) { return e.rfind("in", 0) == 0; }));
    menu->showFocus(0);
    EXPECT_NE(QApplication::focusWidget(), menu->item(0));
}

// The common rules, run by the menu itself.
class CommonRulesMenu : public RoutedMenu {
  protected:
    std::vector<int> runs;
    void SetUp() override {
        RoutedMenu::SetUp();
        menu->useCommonRules({{49, 0}, {50, 1}, {51, 2}},
                             [this](int index) { runs.push_back(index); });
        menu->logic()->setFocus(0);
        menu->showFocus(0);
    }
};

TEST_F(CommonRulesMenu, TabMovesTheLogicsFocusAndTheHighlight) {
    QTest::keyClick(menu->item(0), Qt::Key_Tab);
    EXPECT_EQ(menu->logic()->focus(), 1);
    EXPECT_EQ(ground(1), toQColor(kHighlightColour));
    EXPECT_EQ(ground(0), toQColor(kNormalColour));
    QTest::keyClick(menu->item(1), Qt::Key_Tab);
    QTest::keyClick(menu->item(2), Qt::Key_Tab);  // on to the button outside the menu
    EXPECT_EQ(QApplication::focusWidget(), outside);
    EXPECT_EQ(menu->logic()->focus(), -1);
    EXPECT_EQ(ground(2), toQColor(kNormalColour));
    EXPECT_TRUE(runs.empty());
}

}  // namespace
}  // namespace sd
