// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "certificate/certificate.h"
#include "certificate/certificate_page.h"
#include "printing/exercise_sheet.h"

#include <QPageLayout>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;

namespace sd {

// Replays page operations on a painter whose origin is the top-left corner of the printable
// area: positions in twips, turned into the device's pixels; a text's top-left corner at its
// position. Printer font names are drawn with the system family that stands for them. The
// document starts in regular weight. Fitted texts shrink as PageOpKind says; the others keep
// the size they were given.
void paintPage(const PageOps& ops, QPainter& painter);

// Any drawing of one page: its painter's origin at the top-left corner of the printable area.
using PageDrawing = std::function<void(QPainter& painter)>;

// Paints the certificate page on a painter whose origin is the top-left corner of the printable
// area, as writePdf gives it: positions in twips from the page's corner. The frame first,
// then the certificate's white box over it, the design box grown as little as `drawing` needs to
// hold every row at its point size, then the rows as text.
void paintCertificatePage(const CertificatePage& page, const SurfaceOps& drawing,
                          QPainter& painter);

// Writes the page as a PDF at `path`, laid out as `layout` (a queue that does not say prints on
// A4); false when it could not be written.
bool writePdf(const QString& path, const QString& title, const std::optional<QPageLayout>& layout,
              const PageDrawing& draw);

}  // namespace sd
