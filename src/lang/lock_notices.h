#pragma once

#include <string>
#include <string_view>

#include "lang/texts.h"

namespace kelo::lang {

/// Why a locked game cannot hold the desktop's own keys, as the parent is told.
enum class LockProblem {
    NoWaylandPlatform,         // a Wayland session, and the game fell back to X11 (Xwayland)
    CompositorKeepsShortcuts,  // the compositor lacks or refused keyboard-shortcuts-inhibit
};

/// What the parent reads in the window, in the game's language: what does not hold, and what to
/// do about it. The lines are separated by '\n'.
std::string_view lockNotice(Language language, LockProblem problem);

}  // namespace kelo::lang
