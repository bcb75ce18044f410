// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/certificate_surface.h"

#include "ui/platform.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace sd {
namespace {

constexpr double kMetresPerInch = 0.0254;

// A white image whose points become pixels at `dotsPerInch`.
QImage whiteImage(QSize pixels, double dotsPerInch) {
    QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

}  // namespace

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

CertificateSurface::CertificateSurface(QWidget* parent) : QWidget(parent) {
    setGround(*this, Qt::white);
    pictureForScreenReaders(*this, QStringLiteral("Attestato"));
}

void CertificateSurface::start(const SurfaceOps& drawing) {
    // Points become pixels at the screen's resolution, as on the surface itself.
    image_ = whiteImage(size(), logicalDpiX());
    const QRectF box(image_.rect());
    canvas_.emplace(image_, box, shrinkToFit(certificateExtent(drawing, image_), box.size()));
}

void CertificateSurface::draw(const SurfaceOp& op) {
    if (!canvas_) return;
    QPainter painter(&image_);
    canvas_->draw(op, &painter);
    if (op.kind != SurfaceOpKind::CentredText) return;
    lines_.append(op.text);
    // A screen reader reads the certificate as far as it is drawn.
    setAccessibleDescription(lines_.join(QLatin1Char('\n')));
    update();
}

void CertificateSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, image_);
}

}  // namespace sd
