// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace sd::test {

// The colour the pupil sees on a button's face: a pixel of the button as it is drawn, just inside
// its edge and clear of the centred caption.
inline QColor faceColour(QWidget& button) {
    const QImage image = button.grab().toImage();
    const QPoint spot = QPoint(3, 3) * image.devicePixelRatio();
    return image.pixelColor(spot);
}

}  // namespace sd::test
