#pragma once

#include <string>
#include <vector>

namespace kelo::app {

/// What `kelo` was asked to do by its options.
struct CommandLine {
    enum class Action { Play, Help, Version, Usage };
    Action action = Action::Play;
    bool locked = false;  // --locked: a session a child cannot leave
    bool voice = false;   // --voice: the question, the number hit and the win spoken aloud
    /// Every other argument, in order: the toolkit takes those it knows (-style=NAME, -name N);
    /// whatever is left after it is no option of kelo's.
    std::vector<std::string> forToolkit;
    std::string complaint;  // why the options were refused, for Action::Usage
};

/// Reads the options after the program's name: --help and --version win over everything else,
/// and --locked refuses a toolkit option that would undo it (-nograb). Needs no display and
/// knows none of the toolkit's options but that one.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

/// The arguments the toolkit left: the first one is not understood (usage, status 2).
CommandLine leftByToolkit(const std::vector<std::string>& arguments);

/// The platform a locked game must ask the toolkit for, or "" for the toolkit's own choice: in
/// a Wayland session, Wayland (falling back to X11 where its plugin is missing), whatever the
/// environment asks, because through Xwayland the compositor ignores the game's grabs.
/// `waylandDisplay` and `sessionType`: $WAYLAND_DISPLAY and $XDG_SESSION_TYPE, null if unset.
std::string lockedPlatform(const char* waylandDisplay, const char* sessionType);

/// What --help prints, the way out of the locked game included.
std::string helpText();
/// The usage message after a complaint (on standard error, with exit status 2).
std::string usageText(const std::string& complaint);

}  // namespace kelo::app
