// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/input.h"

#include "platform/activation.h"
#include "platform/display.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// The XKB header names a field "explicit", a word of C++.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace sd {
namespace {

// The key a key event stands for: the keyboard's own code where the platform gives one.
quint32 keyOf(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? event.nativeScanCode()
                                       : 0x80000000u | static_cast<quint32>(event.key());
}

// Enter or Space on a menu bar's action that opens no menu triggers it here, not in the menu bar:
// the menu bar would then give the keyboard back to the control it took it from, in the window
// that still has the keyboard, and Wayland's toolkit asks for that window to come to the front at
// every such change, just after the action asked for another one. Kept by the menu bar, the
// keyboard goes when the window loses it, and its control gets it back then.
bool triggeredOnMenuBar(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter &&
        event.key() != Qt::Key_Space)
        return false;
    const auto* bar = qobject_cast<const QMenuBar*>(QApplication::focusWidget());
    QAction* action = bar != nullptr ? bar->activeAction() : nullptr;
    if (action == nullptr || action->menu() != nullptr || !action->isEnabled()) return false;
    action->trigger();
    return true;
}

bool isMouseButtonEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
           type == QEvent::MouseButtonRelease || type == QEvent::MouseMove;
}

// Whether `modal` blocks `window`: every window does but the modal one and those it opened (a
// drop-down list's popup).
bool blockedBy(const QWindow& window, const QWindow& modal) {
    for (const QWindow* w = &window; w != nullptr; w = w->transientParent())
        if (w == &modal) return false;
    return true;
}

const QWindow* topLevelWithId(WId id) {
    for (const QWindow* window : QGuiApplication::topLevelWindows())
        if (window->handle() != nullptr && window->winId() == id) return window;
    return nullptr;
}

}  // namespace

bool HeldKeys::press(quint32 key, bool autoRepeat, quint64 timeMs) {
    const auto held = down_.find(key);
    const bool repeat =
        autoRepeat || (!platformMarksRepeats_ && held != down_.end() && timeMs >= held->second &&
                       timeMs - held->second <= kLongestRepeatGapMs);
    down_[key] = timeMs;
    return !repeat;
}

bool HeldKeys::release(quint32 key, bool autoRepeat) {
    if (autoRepeat) return false;
    down_.erase(key);
    return true;
}

bool HeldKeys::forgetLostReleases(quint64 timeMs) {
    return std::erase_if(down_, [timeMs](const auto& down) {
               return timeMs >= down.second && timeMs - down.second > kLongestRepeatGapMs;
           }) > 0;
}

bool PressGuard::secondOfDoubleClick(const Press& first, quint64 timeMs, QPoint at) const {
    return timeMs >= first.timeMs && timeMs - first.timeMs < quint64(intervalMs_) &&
           (at - first.at).manhattanLength() <= distance_;
}

bool PressGuard::acceptPress(const void* window, quint64 timeMs, QPoint at, qint64 nowMs) {
    const auto raised = raisedBy_.find(window);
    const bool refused =
        raised != raisedBy_.end() && secondOfDoubleClick(raised->second, timeMs, at);
    raisedBy_.clear();  // a press decides for every window brought up before it
    if (refused) return false;
    last_ = Press{window, timeMs, at, nowMs};
    return true;
}

void PressGuard::cameToFront(const void* window, qint64 nowMs) {
    if (!last_ || last_->window == window || nowMs - last_->nowMs >= intervalMs_) return;
    raisedBy_[window] = *last_;
}

namespace {

// What the X connection says before the toolkit sorts it: every key release, those meant for a
// window that a modal window blocks too, and the keyboard focus arriving on one of the program's
// windows, which the toolkit passes on only where no modal window blocks it.
class X11Events final : public QAbstractNativeEventFilter {
  public:
    X11Events(HeldKeys& keys, std::function<void()> letGo, std::function<void(WId)> focusIn)
        : keys_(keys), letGo_(std::move(letGo)), focusIn_(std::move(focusIn)) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & ~0x80) {
            case XCB_KEY_RELEASE:
                keys_.release(reinterpret_cast<const xcb_key_release_event_t*>(event)->detail,
                              false);
                letGo_();
                break;
            case XCB_FOCUS_IN:
                if (const auto* focus = reinterpret_cast<const xcb_focus_in_event_t*>(event);
                    focus->detail != XCB_NOTIFY_DETAIL_POINTER)
                    focusIn_(focus->event);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    HeldKeys& keys_;
    std::function<void()> letGo_;
    std::function<void(WId)> focusIn_;
};

// On X the program may move the keyboard between its own windows while one of them has it: it
// does so at once, with no timestamp that a window manager could find stale.
void focusOnX11(const QWindow& window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window.winId()), XCB_CURRENT_TIME);
    xcb_flush(x11->connection());
}

PlatformInput* theInput = nullptr;

}  // namespace

PlatformInput* PlatformInput::current() {
    return theInput;
}

PlatformInput::PlatformInput(QObject* parent)
    : QObject(parent),
      keys_(runsOnWayland()),
      presses_(QGuiApplication::styleHints()->mouseDoubleClickInterval(),
               QGuiApplication::styleHints()->mouseDoubleClickDistance()) {
    clock_.start();
    theInput = this;
    qApp->installEventFilter(this);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        x11Events_ = std::make_unique<X11Events>(
            keys_, [this] { emit keyLetGo(); }, [this](WId id) { keepKeyboardOnModal(id); });
        qApp->installNativeEventFilter(x11Events_.get());
    } else {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](const QWindow* window) {
            keepKeyboardOnModal(window ? window->winId() : 0);
        });
    }
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &PlatformInput::releaseOrphansIn);
    wayland_ = WaylandActivation::connect();
}

PlatformInput::~PlatformInput() {
    if (theInput == this) theInput = nullptr;
    qApp->removeEventFilter(this);
    if (x11Events_) qApp->removeNativeEventFilter(x11Events_.get());
}

void PlatformInput::bringToFront(QWidget& window) {
    window.raise();
    QWindow* handle = window.windowHandle();
    if (handle == nullptr) {
        window.activateWindow();
        return;
    }
    askForKeyboard(*handle);
    // A window manager may refuse the request as focus stealing (kwin, when a switch went to
    // another of the program's windows before): while the program has the keyboard, it passes
    // it on itself. Only to a window on screen; one being shown gets it from the window manager.
    if (onX11() && handle->isExposed() && QGuiApplication::focusWindow() != nullptr)
        focusOnX11(*handle);
    cameToFront(window);
}

// On Wayland with a token of the program's own where one can be had; else the toolkit asks, and
// with no window manager (Xvfb) nothing else gives the window the keyboard.
void PlatformInput::askForKeyboard(QWindow& window) {
    if (!wayland_ || !wayland_->request(window)) window.requestActivate();
}

void PlatformInput::cameToFront(const QWidget& window) {
    if (window.windowHandle() != nullptr)
        presses_.cameToFront(window.windowHandle(), clock_.elapsed());
}

bool PlatformInput::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // Input comes from the platform to a window first, once, and from there to its widgets.
    if (watched->isWindowType()) {
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
            return swallowKey(static_cast<QWindow*>(watched),
                              static_cast<const QKeyEvent&>(*event));
        if (isMouseButtonEvent(type)) return swallowMouse(static_cast<QWindow*>(watched), *event);
    } else if ((type == QEvent::Show || type == QEvent::WindowActivate) &&
               watched->isWidgetType()) {
        if (const auto* widget = static_cast<const QWidget*>(watched); widget->isWindow())
            cameToFront(*widget);
    } else if ((type == QEvent::Hide || type == QEvent::WindowBlocked) && watched->isWidgetType()) {
        // A window blocked by a modal one gets no key events from the toolkit: their releases too
        // would be lost.
        if (const auto* widget = static_cast<const QWidget*>(watched); widget->isWindow())
            windowGone(widget->windowHandle());
    }
    return QObject::eventFilter(watched, event);
}

void PlatformInput::windowGone(const QWindow* window) {
    if (window == nullptr) return;
    std::erase_if(downIn_, [&](const auto& down) {
        if (down.second.window != window) return false;
        orphans_.insert_or_assign(down.first, down.second);
        return true;
    });
    // The window in front may already have the keyboard.
    if (!orphans_.empty())
        QTimer::singleShot(0, this, [this] { releaseOrphansIn(QGuiApplication::focusWindow()); });
}

// A window manager may give the keyboard to a window that a modal one blocks (kwin does, on a
// click): it takes no keys, and the pupil would be stuck. The modal window takes it back, once the
// events of that moment are through.
void PlatformInput::keepKeyboardOnModal(WId focused) {
    if (focused == 0 || QGuiApplication::modalWindow() == nullptr) return;
    QTimer::singleShot(0, this, [this, focused] {
        QWindow* modal = QGuiApplication::modalWindow();
        const QWindow* window = topLevelWithId(focused);
        if (modal == nullptr || window == nullptr || !modal->isVisible() ||
            !blockedBy(*window, *modal))
            return;
        modal->raise();
        if (onX11())
            focusOnX11(*modal);
        else
            askForKeyboard(*modal);
    });
}

void PlatformInput::releaseOrphansIn(QWindow* window) {
    if (window == nullptr || !window->isVisible() || orphans_.empty()) return;
    const std::map<quint32, DownKey> orphans = std::exchange(orphans_, {});
    for (const auto& [key, down] : orphans) {
        QKeyEvent release(QEvent::KeyRelease, down.key, down.modifiers, down.scanCode,
                          down.virtualKey, down.nativeModifiers, down.text);
        QCoreApplication::sendEvent(window, &release);
        letGoFor_.insert(key);
    }
}

bool PlatformInput::swallowKey(QWindow* window, const QKeyEvent& event) {
    const quint32 key = keyOf(event);
    if (event.type() == QEvent::KeyRelease) {
        // One the program sends for a lost release is for the window alone: the key may still be
        // down, and its repeats are still repeats.
        if (!event.spontaneous()) return false;
        if (event.isAutoRepeat()) return true;
        downIn_.erase(key);
        orphans_.erase(key);
        keys_.release(key, false);
        // On X every release was told already, off the connection, blocked windows' too.
        if (!onX11()) emit keyLetGo();
        return letGoFor_.erase(key) > 0;  // the window had its release already
    }
    // A window's key-held flag stands for a key held now: one whose release never came is not.
    if (keys_.forgetLostReleases(event.timestamp())) emit keyLetGo();
    if (!keys_.press(key, event.isAutoRepeat(), event.timestamp())) return true;
    letGoFor_.erase(key);
    downIn_[key] = DownKey{window,
                           event.key(),
                           event.modifiers(),
                           event.nativeScanCode(),
                           event.nativeVirtualKey(),
                           event.nativeModifiers(),
                           event.text()};
    presses_.keyPressed();
    if (wayland_) wayland_->pressed();
    return triggeredOnMenuBar(event);
}

bool PlatformInput::swallowMouse(QWindow* window, const QEvent& event) {
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    if (event.type() == QEvent::MouseButtonPress) {
        if (presses_.acceptPress(window, mouse.timestamp(), mouse.globalPosition().toPoint(),
                                 clock_.elapsed())) {
            refused_.clear();
            if (wayland_) wayland_->pressed();
            return false;
        }
        refused_ = window;
        return true;
    }
    if (refused_ != window) return false;
    // The refused click goes whole: its double click, moves and release, up to the last button.
    if (event.type() == QEvent::MouseButtonRelease && mouse.buttons() == Qt::NoButton)
        refused_.clear();
    return true;
}

void useDetectableAutoRepeat() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    const xcb_xkb_per_client_flags_cookie_t cookie = xcb_xkb_per_client_flags(
        connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
        XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0);
    // The answer says only which flags are now set: not worth a round trip at start.
    xcb_discard_reply(connection, cookie.sequence);
    xcb_flush(connection);
}

}  // namespace sd
