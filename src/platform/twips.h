// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace sd {

// Design positions and sizes are twips of a window's client area: 1440 to the inch, turned into
// pixels with the screen's logical DPI (15 twips to the pixel at 96 DPI).
inline constexpr double kTwipsPerInch = 1440.0;

int twipsToPixels(double twips, double dpi);
double pixelsToTwips(int pixels, double dpi);

// The same conversions with the logical DPI of the screen the widget is on.
int twipsToPixelsX(const QWidget& widget, double twips);
int twipsToPixelsY(const QWidget& widget, double twips);
double pixelsToTwipsX(const QWidget& widget, int pixels);
double pixelsToTwipsY(const QWidget& widget, int pixels);

// A design rectangle (left, top, width, height in twips) in the widget's pixels.
QRect twipsRect(const QWidget& widget, double left, double top, double width, double height);

// Places `control` at its design rectangle in its parent.
void placeTwips(QWidget& control, double left, double top, double width, double height);

// A control's design rectangle, in twips.
struct TwipsBox {
    double left = 0, top = 0, width = 0, height = 0;
};
inline void placeTwips(QWidget& control, const TwipsBox& box) {
    placeTwips(control, box.left, box.top, box.width, box.height);
}

// A window's client area at design size, in twips.
struct DesignSize {
    int width = 0, height = 0;
};
// The design size in the pixels of the screen the widget is on.
QSize designPixels(const QWidget& widget, DesignSize size);

}  // namespace sd
