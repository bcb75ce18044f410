// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/name_entry.h"

#include "state/drill_state.h"
#include "state/faces.h"

#include <array>

namespace sd {
namespace {

constexpr int kKeySide = 600;
constexpr std::array<int, 14> kSlotLefts{30,   705,  1365, 2040, 2700, 3375, 4035,
                                         4710, 5385, 6060, 6720, 7380, 8010, 8640};
constexpr std::array<int, 3> kRowTops{195, 900, 1635};

int slotLeft(int slot) {
    return kSlotLefts[static_cast<size_t>(slot - 1)];
}

int rowTop(int row) {
    return kRowTops[static_cast<size_t>(row - 1)];
}

KeyFont arial24() {
    return {kArial, 24.0, false};
}

// Punctuation gets a larger size than the letters so that its small glyph is seen.
NameKey characterKey(QChar caption, int row, int slot) {
    const bool punctuation = caption == u',' || caption == u'.';
    return {NameKeyKind::Character,
            QString(caption),
            row,
            slot,
            slotLeft(slot),
            rowTop(row),
            kKeySide,
            kKeySide,
            {kMsSansSerif, punctuation ? 24.0 : 13.5, false}};
}

// Rows give their captions slot by slot from slot 1; row 1 follows the Italian alphabet, and row 2
// puts the "O" the alphabet row lacks into its free slot 7.
std::vector<NameKey> buildKeyboard() {
    std::vector<NameKey> keys;
    const auto addRow = [&keys](int row, const QString& captions) {
        for (int i = 0; i < captions.size(); ++i)
            keys.push_back(characterKey(captions[i], row, i + 1));
    };
    addRow(1, QStringLiteral("ABCDEFGHILMNPQ"));
    addRow(2, QStringLiteral("RSTUVZOJKXYW,."));
    keys.push_back({NameKeyKind::Cancella, QStringLiteral("CANCELLA"), 3, 1, slotLeft(1), rowTop(3),
                    3960, kKeySide, arial24()});
    return keys;
}

bool isLetterKey(int keyCode) {
    return keyCode >= vk::letter('A') && keyCode <= vk::letter('Z');
}

}  // namespace

const std::vector<NameKey>& nameKeyboard() {
    static const std::vector<NameKey> keys = buildKeyboard();
    return keys;
}

const NameKey& avantiButton() {
    static const NameKey avanti{NameKeyKind::Avanti,
                                QStringLiteral("AVANTI"),
                                3,
                                8,
                                slotLeft(8),
                                1530,
                                4515,
                                804,
                                arial24()};
    return avanti;
}

NameEntry::NameEntry(DrillState& state) : state_(state), label_(kNoName) {
    state_.pupilName = label_;
}

NameKeyResult NameEntry::onScreenKey(int index) {
    const std::vector<NameKey>& keys = nameKeyboard();
    if (index < 0 || index >= static_cast<int>(keys.size())) return {};
    const NameKey& key = keys[static_cast<size_t>(index)];
    clearNoName();
    const bool written = key.kind == NameKeyKind::Cancella ? setLabel({}) : appendText(key.caption);
    state_.pupilName = label_;
    return {KeyOutcome::Accepted, written};
}

NameKeyResult NameEntry::keyDown(int keyCode) {
    if (keyHeld_) return {};
    bool written = false;
    if (isLetterKey(keyCode)) {
        clearNoName();
        // Letter codes are the capitals' own character codes, whatever the shift state.
        written = appendText(QString(QChar(static_cast<char16_t>(keyCode))));
    } else if (keyCode == vk::kBackspace) {
        written = removeLastCharacter();
    } else if (keyCode == vk::kEnter) {
        state_.pupilName = label_;
    } else {
        return {KeyOutcome::Discarded, false};
    }
    keyHeld_ = true;
    return {KeyOutcome::Accepted, written};
}

void NameEntry::clearNoName() {
    if (label_ == kNoName) setLabel({});
}

bool NameEntry::appendText(const QString& text) {
    return setLabel(label_ + text);
}

// An emptied label shows "?" again, and the name follows it so that it never keeps a character
// the pupil has rubbed out.
bool NameEntry::removeLastCharacter() {
    QString shorter = label_;
    shorter.chop(1);
    if (!shorter.isEmpty()) return setLabel(shorter);
    setLabel(kNoName);
    state_.pupilName = kNoName;
    return false;
}

// The label's change rule: a written name is stored at once and the focus goes to "AVANTI", so the
// physical keyboard keeps working after a click on an on-screen key.
bool NameEntry::setLabel(const QString& text) {
    if (text == label_) return false;
    label_ = text;
    if (label_.isEmpty() || label_ == kNoName) return false;
    state_.pupilName = label_;
    return true;
}

}  // namespace sd
