#pragma once

#include "scene/main_window.h"

namespace kelo::game {

/// The ball's rest place in front of the muzzle.
inline constexpr float ballRestLeft = 7320;
inline constexpr float ballRestTop = 7440;
/// The score that wins a game.
inline constexpr double winningScore = 5;

/// Every shot ends here: ball back, pistol upright (the mirrored turn of its lean), aim "0";
/// at a score of exactly 5 the win picture, the restart arrow and hint, and the focus on the
/// start button; then the shot gate closes.
void endOfShot(scene::MainWindow& w);

}  // namespace kelo::game
