// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/platform.h"

#include <QtGui/qguiapplication_platform.h>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleFactory>
#include <QWidget>

#include <fontconfig/fontconfig.h>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

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

// The toolkit names a list by its current entry on Unix, so a screen reader hears "PDF" and not
// what the list is for. This one is named by its accessible name; the entry is its value, and its
// drop-down list its one child, as before.
class NamedList final : public QAccessibleWidget {
  public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name) return widget()->accessibleName();
        if (which == QAccessible::Value) return list().currentText();
        return QAccessibleWidget::text(which);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list().view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list().view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) list().showPopup();
    }

  private:
    QComboBox& list() const { return *static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* screenReaderInterface(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && label->property(kCaptionProperty).isValid())
        return new CaptionedLabel(label);
    if (auto* list = qobject_cast<QComboBox*>(widget);
        list != nullptr && !list->isEditable() && !list->accessibleName().isEmpty())
        return new NamedList(list);
    if (widget->property(kPictureProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // The toolkit reads a plain top-level widget as a filler, which screen readers pass over: each
    // of the program's windows is a window to them, named by its title or its accessible name.
    if (widget->isWindow() && qobject_cast<QDialog*>(widget) == nullptr &&
        QByteArray(widget->metaObject()->className()).startsWith("sd::"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

// The toolkit builds a widget's interface on the first question about it and keeps it, so the
// marks must be set, and the factory installed, while the window is being built.
void installScreenReaderInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(screenReaderInterface);
        return true;
    }();
    (void)installed;
}

namespace {

#if QT_CONFIG(xcb)
struct NameAtoms {
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
};

// Both asked for before either answer is awaited: one round trip, once per run.
NameAtoms nameAtoms(xcb_connection_t* connection) {
    static const NameAtoms atoms = [connection] {
        const auto ask = [connection](const char* name) {
            return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
        };
        const auto answer = [connection](xcb_intern_atom_cookie_t cookie) {
            const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
                xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
            return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        };
        const xcb_intern_atom_cookie_t netWmName = ask("_NET_WM_NAME");
        const xcb_intern_atom_cookie_t utf8String = ask("UTF8_STRING");
        return NameAtoms{answer(netWmName), answer(utf8String)};
    }();
    return atoms;
}
#endif

// Empties the names an X11 window manager shows in the title bar; the toolkit's fallback to the
// program's name is in them.
void clearNativeTitle(const QWidget& window) {
#if QT_CONFIG(xcb)
    // The offscreen platform answers as an X11 one too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    // Asking winId() would create the native window; only an existing one is touched.
    const auto id = static_cast<xcb_window_t>(window.internalWinId());
    if (connection == nullptr || id == 0) return;
    const NameAtoms atoms = nameAtoms(connection);
    if (atoms.netWmName != XCB_ATOM_NONE && atoms.utf8String != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atoms.netWmName,
                            atoms.utf8String, 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    xcb_flush(connection);
#else
    (void)window;
#endif
}

// The toolkit writes the title anew when the native window is made and whenever the title is set.
class EmptyTitleKeeper final : public QObject {
  public:
    explicit EmptyTitleKeeper(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
        clearNativeTitle(window);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::WinIdChange || type == QEvent::WindowTitleChange ||
            type == QEvent::Show)
            clearNativeTitle(*static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace

QStyle* programStyle() {
    class ProgramStyle final : public QProxyStyle {
      public:
        ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
        QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                           const QWidget* widget) const override {
            if (which == SP_ToolBarHorizontalExtensionButton) return {};
            return QProxyStyle::standardIcon(which, option, widget);
        }
    };
    return new ProgramStyle;
}

std::jthread loadFontConfigurationAside() {
    return std::jthread([] { FcInit(); });
}

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

void showEmptyTitle(QWidget& window) {
    window.setWindowTitle(QString());
    new EmptyTitleKeeper(window);
}

std::optional<QString> preferredPlatform(const std::function<QString(const char*)>& environment,
                                         const std::function<bool(const QString&)>& x11Reachable) {
    if (!environment("QT_QPA_PLATFORM").isEmpty() || environment("WAYLAND_DISPLAY").isEmpty())
        return std::nullopt;
    const QString display = environment("DISPLAY");
    if (display.isEmpty() || !x11Reachable(display)) return std::nullopt;
    return QStringLiteral("xcb");
}

std::optional<QString> missingDisplayMessage(
    const std::function<QString(const char*)>& environment, const QString& programPath,
    const std::function<bool(const QString&)>& x11Reachable,
    const std::function<bool(const QString&)>& waylandReachable) {
    const QString platform = environment("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    const bool onlyWayland = platform.startsWith(QLatin1String("wayland"));
    const bool onlyX11 = platform == QLatin1String("xcb");
    // Any other platform chosen (offscreen, a framebuffer...) is the toolkit's to open.
    if (!platform.isEmpty() && !onlyWayland && !onlyX11) return std::nullopt;
    const QString wayland = environment("WAYLAND_DISPLAY");
    const QString display = environment("DISPLAY");
    const bool waylandAnswers =
        !wayland.isEmpty() && (!waylandReachable || waylandReachable(wayland));
    const bool x11Answers = !display.isEmpty() && (!x11Reachable || x11Reachable(display));
    if (onlyWayland ? waylandAnswers : onlyX11 ? x11Answers : waylandAnswers || x11Answers)
        return std::nullopt;
    QStringList silent;
    if (!wayland.isEmpty() && !onlyX11) silent << wayland;
    if (!display.isEmpty() && !onlyWayland) silent << display;
    const QString why = silent.isEmpty()
                            ? QStringLiteral(
                                  "non c'è nessuno schermo da aprire (DISPLAY e "
                                  "WAYLAND_DISPLAY non sono impostate)")
                            : QStringLiteral("lo schermo %1 non risponde").arg(silent.join(" / "));
    return QStringLiteral(
               "Il sistema decimale: %1; avvialo da una sessione grafica, oppure sotto "
               "Xvfb con: xvfb-run -a %2")
        .arg(why, programPath);
}

}  // namespace sd
