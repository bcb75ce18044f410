// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "certificate/certificate_page.h"

namespace sd {
namespace {

constexpr Rgb kFrameColour{0, 0, 0};
constexpr int kFrameLeft = 1500;
constexpr int kFrameRight = 5500;
constexpr int kFrameTop = 500;
constexpr int kFrameBottom = 6000;
constexpr int kCertificateLeft = 1000;
constexpr int kCertificateTop = 100;

}  // namespace

// The frame belongs to the print action, not to opening the window: opening never touches the
// printer, so a pupil who leaves without printing leaves no stray lines on the next document,
// and every printed certificate has its frame. It goes down first, so the certificate's white
// ground covers it wherever the two overlap.
CertificatePage certificatePrintPage() {
    return {
        CertificatePageOp::line(kFrameLeft, kFrameTop, kFrameRight, kFrameTop, kFrameColour),
        CertificatePageOp::line(kFrameLeft, kFrameTop, kFrameLeft, kFrameBottom, kFrameColour),
        CertificatePageOp::line(kFrameRight, kFrameTop, kFrameRight, kFrameBottom, kFrameColour),
        CertificatePageOp::line(kFrameLeft, kFrameBottom, kFrameRight, kFrameBottom, kFrameColour),
        CertificatePageOp::emptyLine(),
        CertificatePageOp::certificate(kCertificateLeft, kCertificateTop),
        CertificatePageOp::endDocument(),
    };
}

}  // namespace sd
