// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display.h"

#include <QStringList>

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>

namespace sd {

bool runsOnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool canOpenX11Display(const QString& display) {
    const QByteArray name = display.toLocal8Bit();
    xcb_connection_t* connection = xcb_connect(name.constData(), nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

bool canOpenWaylandDisplay(const QString& socket) {
    const QString path = QDir::isAbsolutePath(socket)
                             ? socket
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + socket;
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool reachable =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return reachable;
}

std::optional<QString> preferredPlatform(const std::function<QString(const char*)>& environment,
                                         const std::function<bool(const QString&)>& x11Reachable) {
    if (!environment("QT_QPA_PLATFORM").isEmpty() || environment("WAYLAND_DISPLAY").isEmpty())
        return std::nullopt;
    const QString display = environment("DISPLAY");
    if (display.isEmpty() || !x11Reachable(display)) return std::nullopt;
    return QStringLiteral("xcb");
}

std::optional<QString> missingDisplayMessage(
    const std::function<QString(const char*)>& environment, const QString& programPath,
    const std::function<bool(const QString&)>& x11Reachable,
    const std::function<bool(const QString&)>& waylandReachable) {
    const QString platform = environment("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    const bool onlyWayland = platform.startsWith(QLatin1String("wayland"));
    const bool onlyX11 = platform == QLatin1String("xcb");
    // Any other platform chosen (offscreen, a framebuffer...) is the toolkit's to open.
    if (!platform.isEmpty() && !onlyWayland && !onlyX11) return std::nullopt;
    const QString wayland = environment("WAYLAND_DISPLAY");
    const QString display = environment("DISPLAY");
    const bool waylandAnswers =
        !wayland.isEmpty() && (!waylandReachable || waylandReachable(wayland));
    const bool x11Answers = !display.isEmpty() && (!x11Reachable || x11Reachable(display));
    if (onlyWayland ? waylandAnswers : onlyX11 ? x11Answers : waylandAnswers || x11Answers)
        return std::nullopt;
    QStringList silent;
    if (!wayland.isEmpty() && !onlyX11) silent << wayland;
    if (!display.isEmpty() && !onlyWayland) silent << display;
    const QString why = silent.isEmpty()
                            ? QStringLiteral(
                                  "non c'è nessuno schermo da aprire (DISPLAY e "
                                  "WAYLAND_DISPLAY non sono impostate)")
                            : QStringLiteral("lo schermo %1 non risponde").arg(silent.join(" / "));
    return QStringLiteral(
               "Il sistema decimale: %1; avvialo da una sessione grafica, oppure sotto "
               "Xvfb con: xvfb-run -a %2")
        .arg(why, programPath);
}

}  // namespace sd
