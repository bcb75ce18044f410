// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWindow>

#include <cstdint>
#include <list>
#include <memory>
#include <optional>

struct wl_registry;
struct xdg_activation_v1;
struct xdg_activation_token_v1;

namespace sd {

// A Wayland compositor that guards the keyboard (mutter) brings a window to the front only with a
// token, obtained by the window that has the keyboard for a press it received. The toolkit (Qt
// 6.4) names the last event of all, the release of a click, and the compositor refuses it: here
// the token names the last press, a key's or a button's.
class WaylandActivation {
  public:
    // nullptr off Wayland.
    static std::unique_ptr<WaylandActivation> connect();
    explicit WaylandActivation(wl_registry* registry);
    ~WaylandActivation();
    WaylandActivation(const WaylandActivation&) = delete;
    WaylandActivation& operator=(const WaylandActivation&) = delete;

    // A key or a button has just been pressed in one of the program's windows.
    void pressed();
    // Asks for `window` to come to the front; false where no token can be had (the compositor
    // gives none, no window has the keyboard, nothing was pressed yet, or `window` has it).
    bool request(QWindow& window);

  private:
    struct Pending {
        WaylandActivation* owner;
        xdg_activation_token_v1* token;
        QPointer<QWindow> window;
    };
    static void announced(void* data, wl_registry* registry, uint32_t name, const char* interface,
                          uint32_t version);
    static void withdrawn(void* /*data*/, wl_registry* /*registry*/, uint32_t /*name*/) {}
    static void tokenDone(void* data, xdg_activation_token_v1* token, const char* text);

    wl_registry* registry_;
    xdg_activation_v1* activation_ = nullptr;
    std::optional<uint32_t> pressSerial_;
    std::list<Pending> pending_;  // a token's listener holds its entry's address
};

}  // namespace sd
