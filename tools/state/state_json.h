#pragma once

#include <nlohmann/json.hpp>

#include "app/program.h"
#include "forms/platform_records.h"

namespace kelo::app {

/// The whole state of the program as one JSON object: the focus, the active window, whether
/// the program ended, what the platform recorded since the last dump, the author window's
/// state, and every property of every control of both windows keyed "name.Prop" or
/// "name(i).Prop" (the author window's with "authorpekro." in front).
nlohmann::json stateJson(const KeloProgram& program, const forms::PlatformRecords& records);

}  // namespace kelo::app
