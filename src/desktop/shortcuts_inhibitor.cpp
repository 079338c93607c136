#include "desktop/shortcuts_inhibitor.h"

#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstdio>
#include <cstring>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

namespace kelo::desktop {
namespace {

const zwp_keyboard_shortcuts_inhibitor_v1_listener inhibitorListener{
    .active = [](void* active,
                 zwp_keyboard_shortcuts_inhibitor_v1*) { *static_cast<bool*>(active) = true; },
    .inactive = [](void* active,
                   zwp_keyboard_shortcuts_inhibitor_v1*) { *static_cast<bool*>(active) = false; },
};

const wl_registry_listener registryListener{
    .global =
        [](void* self, wl_registry* registry, std::uint32_t name, const char* interface,
           std::uint32_t version) {
            ShortcutsInhibitor::global(self, registry, name, interface, version);
        },
    .global_remove = [](void*, wl_registry*, std::uint32_t) {},
};

}  // namespace

ShortcutsInhibitor::ShortcutsInhibitor(QWindow& window, bool& complained) {
    if (QGuiApplication::platformName() != QStringLiteral("wayland")) {
        return;
    }
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    display_ = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    auto* surface = static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window));
    if (display_ == nullptr || surface == nullptr) {
        complain("the window has no Wayland surface", complained);
        return;
    }
    // Our own queue: Qt's thread dispatches its queue, we dispatch ours, nobody else's.
    queue_ = wl_display_create_queue(display_);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue_);
    registry_ = wl_display_get_registry(wrapped);
    wl_proxy_wrapper_destroy(wrapped);
    wl_registry_add_listener(registry_, &registryListener, this);
    wl_display_roundtrip_queue(display_, queue_);
    if (manager_ == nullptr || seat_ == nullptr) {
        complain("the compositor does not offer keyboard-shortcuts-inhibit", complained);
        return;
    }
    inhibitor_ =
        zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, surface, seat_);
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor_, &inhibitorListener, &active_);
    wl_display_roundtrip_queue(display_, queue_);
    if (!active_) {
        complain("the compositor did not agree to pass its shortcuts to the game", complained);
    }
}

ShortcutsInhibitor::~ShortcutsInhibitor() {
    if (inhibitor_ != nullptr) {
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor_);
    }
    if (manager_ != nullptr) {
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
    }
    if (seat_ != nullptr) {
        wl_seat_destroy(seat_);
    }
    if (registry_ != nullptr) {
        wl_registry_destroy(registry_);
    }
    if (queue_ != nullptr) {
        wl_display_flush(display_);
        wl_event_queue_destroy(queue_);
    }
}

void ShortcutsInhibitor::global(void* self, wl_registry* registry, unsigned name,
                                const char* interface, unsigned /*version*/) {
    auto* inhibitor = static_cast<ShortcutsInhibitor*>(self);
    if (std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0 &&
        inhibitor->manager_ == nullptr) {
        inhibitor->manager_ =
            static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
                registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && inhibitor->seat_ == nullptr) {
        inhibitor->seat_ =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}

void ShortcutsInhibitor::complain(const char* why, bool& complained) {
    if (!complained) {
        std::fprintf(stderr, "kelo: %s: its own shortcuts stay on; the game stays full screen\n",
                     why);
        complained = true;
    }
}

}  // namespace kelo::desktop
