#pragma once

#include "scene/main_window.h"

namespace kelo::game {

/// The game's value of pi for turning the pistol; aiming and the return to rest both use it,
/// so a lean and its return cancel.
inline constexpr double pistolPi = 3.14159275;
/// The point the pistol turns about, in twips: just in front of the muzzle.
inline constexpr double pivotX = 7440;
inline constexpr double pivotY = 7560;

/// Degrees to radians with the game's pi.
constexpr double toRadians(double degrees) {
    return degrees * pistolPi / 180;
}

/// Turns all eleven lines of the pistol about the pivot; a positive angle turns it
/// counter-clockwise on screen. Each line's four end points are read before any is written,
/// computed in double precision and stored in single precision as X1, X2, Y1, Y2.
void TurnPistol(scene::MainWindow& w, double radians);

/// An aiming key: leans the pistol left from upright, then alternates between the two leans
/// (aim state "0" -> "45" -> "-45" -> "45" in `panah.Tag`), and opens the shot gate.
void aimPistol(scene::MainWindow& w);

}  // namespace kelo::game
