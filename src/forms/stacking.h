#pragma once

#include <vector>

#include "forms/controls.h"
#include "forms/form.h"

namespace kelo::forms {

/// Windowed controls (picture box, frames, text box, list box, buttons) always lie above the
/// graphical ones (labels, shapes, lines) of the same container.
bool isWindowed(const Control& control);

/// The children of a container (nullptr: the window itself), bottom first: the graphical ones,
/// the later listed under the earlier, then the windowed ones the same way.
std::vector<const Control*> paintOrder(const Form& form, const Control* container);

/// A box in window coordinates: its own place plus the places of its containers.
Box windowBox(const BoxControl& control);

/// The topmost shown control under a point of the window (twips), inside visible containers;
/// lines are never hit. nullptr for the window's own background.
const Control* controlAt(const Form& form, float x, float y);

}  // namespace kelo::forms
