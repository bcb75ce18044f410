// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/curtain.h"

namespace sd {

CurtainWidths CurtainSteps::start(int outerWidthTwips) {
    const int half = outerWidthTwips > 0 ? outerWidthTwips / 2 : 0;
    return {half, half};
}

CurtainSteps::Tick CurtainSteps::tick(CurtainWidths now) {
    const CurtainWidths next{now.left - kStepTwips, now.right - kStepTwips};
    const bool cannotNarrow = next.left < 0 || next.right < 0;
    if (cannotNarrow || next.left <= kOpenTwips) return {CurtainWidths{0, 0}, true};
    return {next, false};
}

}  // namespace sd
