#pragma once

#include <string>
#include <vector>

#include "app/program.h"
#include "forms/platform.h"
#include "forms/platform_records.h"

namespace kelo::monkey {

/// The game's rules that hold between any two events, checked on the program's state and on
/// what the platform recorded during the last event. Returns one text per broken rule.
///  - the visible cars are exactly mobil(0)..mobil(n-1) for the answer n in `aba.Tag`;
///  - the answer is the caption of one of the targets, and target captions are "0" to "9";
///  - the key box is empty; the ball is at its rest place, hidden only while a won game waits;
///  - the pistol is upright or in one of its two leans, as `panah.Tag` says;
///  - `tes.Tag` and `hasil.Caption` are whole numbers;
///  - no handler was abandoned by a run-time error;
///  - the only message boxes are the language switch's: "No Available Japanese Font" when no
///    Japanese font was found, and its error message when the font list changed meanwhile.
std::vector<std::string> brokenRules(const app::KeloProgram& program,
                                     const forms::PlatformRecords& lastEvent,
                                     const forms::Platform& platform);

}  // namespace kelo::monkey
