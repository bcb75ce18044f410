// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/window_registry.h"

namespace sd {

WindowRegistry::~WindowRegistry() {
    onEmpty_ = nullptr;
    onUnload_ = nullptr;
    // Windows still loaded when the registry goes are destroyed with it.
    for (QPointer<QObject>& window : windows_) {
        std::unique_ptr<QObject> owned(window.data());
        window.clear();
    }
}

void WindowRegistry::setFactory(WindowId id, Factory factory) {
    factories_[slot(id)] = std::move(factory);
}

QObject* WindowRegistry::load(WindowId id) {
    if (QObject* existing = instance(id)) return existing;
    const Factory& factory = factories_[slot(id)];
    if (!factory) return nullptr;
    std::unique_ptr<QObject> created = factory();
    windows_[slot(id)] = created.get();
    // From here the registry owns the window; unload() hands it to deleteLater().
    return created.release();
}

QObject* WindowRegistry::instance(WindowId id) const {
    return windows_[slot(id)].data();
}

int WindowRegistry::loadedCount() const {
    int count = 0;
    for (const QPointer<QObject>& window : windows_) count += window.isNull() ? 0 : 1;
    return count;
}

void WindowRegistry::unload(WindowId id) {
    QPointer<QObject>& window = windows_[slot(id)];
    if (window.isNull()) return;
    QObject* leaving = window.data();
    window.clear();
    // A window's unload may unload others; the registry is empty only once the outermost
    // unload is over, so the end of the program is announced once.
    ++unloadDepth_;
    if (onUnload_) onUnload_(id, leaving);
    --unloadDepth_;
    leaving->deleteLater();
    if (unloadDepth_ == 0 && loadedCount() == 0 && onEmpty_) onEmpty_();
}

void WindowRegistry::unloadAll() {
    for (int i = 0; i < kWindowCount; ++i) unload(static_cast<WindowId>(i));
}

}  // namespace sd
