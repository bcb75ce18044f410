// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace sd {

// The font faces of the design, by the names it gives them; the platform maps each onto an
// installed face.
inline const QString kArial = QStringLiteral("Arial");
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kCourierNew = QStringLiteral("Courier New");
inline const QString kCourier = QStringLiteral("Courier");

}  // namespace sd
