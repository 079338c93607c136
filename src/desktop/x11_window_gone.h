#pragma once

#include <QAbstractNativeEventFilter>
#include <QWindow>
#include <functional>

namespace kelo::desktop {

/// Tells when another client destroys a window of ours on X11 (`xdotool windowclose`, a killed
/// frame): Qt 6.4 takes no notice and would go on with a window that is gone, and the game with
/// no window at all. Does nothing on other platforms.
class X11WindowGone : public QAbstractNativeEventFilter {
  public:
    /// `gone` runs once the X server reports `window` destroyed.
    X11WindowGone(WId window, std::function<void()> gone);
    ~X11WindowGone() override;
    X11WindowGone(const X11WindowGone&) = delete;
    X11WindowGone& operator=(const X11WindowGone&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    WId window_;
    std::function<void()> gone_;
};

}  // namespace kelo::desktop
