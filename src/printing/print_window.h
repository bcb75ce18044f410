// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace sd {

struct DrillState;

inline constexpr int kPreviewLabels = 20;  // LblOp 1 to 20

// A time label of the print window: "Tempo totale:    " + seconds + "   secondi". An empty slot
// leaves seven blanks between the colon and the unit.
QString timeLabelText(const QString& seconds);

// The text of preview label 1 to 20: record line `label` for labels 1 up to questions asked
// (at most 10), empty otherwise.
QString previewLine(const DrillState& state, int label);

// The font of the filled preview labels for a sheet font; none keeps the labels' own fonts.
struct PreviewFont {
    QString family;
    double points = 0.0;
    bool bold = false;

    friend bool operator==(const PreviewFont&, const PreviewFont&) = default;
};
std::optional<PreviewFont> previewFont(const std::optional<QString>& sheetFont);

}  // namespace sd
