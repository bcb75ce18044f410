// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWindow>

#include <map>
#include <memory>
#include <optional>
#include <set>

class QAbstractNativeEventFilter;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace sd {

class WaylandActivation;

// Which keys are down. A press of a key that is already down is its automatic repeat, whatever
// the platform calls it: X11 may mark the release of a repeat as a real one, and then only the
// keys still down tell a repeat from a new press.
class HeldKeys {
  public:
    // `platformMarksRepeats`: the platform flags every repeat (Wayland, where the toolkit makes
    // them), so a press without the flag is new even while the key seems down: its release may
    // have been lost while no window had the keyboard.
    explicit HeldKeys(bool platformMarksRepeats = false)
        : platformMarksRepeats_(platformMarksRepeats) {}

    // A press further apart than this from the last press or repeat of a key held down is new:
    // that key's release went to another program. Every desktop repeats sooner.
    static constexpr quint64 kLongestRepeatGapMs = 1000;

    // A key went down at `timeMs`: true for a new press, false for a repeat of a held key.
    bool press(quint32 key, bool autoRepeat, quint64 timeMs);
    // A key came up: true when it is let go, false for a release that belongs to a repeat.
    bool release(quint32 key, bool autoRepeat);
    // Forgets the keys whose last press or repeat came longer than kLongestRepeatGapMs before
    // `timeMs`: they are up, their releases lost (Xwayland drops one when the compositor moves
    // the keyboard meanwhile). True when it forgot one.
    bool forgetLostReleases(quint64 timeMs);
    bool isDown(quint32 key) const { return down_.contains(key); }

  private:
    bool platformMarksRepeats_;
    std::map<quint32, quint64> down_;  // key -> time of its last press or repeat
};

// The second press of a double click must not reach a window that the first press brought to the
// front (a window it opened, or the one in front again after it closed one): the pupil meant the
// item under the pointer the first time. A double click is two presses within the platform's
// interval and distance. Windows are told apart by any pointer that names them.
class PressGuard {
  public:
    PressGuard(int doubleClickIntervalMs, int doubleClickDistance)
        : intervalMs_(doubleClickIntervalMs), distance_(doubleClickDistance) {}

    // A mouse press on `window` at the platform's time `timeMs` and the screen point `at`, seen
    // at `nowMs`: whether it is acted on.
    bool acceptPress(const void* window, quint64 timeMs, QPoint at, qint64 nowMs);
    // `window` came to the front at `nowMs`.
    void cameToFront(const void* window, qint64 nowMs);
    // A key was pressed: what comes to the front from now on comes because of it.
    void keyPressed() { last_.reset(); }

  private:
    struct Press {
        const void* window;
        quint64 timeMs;
        QPoint at;
        qint64 nowMs;
    };
    bool secondOfDoubleClick(const Press& first, quint64 timeMs, QPoint at) const;

    int intervalMs_;
    int distance_;
    std::optional<Press> last_;
    std::map<const void*, Press> raisedBy_;  // window -> the press that brought it up
};

// What every window needs from the platform's input, done once for the whole program as the
// application's event filter, before any window sees an event: a held key acts once (its
// repeats, presses and releases alike, reach no window), the second press of a double click
// never lands on the window that the first one brought up, and a key whose window went away, or
// was blocked by a modal window, while it was down is let go, once, in the window that gets the
// keyboard next. On X that window gets the release anyway; a Wayland compositor that fades the
// closed window out gives the keyboard to no window meanwhile, and the release is lost. Nor does
// the toolkit pass on a release to a blocked window: on X it is read off the connection itself,
// or the key would stay down and its next press count as a repeat. A modal window keeps the
// keyboard: a window it blocks that gets it from the window manager hands it back.
class PlatformInput final : public QObject {
    Q_OBJECT
  public:
    explicit PlatformInput(QObject* parent);
    ~PlatformInput() override;

    // The program's one filter, while it exists; nullptr before and after.
    static PlatformInput* current();

    // Brings one of the program's windows to the front, with the keyboard.
    void bringToFront(QWidget& window);
    // The program brought this window to the front (events may come later, or never, without a
    // window manager).
    void cameToFront(const QWidget& window);

  signals:
    // A key was really let go, in whichever window, or in none: a window's key-held flag stands
    // for a key held now, so every window clears it, not only the one the release landed in.
    void keyLetGo();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A key down, as pressed: enough to let it go somewhere else.
    struct DownKey {
        QPointer<QWindow> window;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode, virtualKey, nativeModifiers;
        QString text;
    };
    bool swallowKey(QWindow* window, const QKeyEvent& event);
    bool swallowMouse(QWindow* window, const QEvent& event);
    void windowGone(const QWindow* window);
    void releaseOrphansIn(QWindow* window);
    void keepKeyboardOnModal(WId focused);
    void askForKeyboard(QWindow& window);
    bool onX11() const { return x11Events_ != nullptr; }

    std::map<quint32, DownKey> downIn_;   // key -> where it went down
    std::map<quint32, DownKey> orphans_;  // down when their window went, not let go since
    std::set<quint32> letGoFor_;          // released by the program: the real release is late

    HeldKeys keys_;
    std::unique_ptr<QAbstractNativeEventFilter> x11Events_;
    std::unique_ptr<WaylandActivation> wayland_;  // nullptr off Wayland
    PressGuard presses_;
    QElapsedTimer clock_;
    QPointer<QWindow> refused_;  // the window whose click is being swallowed, press to release
};

// On X11 the server sends the release of a held key with every repeat; asked, it sends the
// repeats as presses alone, and the one release when the key is let go. Does nothing elsewhere.
void useDetectableAutoRepeat();

}  // namespace sd
