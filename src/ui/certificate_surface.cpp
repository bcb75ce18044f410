#include "ui/certificate_surface.h"

#include "ui/platform.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

namespace sd {
namespace {

constexpr double kMetresPerInch = 0.0254;

}  // namespace

CertificateSurface::CertificateSurface(QWidget* parent) : QWidget(parent) {
    setGround(*this, Qt::white);
    pictureForScreenReaders(*this, QStringLiteral("Attestato"));
    // The platform's sans-serif face, regular, for the empty lines at the top.
    font_ = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font_.setPointSizeF(kInitialSurfacePoints);
    font_.setBold(false);
}

void CertificateSurface::makeImage() {
    image_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.fill(Qt::white);
    // Points become pixels at the screen's resolution, as on the surface itself.
    image_.setDotsPerMeterX(qRound(logicalDpiX() / kMetresPerInch));
    image_.setDotsPerMeterY(qRound(logicalDpiY() / kMetresPerInch));
}

void CertificateSurface::moveDownOneLine() {
    penY_ += QFontMetricsF(font_, &image_).lineSpacing();
}

void CertificateSurface::draw(const SurfaceOp& op) {
    if (image_.isNull()) makeImage();
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
            lines_.append(op.text);
            // A screen reader reads the certificate as far as it is drawn.
            setAccessibleDescription(lines_.join(QLatin1Char('\n')));
            moveDownOneLine();
            update();
            break;
        }
    }
}

void CertificateSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!image_.isNull()) painter.drawImage(0, 0, image_);
}

}  // namespace sd
