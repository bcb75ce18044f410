// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/certificate_surface.h"

#include "ui/platform.h"
#include "ui/twips.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace sd {
namespace {

constexpr double kMetresPerInch = 0.0254;

int dots(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

}  // namespace

CertificateCanvas::CertificateCanvas(QSize pixels, double dotsPerInch)
    : image_(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32) {
    image_.fill(Qt::white);
    image_.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerInch / kMetresPerInch)));
    image_.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerInch / kMetresPerInch)));
    // The platform's sans-serif face, regular, for the empty lines at the top.
    font_ = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font_.setPointSizeF(kInitialSurfacePoints);
    font_.setBold(false);
}

void CertificateCanvas::moveDownOneLine() {
    penY_ += QFontMetricsF(font_, &image_).lineSpacing();
}

void CertificateCanvas::draw(const SurfaceOp& op) {
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
        case SurfaceOpKind::CentredText: {
            const QFontMetricsF metrics(font_, &image_);
            // The whole text counts, its blanks included.
            const double x = image_.width() / 2.0 - metrics.horizontalAdvance(op.text) / 2.0;
            QPainter painter(&image_);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setFont(font_);
            painter.setPen(colour_);
            painter.drawText(QPointF(x, penY_ + metrics.ascent()), op.text);
            moveDownOneLine();
            break;
        }
    }
}

QImage printableCertificate(const SurfaceOps& ops, double dotsPerInch) {
    CertificateCanvas canvas(
        QSize(dots(kSurfaceWidthTwips, dotsPerInch), dots(kSurfaceHeightTwips, dotsPerInch)),
        dotsPerInch);
    for (const SurfaceOp& op : ops) canvas.draw(op);
    return canvas.image();
}

CertificateSurface::CertificateSurface(QWidget* parent) : QWidget(parent) {
    setGround(*this, Qt::white);
    pictureForScreenReaders(*this, QStringLiteral("Attestato"));
}

const QImage& CertificateSurface::image() const {
    static const QImage kNone;
    return canvas_ ? canvas_->image() : kNone;
}

void CertificateSurface::draw(const SurfaceOp& op) {
    // Points become pixels at the screen's resolution, as on the surface itself.
    if (!canvas_) canvas_.emplace(size(), logicalDpiX());
    canvas_->draw(op);
    if (op.kind != SurfaceOpKind::CentredText) return;
    lines_.append(op.text);
    // A screen reader reads the certificate as far as it is drawn.
    setAccessibleDescription(lines_.join(QLatin1Char('\n')));
    update();
}

void CertificateSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (canvas_) painter.drawImage(0, 0, canvas_->image());
}

}  // namespace sd
