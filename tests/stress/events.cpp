// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stress/events.h"

#include <QKeySequence>

#include <array>
#include <random>
#include <utility>

namespace sd::stress {
namespace {

struct KeyChoice {
    Qt::Key key;
    const char* text;
};

constexpr std::array<KeyChoice, 12> kKeys{{
    {Qt::Key_Return, "\r"},
    {Qt::Key_Enter, "\r"},  // the keypad's, sent with the keypad modifier
    {Qt::Key_Space, " "},
    {Qt::Key_Backspace, "\b"},
    {Qt::Key_Tab, "\t"},
    {Qt::Key_Backtab, ""},
    {Qt::Key_Escape, "\x1b"},
    {Qt::Key_F2, ""},
    {Qt::Key_Left, ""},
    {Qt::Key_Right, ""},
    {Qt::Key_Up, ""},
    {Qt::Key_Down, ""},
}};
constexpr size_t kDigits = kKeys.size();
constexpr size_t kPadDigits = kKeys.size() + 1;
constexpr size_t kLetters = kKeys.size() + 2;
using KeyWeights = std::array<int, kKeys.size() + 3>;
// Keys as above, then main-row digits, keypad digits and letters.
constexpr KeyWeights kAnyKey{14, 3, 9, 2, 3, 1, 2, 1, 1, 1, 1, 1, 12, 6, 10};
// A pupil who mostly answers with Enter and the digits.
constexpr KeyWeights kEager{40, 6, 9, 1, 2, 0, 1, 0, 1, 1, 1, 1, 10, 6, 2};

// One who goes on and on with Enter and the blank, through many exercises in one run.
constexpr KeyWeights kDiligent{60, 5, 15, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 1, 1};

// The actions, in the order of Action.
using ActionWeights = std::array<int, 7>;

// How the pupil behaves for a stretch of events: anything goes, mostly the keyboard, mostly the
// mouse. The eager stretches get through whole exercises to printing and the certificate.
struct Mood {
    ActionWeights actions;
    const KeyWeights& keys;
};
const std::array<Mood, 5> kMoods{{
    {{52, 8, 24, 5, 5, 3, 3}, kAnyKey},
    {{88, 4, 6, 1, 1, 0, 0}, kEager},
    {{88, 4, 6, 1, 1, 0, 0}, kEager},
    {{93, 4, 3, 0, 0, 0, 0}, kDiligent},
    {{18, 4, 62, 10, 3, 1, 2}, kAnyKey},
}};
constexpr uint64_t kMoodEvents = 400;

template <size_t N>
int weighted(std::mt19937_64& random, const std::array<int, N>& weights) {
    int total = 0;
    for (const int w : weights) total += w;
    int roll = static_cast<int>(random() % static_cast<uint64_t>(total));
    for (size_t i = 0; i < N; ++i) {
        if (roll < weights[i]) return static_cast<int>(i);
        roll -= weights[i];
    }
    return 0;
}

void chooseKey(std::mt19937_64& random, const KeyWeights& weights, Event& event) {
    const size_t choice = static_cast<size_t>(weighted(random, weights));
    if (choice < kKeys.size()) {
        event.key = kKeys[choice].key;
        event.text = QString::fromLatin1(kKeys[choice].text);
        if (event.key == Qt::Key_Enter) event.modifiers = Qt::KeypadModifier;
        if (event.key == Qt::Key_Backtab) event.modifiers = Qt::ShiftModifier;
    } else if (choice == kDigits || choice == kPadDigits) {
        const int digit = static_cast<int>(random() % 10);
        event.key = static_cast<Qt::Key>(Qt::Key_0 + digit);
        event.text = QString::number(digit);
        if (choice == kPadDigits) event.modifiers = Qt::KeypadModifier;
    } else if (choice == kLetters) {
        const int letter = static_cast<int>(random() % 26);
        event.key = static_cast<Qt::Key>(Qt::Key_A + letter);
        const bool shift = random() % 5 == 0;
        event.text = QString(QChar(static_cast<char16_t>((shift ? u'A' : u'a') + letter)));
        if (shift) event.modifiers = Qt::ShiftModifier;
    }
}

}  // namespace

uint64_t mix(uint64_t seed, uint64_t index) {
    // splitmix64 of the pair
    uint64_t z = seed * 0x9E3779B97F4A7C15ULL + index + 0x632BE59BD9B4E019ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

Event eventAt(uint64_t seed, uint64_t index) {
    std::mt19937_64 random(mix(seed, index));
    Event event;
    // Mostly a few seconds between events; now and then a long pause, which the time labels cap.
    const uint64_t pause = random() % 100;
    event.seconds =
        pause < 90 ? 0.1 * static_cast<double>(random() % 40) : static_cast<double>(random() % 300);
    const Mood& mood = kMoods[mix(seed, index / kMoodEvents) % kMoods.size()];
    event.action = static_cast<Action>(weighted(random, mood.actions));
    event.pick = static_cast<uint32_t>(random());
    switch (event.action) {
        case Action::Key:
        case Action::HeldKey:
            chooseKey(random, mood.keys, event);
            event.repeats = 1 + static_cast<int>(random() % 6);
            break;
        case Action::Click:
        case Action::DoubleClick: {
            const uint64_t button = random() % 10;
            event.button = button < 8   ? Qt::LeftButton
                           : button < 9 ? Qt::RightButton
                                        : Qt::MiddleButton;
            event.x = static_cast<double>(random() % 1000) / 1000.0;
            event.y = static_cast<double>(random() % 1000) / 1000.0;
            break;
        }
        default:
            break;
    }
    return event;
}

QString describe(const Event& event) {
    const QString key = QKeySequence(static_cast<int>(event.key) | event.modifiers.toInt())
                            .toString(QKeySequence::PortableText);
    const QString button = event.button == Qt::LeftButton    ? QStringLiteral("left")
                           : event.button == Qt::RightButton ? QStringLiteral("right")
                                                             : QStringLiteral("middle");
    switch (event.action) {
        case Action::Key:
            return QStringLiteral("key %1").arg(key);
        case Action::HeldKey:
            return QStringLiteral("key %1 held, %2 repeats").arg(key).arg(event.repeats);
        case Action::Click:
            return QStringLiteral("%1 click at %2,%3").arg(button).arg(event.x).arg(event.y);
        case Action::DoubleClick:
            return QStringLiteral("%1 double click at %2,%3").arg(button).arg(event.x).arg(event.y);
        case Action::Trigger:
            return QStringLiteral("menu bar item");
        case Action::Close:
            return QStringLiteral("close box");
        case Action::OtherWindow:
            return QStringLiteral("another window to the front");
    }
    return {};
}

}  // namespace sd::stress
