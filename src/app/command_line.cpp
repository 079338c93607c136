#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "app/version.h"

namespace kelo::app {

namespace {

// The toolkit's options that would let a child out of a locked game.
constexpr std::array<std::string_view, 2> undoingTheLock{"-nograb", "--nograb"};

bool given(const std::vector<std::string>& arguments,
           std::initializer_list<std::string_view> names) {
    return std::any_of(arguments.begin(), arguments.end(), [&](const std::string& argument) {
        return std::find(names.begin(), names.end(), argument) != names.end();
    });
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (given(arguments, {"--help", "-h"})) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (given(arguments, {"--version"})) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    for (const std::string& argument : arguments) {
        if (argument == "--locked") {
            line.locked = true;
        } else if (argument == "--voice") {
            line.voice = true;
        } else {
            line.forToolkit.push_back(argument);
        }
    }
    for (const std::string& argument : line.forToolkit) {
        if (line.locked && std::find(undoingTheLock.begin(), undoingTheLock.end(), argument) !=
                               undoingTheLock.end()) {
            line.action = CommandLine::Action::Usage;
            line.complaint = "--locked cannot be combined with '" + argument +
                             "', which would let a child leave the game";
            return line;
        }
    }
    return line;
}

CommandLine leftByToolkit(const std::vector<std::string>& arguments) {
    CommandLine line = readCommandLine(arguments);
    if (line.action == CommandLine::Action::Play && !line.forToolkit.empty()) {
        line.action = CommandLine::Action::Usage;
        line.complaint = "unknown option '" + line.forToolkit.front() + "'";
    }
    return line;
}

std::string lockedPlatform(const char* waylandDisplay, const char* sessionType) {
    const bool wayland = (waylandDisplay != nullptr && *waylandDisplay != '\0') ||
                         (sessionType != nullptr && std::string_view(sessionType) == "wayland");
    return wayland ? "wayland;xcb" : "";
}

std::string helpText() {
    return "Usage: kelo [--locked] [--voice]\n"
           "Kelo's Pistol (" KELO_PRODUCT_NAME
           "), a counting game for children aged 2.5 to 3.5.\n"
           "\n"
           "  --locked    play full screen in a locked session that a child cannot close,\n"
           "              hide or leave; to leave it, type the letters q u i t\n"
           "  --voice     speak the question, the number hit and the win aloud, in the\n"
           "              language shown, for children who cannot read yet\n"
           "  --help      show this help and end\n"
           "  --version   show the version and end\n"
           "\n"
           "Qt's own options (-style=NAME, -name NAME, ...) are passed to Qt.\n";
}

std::string usageText(const std::string& complaint) {
    return "kelo: " + complaint + "\nUsage: kelo [--locked] [--voice] [--help] [--version]\n";
}

}  // namespace kelo::app
