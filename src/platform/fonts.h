// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/faces.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <thread>

namespace sd {

// Maps the design faces onto installed ones where they are missing: Arial onto Liberation Sans
// and Courier New onto Liberation Mono (same metrics), Courier onto a typewriter face, MS Sans
// Serif onto a plain sans-serif. Run once before any window is built.
void installFontSubstitutes();

// Reading the system's font configuration is the longest step before the first frame, and needs
// no display: it runs on a thread of its own while the toolkit connects to the display. The
// thread must have ended before the first font is used.
std::jthread loadFontConfigurationAside();

// A font of the design: face, size in points (fractions allowed) and weight.
QFont designFont(const QString& family, double points, bool bold = false);

// The font families of the system (fontconfig), which stand for the printer's fonts.
QStringList systemFontFamilies();

}  // namespace sd
