#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "desktop/twip_scale.h"
#include "forms/appearance.h"

namespace kelo::desktop {

/// A designed font as a Qt font: the family asked for first, then faces that stand in for it
/// with the same metrics (Liberation for the classic Windows faces), in every locale.
QFont qtFont(const forms::FontSpec& font);
/// The same at a zoom: its size grows with the scene.
QFont qtFont(const forms::FontSpec& font, const TwipScale& scale);

/// A designed colour; system colours come from the palette.
QColor qtColour(const forms::Colour& colour, const QPalette& palette);

}  // namespace kelo::desktop
