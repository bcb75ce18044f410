// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/name_entry.h"

#include "state/drill_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace sd {
namespace {

// Command1's index of the key; a caption no key carries throws.
int keyIndex(const QString& caption) {
    size_t index = 0;
    while (nameKeyboard().at(index).caption != caption) ++index;
    return static_cast<int>(index);
}

// Plays a script: a capital is a physical key pressed and released, '<' Backspace, '=' Enter;
// a small letter, ',' or '.' is a click on that on-screen key, '#' a click on "CANCELLA".
NameKeyResult play(NameEntry& entry, const QString& script) {
    NameKeyResult last;
    for (QChar c : script) {
        if (c.isUpper() || c == u'<' || c == u'=') {
            last = entry.keyDown(c == u'<' ? vk::kBackspace : c == u'=' ? vk::kEnter : c.unicode());
            entry.keyUp();
        } else {
            last = entry.onScreenKey(keyIndex(c == u'#' ? "CANCELLA" : QString(c.toUpper())));
        }
    }
    return last;
}

TEST(NameEntry, TheNameIsAlwaysWhatTheLabelShows) {
    const struct {
        QString script, label;
        bool focusToAvanti;  // after the last step
    } cases[] = {
        // clang-format off
        {"", "?", false},     {"b", "B", true},   {"b#", "", false},  {"b#c", "C", true},
        {"o,.", "O,.", true}, {"A<", "?", false}, {"#<", "?", false}, {"AB<", "A", true},
        {"=", "?", false},    {"MARCO", "MARCO", true},
        {"ANNAMARIAFERRARI", "ANNAMARIAFERRARI", true},  // no limit on the length
        // clang-format on
    };
    for (const auto& c : cases) {
        DrillState state;
        state.pupilName = QStringLiteral("LUCA");  // written at an earlier opening
        NameEntry entry(state);
        EXPECT_EQ(play(entry, c.script).focusToAvanti, c.focusToAvanti) << c.script.toStdString();
        EXPECT_EQ(entry.label(), c.label) << c.script.toStdString();
        EXPECT_EQ(state.pupilName, c.label) << c.script.toStdString();
    }
}

TEST(NameEntry, AHeldKeyWritesOnceAndOtherKeysAreDiscarded) {
    DrillState state;
    NameEntry entry(state);
    EXPECT_EQ(entry.keyDown(vk::letter('M')).outcome, KeyOutcome::Accepted);
    EXPECT_EQ(entry.keyDown(vk::letter('M')).outcome, KeyOutcome::Ignored);
    EXPECT_EQ(entry.keyDown(vk::kBackspace).outcome, KeyOutcome::Ignored);
    entry.keyUp();
    for (int code : {0, vk::kSpace, vk::kDigit0, 57, vk::kPad0, 105, vk::kF2, 64, 91, 188, 190})
        EXPECT_EQ(entry.keyDown(code).outcome, KeyOutcome::Discarded) << code;
    EXPECT_EQ(entry.keyDown(vk::letter('A')).outcome, KeyOutcome::Accepted);  // flag still clear
    EXPECT_EQ(state.pupilName, "MA");
}

TEST(NameKeyboard, EveryCharacterOnceOnKeysThatDoNotOverlap) {
    std::vector<NameKey> keys = nameKeyboard();
    keys.push_back(avantiButton());
    QString characters;
    for (const NameKey& key : keys)
        if (key.kind == NameKeyKind::Character) characters += key.caption;
    std::sort(characters.begin(), characters.end());
    EXPECT_EQ(characters, ",.ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (size_t i = 0; i < keys.size(); ++i) {
        for (size_t j = i + 1; j < keys.size(); ++j) {
            const NameKey &a = keys[i], &b = keys[j];
            EXPECT_TRUE(a.left + a.width <= b.left || b.left + b.width <= a.left ||
                        a.top + a.height <= b.top || b.top + b.height <= a.top)
                << a.caption.toStdString() << " overlaps " << b.caption.toStdString();
        }
    }
    const NameKey& o = keys.at(static_cast<size_t>(keyIndex("O")));
    EXPECT_EQ(std::tuple(o.row, o.slot, o.left, o.top), std::tuple(2, 7, 4035, 900));
}

}  // namespace
}  // namespace sd
