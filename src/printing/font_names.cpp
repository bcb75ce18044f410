// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/font_names.h"

#include "printing/exercise_sheet.h"

namespace sd {
namespace {

// The name a system family is offered under.
QString nameOffered(const QString& family) {
    static const QStringList courierNewFaces{kCourierNew, QStringLiteral("Liberation Mono"),
                                             QStringLiteral("Cousine")};
    static const QStringList courierFaces{kCourier, QStringLiteral("Nimbus Mono PS"),
                                          QStringLiteral("Nimbus Mono L")};
    if (courierNewFaces.contains(family)) return kCourierNew;
    if (courierFaces.contains(family)) return kCourier;
    return family;
}

}  // namespace

QStringList printerFontNames(const QStringList& systemFamilies) {
    QStringList names;
    for (const QString& family : systemFamilies) {
        const QString name = nameOffered(family);
        if (!names.contains(name)) names.append(name);
    }
    return names;
}

std::optional<QString> drawingFamily(const QString& printerFont,
                                     const QStringList& systemFamilies) {
    if (systemFamilies.contains(printerFont)) return printerFont;
    for (const QString& family : systemFamilies) {
        if (nameOffered(family) == printerFont) return family;
    }
    return std::nullopt;
}

}  // namespace sd
