#include "desktop/photograph.h"

#include <cmath>

namespace kelo::desktop {

const QPixmap& Photograph::at(QSizeF size, double devicePixelRatio) const {
    if (!original_) {
        original_.emplace(resource_);
    }
    const QSize devicePixels(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                             static_cast<int>(std::lround(size.height() * devicePixelRatio)));
    if (scaled_.size() != devicePixels || scaled_.devicePixelRatio() != devicePixelRatio) {
        scaled_ =
            original_->size() == devicePixels
                ? *original_
                : original_->scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(devicePixelRatio);
    }
    return scaled_;
}

}  // namespace kelo::desktop
