#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/headless_platform.h"
#include "forms/key.h"

namespace kelo::sim {

struct SetClock {
    forms::DateTime now;
};
struct SetFonts {
    std::vector<std::string> fonts;
};
struct Start {};
struct TypeKey {
    forms::Key key;
};
struct Click {
    std::string name;
    int index = -1;
};
struct Select {
    int entry = 0;
};
struct Close {
    std::string window;  // "authorpekro" or "mobil"
};
struct Dump {};
/// The generator's next draws are these values (for scripted tests).
struct Draws {
    std::vector<float> values;
};

using Command = std::variant<SetClock, SetFonts, Start, TypeKey, Click, Select, Close, Dump, Draws>;

/// A line of a script: a command, nothing (blank or comment), or the reason it is malformed.
struct ParsedLine {
    std::optional<Command> command;
    std::string error;  // empty when the line is fine
};

ParsedLine parseLine(std::string_view line);

}  // namespace kelo::sim
