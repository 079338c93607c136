#pragma once

#include "forms/form_design.h"

namespace kelo::scene {

/// The main window `mobil` as designed: every control in its designed place, colour, caption,
/// font, visibility and tab order, in stacking order (topmost first), with the car drawings.
const forms::FormDesign& mobilDesign();

/// Resource name of the photograph shown by `kelkel`.
inline constexpr const char* photographResource = "photograph";

}  // namespace kelo::scene
