#pragma once

#include "forms/platform.h"
#include "scene/main_window.h"

namespace kelo::game {

/// `panah_Change`: the key just typed, as the whole text of the key box. "A" or "a" aims,
/// a Space with the shot gate open fires a whole shot, and every key is emptied from the box
/// before any game state changes (the nested Change that emptying raises changes nothing).
void panah_Change(scene::MainWindow& w, forms::Platform& platform);

}  // namespace kelo::game
