// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/spooler.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
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
    double right = 0;  // of its last word
    QString text;
};

// Every line of a one-page PDF, top to bottom, read back with pdftotext.
inline std::vector<PrintedLine> printedLines(const std::string& pdf) {
    const QString boxes =
        QString::fromStdString(run("pdftotext -bbox '" + pdf + "' - 2>/dev/null"));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)"[^>]*>([^<]*)<)re"));
    struct Word {
        double x, y, right;
        QString text;
    };
    std::vector<std::vector<Word>> rows;  // words of one line share their top
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString text = m.captured(4);
        text.replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        const Word w{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     text};
        auto row = std::find_if(rows.begin(), rows.end(), [&](const std::vector<Word>& r) {
            return std::abs(r.front().y - w.y) <= 0.5;
        });
        if (row == rows.end())
            rows.push_back({w});
        else
            row->push_back(w);
    }
    std::sort(rows.begin(), rows.end(),
              [](const auto& a, const auto& b) { return a.front().y < b.front().y; });
    std::vector<PrintedLine> lines;
    for (std::vector<Word>& row : rows) {
        std::sort(row.begin(), row.end(), [](const Word& a, const Word& b) { return a.x < b.x; });
        PrintedLine line{row.front().x,
                         row.front().y,
                         (row.front().right - row.front().x) / row.front().text.size(),
                         row.back().right,
                         {}};
        for (const Word& w : row) {
            const auto column = static_cast<qsizetype>(std::lround((w.x - line.x) / line.pitch));
            line.text = line.text.leftJustified(column, QLatin1Char(' ')) + w.text;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace sd::test
