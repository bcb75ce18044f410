// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "certificate/certificate.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>

class QPaintDevice;
class QPainter;

namespace sd {

// The certificate's font, colour and pen, for drawing its operations with a painter on any paint
// device, the screen's image as the printer's page: into a box, at one scale for fonts and line
// heights alike. Points become the device's pixels, the pen moves down by the device's line height
// of the current font, and every row is centred on the box's width.
class CertificateCanvas {
  public:
    CertificateCanvas(const QPaintDevice& device, const QRectF& box, double scale = 1.0);

    // Carries out one operation with `painter`; without one, only follows the pen, to measure.
    void draw(const SurfaceOp& op, QPainter* painter);
    // What the operations so far take at scale 1: the widest text, and how far the pen went down.
    QSizeF extent() const { return {widest_, penY_}; }

  private:
    void moveDownOneLine();
    void drawCentred(const QString& text, QPainter* painter);

    const QPaintDevice& device_;
    QRectF box_;
    double scale_;
    QFont font_;
    QColor colour_{Qt::black};
    double penY_ = 0;
    double widest_ = 0;
};

// The room the whole drawing takes on `device` at its point sizes, in the device's pixels.
QSizeF certificateExtent(const SurfaceOps& ops, const QPaintDevice& device);
// Paints the whole drawing with `painter` into `box`, at its point sizes.
void paintCertificate(const SurfaceOps& ops, QPainter& painter, const QRectF& box);

}  // namespace sd
