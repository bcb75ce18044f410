// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/colours.h"

#include "state/drill_state.h"

namespace sd {

int64_t colourValue(Rgb colour) {
    return colour.red + 256LL * colour.green + 65536LL * colour.blue;
}

QString colourText(Rgb colour) {
    return QString::number(colourValue(colour));
}

Rgb colourFromText(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0) return {};
    return Rgb{static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>((value >> 16) & 0xFF)};
}

void ImpostaColori(DrillState& state) {
    state.normalColour = colourText(kNormalColour);
    state.highlightColour = colourText(kHighlightColour);
}

}  // namespace sd
