#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace kelo::desktop::lock {

/// What a display system's back end holds for the locked session.
enum class Hold {
    Held,         // the desktop's keys (and, where it can, the pointer) reach the game only
    Refused,      // asked, and not (yet) given: another client holds them, the compositor said no
    Lost,         // held once, and taken away; being asked for again
    Unsupported,  // this display system cannot lock (Xwayland, a compositor without the protocol)
};

/// The game's windows as the lock sees them.
struct LockWindows {
    QWidget& main;
    /// The window the child uses now: an open message box, else the author window, else main.
    std::function<QWidget*()> holder;
    /// Every window of the game that is open now, main first.
    std::function<std::vector<QWidget*>()> open;
};

/// One display system's way of keeping the desktop's keys away from a child. It reacts to what
/// happens; it never polls. A failed request is asked again with a short back-off until it holds.
class LockBackend {
  public:
    /// `changed`: the state changed; `why` in plain words for standard error.
    using Changed = std::function<void(Hold state, const std::string& why)>;

    virtual ~LockBackend() = default;
    /// Something happened that may have moved or ended what is held (a window mapped or about to
    /// close, the focus back, the holder changed): take it all again, on the holder, at once.
    virtual void holdOn() = 0;
    /// Qt saw the main window change its state or visibility: bring it back if it must.
    virtual void mainWindowChanged() = 0;
    virtual Hold state() const = 0;
};

}  // namespace kelo::desktop::lock
