#pragma once

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QTimer>
#include <array>
#include <optional>
#include <vector>

#include "desktop/lock/lock_backend.h"

namespace kelo::desktop::lock {

/// The lock on X11. The window the child uses holds the keyboard and the pointer (active grabs,
/// which come before the window manager's own keys and clicks). They are taken again the moment
/// a window of the game is mapped, the holder changes, or the X server says a grab ended; a grab
/// that fails (another client holds it, the window is not viewable yet) is asked again with a
/// short back-off until it holds. Whatever another client asks of the window manager (another
/// workspace, the desktop shown, the window iconified or not full screen, another window above
/// or focused) is undone as soon as the window manager has done it: the game follows the
/// workspace shown, full screen, in front and focused. Nothing runs on a timer while it holds.
class X11Lock : public LockBackend, public QAbstractNativeEventFilter {
  public:
    X11Lock(xcb_connection_t* connection, LockWindows windows, Changed changed);
    ~X11Lock() override;
    X11Lock(const X11Lock&) = delete;
    X11Lock& operator=(const X11Lock&) = delete;

    void holdOn() override;
    void mainWindowChanged() override { restoreSoon(); }
    Hold state() const override { return state_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    enum Atom {
        CurrentDesktop,
        ShowingDesktop,
        ActiveWindow,
        ClientListStacking,
        WmState,
        WmDesktop,
        NetWmState,
        StateFullScreen,
        StateHidden,
        WindowType,
        TypeDock,
        TypeDesktop,
        AtomCount
    };

    void report(Hold state, const std::string& why);
    void retryLater();
    /// Brings the main window back once the events of this moment are handled.
    void restoreSoon();
    void restore();
    /// A window created by this client: the game's own.
    bool ours(xcb_window_t window) const;
    xcb_window_t mainWindow() const;
    std::vector<std::uint32_t> cardinals(xcb_window_t window, xcb_atom_t property,
                                         xcb_atom_t type) const;
    std::optional<std::uint32_t> cardinal(xcb_window_t window, xcb_atom_t property) const;
    /// The topmost window in the window manager's stacking order that is neither a dock nor the
    /// desktop, or none.
    xcb_window_t topWindow() const;
    void askWindowManager(xcb_window_t window, xcb_atom_t message,
                          std::array<std::uint32_t, 5> data);
    void selectEvents(xcb_window_t window, std::uint32_t mask);

    xcb_connection_t* connection_;
    LockWindows windows_;
    Changed changed_;
    xcb_window_t root_ = 0;
    std::uint32_t idBase_ = 0;
    std::uint32_t idMask_ = 0;
    std::array<xcb_atom_t, AtomCount> atoms_{};
    bool windowManager_ = false;
    bool xwayland_ = false;
    bool mainMapped_ = false;
    bool everMapped_ = false;
    bool restorePending_ = false;
    Hold state_ = Hold::Refused;
    QTimer retry_;
    int backoffMilliseconds_ = 0;
};

}  // namespace kelo::desktop::lock
