// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/option_menu.h"

#include <gtest/gtest.h>

#include <optional>

namespace sd {
namespace {

constexpr int kMultipli = 0;
constexpr int kSottomultipli = 1;
constexpr int kEsci = 2;

constexpr int kKey1 = 49;
constexpr int kKey2 = 50;
constexpr int kKey3 = 51;
constexpr int kPad2 = 98;

// The start window's menu: "1", "2", "3" and keypad 1 to 3 move the focus; Enter runs.
OptionMenu startMenu() {
    OptionMenu menu(3, {{kKey1, kMultipli},
                        {kKey2, kSottomultipli},
                        {kKey3, kEsci},
                        {vk::kPad0 + 1, kMultipli},
                        {kPad2, kSottomultipli},
                        {vk::kPad0 + 3, kEsci}});
    menu.setFocus(kMultipli);
    return menu;
}

// The exercise keypad: ten keys, the blank passes over disabled ones, a mouse release clears both
// flags. Only the key map entries that matter here.
OptionMenu keypad() {
    OptionMenu menu(
        10, {{kKey1, 0}, {vk::letter('A'), 8}},
        OptionMenu::Options{.spaceSkipsDisabled = true, .mouseReleaseClearsSpace = true});
    menu.setFocus(0);
    return menu;
}

TEST(OptionMenuKeys, DigitMovesTheFocusAndRunsNothing) {
    OptionMenu menu = startMenu();
    const KeyDownResult result = menu.keyDown(kKey3);
    EXPECT_EQ(result.outcome, KeyOutcome::Accepted);
    EXPECT_EQ(result.run, std::nullopt);
    EXPECT_EQ(menu.focus(), kEsci);
    EXPECT_TRUE(menu.keyHeld());
    menu.keyUp();

    const KeyDownResult enter = menu.keyDown(vk::kEnter);
    EXPECT_EQ(enter.outcome, KeyOutcome::Accepted);
    EXPECT_EQ(enter.run, std::optional<int>(kEsci));
    EXPECT_TRUE(menu.keyHeld());
}

TEST(OptionMenuKeys, MainRowAndKeypadDigitsMapToTheSameItem) {
    OptionMenu menu = startMenu();
    for (const auto& [key, item] :
         {std::pair{kKey2, kSottomultipli}, std::pair{kPad2, kSottomultipli},
          std::pair{vk::kPad0 + 3, kEsci}, std::pair{kKey1, kMultipli}}) {
        menu.keyDown(key);
        EXPECT_EQ(menu.focus(), item) << key;
        menu.keyUp();
    }
}

TEST(OptionMenuKeys, EnterWithNoItemFocusedRunsNothing) {
    OptionMenu menu = startMenu();
    menu.loseFocus();
    EXPECT_EQ(menu.keyDown(vk::kEnter).run, std::nullopt);
}

TEST(OptionMenuKeys, KeysOutsideTheMapAreDiscardedAndLeaveTheFlagClear) {
    OptionMenu menu = startMenu();
    menu.keyDown(kKey2);
    menu.keyUp();
    for (const int key : {vk::letter('S'), vk::kPad0 + 4, 52, vk::kF2}) {
        const KeyDownResult result = menu.keyDown(key);
        EXPECT_EQ(result.outcome, KeyOutcome::Discarded) << key;
        EXPECT_EQ(result.run, std::nullopt);
        EXPECT_FALSE(menu.keyHeld());
        EXPECT_EQ(menu.focus(), kSottomultipli);
    }
}

TEST(OptionMenuKeys, HeldKeyActsOnceUntilReleased) {
    OptionMenu menu = startMenu();
    menu.keyDown(kPad2);
    ASSERT_EQ(menu.focus(), kSottomultipli);
    // Automatic repeat, another digit and even Enter are ignored while the key is down.
    for (const int key : {kPad2, kKey3, vk::kEnter}) {
        const KeyDownResult result = menu.keyDown(key);
        EXPECT_EQ(result.outcome, KeyOutcome::Ignored) << key;
        EXPECT_EQ(result.run, std::nullopt);
        EXPECT_EQ(menu.focus(), kSottomultipli);
    }
    menu.keyUp();
    EXPECT_FALSE(menu.keyHeld());
    menu.keyDown(kKey3);
    EXPECT_EQ(menu.focus(), kEsci);
}

TEST(OptionMenuKeys, KeyMappedToADisabledItemLeavesTheFocus) {
    OptionMenu menu = startMenu();
    menu.setEnabled(kEsci, false);
    EXPECT_EQ(menu.keyDown(kKey3).outcome, KeyOutcome::Accepted);
    EXPECT_EQ(menu.focus(), kMultipli);
}

// Enter that opened another window: its key release went to that window, so the flag is still
// set when the pupil comes back.
TEST(OptionMenuKeys, ReleaseLostToAnotherWindowSwallowsTheNextKeyOnly) {
    OptionMenu menu = startMenu();
    ASSERT_EQ(menu.keyDown(vk::kEnter).run, std::optional<int>(kMultipli));
    EXPECT_EQ(menu.mousePress(kSottomultipli), std::optional<int>(kSottomultipli));
    EXPECT_EQ(menu.keyDown(kKey3).outcome, KeyOutcome::Ignored);
    EXPECT_EQ(menu.focus(), kMultipli);
    menu.keyUp();
    menu.keyDown(kKey3);
    EXPECT_EQ(menu.focus(), kEsci);
}

TEST(OptionMenuBlank, MovesToTheNextItemAndWrapsAround) {
    OptionMenu menu = startMenu();
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), kSottomultipli);
    EXPECT_TRUE(menu.spaceHeld());
    menu.keyUp();
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), kEsci);
    menu.keyUp();
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), kMultipli);
}

TEST(OptionMenuBlank, HeldBlankMovesOnce) {
    OptionMenu menu = startMenu();
    // The blank's key-down is not in the map: discarded, yet its character still arrives.
    EXPECT_EQ(menu.keyDown(vk::kSpace).outcome, KeyOutcome::Discarded);
    menu.keyChar(u' ');
    EXPECT_EQ(menu.keyDown(vk::kSpace).outcome, KeyOutcome::Discarded);
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), kSottomultipli);
    menu.keyUp();
    EXPECT_FALSE(menu.spaceHeld());
}

TEST(OptionMenuBlank, OtherCharactersAreIgnored) {
    OptionMenu menu = startMenu();
    menu.keyChar(u'1');
    menu.keyChar(u'a');
    EXPECT_EQ(menu.focus(), kMultipli);
    EXPECT_FALSE(menu.spaceHeld());
}

TEST(OptionMenuBlank, WithoutSkippingADisabledNextItemKeepsTheFocus) {
    OptionMenu menu = startMenu();
    menu.setEnabled(kSottomultipli, false);
    EXPECT_EQ(menu.nextItem(kMultipli), kSottomultipli);
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), kMultipli);
    EXPECT_TRUE(menu.spaceHeld());
}

TEST(OptionMenuBlank, SkipsDisabledItemsAndWrapsAround) {
    OptionMenu menu = keypad();
    // Answering a question: keys 7 to 9 disabled.
    for (const int key : {7, 8, 9}) menu.setEnabled(key, false);
    ASSERT_TRUE(menu.setFocus(6));
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), 0);
    menu.keyUp();

    // Answered: only keys 8 and 9 enabled.
    for (int key = 0; key < 10; ++key) menu.setEnabled(key, key >= 8);
    ASSERT_TRUE(menu.setFocus(8));
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), 9);
    menu.keyUp();
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), 8);
}

TEST(OptionMenuBlank, SoleEnabledItemKeepsTheFocus) {
    OptionMenu menu = keypad();
    for (int key = 0; key < 10; ++key) menu.setEnabled(key, key == 4);
    ASSERT_TRUE(menu.setFocus(4));
    EXPECT_EQ(menu.nextItem(4), 4);
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), 4);
}

TEST(OptionMenuFocus, DisabledItemsCannotTakeOrKeepIt) {
    OptionMenu menu = keypad();
    menu.setEnabled(8, false);
    EXPECT_FALSE(menu.setFocus(8));
    EXPECT_EQ(menu.focus(), 0);
    EXPECT_FALSE(menu.setFocus(10));
    EXPECT_FALSE(menu.setFocus(-1));
    menu.setEnabled(0, false);
    EXPECT_EQ(menu.focus(), -1);
    // With the focus elsewhere the blank has nothing to move.
    menu.keyChar(u' ');
    EXPECT_EQ(menu.focus(), -1);
}

TEST(OptionMenuMouse, PressRunsTheItemWhateverTheFlags) {
    OptionMenu menu = startMenu();
    menu.keyDown(kKey3);
    menu.keyChar(u' ');
    ASSERT_TRUE(menu.keyHeld());
    EXPECT_EQ(menu.mousePress(kMultipli), std::optional<int>(kMultipli));
    EXPECT_EQ(menu.mousePress(kEsci), std::optional<int>(kEsci));
    EXPECT_EQ(menu.mousePress(3), std::nullopt);
    EXPECT_EQ(menu.mousePress(-1), std::nullopt);
}

TEST(OptionMenuMouse, DisabledItemDoesNotRun) {
    OptionMenu menu = keypad();
    menu.setEnabled(7, false);
    EXPECT_EQ(menu.mousePress(7), std::nullopt);
    menu.setEnabled(7, true);
    EXPECT_EQ(menu.mousePress(7), std::optional<int>(7));
}

TEST(OptionMenuMouse, ReleaseClearsTheKeyHeldFlag) {
    OptionMenu menu = startMenu();
    menu.keyDown(kKey2);
    menu.keyChar(u' ');
    ASSERT_TRUE(menu.keyHeld());
    ASSERT_TRUE(menu.spaceHeld());
    menu.mouseRelease();
    EXPECT_FALSE(menu.keyHeld());
    EXPECT_TRUE(menu.spaceHeld());
    menu.keyDown(kKey1);
    EXPECT_EQ(menu.focus(), kMultipli);
}

TEST(OptionMenuMouse, KeypadReleaseClearsBothFlags) {
    OptionMenu menu = keypad();
    menu.keyDown(vk::letter('A'));
    menu.keyChar(u' ');
    ASSERT_TRUE(menu.spaceHeld());
    menu.mouseRelease();
    EXPECT_FALSE(menu.keyHeld());
    EXPECT_FALSE(menu.spaceHeld());
}

}  // namespace
}  // namespace sd
