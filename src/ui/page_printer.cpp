#include "ui/page_printer.h"

#include "printing/font_names.h"
#include "ui/twips.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cmath>

namespace sd {
namespace {

// A record line in 12-point Courier is nearly nine inches long, wider than any sheet: the font
// shrinks just enough for the whole line, answers and times included, to stay on the page.
QFont fittedFont(const QFont& font, const QString& text, int room, const QPaintDevice& device) {
    const int width = QFontMetrics(font, &device).horizontalAdvance(text);
    if (width <= room || room <= 0) return font;
    QFont fitted = font;
    // Down to a tenth of a point, so that rounding never takes it past the edge.
    fitted.setPointSizeF(std::floor(font.pointSizeF() * room / width * 10) / 10);
    return fitted;
}

// Dots per inch of the PDF handed to the print service, as a printer's.
constexpr int kResolution = 1200;

}  // namespace

QStringList systemFontFamilies() {
    return QFontDatabase::families();
}

void paintPage(const PageOps& ops, QPainter& painter) {
    const QStringList families = systemFontFamilies();
    const QPaintDevice& device = *painter.device();
    QFont font;
    font.setBold(false);
    for (const PageOp& op : ops) {
        switch (op.kind) {
            case PageOpKind::SetFont:
                font.setFamily(drawingFamily(op.text, families).value_or(op.text));
                break;
            case PageOpKind::SetSize:
                font.setPointSizeF(op.points);
                break;
            case PageOpKind::SetWeight:
                font.setBold(op.bold);
                break;
            case PageOpKind::Text: {
                const int x = twipsToPixels(op.x, device.logicalDpiX());
                const int top = twipsToPixels(op.y, device.logicalDpiY());
                const QFont fitted = fittedFont(font, op.text, device.width() - x, device);
                painter.setFont(fitted);
                // The toolkit draws at the baseline; the page puts the text's top at the position.
                const int baseline = top + QFontMetrics(fitted, &device).ascent();
                painter.drawText(x, baseline, op.text);
                break;
            }
            case PageOpKind::EndLine:  // every text brings its own position
            case PageOpKind::EndDocument:
                break;
        }
    }
}

PrintResult printDocument(const PageOps& ops, const QString& queue, const QString& title) {
    if (queue.isEmpty()) return {PrintOutcome::NoPrinter, QStringLiteral("no printer")};
    QTemporaryDir folder;
    if (!folder.isValid()) return {PrintOutcome::Refused, folder.errorString()};
    const QString pdf = folder.filePath(QStringLiteral("pagina.pdf"));
    {
        // The page as the queue lays it out, written as a PDF that the service then prints: so
        // the outcome of every job is known, which the toolkit's own printing does not tell.
        QPdfWriter writer(pdf);
        writer.setResolution(kResolution);
        writer.setTitle(title);
        // A queue that does not say prints on A4, the sheet of Italian schools.
        writer.setPageLayout(queuePageLayout(queue).value_or(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())));
        QPainter painter;
        if (!painter.begin(&writer))
            return {PrintOutcome::Refused, QStringLiteral("the page could not be drawn")};
        paintPage(ops, painter);
        painter.end();
    }
    return submitPdf(queue, pdf, title);
}

}  // namespace sd
