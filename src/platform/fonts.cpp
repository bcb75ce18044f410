// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"

#include "state/faces.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

namespace sd {

std::jthread loadFontConfigurationAside() {
    return std::jthread([] { FcInit(); });
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(kArial, {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                        QStringLiteral("DejaVu Sans")});
    // The sheet's typewriter faces, drawn with their metric-compatible stand-ins.
    QFont::insertSubstitutions(kCourierNew,
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
    QFont::insertSubstitutions(
        kCourier, {QStringLiteral("Nimbus Mono PS"), QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(kMsSansSerif,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont designFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QStringList systemFontFamilies() {
    return QFontDatabase::families();
}

}  // namespace sd
