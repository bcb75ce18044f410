// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/drawing/certificate_canvas.h"

#include "ui/drawing/colour.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace sd {

CertificateCanvas::CertificateCanvas(const QPaintDevice& device, const QRectF& box, double scale)
    : device_(device), box_(box), scale_(scale) {
    // The platform's sans-serif face, regular, for the empty lines at the top.
    font_ = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font_.setPointSizeF(kInitialSurfacePoints);
    font_.setBold(false);
}

void CertificateCanvas::moveDownOneLine() {
    penY_ += QFontMetricsF(font_, &device_).lineSpacing();
}

void CertificateCanvas::drawCentred(const QString& text, QPainter* painter) {
    const QFontMetricsF metrics(font_, &device_);
    // The whole text counts, its blanks included.
    const double width = metrics.horizontalAdvance(text);
    widest_ = std::max(widest_, width);
    if (painter != nullptr) {
        painter->save();
        painter->translate(box_.topLeft());
        painter->scale(scale_, scale_);
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->setFont(font_);
        painter->setPen(colour_);
        const double x = box_.width() / scale_ / 2.0 - width / 2.0;
        painter->drawText(QPointF(x, penY_ + metrics.ascent()), text);
        painter->restore();
    }
    moveDownOneLine();
}

void CertificateCanvas::draw(const SurfaceOp& op, QPainter* painter) {
    switch (op.kind) {
        case SurfaceOpKind::SetFont:
            font_.setFamily(op.text);
            break;
        case SurfaceOpKind::SetSize:
            font_.setPointSizeF(op.points);
            break;
        case SurfaceOpKind::SetWeight:
            font_.setBold(op.bold);
            break;
        case SurfaceOpKind::SetColour:
            colour_ = toQColor(op.colour);
            break;
        case SurfaceOpKind::EmptyLine:
            moveDownOneLine();
            break;
        case SurfaceOpKind::CentredText:
            drawCentred(op.text, painter);
            break;
    }
}

QSizeF certificateExtent(const SurfaceOps& ops, const QPaintDevice& device) {
    CertificateCanvas measure(device, QRectF());
    for (const SurfaceOp& op : ops) measure.draw(op, nullptr);
    return measure.extent();
}

void paintCertificate(const SurfaceOps& ops, QPainter& painter, const QRectF& box) {
    CertificateCanvas canvas(*painter.device(), box);
    for (const SurfaceOp& op : ops) canvas.draw(op, &painter);
}

}  // namespace sd
