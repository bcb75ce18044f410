// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/colours.h"

#include <QColor>

namespace sd {

inline QColor toQColor(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

}  // namespace sd
