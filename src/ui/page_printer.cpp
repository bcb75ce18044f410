#include "ui/page_printer.h"

#include "printing/font_names.h"
#include "ui/twips.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
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

}  // namespace

std::vector<InstalledPrinter> installedPrinters() {
    std::vector<InstalledPrinter> printers;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        printers.push_back({info.printerName(), info.isDefault()});
    return printers;
}

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
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setDocName(title);
        if (const QPrinterInfo info = QPrinterInfo::printerInfo(queue); !info.isNull())
            printer.setPageLayout(QPrinter(info, QPrinter::HighResolution).pageLayout());
        QPainter painter;
        if (!painter.begin(&printer))
            return {PrintOutcome::Refused, QStringLiteral("the page could not be drawn")};
        paintPage(ops, painter);
        painter.end();
    }
    return submitPdf(queue, pdf, title);
}

}  // namespace sd
