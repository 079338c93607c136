#include "desktop/sound/wake_loop.h"

#include <pulse/mainloop.h>

namespace kelo::desktop {

void WakeLoop::Free::operator()(pa_mainloop* loop) const {
    pa_mainloop_free(loop);
}

WakeLoop::WakeLoop() : loop_(pa_mainloop_new()) {}

WakeLoop::~WakeLoop() = default;

pa_mainloop_api* WakeLoop::api() {
    return pa_mainloop_get_api(loop_.get());
}

void WakeLoop::wake() {
    pa_mainloop_wakeup(loop_.get());
}

bool WakeLoop::iterate(int timeoutMicroseconds, const std::function<bool()>& pending) {
    if (pa_mainloop_prepare(loop_.get(), timeoutMicroseconds) < 0) {
        return false;
    }
    // The wake-up pipe is empty now: work handed over since the caller looked would find no
    // wake-up left to end the sleep, so look again and wake ourselves.
    if (pending && pending()) {
        wake();
    }
    return pa_mainloop_poll(loop_.get()) >= 0 && pa_mainloop_dispatch(loop_.get()) >= 0;
}

}  // namespace kelo::desktop
