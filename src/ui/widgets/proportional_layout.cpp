// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/proportional_layout.h"

#include <QEvent>

#include <cmath>

namespace sd {
namespace {

float fraction(int part, int whole) {
    return whole > 0 ? static_cast<float>(part) / static_cast<float>(whole) : 0.0F;
}

int scaled(float fraction, int whole) {
    return static_cast<int>(std::lround(static_cast<double>(fraction) * whole));
}

}  // namespace

ProportionalLayout::ProportionalLayout(QWidget* client) : QObject(client), client_(client) {
    client_->installEventFilter(this);
}

void ProportionalLayout::add(QWidget* control, ControlKind kind) {
    entries_.push_back(Entry{control, kind, false, {}});
}

void ProportionalLayout::addPlaceless(ControlKind kind) {
    entries_.push_back(Entry{nullptr, kind, false, {}});
}

void ProportionalLayout::record(QSize clientSize) {
    for (Entry& entry : entries_) {
        // Controls without a place (timers, menu items) keep zero fractions.
        if (entry.control.isNull()) continue;
        const QRect place = entry.control->geometry();
        entry.fractions = Fractions{fraction(place.width(), clientSize.width()),
                                    fraction(place.height(), clientSize.height()),
                                    fraction(place.top(), clientSize.height()),
                                    fraction(place.left(), clientSize.width())};
    }
    recorded_ = true;
}

bool ProportionalLayout::isSkipped(const Entry& entry) {
    switch (entry.kind) {
        case ControlKind::Timer:
        case ControlKind::MenuItem:
        case ControlKind::ComboBox:
        case ControlKind::Line:
            return true;
        default:
            return entry.left || entry.control.isNull();
    }
}

void ProportionalLayout::apply() {
    if (!recorded_) return;
    const int width = client_->width();
    const int height = client_->height();
    for (const Entry& entry : entries_) {
        if (isSkipped(entry)) continue;
        const Fractions& f = entry.fractions;
        const int controlWidth = scaled(f.width, width);
        switch (entry.kind) {
            case ControlKind::DockedLeft:
                entry.control->setGeometry(0, 0, controlWidth, height);
                break;
            case ControlKind::DockedRight:
                entry.control->setGeometry(width - controlWidth, 0, controlWidth, height);
                break;
            default: {
                // Edges are rounded, not sizes: controls that touch in the design touch on the
                // screen too, never a pixel over each other.
                const int left = scaled(f.left, width);
                const int top = scaled(f.top, height);
                entry.control->setGeometry(left, top, scaled(f.left + f.width, width) - left,
                                           scaled(f.top + f.height, height) - top);
                break;
            }
        }
    }
    if (afterApply_) afterApply_();
}

void ProportionalLayout::leave(const QWidget* control) {
    for (Entry& entry : entries_)
        if (entry.control == control) entry.left = true;
}

ProportionalLayout::Fractions ProportionalLayout::fractions(int index) const {
    if (index < 0 || index >= count()) return {};
    return entries_[static_cast<size_t>(index)].fractions;
}

bool ProportionalLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) apply();
    return QObject::eventFilter(watched, event);
}

}  // namespace sd
