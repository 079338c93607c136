#pragma once

#include <string_view>

#include "forms/form_design.h"

namespace kelo::scene {

/// The author's contact address: in the designed credit and, in every language, at the end of
/// the author's note.
inline constexpr std::string_view contactAddress = "mas.kurdalo@example.org";

/// The author window `authorpekro` as designed.
const forms::FormDesign& authorpekroDesign();

}  // namespace kelo::scene
