#pragma once

#include "scene/main_window.h"

namespace kelo::game {

/// `Command1_Click`: counts the press in `tes.Tag` and, at the count above 3, clears the field
/// for a new game on the question that stands: ball back, score "0", coins and win display
/// hidden, focus to the key box.
void Command1_Click(scene::MainWindow& w);

}  // namespace kelo::game
