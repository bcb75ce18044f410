#include "ui/platform.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace sd {
namespace {

// Marks the widgets the interfaces below stand for; the toolkit's own serve all others.
const char* const kCaptionProperty = "sdScreenReaderCaption";
const char* const kPictureProperty = "sdScreenReaderPicture";

class CaptionedLabel final : public QAccessibleWidget {
  public:
    explicit CaptionedLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    // Computed at every reading, so it is never behind the label's text.
    QString text(QAccessible::Text which) const override {
        if (which != QAccessible::Name) return QAccessibleWidget::text(which);
        const QString caption = widget()->property(kCaptionProperty).toString();
        const QString shown = static_cast<const QLabel*>(widget())->text().trimmed();
        return shown.isEmpty() ? caption : caption + QStringLiteral(": ") + shown;
    }
};

QAccessibleInterface* screenReaderInterface(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && label->property(kCaptionProperty).isValid())
        return new CaptionedLabel(label);
    if (widget->property(kPictureProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

// The toolkit builds a widget's interface on the first question about it and keeps it, so the
// marks must be set, and the factory installed, while the window is being built.
void installScreenReaderInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(screenReaderInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
    // The sheet's typewriter faces, drawn with their metric-compatible stand-ins.
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
    QFont::insertSubstitutions(QStringLiteral("Courier"), {QStringLiteral("Nimbus Mono PS"),
                                                           QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont designFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QColor toQColor(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

QColor colourOfText(const QString& text) {
    return toQColor(colourFromText(text));
}

void setGround(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

QLabel* plainLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

void captionForScreenReaders(QLabel& label, const QString& caption) {
    installScreenReaderInterfaces();
    label.setProperty(kCaptionProperty, caption);
}

void pictureForScreenReaders(QWidget& widget, const QString& name) {
    installScreenReaderInterfaces();
    widget.setProperty(kPictureProperty, true);
    widget.setAccessibleName(name);
}

std::optional<QString> missingDisplayMessage(
    const std::function<QString(const char*)>& environment, const QString& programPath,
    const std::function<bool(const QString&)>& x11Reachable) {
    const QString hint =
        QStringLiteral("run it on a desktop, or under Xvfb with: xvfb-run -a %1").arg(programPath);
    const QString display = environment("DISPLAY");
    // A chosen platform or a Wayland session is the toolkit's to open.
    if (!environment("WAYLAND_DISPLAY").isEmpty() || !environment("QT_QPA_PLATFORM").isEmpty())
        return std::nullopt;
    if (display.isEmpty())
        return QStringLiteral(
                   "Il sistema decimale: no display to open (DISPLAY and WAYLAND_DISPLAY are not "
                   "set); ") +
               hint;
    if (x11Reachable && !x11Reachable(display))
        return QStringLiteral("Il sistema decimale: the display %1 cannot be opened; ")
                   .arg(display) +
               hint;
    return std::nullopt;
}

}  // namespace sd
