#include "desktop/lock/wayland_lock.h"

#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstring>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"
#include "pointer-constraints-unstable-v1-client-protocol.h"

namespace kelo::desktop::lock {
namespace {

// GNOME Shell asks the user before it agrees: only then is silence taken for a no.
constexpr int verdictMilliseconds = 3000;

const wl_registry_listener registryListener{
    .global =
        [](void* self, wl_registry* registry, std::uint32_t name, const char* interface,
           std::uint32_t version) {
            WaylandLock::global(self, registry, name, interface, version);
        },
    .global_remove = [](void*, wl_registry*, std::uint32_t) {},
};

const wl_callback_listener syncListener{
    .done =
        [](void* self, wl_callback* callback, std::uint32_t) {
            wl_callback_destroy(callback);
            WaylandLock::globalsKnown(self);
        },
};

const wl_seat_listener seatListener{
    .capabilities =
        [](void* self, wl_seat*, std::uint32_t capabilities) {
            WaylandLock::seatCapabilities(self, capabilities);
        },
    .name = [](void*, wl_seat*, const char*) {},
};

const zwp_keyboard_shortcuts_inhibitor_v1_listener inhibitorListener{
    .active =
        [](void* inhibitor, zwp_keyboard_shortcuts_inhibitor_v1*) {
            WaylandLock::inhibitorAnswered(inhibitor, true);
        },
    .inactive =
        [](void* inhibitor, zwp_keyboard_shortcuts_inhibitor_v1*) {
            WaylandLock::inhibitorAnswered(inhibitor, false);
        },
};

wl_surface* surfaceOf(QWindow* window) {
    if (window == nullptr) {
        return nullptr;
    }
    return static_cast<wl_surface*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
}

}  // namespace

WaylandLock::Inhibitor::~Inhibitor() {
    if (proxy != nullptr) {
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(proxy);
    }
}

WaylandLock::WaylandLock(LockWindows windows, Changed changed)
    : windows_(std::move(windows)), changed_(std::move(changed)) {
    display_ = static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    verdict_.setSingleShot(true);
    QObject::connect(&verdict_, &QTimer::timeout, [this] { judge(); });
    if (display_ == nullptr) {
        state_ = Hold::Unsupported;
        changed_(state_, "Qt gave no Wayland connection");
        return;
    }
    // On Qt's default queue: Qt's reading thread hands these events to the GUI thread. The
    // globals are known once the compositor answers a sync sent after the registry request.
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &registryListener, this);
    wl_callback_add_listener(wl_display_sync(display_), &syncListener, this);
    wl_display_flush(display_);
}

WaylandLock::~WaylandLock() {
    inhibitors_.clear();
    if (confined_ != nullptr) {
        zwp_confined_pointer_v1_destroy(confined_);
    }
    if (pointer_ != nullptr) {
        wl_pointer_destroy(pointer_);
    }
    if (constraints_ != nullptr) {
        zwp_pointer_constraints_v1_destroy(constraints_);
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
    if (display_ != nullptr) {
        wl_display_flush(display_);
    }
}

void WaylandLock::global(void* self, wl_registry* registry, unsigned name, const char* interface,
                         unsigned /*version*/) {
    auto* lock = static_cast<WaylandLock*>(self);
    if (std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0 &&
        lock->manager_ == nullptr) {
        lock->manager_ = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
            registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zwp_pointer_constraints_v1_interface.name) == 0 &&
               lock->constraints_ == nullptr) {
        lock->constraints_ = static_cast<zwp_pointer_constraints_v1*>(
            wl_registry_bind(registry, name, &zwp_pointer_constraints_v1_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && lock->seat_ == nullptr) {
        lock->seat_ =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        wl_seat_add_listener(lock->seat_, &seatListener, lock);
    }
}

void WaylandLock::globalsKnown(void* self) {
    auto* lock = static_cast<WaylandLock*>(self);
    lock->globalsKnown_ = true;
    lock->verdict_.start(verdictMilliseconds);
    lock->holdOn();
}

void WaylandLock::seatCapabilities(void* self, unsigned capabilities) {
    auto* lock = static_cast<WaylandLock*>(self);
    if ((capabilities & WL_SEAT_CAPABILITY_POINTER) != 0 && lock->pointer_ == nullptr) {
        lock->pointer_ = wl_seat_get_pointer(lock->seat_);
        lock->confinePointer();
        wl_display_flush(lock->display_);
    }
}

void WaylandLock::inhibitorAnswered(void* inhibitor, bool active) {
    auto* answered = static_cast<Inhibitor*>(inhibitor);
    answered->active = active;
    WaylandLock* lock = answered->lock;
    if (!active && answered->window == lock->windows_.main.windowHandle()) {
        lock->keepInFront();
    }
    lock->judge();
}

void WaylandLock::holdOn() {
    if (!globalsKnown_ || manager_ == nullptr || seat_ == nullptr) {
        judge();
        return;
    }
    std::vector<QWindow*> open;
    for (QWidget* widget : windows_.open()) {
        if (widget->isVisible() && widget->windowHandle() != nullptr) {
            open.push_back(widget->windowHandle());
        }
    }
    // A window gone or given a new surface needs a new inhibitor; one the compositor took back
    // is asked for again now that the game may have the keyboard back.
    std::erase_if(inhibitors_, [&](const std::unique_ptr<Inhibitor>& inhibitor) {
        QWindow* window = inhibitor->window.data();
        return window == nullptr || std::find(open.begin(), open.end(), window) == open.end() ||
               surfaceOf(window) != inhibitor->surface ||
               (!inhibitor->active && window->isActive());
    });
    for (QWindow* window : open) {
        wl_surface* surface = surfaceOf(window);
        const bool asked =
            std::any_of(inhibitors_.begin(), inhibitors_.end(),
                        [&](const std::unique_ptr<Inhibitor>& i) { return i->window == window; });
        if (surface == nullptr || asked) {
            continue;
        }
        auto inhibitor = std::make_unique<Inhibitor>();
        inhibitor->lock = this;
        inhibitor->window = window;
        inhibitor->surface = surface;
        inhibitor->proxy =
            zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, surface, seat_);
        zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor->proxy, &inhibitorListener,
                                                         inhibitor.get());
        inhibitors_.push_back(std::move(inhibitor));
    }
    confinePointer();
    wl_display_flush(display_);
    judge();
}

void WaylandLock::confinePointer() {
    wl_surface* main = surfaceOf(windows_.main.windowHandle());
    if (constraints_ == nullptr || pointer_ == nullptr || main == nullptr || main == confinedTo_) {
        return;
    }
    if (confined_ != nullptr) {
        zwp_confined_pointer_v1_destroy(confined_);
    }
    // Persistent: the pointer is kept on the game's window whenever it comes back over it.
    confined_ = zwp_pointer_constraints_v1_confine_pointer(
        constraints_, main, pointer_, nullptr, ZWP_POINTER_CONSTRAINTS_V1_LIFETIME_PERSISTENT);
    confinedTo_ = main;
}

void WaylandLock::judge() {
    if (!globalsKnown_) {
        return;
    }
    const bool mainActive = std::any_of(
        inhibitors_.begin(), inhibitors_.end(), [&](const std::unique_ptr<Inhibitor>& i) {
            return i->window == windows_.main.windowHandle() && i->active;
        });
    Hold now = Hold::Refused;
    std::string why;
    if (manager_ == nullptr || seat_ == nullptr) {
        now = Hold::Unsupported;
        why = "the compositor does not offer keyboard-shortcuts-inhibit";
    } else if (mainActive) {
        now = Hold::Held;
        why = "the compositor passes its shortcuts to the game";
        verdict_.stop();
    } else if (everHeld_) {
        now = Hold::Lost;
        why =
            "the compositor took its shortcuts back; the game asks again when it has the keyboard";
    } else if (verdict_.isActive()) {
        return;  // the compositor may still be asking the user
    } else {
        why = "the compositor did not agree to pass its shortcuts to the game";
    }
    if (!reported_ || now != state_) {
        reported_ = true;
        state_ = now;
        everHeld_ = everHeld_ || now == Hold::Held;
        changed_(now, why);
    }
}

void WaylandLock::mainWindowChanged() {
    // A compositor without the protocol (weston) is not asked again: after weston's own
    // maximize key it answers a new full-screen request with a size of 0 x 0 and then ends the
    // game for a protocol error. The parent has been told that it does not lock.
    if (state_ == Hold::Unsupported) {
        return;
    }
    QWidget& main = windows_.main;
    if (main.windowState() != Qt::WindowFullScreen || !main.isVisible()) {
        keepInFront();
    }
}

void WaylandLock::keepInFront() {
    // Once the compositor has finished what it was doing.
    QTimer::singleShot(0, &windows_.main, [this] {
        QWidget& main = windows_.main;
        if (!main.isVisible() && !main.isMinimized()) {
            return;  // the game is closing
        }
        if (main.windowState() != Qt::WindowFullScreen) {
            main.setWindowState(Qt::WindowFullScreen);
        }
        main.show();
        main.raise();
        main.activateWindow();
    });
}

}  // namespace kelo::desktop::lock
