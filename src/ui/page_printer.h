#pragma once

#include "certificate/certificate_page.h"
#include "printing/exercise_sheet.h"
#include "printing/printer_model.h"
#include "ui/print_service.h"

#include <QStringList>

#include <functional>

#include <vector>

class QImage;
class QPainter;
class QWidget;

namespace sd {

// The font families of the system (fontconfig), which stand for the printer's fonts.
QStringList systemFontFamilies();

// Replays page operations on a painter whose origin is the top-left corner of the printable
// area: positions in twips, turned into the device's pixels; a text's top-left corner at its
// position. Printer font names are drawn with the system family that stands for them. The
// document starts in regular weight. A text too long for the printable area's width is never
// cut at the edge: it and the texts that share its font are drawn just small enough to fit.
void paintPage(const PageOps& ops, QPainter& painter);

// Prints the operations as one whole document on the queue: one page, started and ended here,
// laid out as the queue's own page and handed to the print service. An empty queue is no
// printer at all.
PrintResult printDocument(const PageOps& ops, const QString& queue, const QString& title);

// The same for any drawing: `draw` paints the one page, its painter's origin at the top-left
// corner of the printable area.
using PageDrawing = std::function<void(QPainter& painter)>;
PrintResult printDocument(const QString& queue, const QString& title, const PageDrawing& draw);

// Prints the certificate page as one whole document: positions in twips from the page's corner,
// the image at its own physical size (its pixels at the resolution it was drawn at).
PrintResult printCertificate(const CertificatePage& page, const QImage& image,
                             const QString& queue);

// Runs a print action with the wait cursor up; when the page did not come out, a message box on
// `window` tells the pupil what happened and what to do.
void printTellingFailures(QWidget* window, const std::function<PrintResult()>& print);

}  // namespace sd
