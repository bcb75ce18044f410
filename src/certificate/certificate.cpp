// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "certificate/certificate.h"

#include "certificate/grading.h"
#include "state/drill_state.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <array>
#include <optional>

namespace sd {
namespace {

// How a row changes the surface's font before its text; an unset attribute keeps the previous
// row's value.
struct RowStyle {
    bool setsFace = false;
    std::optional<double> points{};
    std::optional<bool> bold{};
    std::optional<Rgb> colour{};
    int emptyLinesAfter = 1;
};

constexpr RowStyle kTitleStyle{.points = 14, .bold = true};
constexpr RowStyle kPlainStyle{.points = 12, .bold = false};

constexpr std::array<RowStyle, kCertificateRows> kRowStyles{{
    {.setsFace = true, .points = 20, .colour = kCertificateRed, .emptyLinesAfter = 0},
    {.setsFace = true, .colour = kCertificateBlack},
    {.setsFace = true, .points = 20, .bold = true, .colour = kCertificateRed},
    {.setsFace = true, .points = 12, .bold = false, .colour = kCertificateBlack},
    kTitleStyle,
    kTitleStyle,
    kTitleStyle,
    kPlainStyle,
    {.points = 14, .bold = true, .colour = kCertificateRed},
    {.points = 12, .bold = false, .colour = kCertificateBlack, .emptyLinesAfter = 3},
    {.points = 12, .bold = false, .emptyLinesAfter = 0},
}};

void appendStyle(SurfaceOps& ops, const RowStyle& style) {
    if (style.setsFace) ops.push_back(SurfaceOp::font(kCertificateFace));
    if (style.points) ops.push_back(SurfaceOp::size(*style.points));
    if (style.bold) ops.push_back(SurfaceOp::weight(*style.bold));
    if (style.colour) ops.push_back(SurfaceOp::textColour(*style.colour));
}

void appendEmptyLines(SurfaceOps& ops, int count) {
    ops.insert(ops.end(), static_cast<size_t>(count), SurfaceOp::emptyLine());
}

bool isTimeLiteralSeparator(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c.isLetter() || c == u'\'') return false;
    return true;
}

// The eleven texts from the top.
std::array<QString, kCertificateRows> certificateTexts(const DrillState& state,
                                                       const QDateTime& now,
                                                       const QLocale& locale) {
    return {QStringLiteral("DIPLOMA DI MERITO"),
            QStringLiteral("RILASCIATO A"),
            state.pupilName,
            QStringLiteral(" per la conoscenza del "),
            state.subjectTitle,
            state.topicTitle,
            state.exerciseTitle,
            QStringLiteral("con la valutazione di"),
            state.grade,
            scoreLine(state),
            dateLine(now, locale)};
}

}  // namespace

QString capitaliseName(const QString& name) {
    if (name.isEmpty()) return name;
    const qsizetype firstLength = name.front().isHighSurrogate() && name.size() > 1 ? 2 : 1;
    return name.left(firstLength).toUpper() + name.mid(firstLength).toLower();
}

bool loadCertificate(DrillState& state) {
    state.pupilName = capitaliseName(state.pupilName);
    return gradeResult(state);
}

QString scoreLine(const DrillState& state) {
    return QStringLiteral("con %1 risposte esatte su %2 richieste")
        .arg(state.rightAnswers)
        .arg(state.questionsAsked);
}

QString timeFormatWithSeconds(const QString& shortFormat) {
    qsizetype hourEnd = -1;
    qsizetype minuteStart = -1;
    qsizetype minuteEnd = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < shortFormat.size(); ++i) {
        const QChar c = shortFormat[i];
        if (c == u'\'') quoted = !quoted;
        if (quoted || c == u'\'') continue;
        if (c == u's') return shortFormat;
        if (c == u'h' || c == u'H') hourEnd = i + 1;
        if (c == u'm') {
            if (minuteEnd != i) minuteStart = i;
            minuteEnd = i + 1;
        }
    }
    if (minuteEnd < 0) return QStringLiteral("HH:mm:ss");
    // The seconds take the same separator as the minutes ("H.mm" -> "H.mm.ss") when it is a
    // plain one.
    const QString between = hourEnd >= 0 && hourEnd < minuteStart
                                ? shortFormat.mid(hourEnd, minuteStart - hourEnd)
                                : QString();
    const QString separator = isTimeLiteralSeparator(between) ? between : QStringLiteral(":");
    return shortFormat.left(minuteEnd) + separator + QStringLiteral("ss") +
           shortFormat.mid(minuteEnd);
}

QString dateLine(const QDateTime& now, const QLocale& locale) {
    // Everything the pupil reads is Italian: a system in another language writes the date and the
    // time as an Italian one does (dd/MM/yy, HH:mm:ss), not in its own formats and digits.
    const QLocale writer =
        locale.language() == QLocale::Italian ? locale : QLocale(QLocale::Italian, QLocale::Italy);
    const QString time =
        writer.toString(now.time(), timeFormatWithSeconds(writer.timeFormat(QLocale::ShortFormat)));
    return QStringLiteral("Data  ") + writer.toString(now.date(), QLocale::ShortFormat) +
           QStringLiteral("          Ora: ") + time;
}

double enlargementToHold(QSizeF needed, QSizeF box) {
    if (box.isEmpty()) return 1.0;
    return std::max({1.0, needed.width() / box.width(), needed.height() / box.height()});
}

double shrinkToFit(QSizeF needed, QSizeF room) {
    return 1.0 / enlargementToHold(needed, room);
}

SurfaceOps buildCertificate(const DrillState& state, const QDateTime& now, const QLocale& locale) {
    SurfaceOps ops;
    appendEmptyLines(ops, kTopMarginLines);
    const auto texts = certificateTexts(state, now, locale);
    for (size_t row = 0; row < texts.size(); ++row) {
        appendStyle(ops, kRowStyles[row]);
        ops.push_back(SurfaceOp::centred(texts[row]));
        appendEmptyLines(ops, kRowStyles[row].emptyLinesAfter);
    }
    return ops;
}

}  // namespace sd
