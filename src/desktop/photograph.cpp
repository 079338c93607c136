#include "desktop/photograph.h"

#include <cmath>

namespace kelo::desktop {

const QImage& Photograph::at(QSizeF size, double devicePixelRatio) const {
    if (!original_) {
        original_.emplace(resource_);
    }
    const QSize devicePixels(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                             static_cast<int>(std::lround(size.height() * devicePixelRatio)));
    if (scaled_.size() != devicePixels || scaled_.devicePixelRatio() != devicePixelRatio) {
        // Kept opaque: an opaque picture is copied onto the window, not blended.
        scaled_ = original_->scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
        scaled_.setDevicePixelRatio(devicePixelRatio);
    }
    return scaled_;
}

}  // namespace kelo::desktop
