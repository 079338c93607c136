#pragma once

#include "forms/platform.h"
#include "scene/author_window.h"
#include "scene/main_window.h"

namespace kelo::lang {

/// `combo1_Click`: gives the keyboard back to the game (the start button after a win, the key
/// box otherwise), then writes the chosen language into both windows. Japanese first needs the
/// font found at start-up: it sets that font on every relabelled control, or says there is
/// none. Any failing step shows "Error in Japanese font-related module. Click OK to continue"
/// and ends the switch; what was written stays.
void combo1_Click(scene::MainWindow& w, scene::AuthorWindow& authorWindow,
                  forms::Platform& platform);

}  // namespace kelo::lang
