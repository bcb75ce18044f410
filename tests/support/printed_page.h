#pragma once

#include "support/spooler.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <string>
#include <vector>

namespace sd::test {

// A line of text as it came out on a printed page: its top-left corner in points and its text,
// rebuilt from the positions of its words with the pitch of its fixed-width font, so runs of
// blanks count as they were printed.
struct PrintedLine {
    double x = 0;
    double y = 0;
    double pitch = 0;  // points per character
    QString text;
};

// Every line of every page of a PDF, top to bottom, read back with pdftotext.
inline std::vector<PrintedLine> printedLines(const std::string& pdf) {
    const QString boxes =
        QString::fromStdString(run("pdftotext -bbox '" + pdf + "' - 2>/dev/null"));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)"[^>]*>([^<]*)<)re"));
    std::vector<PrintedLine> lines;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString text = m.captured(4);
        text.replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        const double x = m.captured(1).toDouble();
        const double y = m.captured(2).toDouble();
        if (lines.empty() || std::abs(lines.back().y - y) > 0.5) {
            const double pitch = (m.captured(3).toDouble() - x) / text.size();
            lines.push_back({x, y, pitch, text});
            continue;
        }
        PrintedLine& line = lines.back();
        const auto column = static_cast<qsizetype>(std::lround((x - line.x) / line.pitch));
        line.text = line.text.leftJustified(column, QLatin1Char(' ')) + text;
    }
    return lines;
}

}  // namespace sd::test
