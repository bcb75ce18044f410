// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/option_menu.h"

#include <QColor>
#include <QObject>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sd {

struct DrillState;
class OptionButtonMenu;

// The events a menu item receives, each with the item's index. An owner with logic of its own
// (the exercise window's keypad, for instance) routes them there; unset routes are ignored.
struct MenuRoutes {
    std::function<void(int index, int keyCode)> keyDown;         // every key-down, repeats included
    std::function<void(int index, char16_t character)> keyChar;  // the character a key typed
    std::function<void(int index)> keyUp;                        // physical releases only
    std::function<void(int index)> mousePress;                   // any button, on the press
    std::function<void(int index)> mouseRelease;
    std::function<void(int index)> focusIn;   // the toolkit gave the item the focus (Tab, click...)
    std::function<void(int index)> focusOut;  // the focus left for another control of the window
};

// One item of a menu: a push button that never stays pressed and hands every key, mouse and focus
// event to its menu. Keys never reach the toolkit's own handling, so arrow keys do not move between
// items and nothing is typed; Tab and Shift+Tab remain the platform's focus keys.
// Its face is one flat colour with a thin edge, drawn by the button itself: a style would paint a
// gradient over it and the pupil would never see the menu's colours as they are.
class MenuItemButton final : public QPushButton {
    Q_OBJECT
  public:
    MenuItemButton(OptionButtonMenu& menu, int index, const QString& caption, QWidget* parent);
    int index() const { return index_; }

    QColor face() const { return face_; }
    // Repaints the button only when the colour changes.
    void setFace(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    OptionButtonMenu& menu_;
    int index_;
    QColor face_{Qt::white};
};

// A menu of option buttons drawn as push buttons: the items, their highlight and the routing of
// their events. The item with the focus has the highlight colour, the others the normal colour:
// the Drill state's two menu colours, read at every repaint of the highlight, unless the menu was
// given fixed colours. The owner places the items (they are children of `itemParent`) and either
// lets the menu apply the common rules of sd::OptionMenu, or routes every event to its own logic
// and sets the focus and the enabled items from it.
class OptionButtonMenu final : public QObject {
    Q_OBJECT
  public:
    OptionButtonMenu(QWidget* itemParent, const QStringList& captions, const DrillState& state);
    ~OptionButtonMenu() override;

    int count() const { return static_cast<int>(items_.size()); }
    MenuItemButton* item(int index) const;
    // Index of the item that has the keyboard focus of its window, or -1.
    int itemWithWindowFocus() const;

    // The common rules (start window, certificate and print windows): the menu keeps an
    // sd::OptionMenu with this key map and runs `action` with an item index on Enter or a press.
    void useCommonRules(OptionMenu::KeyMap keyMap, std::function<void(int)> action,
                        OptionMenu::Options options = {});
    // The menu's logic under the common rules; nullptr when the owner routes the events.
    OptionMenu* logic() const { return logic_.get(); }
    // Every event goes to the owner's logic instead.
    void route(MenuRoutes routes);

    void setFixedColours(const QColor& normal, const QColor& highlight);
    // The colour items wear until they first lose the focus; from then on the normal colour.
    void setRestingColour(const QColor& resting);
    // Whether the focused item is drawn in the highlight colour (the name window's button is not).
    void setHighlightsFocus(bool highlights);

    // Rendering of the owner's logic.
    void setItemEnabled(int index, bool enabled);
    // Gives the item the focus of its window and the highlight; -1 takes the highlight away.
    void showFocus(int index);
    int shownFocus() const { return shownFocus_; }
    // Draws every item in its colour again (after the state's colours were set, for instance).
    void repaintColours();
    QColor normalColour() const;
    QColor highlightColour() const;

  private:
    friend class MenuItemButton;
    void itemKeyPress(int index, QKeyEvent& event);
    void itemKeyRelease(int index, const QKeyEvent& event);
    void itemMousePress(int index);
    void itemMouseRelease(int index);
    void itemFocusIn(int index);
    void itemFocusOut(int index, Qt::FocusReason reason);
    void showLogicFocus();

    const DrillState& state_;
    std::vector<MenuItemButton*> items_;  // owned by their parent widget
    MenuRoutes routes_;
    std::unique_ptr<OptionMenu> logic_;
    std::optional<QColor> fixedNormal_;
    std::optional<QColor> fixedHighlight_;
    std::optional<QColor> resting_;
    std::vector<bool> hadFocus_;  // items that lost the focus once: their resting colour is gone
    bool highlightsFocus_ = true;
    int shownFocus_ = -1;
    bool movingFocus_ = false;  // the menu itself is moving the focus: not news for the owner
};

}  // namespace sd
