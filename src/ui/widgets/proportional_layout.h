// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>
#include <vector>

namespace sd {

// How a control takes part in the proportional layout.
enum class ControlKind {
    Control,      // moved and sized with the client area
    Timer,        // no place on screen: skipped
    MenuItem,     // skipped
    ComboBox,     // keeps its place and size
    Line,         // keeps its place; the window re-places it itself
    DockedLeft,   // a panel docked to the left edge: full height, only its width follows
    DockedRight,  // the same at the right edge
};

// Keeps every control of a window in proportion to its client area. The window lists its controls
// in its own control order, records their places once when it loads, as fractions of the client
// size, and from then on every resize of the client area puts each control back at those fractions
// of the new size. Fonts are not scaled and the aspect ratio is not kept.
class ProportionalLayout final : public QObject {
    Q_OBJECT
  public:
    struct Fractions {
        float width = 0.0F;
        float height = 0.0F;
        float top = 0.0F;
        float left = 0.0F;
    };

    // `client` is the window's client area; the controls' places count from it (or from the frame
    // that holds them, yet divided by the client size all the same).
    explicit ProportionalLayout(QWidget* client);

    // Adds the next control in control order; entries without a widget hold no place.
    void add(QWidget* control, ControlKind kind = ControlKind::Control);
    void addPlaceless(ControlKind kind);

    // Records every control's fractions of the given client size (the design size at load).
    void record(QSize clientSize);
    void record() { record(client_->size()); }
    // Puts every control at its fractions of the current client size, then runs the after-apply
    // hook.
    void apply();
    // The control leaves the layout: later resizes do not move it any more.
    void leave(const QWidget* control);
    // Run after every apply, e.g. to re-place what the layout skips.
    void setAfterApply(std::function<void()> hook) { afterApply_ = std::move(hook); }

    int count() const { return static_cast<int>(entries_.size()); }
    Fractions fractions(int index) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        QPointer<QWidget> control;
        ControlKind kind = ControlKind::Control;
        bool left = false;  // left the layout
        Fractions fractions;
    };
    static bool isSkipped(const Entry& entry);

    QWidget* client_;
    std::vector<Entry> entries_;
    std::function<void()> afterApply_;
    bool recorded_ = false;
};

}  // namespace sd
