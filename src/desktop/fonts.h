#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "forms/appearance.h"

namespace kelo::desktop {

/// A designed font as a Qt font: the family asked for first, then faces that stand in for it
/// with the same metrics (Liberation for the classic Windows faces), in every locale.
QFont qtFont(const forms::FontSpec& font);

/// A designed colour; system colours come from the palette.
QColor qtColour(const forms::Colour& colour, const QPalette& palette);

}  // namespace kelo::desktop
