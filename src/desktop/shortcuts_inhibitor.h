#pragma once

class QWindow;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

namespace kelo::desktop {

/// On Wayland, asks the compositor to send its own shortcuts (closing, workspaces, switching
/// windows) to a window of the game while it has the keyboard (keyboard-shortcuts-inhibit). Qt
/// 6.4 does not offer this, so it is bound on Qt's own Wayland connection, on an event queue of
/// its own. Off Wayland it does nothing.
class ShortcutsInhibitor {
  public:
    /// `complained`: set once the user has been told on stderr that the compositor cannot or
    /// will not inhibit its shortcuts, so that it is said only once.
    ShortcutsInhibitor(QWindow& window, bool& complained);
    ~ShortcutsInhibitor();
    ShortcutsInhibitor(const ShortcutsInhibitor&) = delete;
    ShortcutsInhibitor& operator=(const ShortcutsInhibitor&) = delete;

    /// The registry's listener: binds the seat and the inhibit manager as they are announced.
    static void global(void* self, wl_registry* registry, unsigned name, const char* interface,
                       unsigned version);

  private:
    static void complain(const char* why, bool& complained);

    wl_display* display_ = nullptr;
    wl_event_queue* queue_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1* inhibitor_ = nullptr;
    bool active_ = false;
};

}  // namespace kelo::desktop
