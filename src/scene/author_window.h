#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "forms/form.h"
#include "scene/main_window.h"

namespace kelo::scene {

/// The author window `authorpekro`: at most one in the program, created on first use, loaded
/// afresh from its design after every close.
class AuthorWindow {
  public:
    bool loaded() const { return form_ != nullptr; }
    bool shown() const { return shown_; }
    /// The window's controls; using it while it is not loaded loads it, hidden.
    AuthorControls& get();
    /// The loaded window, or nullptr.
    forms::Form* form() const { return form_.get(); }
    /// Shows it modeless (loading it first if needed).
    void show();
    /// Unloads it without raising anything: the next use loads it afresh.
    void unload();

    /// Told of every freshly loaded window, to attach observers to it.
    std::function<void(forms::Form&)> onLoaded;

  private:
    std::unique_ptr<forms::Form> form_;
    std::optional<AuthorControls> controls_;
    bool shown_ = false;
};

}  // namespace kelo::scene
