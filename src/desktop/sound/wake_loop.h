#pragma once

#include <functional>
#include <memory>

struct pa_mainloop;
struct pa_mainloop_api;

namespace kelo::desktop {

/// libpulse's main loop for a thread of its own, woken from other threads. A wake-up is never
/// lost: libpulse empties its wake-up pipe while preparing to sleep, so a wake-up that comes
/// between the caller's last look at its work and that moment would otherwise leave the thread
/// asleep for good. `iterate` looks again once the pipe is empty.
/// @code
///   WakeLoop loop;
///   // the loop's thread:                      // any other thread:
///   while (!stopping) {                        //   stopping = true;
///       loop.iterate(-1, [&] { return stopping; });   //   loop.wake();
///   }
/// @endcode
class WakeLoop {
  public:
    WakeLoop();
    ~WakeLoop();
    WakeLoop(const WakeLoop&) = delete;
    WakeLoop& operator=(const WakeLoop&) = delete;

    /// False where libpulse could not make a loop: nothing else may then be called.
    explicit operator bool() const { return loop_ != nullptr; }
    pa_mainloop_api* api();
    /// From any thread: the thread in `iterate` returns soon.
    void wake();
    /// One pass of the loop: sleeps up to `timeoutMicroseconds` (-1: until woken or until the
    /// server has something) unless `pending` says there is work already, then runs what is
    /// due. False when the loop failed.
    bool iterate(int timeoutMicroseconds, const std::function<bool()>& pending);

  private:
    struct Free {
        void operator()(pa_mainloop* loop) const;
    };
    std::unique_ptr<pa_mainloop, Free> loop_;
};

}  // namespace kelo::desktop
