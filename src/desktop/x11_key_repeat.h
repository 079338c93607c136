#pragma once

namespace kelo::desktop {

/// Asks the X server to report a held key as repeated presses only, without the release that
/// X11 otherwise sends before each repeat. Then a key release is always a real one, however
/// late the repeat's press would have come on a busy computer. Returns whether the server
/// agreed; false on Wayland and on servers without XKB, where releases need a second look.
bool askForTrueKeyReleases();

}  // namespace kelo::desktop
