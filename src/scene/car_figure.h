#pragma once

#include <vector>

#include "forms/form_design.h"

namespace kelo::scene {

inline constexpr int carCount = 10;

/// The drawing inside each car frame `mobil(i)`: twelve lines and shapes per car, each in its
/// frame, with the car's window colour and the longer sill of car 3.
std::vector<forms::ControlRow> carFigureRows();

/// The colour of both windows of car i.
forms::Colour carWindowColour(int car);

}  // namespace kelo::scene
