// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QStringList>
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

void captionForScreenReaders(QLabel& label, const QString& caption) {
    installScreenReaderInterfaces();
    label.setProperty(kCaptionProperty, caption);
}

void pictureForScreenReaders(QWidget& widget, const QString& name) {
    installScreenReaderInterfaces();
    widget.setProperty(kPictureProperty, true);
    widget.setAccessibleName(name);
}

}  // namespace sd
