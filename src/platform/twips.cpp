// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/twips.h"

#include <QWidget>

#include <cmath>

namespace sd {

int twipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double pixelsToTwips(int pixels, double dpi) {
    return dpi > 0.0 ? pixels * kTwipsPerInch / dpi : 0.0;
}

int twipsToPixelsX(const QWidget& widget, double twips) {
    return twipsToPixels(twips, widget.logicalDpiX());
}

int twipsToPixelsY(const QWidget& widget, double twips) {
    return twipsToPixels(twips, widget.logicalDpiY());
}

double pixelsToTwipsX(const QWidget& widget, int pixels) {
    return pixelsToTwips(pixels, widget.logicalDpiX());
}

double pixelsToTwipsY(const QWidget& widget, int pixels) {
    return pixelsToTwips(pixels, widget.logicalDpiY());
}

QRect twipsRect(const QWidget& widget, double left, double top, double width, double height) {
    return {twipsToPixelsX(widget, left), twipsToPixelsY(widget, top),
            twipsToPixelsX(widget, width), twipsToPixelsY(widget, height)};
}

QSize designPixels(const QWidget& widget, DesignSize size) {
    return {twipsToPixelsX(widget, size.width), twipsToPixelsY(widget, size.height)};
}

void placeTwips(QWidget& control, double left, double top, double width, double height) {
    control.setGeometry(twipsRect(control, left, top, width, height));
}

}  // namespace sd
