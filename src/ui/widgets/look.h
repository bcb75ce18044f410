// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/drawing/colour.h"

#include <QColor>
#include <QString>

class QLabel;
class QPainter;
class QPalette;
class QRect;
class QWidget;

namespace sd {

// The design's colours, one name for each value.
inline constexpr QColor kBlue{0, 0, 255};
inline constexpr QColor kDeepBlue{0, 0, 192};
inline constexpr QColor kNavy{0, 0, 128};
inline constexpr QColor kRed{255, 0, 0};
inline constexpr QColor kDarkRed{192, 0, 0};
inline constexpr QColor kMaroon{128, 0, 0};
inline constexpr QColor kCyan{128, 255, 255};
inline constexpr QColor kPaleCyan{192, 255, 255};
inline constexpr QColor kPink{255, 192, 255};
inline constexpr QColor kLavender{192, 192, 255};
inline constexpr QColor kPeach{255, 224, 192};
inline constexpr QColor kYellow{255, 255, 128};
inline constexpr QColor kPaleYellow{255, 255, 192};

// A colour the Drill state keeps as decimal text.
QColor colourOfText(const QString& text);

// Sets the colour a widget fills its ground with, and makes it fill it.
void setGround(QWidget& widget, const QColor& colour);
void setTextColour(QWidget& widget, const QColor& colour);

// A one-pixel edge on the outermost whole device pixels of the area `painter` paints, at any
// scale: at 125 % a widget's sides fall between device pixels, where a line drawn in the widget's
// own coordinates may be rounded off its area and vanish.
void drawPixelEdge(QPainter& painter, const QRect& area, const QColor& colour);
// A rounded rectangle's outline one device pixel wide through the outermost whole device pixels
// of `area`, smoothed; `radius` is in the area's own units.
void drawRoundedPixelEdge(QPainter& painter, const QRect& area, double radius,
                          const QColor& colour);
// A sunken box edge as the style etches it at 100 %, in the palette's dark and light, each line
// one device pixel wide on the whole device pixels of `area`.
void drawSunkenPixelEdge(QPainter& painter, const QRect& area, const QPalette& palette);

// A label that shows its text as plain text, never as rich text.
QLabel* plainLabel(QWidget* parent, const QString& text = {});

}  // namespace sd
