// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "certificate/certificate.h"
#include "certificate/certificate_page.h"
#include "printing/exercise_sheet.h"
#include "printing/printer_model.h"
#include "ui/print_service.h"

#include <QStringList>

#include <functional>

#include <vector>

class QPainter;

namespace sd {

class App;

// The font families of the system (fontconfig), which stand for the printer's fonts.
QStringList systemFontFamilies();

// Replays page operations on a painter whose origin is the top-left corner of the printable
// area: positions in twips, turned into the device's pixels; a text's top-left corner at its
// position. Printer font names are drawn with the system family that stands for them. The
// document starts in regular weight. Fitted texts shrink as PageOpKind says; the others keep
// the size they were given.
void paintPage(const PageOps& ops, QPainter& painter);

// Prints the operations as one whole document on the queue: one page, started and ended here,
// laid out as the queue's own page and handed to the print service. An empty queue is no
// printer at all.
Submission printDocument(const PageOps& ops, const QString& queue, const QString& title);

// The same for any drawing: `draw` paints the one page, its painter's origin at the top-left
// corner of the printable area.
using PageDrawing = std::function<void(QPainter& painter)>;
Submission printDocument(const QString& queue, const QString& title, const PageDrawing& draw);

// Paints the certificate page on a painter whose origin is the top-left corner of the printable
// area, as printDocument gives it: positions in twips from the page's corner. The frame first,
// then the certificate's white box over it, the design box grown as little as `drawing` needs to
// hold every row at its point size, then the rows as text.
void paintCertificatePage(const CertificatePage& page, const SurfaceOps& drawing,
                          QPainter& painter);

// Prints the certificate page as one whole document.
Submission printCertificate(const CertificatePage& page, const SurfaceOps& drawing,
                            const QString& queue);

// Runs a print action with the wait cursor up while it draws the page and hands it over, then
// returns: the job is followed from then on (PrintJobs). When the page is not taken, or later
// does not come out, a message box over the window in front tells the pupil what happened and
// what to do.
void printTellingFailures(App& app, const std::function<Submission()>& print);

}  // namespace sd
