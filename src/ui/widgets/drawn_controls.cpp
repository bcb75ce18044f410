// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/drawn_controls.h"

#include "platform/accessibility.h"
#include "state/faces.h"
#include "ui/widgets/look.h"

#include <QPainter>

#include <array>
#include <utility>

namespace sd {
namespace {

// Symbol and name, in the order of the place values from the thousands down.
const std::array<std::pair<const char*, const char*>, 7> kLegendLines{{
    {"uk", "unità di migliaia"},
    {"h", "centinaia"},
    {"da", "decine"},
    {"u", "unità"},
    {"d", "decimi"},
    {"c", "centesimi"},
    {"m", "millesimi"},
}};

QFont legendFont(int pixels) {
    QFont font(kArial);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// Lays the legend out on the design square and scales that square onto `shown`, so that the
// lettering is drawn at the resolution it is shown at instead of stretched from a small picture.
void paintLegend(QPainter& painter, QSize shown) {
    constexpr int side = LegendPicture::kDesignSide;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(shown.width() / double(side), shown.height() / double(side));

    const int headingHeight = side * 16 / 100;
    painter.setFont(legendFont(side * 9 / 100));
    painter.setPen(kBlue);
    painter.drawText(QRect(0, side / 50, side, headingHeight), Qt::AlignCenter,
                     QStringLiteral("SIMBOLI"));

    // The colons line up: symbols end at one column, names start just after it.
    const int colonColumn = side * 24 / 100;
    const int lineHeight =
        (side - headingHeight - side / 25) / static_cast<int>(kLegendLines.size());
    painter.setFont(legendFont(side * 6 / 100));
    painter.setPen(kRed);
    int top = headingHeight + side / 50;
    for (const auto& [symbol, name] : kLegendLines) {
        painter.drawText(QRect(0, top, colonColumn, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromUtf8(symbol) + QLatin1Char(':'));
        painter.drawText(QRect(colonColumn + side / 30, top, side - colonColumn, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(name));
        top += lineHeight;
    }
}

}  // namespace

BoxFrame::BoxFrame(QWidget* parent, QFrame::Shadow shadow) : QFrame(parent) {
    // The style's line width keeps the contents one pixel in from every side.
    setFrameStyle(QFrame::Box | shadow);
}

void BoxFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (frameShadow() == QFrame::Sunken)
        drawSunkenPixelEdge(painter, rect(), palette());
    else
        drawPixelEdge(painter, rect(), palette().color(foregroundRole()));
}

FlatButton::FlatButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent), face_(face) {
    setAutoDefault(false);
    // The face covers the whole button.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlatButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), face_);
    drawPixelEdge(painter, rect(), face_.darker(170));
    // Pressed, the caption goes down a pixel; with the keyboard on it, a dotted ring surrounds it.
    const QRect caption = isDown() ? rect().translated(1, 1) : rect();
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    QRect drawn;
    painter.drawText(caption, Qt::AlignCenter, text(), &drawn);
    if (!hasFocus()) return;
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(drawn.adjusted(-3, -1, 3, 1).intersected(rect().adjusted(2, 2, -3, -3)));
}

RoundedShape::RoundedShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawRoundedPixelEdge(painter, rect(), std::min(width(), height()) / 6.0, Qt::black);
}

LegendPicture::LegendPicture(QWidget* parent) : QWidget(parent) {
    QStringList lines;
    for (const auto& [symbol, name] : kLegendLines)
        lines << QString::fromUtf8(symbol) + QStringLiteral(": ") + QString::fromUtf8(name);
    pictureForScreenReaders(*this, QStringLiteral("Simboli"));
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

QPixmap LegendPicture::picture() const {
    const qreal pixelRatio = devicePixelRatioF();
    QPixmap pixmap((QSizeF(size()) * pixelRatio).toSize());
    if (pixmap.isNull()) return pixmap;
    pixmap.setDevicePixelRatio(pixelRatio);
    QPainter painter(&pixmap);
    paintOn(painter);
    return pixmap;
}

// Painted afresh each time: a few lines of text cost less than keeping a picture of the whole
// control, which on a large screen is megabytes.
void LegendPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintOn(painter);
}

void LegendPicture::paintOn(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    paintLegend(painter, size());
}

}  // namespace sd
