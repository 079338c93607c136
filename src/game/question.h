#pragma once

#include <string>

#include "forms/platform.h"
#include "scene/main_window.h"

namespace kelo::game {

// Rules shared by the set-up of a game and by every hit: how a target gets its number and how
// the cars of a question are shown and hidden.

/// The number text of a new option from 1 to 9: whole part of (draw × 9) + 1.
std::string optionFromDraw(float draw);
/// The number text of a second draw from 0 to 9: whole part of (draw × 10).
std::string secondOptionFromDraw(float draw);
/// Which target holds the answer: 1 for a draw above one half, 0 otherwise.
int answerTarget(float draw);

/// The whole number a question shows as cars: the strict reading of an answer text.
int carCount(const std::string& answer);

}  // namespace kelo::game
