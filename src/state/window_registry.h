// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

namespace sd {

// The seven windows of the program; each exists at most once.
enum class WindowId {
    Inizio,           // FrmInizio, the start window
    Operativo,        // frmOperativo, the exercise window
    Autore,           // frmAutore, the about window
    Attestato,        // FrmAttestato, the certificate window
    StampaEsercizio,  // FrmStampaEsercizio, the print window
    SceltaStampante,  // frmSceltaStampante, the printer window
    Nome,             // frmNome, the name window
};
inline constexpr int kWindowCount = 7;

// Holds the single instance of each window. Loading a loaded window returns the same instance;
// unloading destroys it (its window-level state), never the Drill state.
class WindowRegistry {
  public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    ~WindowRegistry();

    void setFactory(WindowId id, Factory factory);
    // Called after a window has been unloaded and none is left: the program ends.
    void setOnEmpty(std::function<void()> onEmpty) { onEmpty_ = std::move(onEmpty); }
    // Called before a window is destroyed, so the caller can hide it first.
    void setOnUnload(std::function<void(WindowId, QObject*)> onUnload) {
        onUnload_ = std::move(onUnload);
    }

    // Creates the window on its first load; later loads return the same instance.
    // Returns nullptr when no factory is set for the window.
    QObject* load(WindowId id);
    QObject* instance(WindowId id) const;
    bool isLoaded(WindowId id) const { return instance(id) != nullptr; }
    int loadedCount() const;

    // Destroys the window. The object is deleted once control returns to the event loop,
    // so a window may unload itself from one of its own handlers.
    void unload(WindowId id);
    // Unloads every window, one after another.
    void unloadAll();

  private:
    static size_t slot(WindowId id) { return static_cast<size_t>(id); }

    std::array<Factory, kWindowCount> factories_;
    std::array<QPointer<QObject>, kWindowCount> windows_;
    std::function<void()> onEmpty_;
    std::function<void(WindowId, QObject*)> onUnload_;
    int unloadDepth_ = 0;  // unloads in progress, nested through onUnload
};

}  // namespace sd
