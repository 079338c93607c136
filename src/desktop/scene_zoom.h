#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "forms/form.h"

namespace kelo::desktop {

/// The part of the window that shows the designed scene, in twips from the window's top-left
/// corner: every control at its designed place (take it from a freshly built window), lines
/// with their width, and around them as wide a margin as the design leaves at its top-left.
QRectF sceneFrame(const forms::Form& designed);

/// The scene shown in a client area: the largest zoom at which the frame fits, and where the
/// window's twip (0, 0) then lies (in logical pixels) so that the frame is centred.
struct SceneFit {
    double zoom = 1;
    QPoint origin;
};
SceneFit fitScene(QSize client, const QRectF& frame);

/// The client size of the restored (not maximized) window on a screen with that much room:
/// the frame at zoom 1, or two thirds of the room, whichever is smaller, in the frame's
/// proportions.
QSize restoredSize(QSize room, const QRectF& frame);

}  // namespace kelo::desktop
