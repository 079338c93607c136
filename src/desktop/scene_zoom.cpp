#include "desktop/scene_zoom.h"

#include <algorithm>

#include "desktop/twip_scale.h"
#include "forms/stacking.h"

namespace kelo::desktop {

QSizeF sceneExtent(const forms::Form& designed) {
    double right = 0;
    double bottom = 0;
    for (const auto& control : designed.controls()) {
        const auto* line = dynamic_cast<const forms::Line*>(control.get());
        if (line != nullptr && line->container() != nullptr) {
            continue;  // drawn inside its container's box, which counts
        }
        if (line != nullptr) {
            const double half = line->appearance().lineWidth * TwipScale::twipsPerPixel / 2;
            right = std::max({right, line->x1() + half, line->x2() + half});
            bottom = std::max({bottom, line->y1() + half, line->y2() + half});
        } else if (const auto* box = dynamic_cast<const forms::BoxControl*>(control.get())) {
            const forms::Box at = forms::windowBox(*box);
            right = std::max(right, static_cast<double>(at.left + at.width));
            bottom = std::max(bottom, static_cast<double>(at.top + at.height));
        }
    }
    return {right, bottom};
}

double fittingZoom(QSize client, QSizeF extent) {
    if (extent.isEmpty() || client.isEmpty()) {
        return 1;
    }
    return std::min(client.width() * TwipScale::twipsPerPixel / extent.width(),
                    client.height() * TwipScale::twipsPerPixel / extent.height());
}

}  // namespace kelo::desktop
