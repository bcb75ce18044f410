// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/option_button_menu.h"

#include "platform/input.h"
#include "platform/keys.h"
#include "state/drill_state.h"
#include "ui/widgets/look.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace sd {
namespace {

// The caption of a key that cannot be chosen; its face keeps the menu's colour.
const QColor kDisabledCaption{150, 150, 150};

}  // namespace

MenuItemButton::MenuItemButton(OptionButtonMenu& menu, int index, const QString& caption,
                               QWidget* parent)
    : QPushButton(caption, parent), menu_(menu), index_(index) {
    setCheckable(false);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    // The face covers the whole button: nothing under it needs painting when it changes.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Mouse and keys never click the button; only a screen reader's press action does, and it
    // chooses the item as a mouse press would.
    connect(this, &QPushButton::clicked, this, [this] {
        menu_.itemMousePress(index_);
        menu_.itemMouseRelease(index_);
    });
}

// None of the handlers below passes the event on to QPushButton: the button would go down, click on
// release, or move the focus to a neighbour on arrow keys.
void MenuItemButton::keyPressEvent(QKeyEvent* event) {
    menu_.itemKeyPress(index_, *event);
}

void MenuItemButton::keyReleaseEvent(QKeyEvent* event) {
    menu_.itemKeyRelease(index_, *event);
}

void MenuItemButton::mousePressEvent(QMouseEvent* /*event*/) {
    menu_.itemMousePress(index_);
}

// The second press of a double click is a press like any other.
void MenuItemButton::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    menu_.itemMousePress(index_);
}

void MenuItemButton::mouseReleaseEvent(QMouseEvent* /*event*/) {
    menu_.itemMouseRelease(index_);
}

void MenuItemButton::mouseMoveEvent(QMouseEvent* /*event*/) {}

void MenuItemButton::setFace(const QColor& colour) {
    if (colour == face_) return;
    face_ = colour;
    update();
}

void MenuItemButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, face_);
    drawPixelEdge(painter, face, face_.darker(170));
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::ButtonText)
                               : kDisabledCaption);
    painter.drawText(face, Qt::AlignCenter, text());
}

void MenuItemButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    menu_.itemFocusIn(index_);
}

void MenuItemButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    menu_.itemFocusOut(index_, event->reason());
}

OptionButtonMenu::OptionButtonMenu(QWidget* itemParent, const QStringList& captions,
                                   const DrillState& state)
    : QObject(itemParent), state_(state) {
    // Wherever the release of the key held here lands, the key is no longer held here either.
    if (PlatformInput* input = PlatformInput::current())
        connect(input, &PlatformInput::keyLetGo, this, [this] {
            if (routes_.keyUp) routes_.keyUp(std::max(itemWithWindowFocus(), 0));
        });
    items_.reserve(static_cast<size_t>(captions.size()));
    for (int i = 0; i < captions.size(); ++i)
        items_.push_back(new MenuItemButton(*this, i, captions.at(i), itemParent));
}

OptionButtonMenu::~OptionButtonMenu() = default;

MenuItemButton* OptionButtonMenu::item(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return items_[static_cast<size_t>(index)];
}

int OptionButtonMenu::itemWithWindowFocus() const {
    if (items_.empty()) return -1;
    const QWidget* focused = items_.front()->window()->focusWidget();
    for (const MenuItemButton* button : items_)
        if (button == focused) return button->index();
    return -1;
}

void OptionButtonMenu::useCommonRules(OptionMenu::KeyMap keyMap, std::function<void(int)> action,
                                      OptionMenu::Options options) {
    logic_ = std::make_unique<OptionMenu>(count(), std::move(keyMap), options);
    auto run = [action = std::move(action)](std::optional<int> index) {
        if (index && action) action(*index);
    };
    MenuRoutes routes;
    routes.keyDown = [this, run](int index, int keyCode) {
        // The key arrived at this item, so the logic's focus is here whatever it thought before.
        if (logic_->focus() != index) logic_->setFocus(index);
        const KeyDownResult result = logic_->keyDown(keyCode);
        showLogicFocus();
        run(result.run);
    };
    routes.keyChar = [this](int /*index*/, char16_t character) {
        logic_->keyChar(character);
        showLogicFocus();
    };
    routes.keyUp = [this](int /*index*/) { logic_->keyUp(); };
    routes.mousePress = [this, run](int index) { run(logic_->mousePress(index)); };
    routes.mouseRelease = [this](int /*index*/) { logic_->mouseRelease(); };
    routes.focusIn = [this](int index) {
        logic_->setFocus(index);
        showLogicFocus();
    };
    routes.focusOut = [this](int index) {
        if (logic_->focus() != index) return;
        logic_->loseFocus();
        showLogicFocus();
    };
    routes_ = std::move(routes);
}

void OptionButtonMenu::route(MenuRoutes routes) {
    logic_.reset();
    routes_ = std::move(routes);
}

void OptionButtonMenu::setFixedColours(const QColor& normal, const QColor& highlight) {
    fixedNormal_ = normal;
    fixedHighlight_ = highlight;
    repaintColours();
}

void OptionButtonMenu::setRestingColour(const QColor& resting) {
    resting_ = resting;
    hadFocus_.assign(items_.size(), false);
    repaintColours();
}

void OptionButtonMenu::setHighlightsFocus(bool highlights) {
    highlightsFocus_ = highlights;
    repaintColours();
}

void OptionButtonMenu::setItemEnabled(int index, bool enabled) {
    MenuItemButton* button = item(index);
    if (button == nullptr) return;
    if (logic_) logic_->setEnabled(index, enabled);
    // Disabling the focused button makes the toolkit pass the focus on; the owner decides instead.
    movingFocus_ = true;
    button->setEnabled(enabled);
    movingFocus_ = false;
    if (logic_) showLogicFocus();
}

void OptionButtonMenu::showFocus(int index) {
    const int previous = shownFocus_;
    shownFocus_ = item(index) != nullptr ? index : -1;
    if (previous >= 0 && previous != shownFocus_ && resting_)
        hadFocus_[static_cast<size_t>(previous)] = true;
    if (MenuItemButton* button = item(shownFocus_); button != nullptr && button->isEnabled()) {
        movingFocus_ = true;
        button->setFocus(Qt::OtherFocusReason);
        movingFocus_ = false;
    }
    repaintColours();
}

QColor OptionButtonMenu::normalColour() const {
    return fixedNormal_ ? *fixedNormal_ : colourOfText(state_.normalColour);
}

QColor OptionButtonMenu::highlightColour() const {
    return fixedHighlight_ ? *fixedHighlight_ : colourOfText(state_.highlightColour);
}

void OptionButtonMenu::repaintColours() {
    const QColor normal = normalColour();
    const QColor highlight = highlightColour();
    for (MenuItemButton* button : items_) {
        const auto index = static_cast<size_t>(button->index());
        const bool lit = highlightsFocus_ && button->index() == shownFocus_;
        const bool resting = resting_ && !hadFocus_[index];
        button->setFace(lit ? highlight : resting ? *resting_ : normal);
    }
}

void OptionButtonMenu::showLogicFocus() {
    if (logic_) showFocus(logic_->focus());
}

void OptionButtonMenu::itemKeyPress(int index, QKeyEvent& event) {
    if (routes_.keyDown) routes_.keyDown(index, virtualKeyCode(event));
    // The character follows the key-down even when that discarded the key. It goes to the item that
    // has the focus now, which the key-down may have moved; if it left the menu, nobody here gets
    // it.
    const std::optional<char16_t> character = typedCharacter(event);
    const int receiver = itemWithWindowFocus();
    if (character && receiver >= 0 && routes_.keyChar) routes_.keyChar(receiver, *character);
    event.accept();
}

void OptionButtonMenu::itemKeyRelease(int index, const QKeyEvent& event) {
    // A held key repeats as release/press pairs marked as automatic: those releases are not
    // key-ups, so the held-key flags stay set until the key is really let go.
    if (isPhysicalRelease(event) && routes_.keyUp) routes_.keyUp(index);
}

void OptionButtonMenu::itemMousePress(int index) {
    if (routes_.mousePress) routes_.mousePress(index);
}

void OptionButtonMenu::itemMouseRelease(int index) {
    if (routes_.mouseRelease) routes_.mouseRelease(index);
}

void OptionButtonMenu::itemFocusIn(int index) {
    if (movingFocus_) return;
    if (routes_.focusIn) routes_.focusIn(index);
}

void OptionButtonMenu::itemFocusOut(int index, Qt::FocusReason reason) {
    // Another window coming to the front, or a popup, leaves the item the focus of its own window.
    if (movingFocus_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (routes_.focusOut) routes_.focusOut(index);
}

}  // namespace sd
