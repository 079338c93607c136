#include "desktop/x11_window_gone.h"

#include <QCoreApplication>

#include "desktop/x11_connection.h"

namespace kelo::desktop {

X11WindowGone::X11WindowGone(WId window, std::function<void()> gone)
    : window_(window), gone_(std::move(gone)) {
    if (x11Connection() != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

X11WindowGone::~X11WindowGone() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool X11WindowGone::nativeEventFilter(const QByteArray& eventType, void* message,
                                      qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // Only the X server's own word counts: any client can send a forged DestroyNotify, which
    // has the sent-by-a-client bit set.
    if (event->response_type != XCB_DESTROY_NOTIFY) {
        return false;
    }
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window != window_ || !gone_) {
        return false;
    }
    // Once only: the callback may delete this filter.
    auto gone = std::move(gone_);
    gone_ = nullptr;
    gone();
    return true;
}

}  // namespace kelo::desktop
