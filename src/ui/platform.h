// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/colours.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>
#include <thread>

class QLabel;
class QStyle;
class QWidget;

namespace sd {

// Maps the design faces onto installed ones where they are missing: Arial onto Liberation Sans
// and Courier New onto Liberation Mono (same metrics), Courier onto a typewriter face, MS Sans
// Serif onto a plain sans-serif. Run once before any window is built.
void installFontSubstitutes();

// Reading the system's font configuration is the longest step before the first frame, and needs
// no display: it runs on a thread of its own while the toolkit connects to the display. The
// thread must have ended before the first font is used.
std::jthread loadFontConfigurationAside();

// Fusion, which draws the menus in the program's own colours, without the icon of a menu bar's
// overflow button: the program's menu bars hold two items at most and never overflow, and loading
// that icon at start brings in every image plugin. The application owns the style.
QStyle* programStyle();

// A font of the design: face, size in points (fractions allowed) and weight.
QFont designFont(const QString& family, double points, bool bold = false);

QColor toQColor(Rgb colour);
// A colour the Drill state keeps as decimal text.
QColor colourOfText(const QString& text);

// Sets the colour a widget fills its ground with, and makes it fill it.
void setGround(QWidget& widget, const QColor& colour);
void setTextColour(QWidget& widget, const QColor& colour);

// A label that shows its text as plain text, never as rich text.
QLabel* plainLabel(QWidget* parent, const QString& text = {});

// Screen readers. A label whose text alone says nothing (a count, an answer, "?") is read as its
// caption with the text, "Domande poste: 3", or the caption alone while it is empty; the name
// follows every later setText by itself.
void captionForScreenReaders(QLabel& label, const QString& caption);
// Installs the program's own accessible interfaces (captioned labels, pictures, windows) before
// any window is built; the two calls below make sure of it too.
void installScreenReaderInterfaces();
// A surface the program draws on is read as a picture (role Graphic) with this name; its owner
// puts what the picture says in its accessible description.
void pictureForScreenReaders(QWidget& widget, const QString& name);

// Keeps a top-level window's title bar empty. With no title the toolkit writes the program's
// name there; on X11 both name properties are emptied once the native window exists and again
// whenever the title is set. Elsewhere the toolkit's own title stands.
void showEmptyTitle(QWidget& window);

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

// Whether an X server answers on the display.
bool canOpenX11Display(const QString& display);
// Whether a Wayland compositor listens on the socket (a path, or a name in XDG_RUNTIME_DIR).
bool canOpenWaylandDisplay(const QString& socket);

}  // namespace sd
