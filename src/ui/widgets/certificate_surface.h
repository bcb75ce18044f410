// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "certificate/certificate.h"
#include "ui/drawing/certificate_canvas.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace sd {

// Picture1 of the certificate window: a white surface with a persistent image that the
// certificate's drawing operations write into, line by line, with a pen that moves down by the
// current font's line height. The image keeps its size when the window is resized: it is neither
// redrawn nor re-centred, the surface only shows more or less of it.
class CertificateSurface final : public QWidget {
    Q_OBJECT
  public:
    explicit CertificateSurface(QWidget* parent);

    // Makes the image for `drawing`, as large as the surface is now in the screen's device
    // pixels: the drawing at its point sizes where its rows fit, shrunk just enough for every row
    // to show where they do not.
    void start(const SurfaceOps& drawing);
    // Carries out one operation of that drawing; before start, none.
    void draw(const SurfaceOp& op);
    const QImage& image() const { return image_; }
    // The texts drawn so far, one a line: what the surface says.
    const QStringList& lines() const { return lines_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
    std::optional<CertificateCanvas> canvas_;
    QStringList lines_;
};

}  // namespace sd
