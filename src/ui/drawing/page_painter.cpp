// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/drawing/page_painter.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "printing/font_names.h"
#include "ui/drawing/certificate_canvas.h"
#include "ui/drawing/colour.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace sd {
namespace {

// A page's texts, each with the font it is drawn in: the font of the operations before it.
struct PlacedText {
    const PageOp* op;
    QFont font;
    int run;  // texts of one run share their font: no font operation stands between them
};

std::vector<PlacedText> placeTexts(const PageOps& ops) {
    const QStringList families = systemFontFamilies();
    std::vector<PlacedText> texts;
    QFont font;
    font.setBold(false);
    int run = 0;
    for (const PageOp& op : ops) {
        switch (op.kind) {
            case PageOpKind::SetFont:
                font.setFamily(drawingFamily(op.text, families).value_or(op.text));
                ++run;
                break;
            case PageOpKind::SetSize:
                font.setPointSizeF(op.points);
                ++run;
                break;
            case PageOpKind::SetWeight:
                font.setBold(op.bold);
                ++run;
                break;
            case PageOpKind::Text:
                texts.push_back({&op, font, run});
                break;
            case PageOpKind::EndLine:  // every text brings its own position
            case PageOpKind::EndDocument:
                break;
        }
    }
    return texts;
}

int toPixelsX(const QPaintDevice& device, int twips) {
    return twipsToPixels(twips, device.logicalDpiX());
}

// The fitted texts of a run shrink by one factor, just enough for the longest to keep as much
// room on its right as it has on its left: on a page without margins (a PDF printer's) the text
// would otherwise touch the paper's edge.
void fitRunsToPage(std::vector<PlacedText>& texts, const QPaintDevice& device) {
    std::map<int, double> scale;  // run -> factor
    for (const PlacedText& text : texts) {
        if (!text.op->fitted) continue;
        const int room = device.width() - 2 * toPixelsX(device, text.op->x);
        const int width = QFontMetrics(text.font, &device).horizontalAdvance(text.op->text);
        if (width > room && room > 0) {
            const double needed = static_cast<double>(room) / width;
            auto [it, added] = scale.emplace(text.run, needed);
            if (!added) it->second = std::min(it->second, needed);
        }
    }
    for (PlacedText& text : texts) {
        const auto it = scale.find(text.run);
        if (!text.op->fitted || it == scale.end()) continue;
        // Down to a tenth of a point, so that rounding never takes it past the edge.
        text.font.setPointSizeF(std::floor(text.font.pointSizeF() * it->second * 10) / 10);
    }
}

// Dots per inch of the PDF handed to the print service, as a printer's.
constexpr int kResolution = 1200;
// The frame's lines: a point wide, a fine line on paper.
constexpr int kFramePenTwips = 20;

// Twips in the device's pixels, unrounded, for the lines and boxes the page places in twips.
double dots(const QPaintDevice& device, int twips) {
    return twips * device.logicalDpiX() / kTwipsPerInch;
}

QPointF dotsAt(const QPaintDevice& device, int x, int y) {
    return {dots(device, x), dots(device, y)};
}

void drawFrameLine(const CertificatePageOp& line, QPainter& painter) {
    const QPaintDevice& device = *painter.device();
    painter.setPen(QPen(toQColor(line.colour), dots(device, kFramePenTwips)));
    painter.drawLine(dotsAt(device, line.x, line.y), dotsAt(device, line.toX, line.toY));
}

// The design's proportions, grown only as far as the rows need at their point sizes with the
// printer's metrics, so that none of them falls off the bottom.
QRectF certificateBox(const SurfaceOps& drawing, const QPaintDevice& device, QPointF corner) {
    const QSizeF design(dots(device, kSurfaceWidthTwips), dots(device, kSurfaceHeightTwips));
    return {corner, design * enlargementToHold(certificateExtent(drawing, device), design)};
}

void paintCertificateBox(const SurfaceOps& drawing, QPointF corner, QPainter& painter) {
    const QRectF box = certificateBox(drawing, *painter.device(), corner);
    // Opaque, as the surface on screen: the frame does not show through.
    painter.fillRect(box, Qt::white);
    paintCertificate(drawing, painter, box);
}

}  // namespace

void paintPage(const PageOps& ops, QPainter& painter) {
    const QPaintDevice& device = *painter.device();
    std::vector<PlacedText> texts = placeTexts(ops);
    fitRunsToPage(texts, device);
    for (const PlacedText& text : texts) {
        painter.setFont(text.font);
        // The toolkit draws at the baseline; the page puts the text's top at the position.
        const int top = twipsToPixels(text.op->y, device.logicalDpiY());
        const int baseline = top + QFontMetrics(text.font, &device).ascent();
        painter.drawText(toPixelsX(device, text.op->x), baseline, text.op->text);
    }
}

void paintCertificatePage(const CertificatePage& page, const SurfaceOps& drawing,
                          QPainter& painter) {
    auto& device = dynamic_cast<QPagedPaintDevice&>(*painter.device());
    // The certificate counts from the page's corner, not from the printable area's.
    painter.translate(-device.pageLayout().paintRectPixels(device.logicalDpiX()).topLeft());
    for (const CertificatePageOp& op : page) {
        switch (op.kind) {
            case CertificatePageOpKind::Line:
                drawFrameLine(op, painter);
                break;
            case CertificatePageOpKind::Certificate:
                paintCertificateBox(drawing, dotsAt(device, op.x, op.y), painter);
                break;
            case CertificatePageOpKind::EmptyLine:  // the certificate brings its own position
            case CertificatePageOpKind::EndDocument:
                break;
        }
    }
}

bool writePdf(const QString& path, const QString& title, const std::optional<QPageLayout>& layout,
              const PageDrawing& draw) {
    // The page as the queue lays it out, written as a PDF that the service then prints: so the
    // outcome of every job is known, which the toolkit's own printing does not tell.
    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setTitle(title);
    // A queue that does not say prints on A4, the sheet of Italian schools.
    writer.setPageLayout(
        layout.value_or(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    draw(painter);
    return painter.end();
}

}  // namespace sd
