#include "ui/drawn_controls.h"

#include "ui/platform.h"

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
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QPixmap drawLegend(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const int headingHeight = side * 16 / 100;
    painter.setFont(legendFont(side * 9 / 100));
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(QRect(0, side / 50, side, headingHeight), Qt::AlignCenter,
                     QStringLiteral("SIMBOLI"));

    // The colons line up: symbols end at one column, names start just after it.
    const int colonColumn = side * 24 / 100;
    const int lineHeight =
        (side - headingHeight - side / 25) / static_cast<int>(kLegendLines.size());
    painter.setFont(legendFont(side * 6 / 100));
    painter.setPen(QColor(255, 0, 0));
    int top = headingHeight + side / 50;
    for (const auto& [symbol, name] : kLegendLines) {
        painter.drawText(QRect(0, top, colonColumn, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromUtf8(symbol) + QLatin1Char(':'));
        painter.drawText(QRect(colonColumn + side / 30, top, side - colonColumn, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(name));
        top += lineHeight;
    }
    return pixmap;
}

}  // namespace

RoundedShape::RoundedShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = std::min(width(), height()) / 6.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

LegendPicture::LegendPicture(QWidget* parent) : QWidget(parent) {
    QStringList lines;
    for (const auto& [symbol, name] : kLegendLines)
        lines << QString::fromUtf8(symbol) + QStringLiteral(": ") + QString::fromUtf8(name);
    pictureForScreenReaders(*this, QStringLiteral("Simboli"));
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

const QPixmap& LegendPicture::picture() {
    if (picture_.isNull()) picture_ = drawLegend(kSidePixels);
    return picture_;
}

void LegendPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture());
}

}  // namespace sd
