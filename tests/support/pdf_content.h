// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QtEndian>

#include <string>

namespace sd::test {

// The drawing operators of a PDF's streams, uncompressed and joined, in the order they stand:
// enough to see what a page draws (lines "m"/"l", images "Do") and where ("cm").
inline QString pdfOperators(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray pdf = file.readAll();
    QString operators;
    qsizetype from = 0;
    while ((from = pdf.indexOf("stream", from)) >= 0) {
        qsizetype start = from + 6;
        while (start < pdf.size() && (pdf[start] == '\r' || pdf[start] == '\n')) ++start;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0) break;
        // Only zlib streams: images may be stored otherwise.
        if (start >= pdf.size() || static_cast<unsigned char>(pdf[start]) != 0x78) {
            from = end + 9;
            continue;
        }
        // qUncompress wants the zlib stream behind its expected length; a generous guess will do.
        QByteArray wrapped(4, '\0');
        qToBigEndian<quint32>(8U << 20, wrapped.data());
        wrapped += pdf.mid(start, end - start);
        const QByteArray plain = qUncompress(wrapped);
        if (plain.contains(" cm")) operators += QString::fromLatin1(plain);
        from = end + 9;
    }
    return operators;
}

}  // namespace sd::test
