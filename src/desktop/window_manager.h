#pragma once

namespace kelo::desktop {

/// True on an X server that no window manager runs on (no `_NET_SUPPORTING_WM_CHECK` on the
/// root window): nobody will maximize a window there but the window itself. False on every
/// other platform (Wayland, off screen) and wherever a window manager runs.
bool bareXServer();

}  // namespace kelo::desktop
