#pragma once

#include <QPixmap>
#include <QString>
#include <optional>

namespace kelo::desktop {

/// The built-in photograph, decoded the first time it is painted: most games never reach the
/// win picture, so start-up does not pay for it.
class Photograph {
  public:
    explicit Photograph(QString resource) : resource_(std::move(resource)) {}
    const QPixmap& pixmap() const {
        if (!pixmap_) {
            pixmap_.emplace(resource_);
        }
        return *pixmap_;
    }

  private:
    QString resource_;
    mutable std::optional<QPixmap> pixmap_;
};

}  // namespace kelo::desktop
