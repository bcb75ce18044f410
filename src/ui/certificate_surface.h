// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "certificate/certificate.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <optional>

namespace sd {

// The certificate's persistent image with its font, colour and pen: carries out the drawing
// operations in an image of a given size and resolution, the same on screen as for the printer.
// Points become pixels at that resolution; rows are centred on the image's width.
class CertificateCanvas {
  public:
    CertificateCanvas(QSize pixels, double dotsPerInch);

    void draw(const SurfaceOp& op);
    const QImage& image() const { return image_; }

  private:
    void moveDownOneLine();

    QImage image_;
    QFont font_;
    QColor colour_{Qt::black};
    double penY_ = 0;
};

// The certificate as it prints: its design size, 5910 x 6765 twips, drawn afresh at
// `dotsPerInch`, whatever the screen and the window it was shown in.
QImage printableCertificate(const SurfaceOps& ops, double dotsPerInch);

// Picture1 of the certificate window: a white surface with a persistent image that the
// certificate's drawing operations write into, line by line, with a pen that moves down by the
// current font's line height. The image keeps its size when the window is resized: it is neither
// redrawn nor re-centred, the surface only shows more or less of it.
class CertificateSurface final : public QWidget {
    Q_OBJECT
  public:
    explicit CertificateSurface(QWidget* parent);

    // Carries out one operation; the first one makes the image, as large as the surface is now.
    void draw(const SurfaceOp& op);
    const QImage& image() const;
    // The texts drawn so far, one a line: what the surface says.
    const QStringList& lines() const { return lines_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<CertificateCanvas> canvas_;
    QStringList lines_;
};

}  // namespace sd
