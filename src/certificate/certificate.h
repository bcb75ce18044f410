// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/colours.h"
#include "state/faces.h"

#include <QSizeF>
#include <QString>

#include <vector>

class QDateTime;
class QLocale;

namespace sd {

struct DrillState;

// One step of the certificate's drawing on its surface, for the ui layer to replay in order.
// A renderer starts the surface in the platform's default sans-serif face at kInitialSurfacePoints
// points, regular weight, black text, with the pen at the top-left corner; only the first empty
// lines use that font, and the first row keeps its regular weight. Font, size, weight and colour
// stay in force until set again. Text lines are laid out in pixels and drawn into the surface's
// persistent image, so the certificate survives being covered; a renderer may let the window
// repaint between text lines so the certificate builds up on screen line by line.
enum class SurfaceOpKind {
    SetFont,      // family: a font name the renderer maps to a system face
    SetSize,      // points
    SetWeight,    // bold or regular
    SetColour,    // text colour
    EmptyLine,    // pen down by the current font's line height, x back to 0
    CentredText,  // pen x = surface width / 2 - text width / 2 (pixels, floating point, the whole
                  // text with its blanks), the text drawn there, then as an empty line; an empty
                  // text still takes one line of the current font
};

struct SurfaceOp {
    SurfaceOpKind kind = SurfaceOpKind::EmptyLine;
    QString text{};  // the family for SetFont, the text for CentredText
    double points = 0.0;
    bool bold = false;
    Rgb colour{};

    static SurfaceOp font(const QString& family) {
        return {.kind = SurfaceOpKind::SetFont, .text = family};
    }
    static SurfaceOp size(double points) {
        return {.kind = SurfaceOpKind::SetSize, .points = points};
    }
    static SurfaceOp weight(bool bold) { return {.kind = SurfaceOpKind::SetWeight, .bold = bold}; }
    static SurfaceOp textColour(Rgb colour) {
        return {.kind = SurfaceOpKind::SetColour, .colour = colour};
    }
    static SurfaceOp emptyLine() { return {.kind = SurfaceOpKind::EmptyLine}; }
    static SurfaceOp centred(const QString& text) {
        return {.kind = SurfaceOpKind::CentredText, .text = text};
    }

    friend bool operator==(const SurfaceOp&, const SurfaceOp&) = default;
};

using SurfaceOps = std::vector<SurfaceOp>;

// The surface's design size, in twips: the least size the certificate prints at, in the proportions
// it always prints in.
inline constexpr int kSurfaceWidthTwips = 5910;
inline constexpr int kSurfaceHeightTwips = 6765;
inline constexpr double kInitialSurfacePoints = 8.25;
inline constexpr int kTopMarginLines = 5;  // empty lines in the initial font above the first row
inline constexpr int kCertificateRows = 11;
inline constexpr Rgb kCertificateRed{255, 0, 0};
inline constexpr Rgb kCertificateBlack{0, 0, 0};
inline const QString& kCertificateFace = kArial;

// The first character in upper case, every other in lower case: "MARIO ROSSI" -> "Mario rossi".
// Characters, not bytes or UTF-16 units, so an accented or astral first letter is raised whole.
QString capitaliseName(const QString& name);

// What opening the certificate window does to the state: the pupil's name is rewritten for good
// and the result graded into the state's grade. Tells whether the certificate may be printed.
bool loadCertificate(DrillState& state);

// "con 9 risposte esatte su 10 richieste".
QString scoreLine(const DrillState& state);
// The locale's short time format, with seconds after the minutes when it has none.
QString timeFormatWithSeconds(const QString& shortFormat);
// "Data  " + the short date + "          Ora: " + the time with seconds, in the formats of the
// locale when its language is Italian, otherwise of Italy's (dd/MM/yy, HH:mm:ss).
QString dateLine(const QDateTime& now, const QLocale& locale);

// The least factor, never below 1, by which `box` grows, keeping its proportions, to hold a
// drawing whose widest row and summed line heights are `needed`: on paper the rows keep their
// point sizes and the box makes room for them.
double enlargementToHold(QSizeF needed, QSizeF box);
// The factor, never above 1, by which such a drawing shrinks, fonts and line heights alike, to
// show whole in `room`: on a short screen the certificate gets smaller, where it fits it stays.
double shrinkToFit(QSizeF needed, QSizeF room);

// The whole drawing, from the state as loadCertificate left it. `now` and `locale` give the date
// line; the window passes the current time and QLocale::system().
SurfaceOps buildCertificate(const DrillState& state, const QDateTime& now, const QLocale& locale);

}  // namespace sd
