// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/look.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace sd {
namespace {

// Sides within this much of a device pixel's edge lie on it: floating-point noise, not a half
// pixel.
constexpr double kRoundingSlack = 1e-6;

// The whole device pixels that `area` covers on the painter's device, the last ones included;
// empty when it covers none.
QRect wholeDevicePixels(const QPainter& painter, const QRect& area) {
    const QRectF exact = painter.deviceTransform().mapRect(QRectF(area));
    const int left = static_cast<int>(std::ceil(exact.left() - kRoundingSlack));
    const int top = static_cast<int>(std::ceil(exact.top() - kRoundingSlack));
    const int right = static_cast<int>(std::floor(exact.right() + kRoundingSlack)) - 1;
    const int bottom = static_cast<int>(std::floor(exact.bottom() + kRoundingSlack)) - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Runs `draw` with `painter` in the device's own pixels.
template <typename Draw>
void inDevicePixels(QPainter& painter, Draw draw) {
    painter.save();
    painter.setWorldTransform(painter.deviceTransform().inverted(), true);
    draw();
    painter.restore();
}

void fillEdge(QPainter& painter, const QRect& box, const QColor& colour) {
    painter.fillRect(box.left(), box.top(), box.width(), 1, colour);
    painter.fillRect(box.left(), box.bottom(), box.width(), 1, colour);
    painter.fillRect(box.left(), box.top(), 1, box.height(), colour);
    painter.fillRect(box.right(), box.top(), 1, box.height(), colour);
}

}  // namespace

QColor colourOfText(const QString& text) {
    return toQColor(colourFromText(text));
}

void setGround(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

void drawPixelEdge(QPainter& painter, const QRect& area, const QColor& colour) {
    const QRect box = wholeDevicePixels(painter, area);
    if (box.isEmpty()) return;
    inDevicePixels(painter, [&] { fillEdge(painter, box, colour); });
}

void drawRoundedPixelEdge(QPainter& painter, const QRect& area, double radius,
                          const QColor& colour) {
    const QRect box = wholeDevicePixels(painter, area);
    if (box.isEmpty()) return;
    const double toDevice = painter.deviceTransform().m11();
    inDevicePixels(painter, [&] {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        // Through the middle of the pixels, so that the straight sides cover them exactly.
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), radius * toDevice,
                                radius * toDevice);
    });
}

void drawSunkenPixelEdge(QPainter& painter, const QRect& area, const QPalette& palette) {
    const QRect box = wholeDevicePixels(painter, area);
    if (box.isEmpty()) return;
    inDevicePixels(painter, [&] {
        // A dark edge one pixel in from the right and bottom, a light one along them and inside
        // the dark one's top and left.
        fillEdge(painter, box.adjusted(0, 0, -1, -1), palette.color(QPalette::Dark));
        const QColor light = palette.color(QPalette::Light);
        painter.fillRect(box.left() + 1, box.top() + 1, box.width() - 3, 1, light);
        painter.fillRect(box.left() + 1, box.top() + 2, 1, box.height() - 4, light);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, light);
        painter.fillRect(box.right(), box.top(), 1, box.height() - 1, light);
    });
}

QLabel* plainLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

}  // namespace sd
