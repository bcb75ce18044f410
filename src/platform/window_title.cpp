// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window_title.h"

#include <QtGui/qguiapplication_platform.h>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace sd {
namespace {

#if QT_CONFIG(xcb)
struct NameAtoms {
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
};

// Both asked for before either answer is awaited: one round trip, once per run.
NameAtoms nameAtoms(xcb_connection_t* connection) {
    static const NameAtoms atoms = [connection] {
        const auto ask = [connection](const char* name) {
            return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
        };
        const auto answer = [connection](xcb_intern_atom_cookie_t cookie) {
            const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
                xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
            return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        };
        const xcb_intern_atom_cookie_t netWmName = ask("_NET_WM_NAME");
        const xcb_intern_atom_cookie_t utf8String = ask("UTF8_STRING");
        return NameAtoms{answer(netWmName), answer(utf8String)};
    }();
    return atoms;
}
#endif

// Empties the names an X11 window manager shows in the title bar; the toolkit's fallback to the
// program's name is in them.
void clearNativeTitle(const QWidget& window) {
#if QT_CONFIG(xcb)
    // The offscreen platform answers as an X11 one too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    // Asking winId() would create the native window; only an existing one is touched.
    const auto id = static_cast<xcb_window_t>(window.internalWinId());
    if (connection == nullptr || id == 0) return;
    const NameAtoms atoms = nameAtoms(connection);
    if (atoms.netWmName != XCB_ATOM_NONE && atoms.utf8String != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atoms.netWmName,
                            atoms.utf8String, 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    xcb_flush(connection);
#else
    (void)window;
#endif
}

// The toolkit writes the title anew when the native window is made and whenever the title is set.
class EmptyTitleKeeper final : public QObject {
  public:
    explicit EmptyTitleKeeper(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
        clearNativeTitle(window);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::WinIdChange || type == QEvent::WindowTitleChange ||
            type == QEvent::Show)
            clearNativeTitle(*static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace
void showEmptyTitle(QWidget& window) {
    window.setWindowTitle(QString());
    new EmptyTitleKeeper(window);
}

}  // namespace sd
