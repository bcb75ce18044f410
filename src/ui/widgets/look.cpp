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
    const QTransform toDevice = painter.deviceTransform();
    const QRectF exact = toDevice.mapRect(QRectF(area));
    const int left = static_cast<int>(std::ceil(exact.left() - kRoundingSlack));
    const int top = static_cast<int>(std::ceil(exact.top() - kRoundingSlack));
    const int right = static_cast<int>(std::floor(exact.right() + kRoundingSlack)) - 1;
    const int bottom = static_cast<int>(std::floor(exact.bottom() + kRoundingSlack)) - 1;
    if (right < left || bottom < top) return;
    painter.save();
    // Drawn in the device's own pixels.
    painter.setWorldTransform(toDevice.inverted(), true);
    painter.fillRect(left, top, right - left + 1, 1, colour);
    painter.fillRect(left, bottom, right - left + 1, 1, colour);
    painter.fillRect(left, top, 1, bottom - top + 1, colour);
    painter.fillRect(right, top, 1, bottom - top + 1, colour);
    painter.restore();
}

QLabel* plainLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

}  // namespace sd
