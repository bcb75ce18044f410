// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace sd {

// Why no window can be shown, in one Italian line, or nothing when one can: with no display, or
// displays that do not answer, the toolkit would abort. `environment` reads a variable; the
// probes try to reach an X display or a Wayland compositor by name.
std::optional<QString> missingDisplayMessage(
    const std::function<QString(const char*)>& environment, const QString& programPath,
    const std::function<bool(const QString&)>& x11Reachable = {},
    const std::function<bool(const QString&)>& waylandReachable = {});

// The platform the program asks the toolkit for, or nothing to leave the choice to it. On a
// Wayland desktop with an X display (XWayland) the program runs on X: there it is brought to the
// front, kept over its owner and given the keys as everywhere else, where a compositor may refuse
// to activate a window. Natively on Wayland only where no X display answers, or when asked.
std::optional<QString> preferredPlatform(const std::function<QString(const char*)>& environment,
                                         const std::function<bool(const QString&)>& x11Reachable);

// Whether the running program is a native Wayland client, not one on an X display (XWayland).
bool runsOnWayland();

// Whether an X server answers on the display.
bool canOpenX11Display(const QString& display);
// Whether a Wayland compositor listens on the socket (a path, or a name in XDG_RUNTIME_DIR).
bool canOpenWaylandDisplay(const QString& socket);

}  // namespace sd
