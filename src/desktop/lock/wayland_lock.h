#pragma once

#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <vector>

#include "desktop/lock/lock_backend.h"

struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_pointer;
struct wl_surface;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;
struct zwp_pointer_constraints_v1;
struct zwp_confined_pointer_v1;

namespace kelo::desktop::lock {

/// The lock on Wayland, where a client cannot grab: the compositor is asked to pass its own
/// shortcuts to each of the game's windows (keyboard-shortcuts-inhibit), and to keep the pointer
/// on the game's window (pointer-constraints), so that a second screen's panels stay out of
/// reach. Qt 6.4 offers neither, so both are bound on Qt's own connection, whose thread hands
/// their events to the GUI thread. No call waits for the compositor: its answers are followed
/// for as long as the lock runs. A late `active` (a compositor that asks the user first) makes
/// the lock held; an `inactive` (GNOME's Super+Escape) is noticed, the game kept full screen and
/// in front, and the compositor asked again when the game has the keyboard back.
class WaylandLock : public LockBackend {
  public:
    WaylandLock(LockWindows windows, Changed changed);
    ~WaylandLock() override;
    WaylandLock(const WaylandLock&) = delete;
    WaylandLock& operator=(const WaylandLock&) = delete;

    void holdOn() override;
    void mainWindowChanged() override;
    Hold state() const override { return state_; }

    // The protocol's listeners.
    static void global(void* self, wl_registry* registry, unsigned name, const char* interface,
                       unsigned version);
    static void globalsKnown(void* self);
    static void seatCapabilities(void* self, unsigned capabilities);
    static void inhibitorAnswered(void* inhibitor, bool active);

  private:
    struct Inhibitor {
        WaylandLock* lock = nullptr;
        QPointer<QWindow> window;
        wl_surface* surface = nullptr;
        zwp_keyboard_shortcuts_inhibitor_v1* proxy = nullptr;
        bool active = false;
        ~Inhibitor();
    };

    void judge();
    void keepInFront();
    void confinePointer();

    LockWindows windows_;
    Changed changed_;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    wl_pointer* pointer_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
    zwp_pointer_constraints_v1* constraints_ = nullptr;
    zwp_confined_pointer_v1* confined_ = nullptr;
    wl_surface* confinedTo_ = nullptr;
    bool globalsKnown_ = false;
    bool reported_ = false;
    bool everHeld_ = false;
    std::vector<std::unique_ptr<Inhibitor>> inhibitors_;
    Hold state_ = Hold::Refused;
    /// A compositor may ask the user first: it is judged unwilling only after a while.
    QTimer verdict_;
};

}  // namespace kelo::desktop::lock
