#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/program.h"
#include "forms/headless_platform.h"

namespace kelo::monkey {

/// One thing a user can do to the game, as the monkey, the fuzzer and kelo-sim scripts share it.
struct Action {
    enum class Kind : std::uint8_t {
        Key,          // `key`: a typed key to the focused control
        Click,        // a click on control `control` of the main window's list of controls
        Select,       // pick entry `value` of the language list
        OpenAuthor,   // click the author button
        CloseAuthor,  // the author window's close box
        Clock,        // the clock jumps to reading `value`
        Fonts,        // the installed fonts become set `value`
        CloseMain,    // the main window's close box (always the last action)
    };
    Kind kind = Kind::Key;
    forms::Key key;
    int control = 0;
    int value = 0;
};

/// Carries an action out on the program and its platform.
void perform(const Action& action, app::KeloProgram& program, forms::HeadlessPlatform& platform);

/// The action as a kelo-sim command line (two lines for a clock or font change are never needed).
std::string scriptLine(const Action& action, const app::KeloProgram& program);

/// The clock readings and font sets the monkey moves between: full hours at second 0 among them,
/// font lists with and without Japanese names.
forms::DateTime clockReading(int value);
std::vector<std::string> fontSet(int value);
inline constexpr int clockReadings = 8;
inline constexpr int fontSets = 5;

/// Decodes bytes (a fuzzer's input) into actions; every byte string gives a valid stream.
std::vector<Action> decodeActions(std::span<const std::uint8_t> bytes, int controlCount);

}  // namespace kelo::monkey
