#pragma once

#include <QPointF>
#include <QRectF>

#include "forms/controls.h"

namespace kelo::desktop {

/// The one place where twips become pixels: px = twips × logical DPI / 1440.
class TwipScale {
  public:
    TwipScale(double dpiX, double dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

    double x(double twips) const { return twips * dpiX_ / twipsPerInch; }
    double y(double twips) const { return twips * dpiY_ / twipsPerInch; }
    QPointF point(double xTwips, double yTwips) const { return {x(xTwips), y(yTwips)}; }
    QRectF rect(const forms::Box& box) const {
        return {x(box.left), y(box.top), x(box.width), y(box.height)};
    }
    /// A pixel position back in twips.
    QPointF twips(QPointF pixels) const {
        return {pixels.x() * twipsPerInch / dpiX_, pixels.y() * twipsPerInch / dpiY_};
    }

  private:
    static constexpr double twipsPerInch = 1440;
    double dpiX_;
    double dpiY_;
};

}  // namespace kelo::desktop
