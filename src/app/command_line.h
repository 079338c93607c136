#pragma once

#include <string>
#include <vector>

namespace kelo::app {

/// What `kelo` was asked to do by its options.
struct CommandLine {
    enum class Action { Play, Help, Version, Usage };
    Action action = Action::Play;
    bool locked = false;  // --locked: a session a child cannot leave
    std::string unknown;  // the first option not understood, for Action::Usage
};

/// Reads the options after the program's name: --help and --version win over everything else,
/// the toolkit's own options (-platform, -display, ...) are passed over, and any other option
/// asks for the usage message. Needs no display.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

/// What --help prints, the way out of the locked game included.
std::string helpText();
/// The usage message for an option not understood (on standard error, with exit status 2).
std::string usageText(const std::string& unknown);

}  // namespace kelo::app
