// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/print_window.h"

#include "printing/exercise_sheet.h"
#include "state/drill_state.h"

namespace sd {

QString timeLabelText(const QString& seconds) {
    return QStringLiteral("Tempo totale:    ") + seconds + QStringLiteral("   secondi");
}

QString previewLine(const DrillState& state, int label) {
    if (label < 1 || label > sheetLineCount(state)) return {};
    return state.exerciseRecord[static_cast<size_t>(label)];
}

std::optional<PreviewFont> previewFont(const std::optional<QString>& sheetFont) {
    if (sheetFont == kCourierNew) return PreviewFont{kCourierNew, 9.0, true};
    if (sheetFont == kCourier) return PreviewFont{kCourier, 10.0, false};
    return std::nullopt;
}

}  // namespace sd
