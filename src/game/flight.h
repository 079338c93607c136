#pragma once

#include "forms/platform.h"
#include "scene/main_window.h"

namespace kelo::game {

/// The row of the targets: the flight stops at the first step whose ball `Top` is above it.
inline constexpr float targetRowTop = 3480;
inline constexpr int lastStep = 800;
/// Steps from this one on are silent.
inline constexpr int silentFromStep = 600;
inline constexpr int toneMilliseconds = 5;
/// The pause of each step (it stands for a busy loop, so the pace is the same on any machine).
inline constexpr auto stepPause = std::chrono::milliseconds(2);

/// The whistle's pitch at a step, from the pitch before it: kept at steps that are multiples
/// of 2 or 3, raised by 1.1 three times below step 20, lowered by 1.1 once after.
double nextTone(double hertz, int step);

/// A whole shot: the ball flies along the barrel, one step longer each time, with a 5 ms tone
/// at every step below 600, until it reaches the target row (where both targets are tested)
/// or step 800; then the end of the shot.
void shoot(scene::MainWindow& w, forms::Platform& platform);

}  // namespace kelo::game
