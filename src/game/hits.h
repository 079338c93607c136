#pragma once

#include "forms/platform.h"
#include "scene/main_window.h"

namespace kelo::game {

/// Whether the ball, at the target row, is within target j's horizontal span.
bool ballHits(const scene::MainWindow& w, int j);

/// The hit test for target j, and on a hit: a new number for the hit target, the old cars
/// hidden, a point and a coin when the hit target showed the answer, and a new question.
void hitTarget(scene::MainWindow& w, forms::Platform& platform, int j);

}  // namespace kelo::game
