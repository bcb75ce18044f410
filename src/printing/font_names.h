// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sd {

// The printer's font names are the system's font families (in fontconfig's order), except that
// a Courier face or its metric-compatible substitute is offered under the Courier name it stands
// for: Courier New for "Courier New", "Liberation Mono" and "Cousine"; Courier for "Courier",
// "Nimbus Mono PS" and "Nimbus Mono L". Each name appears once, where its first family stands.
QStringList printerFontNames(const QStringList& systemFamilies);

// The system family that draws a printer font name: the genuine face when the system has it,
// else its first substitute in the system's order; none when the system has neither.
std::optional<QString> drawingFamily(const QString& printerFont, const QStringList& systemFamilies);

}  // namespace sd
