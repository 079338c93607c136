#include "desktop/scene_zoom.h"

#include <algorithm>
#include <cmath>

#include "desktop/twip_scale.h"
#include "forms/stacking.h"

namespace kelo::desktop {
namespace {

double fittingZoom(QSizeF client, QSizeF frame) {
    if (frame.isEmpty() || client.isEmpty()) {
        return 1;
    }
    return std::min(client.width() * TwipScale::twipsPerPixel / frame.width(),
                    client.height() * TwipScale::twipsPerPixel / frame.height());
}

}  // namespace

QRectF sceneFrame(const forms::Form& designed) {
    QRectF bounds;
    const auto take = [&bounds](double l, double t, double r, double b) {
        bounds |= QRectF(QPointF(l, t), QPointF(r, b));
    };
    for (const auto& control : designed.controls()) {
        const auto* line = dynamic_cast<const forms::Line*>(control.get());
        if (line != nullptr && line->container() != nullptr) {
            continue;  // drawn inside its container's box, which counts
        }
        if (line != nullptr) {
            const double half = line->appearance().lineWidth * TwipScale::twipsPerPixel / 2;
            take(std::min(line->x1(), line->x2()) - half, std::min(line->y1(), line->y2()) - half,
                 std::max(line->x1(), line->x2()) + half, std::max(line->y1(), line->y2()) + half);
        } else if (const auto* box = dynamic_cast<const forms::BoxControl*>(control.get())) {
            const forms::Box at = forms::windowBox(*box);
            take(at.left, at.top, at.left + at.width, at.top + at.height);
        }
    }
    const double margin = std::max(0.0, std::min(bounds.left(), bounds.top()));
    return bounds.adjusted(-margin, -margin, margin, margin);
}

SceneFit fitScene(QSize client, const QRectF& frame) {
    const double zoom = fittingZoom(QSizeF(client), frame.size());
    const TwipScale scale(zoom);
    const double spareX = client.width() - scale.x(frame.width());
    const double spareY = client.height() - scale.y(frame.height());
    return {zoom, QPoint(static_cast<int>(std::floor(spareX / 2 - scale.x(frame.left()))),
                         static_cast<int>(std::floor(spareY / 2 - scale.y(frame.top()))))};
}

QSize restoredSize(QSize room, const QRectF& frame) {
    const double zoom = std::min(1.0, fittingZoom(QSizeF(room) * 2 / 3, frame.size()));
    const TwipScale scale(zoom);
    return {static_cast<int>(std::ceil(scale.x(frame.width()))),
            static_cast<int>(std::ceil(scale.y(frame.height())))};
}

}  // namespace kelo::desktop
