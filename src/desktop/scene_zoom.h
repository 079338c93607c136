#pragma once

#include <QSize>

#include "forms/form.h"

namespace kelo::desktop {

/// The designed scene's extent in twips from the window's top-left corner: every control of the
/// window at its designed place (take it from a freshly built window), lines with their width.
QSizeF sceneExtent(const forms::Form& designed);

/// The largest zoom at which a scene of that extent fits a client area of that many logical
/// pixels.
double fittingZoom(QSize client, QSizeF extent);

}  // namespace kelo::desktop
