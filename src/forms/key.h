#pragma once

#include <string>

namespace kelo::forms {

/// One key as the runtime delivers it to the control with the focus.
struct Key {
    enum class Kind { Text, Enter, Tab, BackTab, Up, Down, Other };  // BackTab: Shift+Tab
    Kind kind = Kind::Other;
    std::string text;  // the typed character(s), for Kind::Text only

    static Key typed(std::string text) { return {Kind::Text, std::move(text)}; }
    static Key of(Kind kind) { return {kind, {}}; }
};

}  // namespace kelo::forms
