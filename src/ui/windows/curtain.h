// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace sd {

// Widths, in twips, of the two halves of the start window's curtain.
struct CurtainWidths {
    int left = 0;
    int right = 0;
    friend bool operator==(const CurtainWidths&, const CurtainWidths&) = default;
};

// The curtain's arithmetic: each tick makes both halves 50 twips narrower until the left one is
// 10 twips wide or less. A step that would make a width negative ends the curtain there instead
// of leaving the timer ticking for ever over strips it can no longer narrow. Once open, both
// halves are 0 wide.
class CurtainSteps {
  public:
    static constexpr int kStepTwips = 50;
    static constexpr int kOpenTwips = 10;
    static constexpr int kIntervalMs = 10;

    struct Tick {
        CurtainWidths widths;
        bool open = false;  // the timer stops
    };

    // Each half starts at half the window's outer width, so together they cover it.
    static CurtainWidths start(int outerWidthTwips);
    static Tick tick(CurtainWidths now);
};

}  // namespace sd
