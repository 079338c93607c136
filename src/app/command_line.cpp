#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "app/version.h"

namespace kelo::app {

namespace {

struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
// The toolkit's own options, which kelo passes on (either "-name" or "--name").
constexpr std::array<ToolkitOption, 14> toolkitOptions{{{"platform", true},
                                                        {"platformpluginpath", true},
                                                        {"platformtheme", true},
                                                        {"plugin", true},
                                                        {"display", true},
                                                        {"geometry", true},
                                                        {"qwindowgeometry", true},
                                                        {"qwindowtitle", true},
                                                        {"qwindowicon", true},
                                                        {"style", true},
                                                        {"stylesheet", true},
                                                        {"session", true},
                                                        {"reverse", false},
                                                        {"sync", false}}};

/// The toolkit's option that `argument` names, or nullptr.
const ToolkitOption* toolkitOption(std::string_view argument) {
    if (argument.starts_with("--")) {
        argument.remove_prefix(2);
    } else if (argument.starts_with("-")) {
        argument.remove_prefix(1);
    } else {
        return nullptr;
    }
    const auto* const found =
        std::find_if(toolkitOptions.begin(), toolkitOptions.end(),
                     [&](const ToolkitOption& o) { return o.name == argument; });
    return found == toolkitOptions.end() ? nullptr : &*found;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    const auto given = [&](std::initializer_list<const char*> names) {
        return std::any_of(arguments.begin(), arguments.end(), [&](const std::string& argument) {
            return std::any_of(names.begin(), names.end(),
                               [&](const char* name) { return argument == name; });
        });
    };
    CommandLine line;
    if (given({"--help", "-h"})) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (given({"--version"})) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--locked") {
            line.locked = true;
        } else if (const ToolkitOption* option = toolkitOption(argument)) {
            i += option->takesValue ? 1 : 0;
        } else {
            line.action = CommandLine::Action::Usage;
            line.unknown = argument;
            return line;
        }
    }
    return line;
}

std::string helpText() {
    return "Usage: kelo [--locked]\n"
           "Kelo's Pistol (" KELO_PRODUCT_NAME
           "), a counting game for children aged 2.5 to 3.5.\n"
           "\n"
           "  --locked    play full screen in a locked session that a child cannot close,\n"
           "              hide or leave; to leave it, type the letters q u i t\n"
           "  --help      show this help and end\n"
           "  --version   show the version and end\n";
}

std::string usageText(const std::string& unknown) {
    return "kelo: unknown option '" + unknown + "'\nUsage: kelo [--locked] [--help] [--version]\n";
}

}  // namespace kelo::app
