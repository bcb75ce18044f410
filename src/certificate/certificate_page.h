// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/colours.h"

#include <vector>

namespace sd {

// One step of the certificate's printed page, for the ui layer to replay as one whole document
// on the current printer. Positions are twips from the page's top-left corner.
enum class CertificatePageOpKind {
    Line,         // from (x, y) to (toX, toY) in a colour
    EmptyLine,    // one empty printed line
    Certificate,  // the certificate on its white ground, top-left at (x, y), in the design box
                  // enlarged as little as its rows need at their point sizes
    EndDocument,  // sends the page to the printer
};

struct CertificatePageOp {
    CertificatePageOpKind kind = CertificatePageOpKind::EndDocument;
    int x = 0;
    int y = 0;
    int toX = 0;
    int toY = 0;
    Rgb colour{};

    static CertificatePageOp line(int x, int y, int toX, int toY, Rgb colour) {
        return {.kind = CertificatePageOpKind::Line,
                .x = x,
                .y = y,
                .toX = toX,
                .toY = toY,
                .colour = colour};
    }
    static CertificatePageOp emptyLine() { return {.kind = CertificatePageOpKind::EmptyLine}; }
    static CertificatePageOp certificate(int x, int y) {
        return {.kind = CertificatePageOpKind::Certificate, .x = x, .y = y};
    }
    static CertificatePageOp endDocument() { return {.kind = CertificatePageOpKind::EndDocument}; }

    friend bool operator==(const CertificatePageOp&, const CertificatePageOp&) = default;
};

using CertificatePage = std::vector<CertificatePageOp>;

// What "STAMPA L'ATTESTATO" prints: the frame, an empty line, the certificate, the end of the
// document. Every print is a whole page of its own.
CertificatePage certificatePrintPage();

}  // namespace sd
