#include "desktop/lock/x11_lock.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstring>

#include "desktop/window_manager.h"
#include "desktop/x11_connection.h"

namespace kelo::desktop::lock {
namespace {

constexpr std::array<const char*, 12> atomNames{"_NET_CURRENT_DESKTOP",
                                                "_NET_SHOWING_DESKTOP",
                                                "_NET_ACTIVE_WINDOW",
                                                "_NET_CLIENT_LIST_STACKING",
                                                "WM_STATE",
                                                "_NET_WM_DESKTOP",
                                                "_NET_WM_STATE",
                                                "_NET_WM_STATE_FULLSCREEN",
                                                "_NET_WM_STATE_HIDDEN",
                                                "_NET_WM_WINDOW_TYPE",
                                                "_NET_WM_WINDOW_TYPE_DOCK",
                                                "_NET_WM_WINDOW_TYPE_DESKTOP"};

// A failed grab is asked again after 5 ms, then 10, 20 ... at most every 200 ms.
constexpr int firstBackoff = 5;
constexpr int longestBackoff = 200;
constexpr std::uint32_t allDesktops = 0xFFFFFFFF;
constexpr std::uint32_t iconic = 3;      // WM_STATE's IconicState
constexpr std::uint32_t fromAPager = 2;  // EWMH source indication: the user asked
constexpr std::uint32_t addState = 1;    // _NET_WM_STATE_ADD

bool sameMask(std::uint32_t have, std::uint32_t want) {
    return (have & want) == want;
}

const char* grabFailure(std::uint8_t status) {
    switch (status) {
        case XCB_GRAB_STATUS_ALREADY_GRABBED:
            return "another program holds the keyboard";
        case XCB_GRAB_STATUS_FROZEN:
            return "another program froze the keyboard";
        case XCB_GRAB_STATUS_NOT_VIEWABLE:
            return "the window cannot be seen yet";
        case XCB_GRAB_STATUS_INVALID_TIME:
            return "the X server refused the grab's time";
        default:
            return "the X server refused the grab";
    }
}

}  // namespace

X11Lock::X11Lock(xcb_connection_t* connection, LockWindows windows, Changed changed)
    : connection_(connection), windows_(std::move(windows)), changed_(std::move(changed)) {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    root_ = xcb_setup_roots_iterator(setup).data->root;
    idBase_ = setup->resource_id_base;
    idMask_ = setup->resource_id_mask;
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        cookies[i] = xcb_intern_atom(
            connection_, 0, static_cast<std::uint16_t>(std::strlen(atomNames[i])), atomNames[i]);
    }
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        const XcbReply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection_, cookies[i], nullptr));
        atoms_[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    constexpr char xwayland[] = "XWAYLAND";
    const XcbReply<xcb_query_extension_reply_t> extension(xcb_query_extension_reply(
        connection_, xcb_query_extension(connection_, sizeof xwayland - 1, xwayland), nullptr));
    // Xwayland before 23.1 has no extension of its own, but names its outputs XWAYLAND0 ...
    const QList<QScreen*> screens = QGuiApplication::screens();
    xwayland_ = (extension && extension->present != 0) ||
                std::any_of(screens.begin(), screens.end(), [](const QScreen* screen) {
                    return screen->name().startsWith(QStringLiteral("XWAYLAND"));
                });
    windowManager_ = !bareXServer();
    // What other clients ask of the window manager shows first as properties of the root window
    // and of ours; that the grab ended shows as a FocusOut.
    selectEvents(root_, XCB_EVENT_MASK_PROPERTY_CHANGE);
    selectEvents(mainWindow(), XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                                   XCB_EVENT_MASK_FOCUS_CHANGE);
    retry_.setSingleShot(true);
    QObject::connect(&retry_, &QTimer::timeout, [this] { holdOn(); });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Lock::~X11Lock() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

void X11Lock::selectEvents(xcb_window_t window, std::uint32_t mask) {
    // The event mask is one per client and window, and Qt's is in it already: add to it.
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr));
    const std::uint32_t have = attributes ? attributes->your_event_mask : 0;
    if (!sameMask(have, mask)) {
        const std::uint32_t value = have | mask;
        xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &value);
    }
}

xcb_window_t X11Lock::mainWindow() const {
    return static_cast<xcb_window_t>(windows_.main.winId());
}

bool X11Lock::ours(xcb_window_t window) const {
    return window != XCB_WINDOW_NONE && (window & ~idMask_) == idBase_;
}

void X11Lock::report(Hold state, const std::string& why) {
    if (state != state_) {
        state_ = state;
        changed_(state, why);
    }
}

void X11Lock::holdOn() {
    QWidget* holder = windows_.holder();
    if (holder == nullptr || !holder->isVisible() || holder->windowHandle() == nullptr) {
        report(Hold::Lost, "the game's window is not shown");
        retryLater();
        return;
    }
    const auto window = static_cast<xcb_window_t>(holder->winId());
    const XcbReply<xcb_grab_keyboard_reply_t> keyboard(
        xcb_grab_keyboard_reply(connection_,
                                xcb_grab_keyboard(connection_, 0, window, XCB_CURRENT_TIME,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                nullptr));
    const std::uint8_t status =
        keyboard ? keyboard->status : std::uint8_t{XCB_GRAB_STATUS_INVALID_TIME};
    if (status != XCB_GRAB_STATUS_SUCCESS) {
        report(status == XCB_GRAB_STATUS_NOT_VIEWABLE ? Hold::Lost : Hold::Refused,
               grabFailure(status));
        retryLater();
        return;
    }
    // Qt grabs the pointer through XInput 2, as it delivers the pointer's events.
    if (!holder->windowHandle()->setMouseGrabEnabled(true)) {
        report(Hold::Refused, "another program holds the pointer");
        retryLater();
        return;
    }
    retry_.stop();
    backoffMilliseconds_ = 0;
    if (xwayland_) {
        // The grabs are taken, and a Wayland compositor may still act on its own keys.
        report(Hold::Unsupported, "the game runs through Xwayland, where X11 grabs do not hold");
    } else {
        report(Hold::Held, "the keyboard and the pointer are held");
    }
}

void X11Lock::retryLater() {
    backoffMilliseconds_ = std::clamp(backoffMilliseconds_ * 2, firstBackoff, longestBackoff);
    retry_.start(backoffMilliseconds_);
}

bool X11Lock::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
        case XCB_MAP_NOTIFY: {
            const auto* mapped = static_cast<const xcb_map_notify_event_t*>(message);
            if (mapped->window == mainWindow()) {
                mainMapped_ = everMapped_ = true;
            }
            if (ours(mapped->window)) {
                holdOn();  // from the moment it can be seen
            }
            break;
        }
        case XCB_UNMAP_NOTIFY: {
            const auto* unmapped = static_cast<const xcb_unmap_notify_event_t*>(message);
            if (unmapped->window == mainWindow()) {
                mainMapped_ = false;
                restoreSoon();
            }
            break;
        }
        case XCB_FOCUS_OUT: {
            const auto* focus = static_cast<const xcb_focus_out_event_t*>(message);
            if (!ours(focus->event)) {
                break;
            }
            if (focus->mode == XCB_NOTIFY_MODE_UNGRAB) {
                holdOn();  // our grab ended
            } else if (focus->mode == XCB_NOTIFY_MODE_WHILE_GRABBED) {
                restoreSoon();  // the window manager gave the focus away meanwhile
            }
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
            const xcb_atom_t atom = property->atom;
            const bool rootChange =
                property->window == root_ &&
                (atom == atoms_[CurrentDesktop] || atom == atoms_[ShowingDesktop] ||
                 atom == atoms_[ActiveWindow] || atom == atoms_[ClientListStacking]);
            const bool mainChange = property->window == mainWindow() &&
                                    (atom == atoms_[WmState] || atom == atoms_[WmDesktop] ||
                                     atom == atoms_[NetWmState]);
            if (rootChange || mainChange) {
                restoreSoon();
            }
            break;
        }
        default:
            break;
    }
    return false;  // Qt goes on with every event
}

void X11Lock::restoreSoon() {
    if (restorePending_ || !windowManager_) {
        return;  // on a bare X server nobody moves the window but the game
    }
    restorePending_ = true;
    QMetaObject::invokeMethod(
        qApp,
        [this] {
            restorePending_ = false;
            restore();
        },
        Qt::QueuedConnection);
}

std::vector<std::uint32_t> X11Lock::cardinals(xcb_window_t window, xcb_atom_t property,
                                              xcb_atom_t type) const {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, property, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

std::optional<std::uint32_t> X11Lock::cardinal(xcb_window_t window, xcb_atom_t property) const {
    const std::vector<std::uint32_t> values = cardinals(window, property, XCB_ATOM_ANY);
    if (values.empty()) {
        return std::nullopt;
    }
    return values.front();
}

xcb_window_t X11Lock::topWindow() const {
    const std::vector<std::uint32_t> stacking =
        cardinals(root_, atoms_[ClientListStacking], XCB_ATOM_WINDOW);
    // From the top of the stack down.
    for (std::size_t below = stacking.size(); below-- > 0;) {
        const std::uint32_t window = stacking[below];
        const std::vector<std::uint32_t> types =
            cardinals(window, atoms_[WindowType], XCB_ATOM_ATOM);
        const bool furniture = std::any_of(types.begin(), types.end(), [&](std::uint32_t type) {
            return type == atoms_[TypeDock] || type == atoms_[TypeDesktop];
        });
        if (!furniture) {
            return window;
        }
    }
    return XCB_WINDOW_NONE;
}

void X11Lock::askWindowManager(xcb_window_t window, xcb_atom_t message,
                               std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = message;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

void X11Lock::restore() {
    if (!windows_.main.isVisible() || !everMapped_) {
        return;  // not shown yet, or the game is closing
    }
    const xcb_window_t main = mainWindow();
    // The desktop shown by a pager's request: hide it again.
    if (cardinal(root_, atoms_[ShowingDesktop]).value_or(0) != 0) {
        askWindowManager(root_, atoms_[ShowingDesktop], {0, 0, 0, 0, 0});
    }
    // Another workspace shown, or the game moved to one: the game follows the workspace shown.
    const std::optional<std::uint32_t> current = cardinal(root_, atoms_[CurrentDesktop]);
    const std::optional<std::uint32_t> ownDesktop = cardinal(main, atoms_[WmDesktop]);
    if (current && ownDesktop && *ownDesktop != *current && *ownDesktop != allDesktops) {
        askWindowManager(main, atoms_[WmDesktop], {*current, fromAPager, 0, 0, 0});
    }
    const std::vector<std::uint32_t> states = cardinals(main, atoms_[NetWmState], XCB_ATOM_ATOM);
    const auto has = [&](Atom state) {
        return std::find(states.begin(), states.end(), atoms_[state]) != states.end();
    };
    const bool hidden =
        !mainMapped_ || has(StateHidden) || cardinal(main, atoms_[WmState]).value_or(0) == iconic;
    if (hidden) {
        xcb_map_window(connection_, main);  // an iconified window comes back when mapped
    }
    if (!has(StateFullScreen)) {
        askWindowManager(main, atoms_[NetWmState],
                         {addState, atoms_[StateFullScreen], 0, fromAPager, 0});
    }
    QWidget* holder = windows_.holder();
    const std::optional<std::uint32_t> active = cardinal(root_, atoms_[ActiveWindow]);
    const bool inFront = active && ours(*active) && ours(topWindow());
    if (hidden || !inFront) {
        // The game's own windows (author window, message box) are transient for the main
        // window, so window managers keep them above it: activate the main window, then the one
        // the child uses.
        askWindowManager(main, atoms_[ActiveWindow], {fromAPager, XCB_CURRENT_TIME, 0, 0, 0});
        if (holder != nullptr && holder != &windows_.main) {
            askWindowManager(static_cast<xcb_window_t>(holder->winId()), atoms_[ActiveWindow],
                             {fromAPager, XCB_CURRENT_TIME, 0, 0, 0});
        }
    }
    xcb_flush(connection_);
    if (state_ != Hold::Held && state_ != Hold::Unsupported) {
        holdOn();
    }
}

}  // namespace kelo::desktop::lock
