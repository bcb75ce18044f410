// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/certificate_surface.h"

#include "platform/accessibility.h"
#include "ui/widgets/look.h"

#include <QPainter>

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

CertificateSurface::CertificateSurface(QWidget* parent) : QWidget(parent) {
    setGround(*this, Qt::white);
    pictureForScreenReaders(*this, QStringLiteral("Attestato"));
}

void CertificateSurface::start(const SurfaceOps& drawing) {
    // Points become pixels at the screen's resolution, as on the surface itself; the lettering is
    // drawn at the screen's device pixels, not enlarged from the surface's own.
    const qreal pixelRatio = devicePixelRatioF();
    image_ = whiteImage((QSizeF(size()) * pixelRatio).toSize(), logicalDpiX());
    image_.setDevicePixelRatio(pixelRatio);
    const QRectF box(QPointF(), image_.deviceIndependentSize());
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
