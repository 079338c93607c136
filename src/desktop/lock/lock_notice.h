#pragma once

#include <QLabel>
#include <string_view>

namespace kelo::desktop::lock {

/// What the parent is told in the game's window where the lock cannot hold: the whole window,
/// in large plain words, until the first key or click (or until the lock holds after all).
class LockNotice : public QLabel {
  public:
    LockNotice(QWidget& window, std::string_view text);
    /// Fills the window again after it changed its size.
    void fit();
};

}  // namespace kelo::desktop::lock
