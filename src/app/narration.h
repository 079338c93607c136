#pragma once

#include <optional>
#include <string>

#include "app/program.h"
#include "lang/texts.h"

namespace kelo::app {

/// What the voice speaks of: the main window's facts that change when there is something to say.
struct Told {
    std::string question;  // the question label, which also tells the language shown
    std::string left;      // the numbers on the two targets
    std::string right;
    std::string answer;
    std::string score;
    bool won = false;  // the win picture shows
};

Told toldOf(const KeloProgram& program);

/// One thing to say, in one language.
struct Utterance {
    lang::Language language = lang::Language::Indonesian;
    std::string text;
};

/// What to say after an event that turned `before` (none at the start) into `after`, in the
/// language shown after it: after a shot that hit (`shot`: a flight happened), the number hit as
/// it stood before, praise after a right hit, the win when it came; and the question whenever
/// one was set or the language changed. Nothing where nothing of that happened.
/// @code
///   std::optional<Told> before;                    // at the start
///   auto said = narrate(before, toldOf(program), false);   // the question
/// @endcode
std::optional<Utterance> narrate(const std::optional<Told>& before, const Told& after, bool shot);

}  // namespace kelo::app
