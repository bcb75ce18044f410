// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/activation.h"

#include "platform/display.h"

#include <qpa/qplatformnativeinterface.h>
#include <QGuiApplication>

#include <cstring>

#include <wayland-client.h>
#include "xdg-activation-v1-client.h"

namespace sd {
namespace {

void* resource(const char* name) {
    return QGuiApplication::platformNativeInterface()->nativeResourceForIntegration(name);
}

wl_surface* surfaceOf(QWindow* window) {
    if (window == nullptr || window->handle() == nullptr) return nullptr;
    return static_cast<wl_surface*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
}

}  // namespace

std::unique_ptr<WaylandActivation> WaylandActivation::connect() {
    if (!runsOnWayland()) return nullptr;
    auto* display = static_cast<wl_display*>(resource("wl_display"));
    if (display == nullptr) return nullptr;
    // The toolkit reads the display and dispatches its default queue, this registry's too.
    return std::make_unique<WaylandActivation>(wl_display_get_registry(display));
}

WaylandActivation::WaylandActivation(wl_registry* registry) : registry_(registry) {
    static const wl_registry_listener listener{&WaylandActivation::announced,
                                               &WaylandActivation::withdrawn};
    wl_registry_add_listener(registry_, &listener, this);
}

WaylandActivation::~WaylandActivation() {
    for (const Pending& pending : pending_) xdg_activation_token_v1_destroy(pending.token);
    if (activation_ != nullptr) xdg_activation_v1_destroy(activation_);
    wl_registry_destroy(registry_);
}

void WaylandActivation::announced(void* data, wl_registry* registry, uint32_t name,
                                  const char* interface, uint32_t /*version*/) {
    auto* self = static_cast<WaylandActivation*>(data);
    if (self->activation_ != nullptr ||
        std::strcmp(interface, xdg_activation_v1_interface.name) != 0)
        return;
    self->activation_ = static_cast<xdg_activation_v1*>(
        wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

// Read as the press reaches the program: the toolkit's serial moves on with every event after.
void WaylandActivation::pressed() {
    pressSerial_ = static_cast<uint32_t>(reinterpret_cast<quintptr>(resource("serial")));
}

bool WaylandActivation::request(QWindow& window) {
    QWindow* keyboard = QGuiApplication::focusWindow();
    wl_surface* from = surfaceOf(keyboard);
    if (activation_ == nullptr || !pressSerial_ || from == nullptr || keyboard == &window)
        return false;
    auto* seat = static_cast<wl_seat*>(resource("wl_seat"));
    if (seat == nullptr) return false;
    xdg_activation_token_v1* token = xdg_activation_v1_get_activation_token(activation_);
    Pending& pending = pending_.emplace_back(Pending{this, token, &window});
    static const xdg_activation_token_v1_listener listener{&WaylandActivation::tokenDone};
    xdg_activation_token_v1_add_listener(token, &listener, &pending);
    xdg_activation_token_v1_set_serial(token, *pressSerial_, seat);
    xdg_activation_token_v1_set_surface(token, from);
    xdg_activation_token_v1_commit(token);
    return true;
}

void WaylandActivation::tokenDone(void* data, xdg_activation_token_v1* token, const char* text) {
    auto* pending = static_cast<Pending*>(data);
    WaylandActivation* self = pending->owner;
    if (wl_surface* to = surfaceOf(pending->window))
        xdg_activation_v1_activate(self->activation_, text, to);
    xdg_activation_token_v1_destroy(token);
    self->pending_.remove_if([pending](const Pending& entry) { return &entry == pending; });
}

}  // namespace sd
