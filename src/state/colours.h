// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace sd {

struct DrillState;

// A colour as the toolkit-neutral red, green and blue bytes.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kNormalColour{255, 240, 186};     // menu item without focus, window ground
inline constexpr Rgb kHighlightColour{255, 229, 142};  // menu item with the focus

// red + 256*green + 65536*blue, the colour value the state keeps as decimal text.
int64_t colourValue(Rgb colour);
QString colourText(Rgb colour);
// Plain decimal conversion back; text that is not a number gives black.
Rgb colourFromText(const QString& text);

// Stores the normal and the highlight colour in the state (the Resize module's ImpostaColori).
void ImpostaColori(DrillState& state);

}  // namespace sd
