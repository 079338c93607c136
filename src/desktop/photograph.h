#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

namespace kelo::desktop {

/// The built-in photograph, decoded the first time it is painted (most games never reach the
/// win picture, so start-up does not pay for it) and scaled smoothly to the size it is shown
/// at; the last scaled copy is kept, so a repaint at the same zoom costs a copy, no scaling.
class Photograph {
  public:
    /// The part of its picture box the picture fills at the designed size: 640 by 480 pixels.
    static constexpr double designedWidthTwips = 640 * 15;
    static constexpr double designedHeightTwips = 480 * 15;

    explicit Photograph(QString resource) : resource_(std::move(resource)) {}

    /// The picture at `size` logical pixels, for a screen of that device pixel ratio.
    const QImage& at(QSizeF size, double devicePixelRatio) const;

  private:
    QString resource_;
    mutable std::optional<QImage> original_;
    mutable QImage scaled_;  // an image, which the raster painter draws without a conversion
};

}  // namespace kelo::desktop
