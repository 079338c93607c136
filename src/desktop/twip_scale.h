#pragma once

#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "forms/controls.h"

namespace kelo::desktop {

/// The one place where twips become pixels: the scene is designed in twips, 15 to a pixel at
/// its designed size, and shown at a zoom (px = twips × zoom / 15, in logical pixels). Pixel
/// sizes of the design (line widths, borders) and font sizes grow with the zoom.
class TwipScale {
  public:
    static constexpr double twipsPerPixel = 15;

    /// `fontDpi`: the logical DPI that Qt turns points into pixels with.
    explicit TwipScale(double zoom = 1, double fontDpi = 96) : zoom_(zoom), fontDpi_(fontDpi) {}

    double zoom() const { return zoom_; }
    double x(double twips) const { return twips * zoom_ / twipsPerPixel; }
    double y(double twips) const { return twips * zoom_ / twipsPerPixel; }
    QPointF point(double xTwips, double yTwips) const { return {x(xTwips), y(yTwips)}; }
    QRectF rect(const forms::Box& box) const {
        return {x(box.left), y(box.top), x(box.width), y(box.height)};
    }
    /// A pixel position back in twips.
    QPointF twips(QPointF pixels) const {
        return {pixels.x() * twipsPerPixel / zoom_, pixels.y() * twipsPerPixel / zoom_};
    }
    /// A width designed in pixels (a line, a border), at the zoom.
    double pixels(double designed) const { return designed * zoom_; }
    /// The same, whole and at least 1: for the toolkit's helpers that draw in whole pixels.
    int wholePixels(double designed) const {
        return std::max(1, static_cast<int>(std::lround(designed * zoom_)));
    }
    /// A font size designed in points, for a font that Qt sizes at `fontDpi`.
    double points(double designed) const { return designed * zoom_ * 96 / fontDpi_; }

  private:
    double zoom_;
    double fontDpi_;
};

}  // namespace kelo::desktop
