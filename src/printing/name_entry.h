// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/option_menu.h"

#include <QString>

#include <vector>

namespace sd {

struct DrillState;

// Fixed texts of the name window.
inline const QString kNameWindowTitle = QStringLiteral("Form2");
inline const QString kNameHeading = QStringLiteral("   SCRIVI  IL  TUO  NOME");       // Label12
inline const QString kNameHint = QStringLiteral("Presta attenzione all'ortografia");  // Label9
// What lblNome shows while no name is written.
inline const QString kNoName = QStringLiteral("?");

enum class NameKeyKind {
    Character,  // a letter, "," or ".": its caption is what it writes
    Cancella,   // empties the name
    Avanti,     // the option button: closes the window, receives the physical keys
};

struct KeyFont {
    QString family;
    double points = 0.0;
    bool bold = false;

    friend bool operator==(const KeyFont&, const KeyFont&) = default;
};

// One key of the on-screen keyboard, placed in twips inside Frame1.
struct NameKey {
    NameKeyKind kind = NameKeyKind::Character;
    QString caption;
    int row = 0;   // 1 to 3, from the top
    int slot = 0;  // 1 to 14: the column slot its left edge stands on
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    KeyFont font;
};

// The Command1 array: index i is Command1(i), and the tab order runs through it in index order
// before "AVANTI". The keyboard carries an "O" in row 2's free slot, so every letter can be written
// with the mouse too.
const std::vector<NameKey>& nameKeyboard();
// Option4, "AVANTI", last in the tab order.
const NameKey& avantiButton();

// What the window does after an event.
struct NameKeyResult {
    // Physical keys: Ignored while a key is held, Discarded for keys the window swallows, Accepted
    // otherwise. On-screen keys are Accepted (Ignored for an index no key has).
    KeyOutcome outcome = KeyOutcome::Ignored;
    // The label now shows a written name: the window moves the focus to "AVANTI" (a failure to
    // move it, the window not yet visible for instance, is ignored).
    bool focusToAvanti = false;
};

// frmNome without its widgets. One object per creation of the window: every opening starts from
// "?" again and forgets the name written before. The window shows label() in lblNome after every
// call. The pupil's name always equals what the label shows.
class NameEntry {
  public:
    // Opening: the label shows "?" and so does the pupil's name.
    explicit NameEntry(DrillState& state);

    const QString& label() const { return label_; }
    bool keyHeld() const { return keyHeld_; }

    // A click on Command1(index), or the platform's activation of that key; unknown indexes do
    // nothing.
    NameKeyResult onScreenKey(int index);
    // A key-down on "AVANTI", by virtual key code: letters, Enter and Backspace write the name.
    NameKeyResult keyDown(int keyCode);
    // A key released on "AVANTI".
    void keyUp() { keyHeld_ = false; }

  private:
    void clearNoName();
    bool appendText(const QString& text);
    bool removeLastCharacter();
    bool setLabel(const QString& text);

    DrillState& state_;
    QString label_;
    bool keyHeld_ = false;
};

}  // namespace sd
