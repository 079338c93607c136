#pragma once

#include "forms/form_design.h"

namespace kelo::scene {

/// The author window `authorpekro` as designed.
const forms::FormDesign& authorpekroDesign();

}  // namespace kelo::scene
